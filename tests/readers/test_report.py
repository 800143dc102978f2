"""The styled report as LibreOffice, its PDF and pandoc show it."""

import unittest

import readerlib as r

# "heading 1" and "heading 2" merge into LibreOffice's own styles; "Report
# Body" was written with control characters that the name leaves out. A text
# mark shows its first letter before the note and the rest after it.
BODY = "Report Body"
STYLED = [("Quarterly Report", BODY), ("Update this field to view Table-of-Content.", BODY),
          ("Introduction", "Heading 1"), ("It covers spring and key terms styled.", BODY), ("Scope", "Heading 2"),
          ("Dear Reader, the figures follow.", BODY), ("Figures", "Heading 1"), ("Sales rose* and costs fellab.", BODY),
          ("A right-hand page.", BODY), ("A left-hand page.", BODY), ("Outlook", "Heading 1")]
# The text of each kind of header and footer up to its first comma: the first
# page's have a page style of their own, \facingp makes the left ones.
KINDS = {"header:First header", "footer:First footer", "header:Right header", "footer:Right footer",
         "header-left:Left header", "footer-left:Left footer", "header:Plain header", "footer:Plain footer"}


def find(root, tag):
    return list(r.body(root).iter(r.q(tag)))


@unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
class LibreOfficeReport(unittest.TestCase):
    def test_headers_and_footers_by_kind_with_page_fields(self):
        pages = r.master_pages(r.libreoffice("report")).values()
        parts = [(kind, part) for page in pages for kind, part in page.items()]
        self.assertEqual({kind + ":" + "".join(r.paragraphs(None, part)).split(",")[0] for kind, part in parts}, KINDS)
        self.assertEqual([[len(list(part.iter(r.q(t)))) for t in ("text:page-number", "text:page-count")]
                          for kind, part in parts if kind.startswith("footer")], [[1, 1]] * 5)

    def test_styles_fields_notes_and_bookmarks(self):
        root = r.libreoffice("report")
        self.assertEqual([p for p in r.paragraph_styles(root) if p[0]], STYLED)
        span = [s for s in find(root, "text:span") if r.inline_text(s) == "key terms"][0]
        self.assertEqual(r.common_style(root, span.get(r.q("text:style-name"))), "Key {Term} \\ Caf\u00e9")
        self.assertEqual([(f.get(r.q("text:column-name")), f.text) for f in find(root, "text:database-display")],
                         [("FirstName", "Reader")])
        self.assertEqual([t.get(r.q("text:outline-level")) for t in find(root, "text:table-of-content-source")],
                         ["2"])
        # Every note is numbered; a text mark stands before the note's text.
        self.assertEqual([(n.find("text:note-citation", r.NS).text, r.paragraphs(None, n.find("text:note-body", r.NS)))
                          for n in find(root, "text:note")],
                         [("1", ["April to June."]), ("2", ["*Before {tax} \\ \u00e9.", "Net."]),
                          ("3", ["abAfter savings."])])
        marks = find(root, "text:bookmark-start") + find(root, "text:bookmark")
        self.assertEqual([b.get(r.q("text:name")) for b in marks], ["Introduction", "Fig{}\\\u00e9"])

    @unittest.skipUnless(r.PDFTOTEXT, "pdftotext is not installed")
    def test_pdf_pages_show_their_footer_number_and_the_count(self):
        pages = r.pdf_pages("report")
        self.assertEqual(len(pages), 5)
        for number, side in enumerate(["First", "Left", "Right", "Left", "Plain"], start=1):
            self.assertIn("%s footer, page %d of 5" % (side, number), pages[number - 1])


@unittest.skipUnless(r.PANDOC, "pandoc is not installed")
class PandocReport(unittest.TestCase):
    def test_text_notes_bookmark_and_style_formatting(self):
        # No headers, footers, field results or table of contents; a style
        # name with escapes shows as text where the style is used; \'01 comes
        # back as its byte.
        self.assertEqual(r.pandoc_plain("report"), (
            "Quarterly Report\n\nIntroduction\n\nIt covers spring[1] and Key {Term} \\ Caf\u00e9key terms "
            "styled.\n\nScope\n\nDear , the figures follow.\n\nFigures\n\nSales rose^(*)[2] and "
            "costs fell^(a)[3]^(b).\n\nA right-hand page.\n\nA left-hand page.\n\nOutlook\n\n[1] April to June."
            "\n\n[2] ^(*)Before {tax} \\ \u00e9.\n\nNet\x01.\n\n[3] ^(ab)After savings.\n"))
        # A bookmark around text is a span; heading 1 is bold, 2 bold italic.
        blocks = r.pandoc("report")["blocks"]
        self.assertEqual(blocks[1]["c"], [{"t": "Strong", "c": [
            {"t": "Span", "c": [["Introduction", [], []], [{"t": "Str", "c": "Introduction"}]]}]}])
        self.assertEqual(blocks[3]["c"], [{"t": "Strong", "c": [{"t": "Emph", "c": [{"t": "Str", "c": "Scope"}]}]}])
