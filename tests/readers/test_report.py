"""The styled report: stylesheet, headers and footers of every kind, fields,
footnotes and bookmarks, as LibreOffice and pandoc read them."""

import unittest

import readerlib as r

NEEDS_LO = unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
NEEDS_PANDOC = unittest.skipUnless(r.PANDOC, "pandoc is not installed")
NEEDS_PDF = unittest.skipUnless(r.SOFFICE and r.PDFTOTEXT, "LibreOffice or pdftotext is not installed")

# The body paragraphs and the style each uses ("heading 1" and "heading 2"
# are LibreOffice's own Heading 1 and Heading 2).
STYLED = [
    ("Quarterly Report", "Report Body"),
    ("Introduction", "Heading 1"),
    ("The report covers the quarter and uses key terms in their own style.", "Report Body"),
    ("Scope", "Heading 2"),
    ("Dear Reader, the figures follow.", "Report Body"),
    ("Figures", "Heading 1"),
    # A text mark shows in the text: its first letter before the note, the
    # rest after it.
    ("Sales rose* and costs fellab.", "Report Body"),
    ("Risks", "Heading 2"),
    ("A right-hand page.", "Report Body"),
    ("Plans", "Heading 2"),
    ("A left-hand page.", "Report Body"),
    ("Outlook", "Heading 1"),
    ("The second section.", "Report Body"),
]

# The header of each page of the PDF.
PAGE_HEADERS = ["First header", "Left header", "Right header", "Left header", "Plain header"]


def children(element, name):
    return element.iter(r.q(name))


class LibreOfficeReport(unittest.TestCase):
    @NEEDS_LO
    def test_stylesheet_names_and_the_paragraphs_that_use_them(self):
        root = r.libreoffice("report")
        names = set(r.style_display_names(root).values())
        for name in ("Heading 1", "Heading 2", "Report Body", "Key Term"):
            self.assertIn(name, names)
        styled = [p for p in r.paragraph_styles(root) if p[0]]
        # The table of contents' placeholder stands in its own index body.
        styled = [p for p in styled if not p[0].startswith("Update this field")]
        self.assertEqual(styled, STYLED)

    @NEEDS_LO
    def test_character_style(self):
        root = r.libreoffice("report")
        spans = [s for s in children(r.body(root), "text:span") if r.inline_text(s) == "key terms"]
        self.assertTrue(spans)
        self.assertEqual(r.common_style(root, spans[0].get(r.q("text:style-name"))), "Key Term")

    @NEEDS_LO
    def test_headers_and_footers_by_kind(self):
        pages = r.master_pages(r.libreoffice("report"))
        texts = {name: {kind: "".join(r.paragraphs(None, part)) for kind, part in parts.items()}
                 for name, parts in pages.items()}
        # The first page of the first section gets a page style of its own.
        first = texts["First_20_Page"]
        self.assertEqual(first["header"], "First header")
        self.assertTrue(first["footer"].startswith("First footer, page "))
        # Then right (odd) and left (even) pages.
        self.assertEqual(texts["Standard"]["header"], "Right header")
        self.assertEqual(texts["Standard"]["header-left"], "Left header")
        self.assertTrue(texts["Standard"]["footer"].startswith("Right footer, page "))
        self.assertTrue(texts["Standard"]["footer-left"].startswith("Left footer, page "))
        # The second section's plain header and footer; its left pages keep
        # the first section's.
        second = [t for name, t in texts.items() if t.get("header") == "Plain header"]
        self.assertEqual(len(second), 1)
        self.assertTrue(second[0]["footer"].startswith("Plain footer, page "))

    @NEEDS_LO
    def test_page_number_and_count_fields_in_every_footer(self):
        pages = r.master_pages(r.libreoffice("report"))
        footers = [part for parts in pages.values() for kind, part in parts.items() if kind.startswith("footer")]
        self.assertEqual(len(footers), 5)
        for footer in footers:
            self.assertEqual(len(list(children(footer, "text:page-number"))), 1)
            self.assertEqual(len(list(children(footer, "text:page-count"))), 1)

    @NEEDS_LO
    def test_merge_field(self):
        fields = list(children(r.body(r.libreoffice("report")), "text:database-display"))
        self.assertEqual([(f.get(r.q("text:column-name")), f.text) for f in fields], [("FirstName", "Reader")])

    @NEEDS_LO
    def test_table_of_contents_over_two_levels(self):
        tocs = list(children(r.body(r.libreoffice("report")), "text:table-of-content"))
        self.assertEqual(len(tocs), 1)
        source = tocs[0].find("text:table-of-content-source", r.NS)
        self.assertEqual(source.get(r.q("text:outline-level")), "2")
        # The field's stored result: LibreOffice does not update it on opening.
        self.assertEqual(r.paragraphs(None, tocs[0].find("text:index-body", r.NS)),
                         ["Update this field to view Table-of-Content."])

    @NEEDS_LO
    def test_footnotes_automatic_and_text_marks(self):
        notes = list(children(r.body(r.libreoffice("report")), "text:note"))
        # Every note is numbered; a text mark is kept as text before the
        # note's own text.
        self.assertEqual([n.find("text:note-citation", r.NS).text for n in notes], ["1", "2", "3"])
        bodies = ["".join(r.paragraphs(None, n.find("text:note-body", r.NS))) for n in notes]
        self.assertEqual(bodies, ["From April to June.", "*Before tax.", "abAfter savings."])

    @NEEDS_LO
    def test_bookmarks(self):
        root = r.libreoffice("report")
        names = {b.get(r.q("text:name")) for tag in ("text:bookmark", "text:bookmark-start", "text:bookmark-end")
                 for b in children(r.body(root), tag)}
        self.assertEqual(names, {"Introduction", "Figures"})
        # The Introduction bookmark spans the heading's text.
        heading = [p for p in children(r.body(root), "text:p") if r.inline_text(p) == "Introduction"][0]
        tags = [c.tag for c in heading.iter() if c.tag != heading.tag]
        self.assertLess(tags.index(r.q("text:bookmark-start")), tags.index(r.q("text:span")))
        self.assertGreater(tags.index(r.q("text:bookmark-end")), tags.index(r.q("text:span")))


