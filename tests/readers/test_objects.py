"""Frames, text boxes, rectangles and lines, as LibreOffice and pandoc read them.

LibreOffice turns frames and text boxes alike into text frames (draw:frame
with a draw:text-box): a frame is anchored to its paragraph and has a minimum
height, a text box is anchored as a character and has a fixed height.
Rectangles and lines become draw:rect and draw:line shapes whose graphic
styles carry the colors.
"""

import unittest

import readerlib as r

NEEDS_LO = unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
NEEDS_PDF = unittest.skipUnless(r.SOFFICE and r.PDFTOTEXT, "LibreOffice or pdftotext is not installed")
NEEDS_PNG = unittest.skipUnless(r.SOFFICE and r.PDFTOPPM, "LibreOffice or pdftoppm is not installed")
NEEDS_PANDOC = unittest.skipUnless(r.PANDOC, "pandoc is not installed")

# LibreOffice keeps lengths to a few ten-thousandths of an inch.
TOLERANCE = 2  # twips


def geometry(element):
    """svg:x, svg:y, svg:width and svg:height of a frame or rectangle in
    twips; a frame's minimum height stands on its text box."""
    height = element.get(r.q("svg:height"))
    if height is None:
        height = element.find("draw:text-box", r.NS).get(r.q("fo:min-height"))
    return tuple(r.twips(element.get(r.q(name))) for name in ("svg:x", "svg:y", "svg:width")) + (r.twips(height),)


def line_points(element):
    return tuple(r.twips(element.get(r.q(name))) for name in ("svg:x1", "svg:y1", "svg:x2", "svg:y2"))


def frame_with_text(root, text):
    for frame in r.body(root).iter(r.q("draw:frame")):
        box = frame.find("draw:text-box", r.NS)
        if box is not None and text in r.paragraphs(root, within=box):
            return frame
    raise AssertionError("no frame holds %r" % text)


def graphic_style(root, element):
    return r.automatic_styles(root)[element.get(r.q("draw:style-name"))]


def show_page(name):
    """Renders the document for a person to look at; prints where."""
    for path in r.png_pages(name):
        print("\n  %s rendered: %s" % (name, path))


class LibreOfficeFrames(unittest.TestCase):
    def assertGeometry(self, actual, expected):
        for got, want in zip(actual, expected):
            self.assertAlmostEqual(got, want, delta=TOLERANCE, msg="%r != %r" % (actual, expected))

    @NEEDS_LO
    def test_page_frame_position_and_size(self):
        root = r.libreoffice("objects_frames")
        frame = frame_with_text(root, "Page frame")
        self.assertEqual(frame.get(r.q("text:anchor-type")), "paragraph")
        self.assertGeometry(geometry(frame), (7200, 1440, 2880, 1440))
        style = graphic_style(root, frame)
        self.assertEqual((style["vertical-rel"], style["horizontal-rel"]), ("page", "page"))

    @NEEDS_LO
    def test_paragraph_frame_position_and_size(self):
        root = r.libreoffice("objects_frames")
        frame = frame_with_text(root, "Paragraph frame")
        self.assertEqual(frame.get(r.q("text:anchor-type")), "paragraph")
        self.assertGeometry(geometry(frame), (720, 360, 2160, 720))
        # \pvpara and \phcol: from the paragraph, and from the left of its
        # column ("paragraph" area), not from the page margin.
        style = graphic_style(root, frame)
        self.assertEqual((style["vertical-rel"], style["horizontal-rel"]), ("paragraph", "paragraph"))

    @NEEDS_LO
    def test_body_text_stays_out_of_the_frames(self):
        self.assertEqual(r.paragraphs(r.libreoffice("objects_frames")),
                         ["Body text before the frames.", "The paragraph the second frame follows.",
                          "Body text after the frames."])

    @NEEDS_PDF
    def test_frames_on_the_printed_page(self):
        words = {w[1]: w for w in r.pdf_words("objects_frames")}
        # Letter paper: the page frame at 5 in, 1 in, in points.
        self.assertAlmostEqual(words["Page"][2], 360, delta=1)
        self.assertAlmostEqual(words["Page"][3], 72, delta=1)
        # The paragraph frame half an inch right of the one-inch margin.
        self.assertAlmostEqual(words["Paragraph"][2], 108, delta=1)

    @NEEDS_PDF
    def test_paragraph_frame_stays_in_its_column(self):
        words = {w[1]: w for w in r.pdf_words("objects_column_frame")}
        # Two columns of 3 in with 0.5 in between: the second starts at
        # 4.5 in; the frame stands a quarter inch into it.
        self.assertAlmostEqual(words["Columnframe"][2], 324 + 18, delta=1)
        self.assertEqual(words["Columnframe"][3], words["Second"][3])


    @NEEDS_LO
    def test_paragraph_reset_stays_in_the_frame(self):
        root = r.libreoffice("objects_frame_reset")
        frame = frame_with_text(root, "Centred in the frame.")
        box = frame.find("draw:text-box", r.NS)
        self.assertEqual(r.paragraphs(root, within=box), ["Centred in the frame.", "Reset, still in the frame."])
        self.assertEqual(r.paragraphs(root), ["Before the frame.", "After the frame."])


