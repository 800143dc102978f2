"""Constructs inside one another, as LibreOffice reads them."""

import unittest

import readerlib as r

NEEDS_LO = unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")


class LibreOfficeInterplay(unittest.TestCase):
    @NEEDS_LO
    def test_text_box_in_the_footer(self):
        root = r.libreoffice("interplay_footer_box")
        footers = [parts["footer"] for parts in r.master_pages(root).values() if "footer" in parts]
        self.assertTrue(footers, "no footer")
        boxes = [box for footer in footers for box in footer.iter(r.q("draw:text-box"))]
        self.assertEqual([r.paragraphs(root, within=box) for box in boxes], [["Boxed footer"]])

    @NEEDS_LO
    def test_table_in_a_text_box(self):
        root = r.libreoffice("interplay_footer_box")
        boxes = list(r.body(root).iter(r.q("draw:text-box")))
        self.assertEqual(len(boxes), 1)
        tables = list(boxes[0].iter(r.q("table:table")))
        self.assertEqual(len(tables), 1)
        cells = [r.paragraphs(root, within=cell) for cell in tables[0].iter(r.q("table:table-cell"))]
        self.assertEqual(cells, [["Left"], ["Right"]])
        self.assertEqual(r.paragraphs(root)[0], "Body before the box.")
        self.assertEqual(r.paragraphs(root)[-1], "Body after the box.")


if __name__ == "__main__":
    unittest.main()
