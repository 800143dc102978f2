"""Frames, text boxes, rectangles and lines as LibreOffice (text frames and shapes) and pandoc read them."""

import unittest

import readerlib as r

PAGE, PARA, NONE = ("page", "page"), ("paragraph", "paragraph"), ("none", None)
# Each object of the body in document order: its first paragraph or kind, anchor, x, y, width, height
# (a line's x1, y1, x2, y2) in twips, vertical and horizontal reference, outline and fill.
FOUND = {
    "objects_frames": [
        ("Page frame", "paragraph", [7200, 5760, 2880, 1440], PAGE, NONE),
        ("Paragraph frame", "paragraph", [720, 360, 2160, 720], PARA, NONE),
        ("Columnframe", "paragraph", [360, 0, 1440, 360], PARA, NONE),  # \phcol: from its column's left
    ],
    "objects_shapes": [
        ("Box text", "char", [1440, 5040, 2880, 1440], PAGE, ("0.06pt solid #ff0000", "#ffffcc")),
        ("rect", "char", [5760, 5040, 2880, 1440], PAGE, ("#0000ff", "#ff8040")),
        ("rect", "char", [5760, 7200, 2880, 1440], PAGE, ("#008000", "#ffff00")),
        ("line", "char", [1440, 10080, 10800, 10080], PAGE, ("#ff0000", "#ffffff")),
        ("line", "char", [1440, 10800, 1440, 13680], PAGE, ("#0000ff", "#ffffff")),
        ("line", "char", [10800, 10800, 7200, 13680], PAGE, ("#008000", "#ffffff")),
        ("line", "char", [7200, 13680, 3600, 10800], PAGE, ("#800080", "#ffffff")),
        ("rect", "char", [720, 0, 1440, 720], ("paragraph", "page-content"), ("#000000", "#808080")),
    ],
}
BODY = {"objects_frames": ["Body text before the frames.", "The paragraph the second frame follows.",
                           "Body text after the frames.", "Second column."],
        "objects_shapes": ["Shapes on the page.", "The paragraph the small rectangle follows.",
                           "Body text after the shapes."]}


def objects(root):
    """(element, graphic style, first paragraph or kind, geometry) of each frame, rectangle and line."""
    for e in r.body(root).iter():
        if e.tag in (r.q("draw:frame"), r.q("draw:rect"), r.q("draw:line")):
            box = e.find("draw:text-box", r.NS)
            names = ("x1", "y1", "x2", "y2") if e.tag == r.q("draw:line") else ("x", "y", "width", "height")
            values = [e.get(r.q("svg:" + n)) for n in names]
            values[3] = values[3] or box.get(r.q("fo:min-height"))  # a frame's height is a minimum
            yield (e, r.automatic_styles(root)[e.get(r.q("draw:style-name"))],
                   e.tag.split("}")[1] if box is None else r.paragraphs(root, within=box)[0],
                   [round(r.twips(v) / 10) * 10 for v in values])  # lengths kept to a few twips


class Objects(unittest.TestCase):
    @unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
    def test_libreoffice(self):
        within = {}
        for name, expected in FOUND.items():
            root = r.libreoffice(name)
            found = list(objects(root))
            self.assertEqual([(what, e.get(r.q("text:anchor-type")), at, (s["vertical-rel"], s["horizontal-rel"]),
                               (s.get("border", s.get("stroke-color")), s.get("fill-color")))
                              for e, s, what, at in found], expected)
            self.assertEqual(r.paragraphs(root), BODY[name])  # the body text stays out of the frames
            within.update({what: r.paragraphs(root, within=e) for e, _, what, _ in found})
        # A paragraph reset inside a frame keeps the next paragraph in it; a table stays in its text box.
        self.assertEqual(within["Page frame"], ["Page frame", "Reset, still in the frame."])
        self.assertEqual(within["Box text"], ["Box text", "Left", "Right", ""])
        footer = [f for parts in r.master_pages(root).values() for f in parts.values()]
        self.assertEqual([r.paragraphs(root, within=b) for f in footer for b in f.iter(r.q("draw:text-box"))],
                         [["Boxed footer"]])
        # Dropped: \dplinew (hairlines all), the text box's fill (kept but fully transparent) and rotation,
        # and \dpfillpat0 (the transparent rectangle, on top by its \dodhgt1, is filled all the same).
        self.assertEqual({r.twips(s["stroke-width"]) for _, s, what, _ in found if what != "Box text"}, {0})
        self.assertEqual([(s["background-transparency"], s.get("writing-mode")) for _, s, what, _ in found
                          if what == "Box text"], [("100%", None)])
        top = max(found, key=lambda o: int(o[0].get(r.q("draw:z-index"))))[1]
        self.assertEqual((top["fill-color"], top.get("fill")), ("#ffff00", None))

    @unittest.skipUnless(r.SOFFICE and r.PDFTOTEXT and r.PDFTOPPM, "LibreOffice or poppler is not installed")
    def test_printed_and_rendered_pages(self):
        for name in FOUND:
            print("\n  rendered for a look: %s" % r.png_pages(name))
        words = {w[1]: w[2:] for w in r.pdf_words("objects_frames")}
        # In points: the page frame at 5 in, 4 in (its first line centred); the paragraph frame 0.5 in
        # right of the margin; the column frame 0.25 in into the second column, beside its paragraph.
        self.assertEqual([round(v) for v in (words["Reset,"][0], words["Page"][1], words["Paragraph"][0],
                                             words["Columnframe"][0], words["Columnframe"][1] - words["Second"][1])],
                         [360, 288, 108, 342, 0])

    @unittest.skipUnless(r.PANDOC, "pandoc is not installed")
    def test_pandoc_keeps_the_text_only(self):
        # Positions, shapes and the footer are dropped; a table in a text box is kept.
        self.assertIn("frames.\n\nPage frame\n\nReset, still in the frame.\n\nThe paragraph the second frame "
                      "follows.\n\nParagraph frame\n\nBody", r.pandoc_plain("objects_frames"))
        self.assertIn("Box text\n\n  ------ -------\n  Left   Right", r.pandoc_plain("objects_shapes"))