class PdfReport(unittest.TestCase):
    @NEEDS_PDF
    def test_every_page_shows_its_number_and_the_count(self):
        pages = r.pdf_pages("report")
        self.assertEqual(len(pages), 5)
        for number, (text, header) in enumerate(zip(pages, PAGE_HEADERS), start=1):
            self.assertIn("page %d of 5" % number, text)
            self.assertIn(header, text)


class PandocReport(unittest.TestCase):
    @NEEDS_PANDOC
    def test_text_without_headers_and_field_instructions(self):
        plain = r.pandoc_plain("report")
        # pandoc drops headers, footers and field results; no instruction
        # leaks into the text.
        for hidden in ("header", "footer", "MERGEFIELD", "NUMPAGES", "TOC", "Reader"):
            self.assertNotIn(hidden, plain)
        self.assertIn("Dear , the figures follow.", plain)
        self.assertIn("Quarterly Report", plain)

    @NEEDS_PANDOC
    def test_footnotes_and_marks(self):
        blocks = r.pandoc("report")["blocks"]
        notes = []

        def walk(node):
            if isinstance(node, dict):
                if node.get("t") == "Note":
                    notes.append(node["c"])
                    return
                walk(node.get("c"))
            elif isinstance(node, list):
                for item in node:
                    walk(item)

        walk(blocks)
        self.assertEqual(len(notes), 3)
        plain = r.pandoc_plain("report")
        # The text marks come out as superscripts, in the text and the note.
        self.assertIn("Sales rose^(*)[2] and costs fell^(a)[3]^(b).", plain)
        self.assertIn("[1] From April to June.", plain)
        self.assertIn("[2] ^(*)Before tax.", plain)
        self.assertIn("[3] ^(ab)After savings.", plain)

    @NEEDS_PANDOC
    def test_bookmark_and_style_formatting(self):
        blocks = r.pandoc("report")["blocks"]
        # pandoc keeps a bookmark with text as a span with its name as id
        # (an empty bookmark is lost), and applies a paragraph style's
        # character formatting: heading 1 is bold, heading 2 bold italic.
        heading = blocks[1]["c"]
        self.assertEqual(heading[0]["t"], "Strong")
        span = heading[0]["c"][0]
        self.assertEqual(span["t"], "Span")
        self.assertEqual(span["c"][0][0], "Introduction")
        scope = [b for b in blocks if "Scope" in str(b)][0]["c"]
        self.assertEqual(scope[0]["t"], "Strong")
        self.assertEqual(scope[0]["c"][0]["t"], "Emph")


class LibreOfficeNames(unittest.TestCase):
    """Names and texts come back as written: escapes decoded, control
    characters left out of names, no stray paragraphs."""

    @NEEDS_LO
    def test_style_names(self):
        root = r.libreoffice("report_names")
        self.assertEqual([p for p in r.paragraph_styles(root) if p[0]],
                         [("Onemarked", "Caf\u00e9 {Notes} \\ 1"), ("Two Smith {Jr.} \\ \u00e9\u00a7", "TabCRFree")])

    @NEEDS_LO
    def test_bookmark_merge_field_and_note(self):
        text = r.body(r.libreoffice("report_names"))
        self.assertEqual({b.get(r.q("text:name")) for b in children(text, "text:bookmark-start")},
                         {"Mark{1}\\\u00e9"})
        field = list(children(text, "text:database-display"))[0]
        self.assertEqual(field.get(r.q("text:column-name")), "LastName")
        note = list(children(text, "text:note"))[0]
        # The CR of the note's text starts its second paragraph; the other
        # control character is gone.
        self.assertEqual(r.paragraphs(None, note.find("text:note-body", r.NS)),
                         ["\u00a7Note {a} \\ b\u00e9", "Second paragraph."])


class PandocNames(unittest.TestCase):
    @NEEDS_PANDOC
    def test_texts(self):
        # pandoc 2.17 drops the merge field's result, and shows the name of a
        # style that holds an escaped byte as text before the first paragraph.
        plain = r.pandoc_plain("report_names")
        self.assertIn("Onemarked\n\nTwo ^(\u00a7)[1]\n", plain)
        self.assertIn("[1] ^(\u00a7)Note {a} \\ b\u00e9\n\n", plain)
        # The escaped control character comes back as the byte it was
        # (LibreOffice drops it).
        self.assertIn("Second\x01 paragraph.", plain)


if __name__ == "__main__":
    unittest.main()