class LibreOfficeShapes(unittest.TestCase):
    def assertGeometry(self, actual, expected):
        for got, want in zip(actual, expected):
            self.assertAlmostEqual(got, want, delta=TOLERANCE, msg="%r != %r" % (actual, expected))

    @NEEDS_LO
    def test_text_box_text_position_size_and_outline(self):
        root = r.libreoffice("objects_shapes")
        box = frame_with_text(root, "Box text")
        self.assertEqual(box.get(r.q("text:anchor-type")), "char")
        self.assertIsNotNone(box.get(r.q("svg:height")))  # a fixed height, unlike a frame's
        self.assertGeometry(geometry(box), (1440, 5040, 2880, 1440))
        style = graphic_style(root, box)
        self.assertEqual((style["vertical-rel"], style["horizontal-rel"]), ("page", "page"))
        self.assertTrue(style["border"].endswith("solid #ff0000"), style["border"])

    @NEEDS_PNG
    def test_text_box_fill_and_rotation(self):
        # LibreOffice 7.4 keeps the fill color of a text box but makes it
        # fully transparent, draws the outline as a hairline (no \dplinew)
        # and sets the text horizontally (no \dptxbtlr): the rendered page
        # shows an empty red box with horizontal text.
        show_page("objects_shapes")
        root = r.libreoffice("objects_shapes")
        style = graphic_style(root, frame_with_text(root, "Box text"))
        self.assertEqual(style["fill-color"], "#ffffcc")
        self.assertEqual(style["background-transparency"], "100%")
        self.assertNotIn("writing-mode", style)

    @NEEDS_LO
    def test_rectangles(self):
        root = r.libreoffice("objects_shapes")
        rects = list(r.body(root).iter(r.q("draw:rect")))
        self.assertEqual(len(rects), 3)
        found = {}
        for rect in rects:
            style = graphic_style(root, rect)
            found[style["fill-color"]] = (geometry(rect), style["stroke-color"], style["vertical-rel"],
                                          style["horizontal-rel"])
        filled, transparent, small = found["#ff8040"], found["#ffff00"], found["#808080"]
        self.assertGeometry(filled[0], (5760, 5040, 2880, 1440))
        self.assertEqual(filled[1:], ("#0000ff", "page", "page"))
        self.assertGeometry(transparent[0], (5760, 7200, 2880, 1440))
        self.assertEqual(transparent[1:], ("#008000", "page", "page"))
        # Anchored to the paragraph vertically and to the margin horizontally.
        self.assertGeometry(small[0], (720, 0, 1440, 720))
        self.assertEqual(small[1:], ("#000000", "paragraph", "page-content"))

    @NEEDS_PNG
    def test_transparent_rectangle_and_z_order(self):
        # LibreOffice 7.4 ignores \dpfillpat0: the transparent rectangle is
        # filled with its (yellow) fill color all the same, as the rendered
        # page shows. Its z-order (\dodhgt1) puts it above the other shapes.
        show_page("objects_shapes")
        root = r.libreoffice("objects_shapes")
        shapes = [e for e in r.body(root).iter() if e.tag in (r.q("draw:rect"), r.q("draw:line"), r.q("draw:frame"))]
        ranked = max(shapes, key=lambda e: int(e.get(r.q("draw:z-index"))))
        self.assertEqual(ranked.tag, r.q("draw:rect"))
        self.assertEqual(graphic_style(root, ranked)["fill-color"], "#ffff00")
        self.assertNotEqual(graphic_style(root, ranked).get("fill"), "none")

    @NEEDS_LO
    def test_lines_keep_their_direction_and_color(self):
        root = r.libreoffice("objects_shapes")
        lines = {line_points(e): graphic_style(root, e)["stroke-color"]
                 for e in r.body(root).iter(r.q("draw:line"))}
        expected = {
            (1440, 10080, 10800, 10080): "#ff0000",  # left to right
            (1440, 10800, 1440, 13680): "#0000ff",   # top to bottom
            (10800, 10800, 7200, 13680): "#008000",  # right to left, downwards
            (7200, 13680, 3600, 10800): "#800080",   # right to left, upwards
        }
        self.assertEqual(len(lines), len(expected))
        for points, color in expected.items():
            match = [p for p in lines if all(abs(a - b) <= TOLERANCE for a, b in zip(p, points))]
            self.assertEqual(len(match), 1, "no line %r in %r" % (points, list(lines)))
            self.assertEqual(lines[match[0]], color)

    @NEEDS_LO
    def test_line_width_is_not_imported(self):
        # \dplinew is dropped: every outline and line is a hairline.
        root = r.libreoffice("objects_shapes")
        for element in r.body(root).iter():
            if element.tag in (r.q("draw:rect"), r.q("draw:line")):
                self.assertEqual(r.twips(graphic_style(root, element)["stroke-width"]), 0)

    @NEEDS_LO
    def test_body_text_around_the_shapes(self):
        self.assertEqual(r.paragraphs(r.libreoffice("objects_shapes")),
                         ["Shapes on the page.", "The paragraph the small rectangle follows.",
                          "Body text after the shapes."])


class PandocObjects(unittest.TestCase):
    # pandoc keeps the text of frames and text boxes, in document order, and
    # drops their positions and the shapes.
    @NEEDS_PANDOC
    def test_frame_and_box_text(self):
        self.assertEqual(r.pandoc_plain("objects_frames").split(),
                         "Body text before the frames. Page frame The paragraph the second frame follows. "
                         "Paragraph frame Body text after the frames.".split())
        self.assertIn("Box text", r.pandoc_plain("objects_shapes"))


if __name__ == "__main__":
    unittest.main()
