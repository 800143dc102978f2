"""Two sections with their own page layout and text, as LibreOffice and pandoc read them."""

import unittest

import readerlib as r

DOC = "sections_layout"

# Per section: its paragraphs; width, height, orientation and the left, right,
# top and bottom margins in twips; its columns (count, gap in twips).
SECTIONS = [
    (["First section: A4 portrait.",
      "ANSI: caf\u00e9 na\u00efve \u00c6sop \u00a9 \u20ac5 \u00bd \u201cquoted\u201d Stra\u00dfe.",
      "UTF-16: \u00dcber \u0151, \u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac, "
      "\u041a\u0438\u0440\u0438\u043b\u043b, \u6f22\u5b57, \U0001d11e clef."],
     (11906, 16838, "portrait", 1134, 1701, 1417, 1247), (1, 0)),
    (["Second section: Letter landscape in two columns.", "Left column.", "Right column."],
     (15840, 12240, "landscape", 720, 1080, 900, 1260), (2, 567)),
]
TEXT = [p for texts, _, _ in SECTIONS for p in texts]
LENGTHS = ["page-width", "page-height", "margin-left", "margin-right", "margin-top", "margin-bottom"]


class Sections(unittest.TestCase):
    @unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
    def test_libreoffice(self):
        root = r.libreoffice(DOC)
        paragraphs = r.paragraph_elements(root)
        # ANSI bytes through the code page; a surrogate pair is one character.
        self.assertEqual([text for text, _, _ in paragraphs], TEXT)
        styles = {s.get(r.q("style:name")): s for s in root.iter(r.q("style:style"))}
        first = 0
        for texts, page, (count, gap) in SECTIONS:
            _, paragraph, section = paragraphs[first]
            # The first section's page is LibreOffice's default page style.
            master = styles[paragraph.get(r.q("text:style-name"))].get(r.q("style:master-page-name"), "Standard")
            layout = r.page_layouts(root)[r.master_page_layouts(root)[master]]
            self.assertEqual(layout["print-orientation"], page[2])
            for key, want in zip(LENGTHS, page[:2] + page[3:]):
                self.assertAlmostEqual(r.twips(layout[key]), want, delta=2)  # kept in 1/10000 in
            # Columns make a section of LibreOffice's, holding all the section's text.
            self.assertEqual({id(s) for _, _, s in paragraphs[first:first + len(texts)]}, {id(section)})
            columns = r.columns(root).get(section.get(r.q("text:style-name"))) if section is not None else (1, "0in")
            self.assertEqual(columns[0], count)
            self.assertAlmostEqual(r.twips(columns[1]), gap, delta=2)
            first += len(texts)
        right = r.automatic_styles(root)[paragraphs[-1][1].get(r.q("text:style-name"))]
        self.assertEqual(right.get("break-before"), "column")

    @unittest.skipUnless(r.PANDOC, "pandoc is not installed")
    def test_pandoc(self):
        # pandoc reads no page layout, shows a surrogate pair as two U+FFFD and
        # loses the column break, so the last two paragraphs run together.
        text = [p.replace("\U0001d11e", "\ufffd" * 2) for p in TEXT]
        self.assertEqual(r.pandoc_plain(DOC).strip().split("\n\n"), text[:-2] + [text[-2] + text[-1]])
