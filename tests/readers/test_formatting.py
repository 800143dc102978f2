"""Character and paragraph formatting, colors, script runs, tab stops and
lists, as LibreOffice and pandoc read them.

What a reader does not show is said where it is asserted:
- LibreOffice ignores \\shading without \\cfpat (the shaded paragraph has no
  background), reads \\highlight0 and \\cbpat0 as none (the letter interns
  black first, so no highlight uses color 0), drops the number format of
  \\pn lists (lower roman and upper letters come out as 1, 2, 3: "(iv)" is
  printed "(4)") and gives consecutive bullet paragraphs the first one's
  bullet (the Wingdings bullet shows Symbol's dot). \\protect and the private
  \\zqhlink leave no trace.
- pandoc shows no typeface, size, color, \\dn6 offset, hidden text or
  paragraph property; it sets double underline as single, turns caps into
  upper-case text, shows the \\pntext dot as text and drops numbers.
"""

import re
import unittest

import readerlib as r

NEEDS_LO = unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
NEEDS_PDF = unittest.skipUnless(r.SOFFICE and r.PDFTOTEXT, "LibreOffice or pdftotext is not installed")
NEEDS_PANDOC = unittest.skipUnless(r.PANDOC, "pandoc is not installed")

LETTER = "formatting_letter"

UNITS = {"in": 1440.0, "cm": 1440.0 / 2.54, "mm": 1440.0 / 25.4, "pt": 20.0}


def twips(length):
    """'0.5in', '1.27cm' or '12pt' in twips."""
    match = re.fullmatch(r"(-?[0-9.]+)(in|cm|mm|pt)", length)
    if not match:
        raise AssertionError("not a length: %r" % length)
    return float(match.group(1)) * UNITS[match.group(2)]


def span_styles(root):
    """Text of each span -> the properties of its automatic style."""
    styles = r.automatic_styles(root)
    return {r.inline_text(s): styles.get(s.get(r.q("text:style-name")), {})
            for s in root.iter(r.q("text:span"))}


def last_span(root, paragraph_start):
    """The properties of the last span of the paragraph that starts with
    `paragraph_start`."""
    styles = r.automatic_styles(root)
    for p in root.iter(r.q("text:p")):
        if r.inline_text(p).startswith(paragraph_start):
            spans = list(p.iter(r.q("text:span")))
            return styles.get(spans[-1].get(r.q("text:style-name")), {})
    raise AssertionError("no paragraph %r" % paragraph_start)


def paragraph_element(root, text):
    for p in root.iter(r.q("text:p")):
        if r.inline_text(p) == text:
            return p
    raise AssertionError("no paragraph %r" % text)


def paragraph_style(root, text):
    """The properties of the automatic style of the paragraph `text`."""
    name = paragraph_element(root, text).get(r.q("text:style-name"))
    return r.automatic_styles(root).get(name, {})


def tab_stops(root, text):
    """The tab stops of the paragraph `text`: (position in twips, type,
    leader text), type "left" when none is given."""
    name = paragraph_element(root, text).get(r.q("text:style-name"))
    for holder in (root.find("office:automatic-styles", r.NS), root.find("office:styles", r.NS)):
        for style in holder.findall("style:style", r.NS):
            if style.get(r.q("style:name")) == name:
                return [(round(twips(t.get(r.q("style:position")))), t.get(r.q("style:type"), "left"),
                         t.get(r.q("style:leader-text")))
                        for t in style.iter(r.q("style:tab-stop"))]
    return []


def lists(root):
    """Each list in the body: (its list style's first level, the text of its
    items). The level is ("bullet", character) or ("number", prefix, format,
    suffix)."""
    levels = {}
    for holder in (root.find("office:automatic-styles", r.NS), root.find("office:styles", r.NS)):
        for style in holder.findall("text:list-style", r.NS):
            first = style[0]
            if first.tag == r.q("text:list-level-style-bullet"):
                levels[style.get(r.q("style:name"))] = ("bullet", first.get(r.q("text:bullet-char")))
            else:
                levels[style.get(r.q("style:name"))] = (
                    "number", first.get(r.q("style:num-prefix"), ""), first.get(r.q("style:num-format")),
                    first.get(r.q("style:num-suffix"), ""))
    result = []
    for lst in r.body(root).findall("text:list", r.NS):
        items = [r.inline_text(p) for p in lst.iter(r.q("text:p"))]
        result.append((levels.get(lst.get(r.q("text:style-name"))), items))
    return result


