"""Sections, page layout and text, as LibreOffice and pandoc read them."""

import unittest

import readerlib as r

NEEDS_LO = unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
NEEDS_PANDOC = unittest.skipUnless(r.PANDOC, "pandoc is not installed")

DOC = "sections_layout"

FIRST_SECTION = [
    "First section: A4 portrait.",
    "ANSI: caf\u00e9 na\u00efve \u00c6sop \u00a9 \u20ac5 \u00bd \u201cquoted\u201d Stra\u00dfe.",
    "UTF-16: \u00dcber \u00e7a \u0151, \u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac, "
    "\u041a\u0438\u0440\u0438\u043b\u043b\u0438\u0446\u0430, \u6f22\u5b57, \U0001d11e clef.",
    "Braces {and} a back\\slash.",
]
SECOND_SECTION = [
    "Second section: Letter landscape in two columns.",
    "\u00c0 \u00e9\u00e8\u00ea \u03a9\u03c9 \u0416\u0436 \u4e2d\u6587 \U0001f600",
    "Left column.",
    "Right column.",
]

# What the document asks for, in twips: width, height, orientation, and the
# left, right, top and bottom margins.
FIRST_PAGE = (11906, 16838, "portrait", 1134, 1701, 1417, 1247)
SECOND_PAGE = (15840, 12240, "landscape", 720, 1080, 900, 1260)


class LibreOfficeSections(unittest.TestCase):
    def setUp(self):
        self.root = r.libreoffice(DOC)
        self.paragraphs = r.paragraph_elements(self.root)

    def page_of(self, paragraph):
        """The page (size, orientation, margins) that a paragraph starts."""
        name = paragraph.get(r.q("text:style-name"))
        style = next(s for s in self.root.iter(r.q("style:style")) if s.get(r.q("style:name")) == name)
        master = style.get(r.q("style:master-page-name"))
        layout = r.page_layouts(self.root)[r.master_page_layouts(self.root)[master]]
        return (r.twips(layout["page-width"]), r.twips(layout["page-height"]), layout["print-orientation"],
                r.twips(layout["margin-left"]), r.twips(layout["margin-right"]),
                r.twips(layout["margin-top"]), r.twips(layout["margin-bottom"]))

    def assertPage(self, page, expected):
        self.assertEqual(page[2], expected[2])
        for got, want in zip(page[:2] + page[3:], expected[:2] + expected[3:]):
            self.assertAlmostEqual(got, want, delta=2)  # LibreOffice keeps lengths in 1/10000 in

    @NEEDS_LO
    def test_text_is_recovered_exactly(self):
        # ANSI bytes of 128 and above through the ANSI code page; UTF-16
        # text, the surrogate pairs included, as one character each.
        self.assertEqual([text for text, _, _ in self.paragraphs], FIRST_SECTION + SECOND_SECTION)

    @NEEDS_LO
    def test_each_section_has_its_own_page(self):
        first = self.paragraphs[0][1]
        second = self.paragraphs[len(FIRST_SECTION)][1]
        self.assertPage(self.page_of(first), FIRST_PAGE)
        self.assertPage(self.page_of(second), SECOND_PAGE)

    @NEEDS_LO
    def test_second_section_has_two_columns(self):
        sections = [section for _, _, section in self.paragraphs]
        self.assertTrue(all(s is None for s in sections[:len(FIRST_SECTION)]))
        second = sections[len(FIRST_SECTION)]
        self.assertIsNotNone(second)
        self.assertTrue(all(s is second for s in sections[len(FIRST_SECTION):]))
        count, gap = r.columns(self.root)[second.get(r.q("text:style-name"))]
        self.assertEqual(count, 2)
        self.assertAlmostEqual(r.twips(gap), 567, delta=2)

    @NEEDS_LO
    def test_column_break_starts_the_second_column(self):
        right = self.paragraphs[-1][1]
        style = r.automatic_styles(self.root).get(right.get(r.q("text:style-name")), {})
        self.assertEqual(style.get("break-before"), "column")


class PandocSections(unittest.TestCase):
    @NEEDS_PANDOC
    def test_text_is_recovered(self):
        # pandoc reads no page layout, shows a surrogate pair as two U+FFFD and
        # loses the column break, so the last two paragraphs run together.
        def pandoc_view(text):
            return text.replace("\U0001d11e", "\ufffd\ufffd").replace("\U0001f600", "\ufffd\ufffd")

        expected = [pandoc_view(p) for p in FIRST_SECTION + SECOND_SECTION[:2]]
        expected.append(SECOND_SECTION[2] + SECOND_SECTION[3])
        self.assertEqual(r.pandoc_plain(DOC).strip().split("\n\n"), expected)


if __name__ == "__main__":
    unittest.main()
