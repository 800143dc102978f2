"""Formatting, colors, script runs, tab stops and lists as LibreOffice and
pandoc read them. Not shown, so not asserted: LibreOffice ignores \\shading
without \\cfpat, reads \\highlight0 and \\cbpat0 as none (the letter interns
black first), drops the format of \\pn numbers ("(iv)" prints as "(4)") and
gives consecutive bullets the first one's bullet. pandoc shows no typeface,
size, color, \\dn6 offset, hidden text, paragraph property, tab stop or
number; it sets double underline as single and caps as upper-case text."""

import subprocess
import unittest

import readerlib as r

# Run text -> what LibreOffice gives it (None: not set). The runs switch
# their attributes off again; the marked run's \\protect and \\zqhlink
# leave no trace, so it joins the text after the last run.
SPANS = [
    ("bold run", {"font-weight": "bold"}), ("italic run", {"font-style": "italic"}),
    ("caps run", {"text-transform": "uppercase"}), ("hidden run", {"display": "none"}),
    ("underlined run", {"text-underline-style": "solid", "text-underline-type": None}),
    ("double underlined run", {"text-underline-type": "double"}), ("struck run", {"text-line-through-style": "solid"}),
    ("small caps run", {"font-variant": "small-caps"}), ("raised", {"text-position": "30% 100%"}),  # \\up6
    ("lowered", {"text-position": "-30% 100%"}), ("2", {"text-position": "super 58%"}),
    (", marked run.", {"font-weight": "normal", "text-position": None, "text-underline-style": "none",
                       "display": "true", "text-transform": "none", "font-variant": "normal"}),
    ("2", {"text-position": "sub 58%"}), ("Velrtf Limited", {"font-name": "Times New Roman"}),
    ("Courier run", {"font-name": "Courier New", "font-size": "10.5pt"}),
    ("Subject line in Arial", {"font-name": "Arial", "font-size": "14pt", "font-weight": "bold"}),
    (", large Arial run", {"font-name": "Arial", "font-size": "18pt"}), (", red run", {"color": "#ff0000"}),
    (", highlighted run", {"background-color": "#ffff00"}),
    (", blue on yellow run", {"color": "#0000c0", "background-color": "#ffff00"})]
# Paragraph (start of its text) -> its properties; numbers are lengths in
# twips. "tabs": (position, type, leader) of each tab stop.
PARAGRAPHS = {
    "Velrtf": {"text-align": "end"}, "Reference": {"tabs": [(9000, "right", ".")]},
    "Subject": {"text-align": "center", "keep-with-next": "always"},
    "Runs:": {"text-align": "justify", "widows": "2", "orphans": "2", "margin-left": 720, "margin-right": 360,
              "text-indent": 360, "margin-top": 120, "margin-bottom": 240},
    "Boxed": {"text-align": "start", "keep-together": "always", "border": "2.24pt double #000000",
              "margin-top": 480, "line-height": 360},
    "Ruled": {"border-top": "1.5pt solid #000000", "border-bottom": "1.5pt solid #000000", "border-left": "none",
              "border-right": "none", "line-height": "200%"},
    "Shaded": {"background-color": "#e0e0e0", "margin-left": 1440, "text-indent": -720, "line-height-at-least": 400},
    "Item": {"tabs": [(1440, "left", None), (3600, "center", "-"), (5760, "char", "."), (8640, "right", "_")]}}


class LibreOffice(unittest.TestCase):
    @unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
    def test_runs_and_paragraphs(self):
        root = r.libreoffice("formatting_letter")
        styles = r.automatic_styles(root)
        elements = {s.get(r.q("style:name")): s for s in root.iter(r.q("style:style"))}
        spans = [(r.inline_text(s), styles.get(s.get(r.q("text:style-name")), {})) for s in root.iter(r.q("text:span"))]
        for text, want in SPANS:
            self.assertIn(want, [{k: p.get(k) for k in want} for t, p in spans if t == text], text)
        for start, want in PARAGRAPHS.items():
            name = [p.get(r.q("text:style-name")) for p in root.iter(r.q("text:p"))
                    if r.inline_text(p).startswith(start)][0]
            props = dict(styles[name], tabs=[(round(r.twips(t.get(r.q("style:position")))), t.get(r.q("style:type"),
                     "left"), t.get(r.q("style:leader-text"))) for t in elements[name].iter(r.q("style:tab-stop"))])
            for key, value in want.items():
                got = props.get(key)
                near = isinstance(value, int) and abs(r.twips(got) - value) <= 3
                self.assertTrue(near or got == value, (start, key, got))

    @unittest.skipUnless(r.SOFFICE and r.PDFTOTEXT, "LibreOffice or pdftotext is not installed")
    def test_printed_labels_and_leaders(self):
        text = "".join(r.pdf_pages("formatting_letter")) + "".join(r.pdf_pages("formatting_roman_list"))
        for label in ("\u00b7 Symbol bullet", "\u00b7 Wingdings bullet", "1. First number", "2. Second number",
                      "CAPS RUN", "(4) Fourth clause", "(5) Fifth clause"):
            self.assertIn(label, text)
        self.assertNotIn("hidden run", text)
        self.assertRegex(text, r"Reference 42\.{20,}6 December")
        self.assertRegex(text, r"Left-{5,}Centre\.{5,}12\.50_{5,}Right")


class Pandoc(unittest.TestCase):
    @unittest.skipUnless(r.PANDOC, "pandoc is not installed")
    def test_what_pandoc_shows(self):
        html = subprocess.run([r.PANDOC, "-f", "rtf", "-t", "html", "--wrap=none", r.rtf_path("formatting_letter")],
                              check=True, capture_output=True, timeout=60).stdout.decode("utf-8")
        for paragraph in ("Runs: <strong>bold run</strong>, <em>italic run</em>, <u>underlined run</u>, <u>double "
                          "underlined run</u>, <del>struck run</del>, , CAPS RUN, <span class=\"smallcaps\">small "
                          "caps run</span>, <sup>raised</sup>, lowered, marked run.",
                          "<strong>Subject line in Arial</strong>", "E = mc<sup>2</sup> and H<sub>2</sub>O.",
                          "Courier run, large Arial run, red run, highlighted run, blue on yellow run.",
                          "Reference 42 6 December", "\u00b7 Wingdings bullet", "First number"):
            self.assertIn("<p>%s</p>" % paragraph, html)