def assert_near(test, length, expected_twips, what):
    test.assertAlmostEqual(twips(length), expected_twips, delta=3, msg=what)


class LibreOfficeCharacters(unittest.TestCase):
    @NEEDS_LO
    def test_attributes(self):
        spans = span_styles(r.libreoffice(LETTER))
        self.assertEqual(spans["bold run"].get("font-weight"), "bold")
        self.assertEqual(spans["italic run"].get("font-style"), "italic")
        self.assertEqual(spans["underlined run"].get("text-underline-style"), "solid")
        self.assertNotEqual(spans["underlined run"].get("text-underline-type"), "double")
        self.assertEqual(spans["double underlined run"].get("text-underline-type"), "double")
        self.assertEqual(spans["struck run"].get("text-line-through-style"), "solid")
        self.assertEqual(spans["hidden run"].get("display"), "none")
        self.assertEqual(spans["caps run"].get("text-transform"), "uppercase")
        self.assertEqual(spans["small caps run"].get("font-variant"), "small-caps")
        # Each attribute is switched off again after its run.
        after = last_span(r.libreoffice(LETTER), "Runs:")
        self.assertEqual(after.get("font-weight"), "normal")
        self.assertEqual(after.get("display"), "true")
        self.assertEqual(after.get("text-transform"), "none")
        self.assertEqual(after.get("font-variant"), "normal")

    @NEEDS_LO
    def test_raised_and_lowered_runs(self):
        spans = span_styles(r.libreoffice(LETTER))
        # \up6 and \dn6 move the text by a share of its size, keeping the size.
        self.assertTrue(spans["raised"].get("text-position", "").startswith("30%"))
        self.assertTrue(spans["lowered"].get("text-position", "").startswith("-30%"))

    @NEEDS_LO
    def test_script_runs(self):
        root = r.libreoffice(LETTER)
        self.assertIn("E = mc2 and H2O.", r.paragraphs(root))
        positions = [r.automatic_styles(root).get(s.get(r.q("text:style-name")), {}).get("text-position")
                     for s in paragraph_element(root, "E = mc2 and H2O.").iter(r.q("text:span"))
                     if r.inline_text(s) == "2"]
        self.assertEqual([p.split()[0] for p in positions], ["super", "sub"])

    @NEEDS_LO
    def test_typefaces_and_sizes(self):
        spans = span_styles(r.libreoffice(LETTER))
        self.assertEqual(spans["Velrtf Limited"].get("font-name"), "Times New Roman")
        self.assertEqual(spans["Subject line in Arial"].get("font-name"), "Arial")
        self.assertEqual(spans["Subject line in Arial"].get("font-size"), "14pt")
        self.assertEqual(spans["Subject line in Arial"].get("font-weight"), "bold")
        self.assertEqual(spans["Courier run"].get("font-name"), "Courier New")
        self.assertEqual(spans["Courier run"].get("font-size"), "10.5pt")
        self.assertEqual(spans["large Arial run"].get("font-size"), "18pt")

    @NEEDS_LO
    def test_text_and_highlight_colors(self):
        spans = span_styles(r.libreoffice(LETTER))
        self.assertEqual(spans["red run"].get("color"), "#ff0000")
        self.assertEqual(spans["highlighted run"].get("background-color"), "#ffff00")
        self.assertEqual(spans["blue on yellow run"].get("color"), "#0000c0")
        self.assertEqual(spans["blue on yellow run"].get("background-color"), "#ffff00")
        # \plain ends the colors.
        after = last_span(r.libreoffice(LETTER), "Courier run")
        self.assertNotIn("color", after)
        self.assertNotIn("background-color", after)

    @NEEDS_LO
    def test_private_marks_leave_the_text(self):
        # \protect and \zqhlink are not shown; the run's text stays.
        self.assertIn(", marked run, x", span_styles(r.libreoffice(LETTER)))


