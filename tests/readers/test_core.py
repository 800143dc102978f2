"""Text, escapes, groups and ready-made RTF, as LibreOffice and pandoc read them."""

import unittest

import readerlib as r

NEEDS_LO = unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
NEEDS_PANDOC = unittest.skipUnless(r.PANDOC, "pandoc is not installed")

WORDS = " ".join("word%d" % i for i in range(60)) + " end."

RAW_PARAGRAPHS = [
    "First paragraph.",
    "Braces {like these}, a back\\slash and caf\u00e9.",
    "Bold and italic from ready-made RTF.",
    "Inside a group after it.",
    "Tab\there.",
    WORDS,
]


class LibreOfficeCore(unittest.TestCase):
    @NEEDS_LO
    def test_paragraphs_and_groups(self):
        self.assertEqual(r.paragraphs(r.libreoffice("raw_paragraphs"))[:6], RAW_PARAGRAPHS)

    @NEEDS_LO
    def test_ready_made_runs_keep_their_formatting(self):
        root = r.libreoffice("raw_paragraphs")
        styles = r.automatic_styles(root)
        spans = {r.inline_text(s): styles.get(s.get(r.q("text:style-name")), {})
                 for s in root.iter(r.q("text:span"))}
        self.assertEqual(spans["Bold"].get("font-weight"), "bold")
        self.assertEqual(spans["italic"].get("font-style"), "italic")
        self.assertEqual(spans["Inside a group"].get("font-weight"), "bold")

    @NEEDS_LO
    def test_save_closes_open_groups(self):
        self.assertEqual(r.paragraphs(r.libreoffice("open_groups")), ["Before.", "Still open."])


class PandocCore(unittest.TestCase):
    @NEEDS_PANDOC
    def test_paragraphs_and_groups(self):
        # pandoc shows a tab as a space.
        paragraphs = [p.replace("\t", " ") for p in RAW_PARAGRAPHS]
        self.assertEqual(r.pandoc_plain("raw_paragraphs").strip().split("\n\n")[:6], paragraphs)
        self.assertNotIn("ignorable destination", r.pandoc_plain("raw_paragraphs"))

    @NEEDS_PANDOC
    def test_save_closes_open_groups(self):
        self.assertIn("Still open.", r.pandoc_plain("open_groups"))


if __name__ == "__main__":
    unittest.main()
