"""PNG and every JPEG (DOCFLAG_MODERN_PICTURES) as LibreOffice and pandoc read them."""

import base64, pathlib, unittest  # noqa: E401

import readerlib as r
import test_pictures as pictures

FOLDER = pathlib.Path(r.DOCS)
# Each picture of pictures_modern: its format, its pixel size, its displayed size in twips.
PICTURES = [("image/jpeg", (400, 260), (6000, 3900)), ("image/png", (120, 80), (1800, 1200)),
            ("image/png", (90, 60), (2880, 1920))]


class ModernPictures(unittest.TestCase):
    @unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
    def test_libreoffice_keeps_the_bytes_at_the_natural_size(self):
        found = list(pictures.images(r.libreoffice("pictures_modern")))
        self.assertEqual([mime for _, _, mime, _ in found], [p[0] for p in PICTURES])
        wrote = pictures.embedded("pictures_modern")
        self.assertEqual([data for *_, data in found], wrote)  # byte for byte
        self.assertEqual(wrote[:2], [(FOLDER / "modern_photo.jpg").read_bytes(),
                                     (FOLDER / "modern_bands.png").read_bytes()])
        for (_, frame, _, data), (_, pixels, shown) in zip(found, PICTURES):
            self.assertEqual(pictures.size(data), pixels)
            self.assertLessEqual(max(abs(r.twips(frame.get(r.q("svg:" + side))) - twips)
                                     for side, twips in zip(("width", "height"), shown)), 1, shown)

    @unittest.skipUnless(r.PANDOC, "pandoc is not installed")
    def test_pandoc_recovers_both(self):
        images = [node for node in pictures.walk(r.pandoc("pictures_modern")["blocks"]) if node.get("t") == "Image"]
        self.assertEqual([image["c"][2][0].rsplit(".", 1)[1] for image in images], ["jpg", "png", "png"])