class LibreOfficeParagraphs(unittest.TestCase):
    @NEEDS_LO
    def test_alignment(self):
        root = r.libreoffice(LETTER)
        self.assertEqual(paragraph_style(root, "Velrtf Limited").get("text-align"), "end")
        self.assertEqual(paragraph_style(root, "Subject line in Arial").get("text-align"), "center")
        self.assertEqual(paragraph_style(root, "Boxed paragraph.").get("text-align"), "start")
        body = [p for p in r.paragraphs(root) if p.startswith("Runs:")][0]
        self.assertEqual(paragraph_style(root, body).get("text-align"), "justify")

    @NEEDS_LO
    def test_indents_and_spacing(self):
        root = r.libreoffice(LETTER)
        body = paragraph_style(root, [p for p in r.paragraphs(root) if p.startswith("Runs:")][0])
        assert_near(self, body["margin-left"], 720, "left indent")
        assert_near(self, body["margin-right"], 360, "right indent")
        assert_near(self, body["text-indent"], 360, "first-line indent")
        assert_near(self, body["margin-top"], 120, "space before")
        assert_near(self, body["margin-bottom"], 240, "space after")
        hanging = paragraph_style(root, "Hanging paragraph.")
        assert_near(self, hanging["margin-left"], 1440, "left indent")
        assert_near(self, hanging["text-indent"], -720, "hanging indent")
        assert_near(self, hanging["line-height-at-least"], 400, "line spacing at least")
        exact = paragraph_style(root, "Exactly spaced paragraph.")
        assert_near(self, exact["margin-top"], 480, "space before")
        assert_near(self, exact["line-height"], 360, "exact line spacing")
        self.assertEqual(paragraph_style(root, "Double spaced paragraph.").get("line-height"), "200%")

    @NEEDS_LO
    def test_keeping_and_widow_control(self):
        root = r.libreoffice(LETTER)
        self.assertEqual(paragraph_style(root, "Subject line in Arial").get("keep-with-next"), "always")
        self.assertEqual(paragraph_style(root, "Boxed paragraph.").get("keep-together"), "always")
        body = paragraph_style(root, [p for p in r.paragraphs(root) if p.startswith("Runs:")][0])
        self.assertEqual((body.get("widows"), body.get("orphans")), ("2", "2"))

    @NEEDS_LO
    def test_borders(self):
        root = r.libreoffice(LETTER)
        boxed = paragraph_style(root, "Boxed paragraph.")
        self.assertIn("double", boxed.get("border", ""))
        ruled = paragraph_style(root, "Ruled paragraph.")
        for side in ("border-top", "border-bottom"):
            width, style = ruled[side].split()[:2]
            self.assertEqual(style, "solid")
            assert_near(self, width, 30, "thick border")  # \brdrw30: 1.5 points
        self.assertEqual((ruled.get("border-left"), ruled.get("border-right")), ("none", "none"))

    @NEEDS_LO
    def test_shading_and_background(self):
        root = r.libreoffice(LETTER)
        self.assertEqual(paragraph_style(root, "Grey paragraph.").get("background-color"), "#e0e0e0")
        # \shading alone (no \cfpat) is ignored: no background, the text stays.
        self.assertNotIn("background-color", paragraph_style(root, "Shaded paragraph."))

    @NEEDS_LO
    def test_tab_stops_and_leaders(self):
        root = r.libreoffice(LETTER)
        self.assertEqual(tab_stops(root, "Reference 42\t6 December 2026"), [(9000, "right", ".")])
        self.assertEqual(tab_stops(root, "Item\tLeft\tCentre\t12.50\tRight"),
                         [(1440, "left", None), (3600, "center", "-"), (5760, "char", "."),
                          (8640, "right", "_")])

    @NEEDS_LO
    def test_bullets_and_numbers(self):
        found = lists(r.libreoffice(LETTER))
        self.assertEqual(found[0], (("bullet", "\u00b7"),
                                    ["First bullet", "Second bullet", "Wingdings bullet"]))
        self.assertEqual(found[1], (("number", "", "1", "."),
                                    ["First number", "Second number", "Third number"]))

    @NEEDS_LO
    def test_numbers_keep_their_texts_but_not_their_format(self):
        roman = lists(r.libreoffice("formatting_roman_list"))
        self.assertEqual(roman, [(("number", "(", "1", ")"), ["Fourth clause", "Fifth clause"])])
        alpha = lists(r.libreoffice("formatting_alpha_list"))
        self.assertEqual(alpha, [(("number", "Annex ", "1", ":"), ["Alpha item", "Beta item"])])


class LibreOfficePrinted(unittest.TestCase):
    @NEEDS_PDF
    def test_list_labels(self):
        text = "".join(r.pdf_pages(LETTER))
        for label in ("\u00b7 First bullet", "1. First number", "2. Second number", "3. Third number"):
            self.assertIn(label, text)
        # The hidden run is not printed; caps are.
        self.assertNotIn("hidden run", text)
        self.assertIn("CAPS RUN", text)

    @NEEDS_PDF
    def test_start_and_texts_around_numbers(self):
        # Lower roman from 4 prints as (4), (5); upper letters as 1, 2.
        roman = "".join(r.pdf_pages("formatting_roman_list"))
        self.assertIn("(4) Fourth clause", roman)
        self.assertIn("(5) Fifth clause", roman)
        alpha = "".join(r.pdf_pages("formatting_alpha_list"))
        self.assertIn("Annex 1: Alpha item", alpha)
        self.assertIn("Annex 2: Beta item", alpha)

    @NEEDS_PDF
    def test_leaders_are_drawn(self):
        text = "".join(r.pdf_pages(LETTER))
        self.assertRegex(text, r"Reference 42\.{20,}6 December 2026")
        self.assertRegex(text, r"Left-{5,}Centre\.{5,}12\.50_{5,}Right")


def pandoc_inlines(tree, kind):
    """The text of every inline of type `kind` ("Strong", "Emph", ...)."""
    found = []

    def text(items):
        out = []
        for item in items:
            if item["t"] == "Str":
                out.append(item["c"])
            elif item["t"] == "Space":
                out.append(" ")
            elif isinstance(item.get("c"), list):
                out.append(text([c for c in item["c"] if isinstance(c, dict)]))
        return "".join(out)

    def walk(node):
        if isinstance(node, dict):
            if node.get("t") == kind:
                found.append(text(node["c"]))
            for value in node.values():
                walk(value)
        elif isinstance(node, list):
            for value in node:
                walk(value)

    walk(tree["blocks"])
    return found


class PandocFormatting(unittest.TestCase):
    @NEEDS_PANDOC
    def test_attributes(self):
        tree = r.pandoc(LETTER)
        self.assertEqual(pandoc_inlines(tree, "Strong"), ["Subject line in Arial", "bold run"])
        self.assertEqual(pandoc_inlines(tree, "Emph"), ["italic run"])
        # Double underline comes back as a plain underline.
        self.assertEqual(pandoc_inlines(tree, "Underline"), ["underlined run", "double underlined run"])
        self.assertEqual(pandoc_inlines(tree, "Strikeout"), ["struck run"])
        self.assertEqual(pandoc_inlines(tree, "SmallCaps"), ["small caps run"])

    @NEEDS_PANDOC
    def test_caps_hidden_and_scripts(self):
        tree = r.pandoc(LETTER)
        plain = r.pandoc_plain(LETTER)
        self.assertIn("CAPS RUN", plain)     # caps become upper-case text
        self.assertNotIn("hidden run", plain)  # hidden text is dropped
        # \up6 and the script runs are recovered; \dn6 is not read.
        self.assertEqual(pandoc_inlines(tree, "Superscript"), ["raised", "2"])
        self.assertEqual(pandoc_inlines(tree, "Subscript"), ["2"])
        self.assertIn("xlowered", plain)

    @NEEDS_PANDOC
    def test_text_and_lists(self):
        # Typefaces, colors and paragraph properties are not shown; the text
        # is. Tabs come out as spaces, bullets as the \pntext dot, numbers not
        # at all.
        paragraphs = r.pandoc_plain(LETTER).strip().split("\n\n")
        for expected in ("Velrtf Limited", "Reference 42 6 December 2026", "Subject line in Arial",
                         "Courier run, large Arial run, red run, highlighted run, blue on yellow run.",
                         "Boxed paragraph.", "Shaded paragraph.", "Grey paragraph.", "Hanging paragraph.",
                         "Item Left Centre 12.50 Right", "\u00b7 First bullet", "\u00b7 Wingdings bullet",
                         "First number", "Yours sincerely,"):
            self.assertIn(expected, paragraphs)


if __name__ == "__main__":
    unittest.main()
