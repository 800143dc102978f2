"""Pictures as LibreOffice (images with their data, format and size, and the printed page) and pandoc read them;
PNG and every JPEG (DOCFLAG_MODERN_PICTURES) too."""

import base64, collections, hashlib, pathlib, re, struct, unittest  # noqa: E401

import readerlib as r

PHOTO = pathlib.Path(__file__).resolve().parents[2] / "examples" / "pictures" / "landscape.jpg"
# Each picture of pictures_kinds in document order, the header's first: where LibreOffice puts it, the format
# of the data it keeps, the size that data gives (pixels; a Windows metafile's window extent, in its own units),
# the displayed size in twips, and the colour of its own that the printed page shows (none for the photograph).
PICTURES = [
    ("header", "emf", (192, 48), (2880, 720), (250, 90, 160)),
    ("body", "jpeg", (400, 260), (6000, 3900), None),
    ("body", "jpeg", (400, 260), (2880, 1872), None),
    ("body", "bmp", (96, 48), (1440, 720), (230, 30, 30)),
    ("body", "bmp", (64, 32), (1920, 960), (230, 0, 230)),  # the core header's, at twice its size
    ("body", "bmp", (80, 40), (1200, 600), (0, 220, 230)),  # the pasted DIB
    ("body", "wmf", (2880, 1440), (4320, 2160), (130, 230, 0)),  # the placeable metafile, at 1.5 times
    ("body", "emf", (240, 120), (3600, 1800), (120, 40, 230)),
    # The metafile picture: 1 in x 0.5 in in hundredths of a millimetre; its width in pixels is measured in
    # units of 1/2500 in, so it shows a little wider than 1 in (97 pixels).
    ("cell", "wmf", (1000, 500), (1455, 720), (0, 150, 130)),
]
# Each picture of pictures_modern: its format, its pixel size, its displayed size in twips.
MODERN = [("image/jpeg", (400, 260), (6000, 3900)), ("image/png", (120, 80), (1800, 1200)),
          ("image/png", (90, 60), (2880, 1920))]
# LibreOffice's names of the formats: an enhanced metafile is kept as "x-wmf" too.
MIME = {"jpeg": "image/jpeg", "bmp": "image/x-MS-bmp", "wmf": "image/x-wmf", "emf": "image/x-wmf"}


def kind(data):
    for prefix, name in ((b"\xff\xd8", "jpeg"), (b"BM", "bmp"), (b"\x01\x00\x09\x00", "wmf"), (b"\x89PNG", "png")):
        if data.startswith(prefix):
            return name
    return "emf" if data[40:44] == b" EMF" else "other"


def size(data):  # what the data says of its size (see PICTURES)
    if kind(data) == "jpeg":  # the first start-of-frame segment: height, then width
        at = 2
        while data[at + 1] not in (0xC0, 0xC1, 0xC2):
            at += 2 + struct.unpack(">H", data[at + 2:at + 4])[0]
        return struct.unpack(">HH", data[at + 5:at + 9])[::-1]
    if kind(data) == "bmp":
        return struct.unpack("<ii", data[18:26])
    if kind(data) == "png":
        return struct.unpack(">II", data[16:24])
    if kind(data) == "emf":  # the bounds
        left, top, right, bottom = struct.unpack("<4i", data[8:24])
        return right - left, bottom - top
    at = 18  # a Windows metafile: its SetWindowExt record, y before x
    while struct.unpack("<H", data[at + 4:at + 6])[0] != 0x020C:
        at += 2 * struct.unpack("<I", data[at:at + 4])[0]
    return struct.unpack("<hh", data[at + 6:at + 10])[::-1]


def embedded(name):  # the data of each picture group the library wrote, in order
    return [bytes.fromhex(digits) for digits in re.findall(r"\{\\pict(?:\\[a-z]+-?\d*)+ ?([0-9a-f\s]*)\}",
                                                           r.rtf_text(name))]


def pandoc_images(node):  # the contents of each Image in pandoc's JSON tree, in order
    if isinstance(node, dict):
        yield from [node["c"]] if node.get("t") == "Image" else pandoc_images(list(node.values()))
    elif isinstance(node, list):
        for child in node:
            yield from pandoc_images(child)


def images(root):  # (where, draw:frame, format, data) of each picture LibreOffice keeps, in document order
    where = {f: "header" for page in r.master_pages(root).values() for part in page.values()
             for f in part.iter(r.q("draw:frame"))}
    where.update({f: "cell" for cell in r.body(root).iter(r.q("table:table-cell"))
                  for f in cell.iter(r.q("draw:frame"))})
    for frame in root.iter(r.q("draw:frame")):
        image = frame.find("draw:image", r.NS)  # the first: a metafile's second one is LibreOffice's rendering
        yield (where.get(frame, "body"), frame, image.get(r.q("draw:mime-type")),
               base64.b64decode(image.find("office:binary-data", r.NS).text))


class Pictures(unittest.TestCase):
    @unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
    def test_libreoffice(self):
        found = list(images(r.libreoffice("pictures_kinds")))
        self.assertEqual([(where, mime, kind(data), size(data)) for where, _, mime, data in found],
                         [(p[0], MIME[p[1]], p[1], p[2]) for p in PICTURES])
        for (*_, data), wrote in zip(found, embedded("pictures_kinds")):
            # The data exactly as written; a bitmap behind a file header of LibreOffice's own.
            self.assertEqual(data[14:] if kind(data) == "bmp" else data, wrote)
        self.assertEqual(embedded("pictures_kinds")[1], PHOTO.read_bytes())
        for (_, frame, _, _), (*_, shown, _) in zip(found, PICTURES):  # within LibreOffice's rounding
            self.assertLessEqual(max(abs(r.twips(frame.get(r.q("svg:" + side))) - twips)
                                     for side, twips in zip(("width", "height"), shown)), 1, shown)

    @unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
    def test_libreoffice_fetches_the_linked_pictures(self):
        # Relative to the document; LibreOffice keeps the file's bytes and one NUL byte more, and skips the
        # library's size words (the picture shows as a dot). LibreOffice 7.4, unlike its reading of text
        # elsewhere, keeps a line end inside a field instruction, so a path split over two lines would name no
        # file: the library writes the instruction on one line, and the long path is fetched too.
        found = [hashlib.sha1(data).hexdigest() for *_, data in images(r.libreoffice("pictures_linked"))]
        self.assertEqual(found[:1], [hashlib.sha1(PHOTO.read_bytes() + b"\0").hexdigest()])
        self.assertEqual(len(found), 2)

    @unittest.skipUnless(r.SOFFICE and r.PDFTOPPM, "LibreOffice or poppler is not installed")
    def test_printed_page_shows_every_drawing(self):
        print("\n  rendered for a look: %s" % r.png_pages("pictures_kinds", 100))
        width, height, pixels = r.ppm_page("pictures_kinds", 1)
        colours = collections.Counter(pixels[i:i + 3] for i in range(0, width * height * 3, 3))
        for colour in filter(None, (p[4] for p in PICTURES)):  # each covers a good part of its picture
            near = sum(n for c, n in colours.items() if sum(abs(a - b) for a, b in zip(c, colour)) <= 40)
            self.assertGreater(near, 100, colour)

    @unittest.skipUnless(r.PANDOC, "pandoc is not installed")
    def test_pandoc_keeps_the_jpeg(self):
        # Named by the SHA-1 of its data; the size only where the library wrote one.
        name = hashlib.sha1(PHOTO.read_bytes()).hexdigest() + ".jpg"
        self.assertEqual([(attr[2], target[0]) for attr, _, target in pandoc_images(r.pandoc("pictures_kinds"))],
                         [([], name), ([["width", "2.0in"], ["height", "1.3in"]], name)])


class ModernPictures(unittest.TestCase):
    @unittest.skipUnless(r.SOFFICE, "LibreOffice is not installed")
    def test_libreoffice_keeps_the_bytes_at_the_natural_size(self):
        found = list(images(r.libreoffice("pictures_modern")))
        self.assertEqual([mime for _, _, mime, _ in found], [p[0] for p in MODERN])
        wrote = embedded("pictures_modern")
        self.assertEqual([data for *_, data in found], wrote)  # byte for byte
        self.assertEqual(wrote[:2], [(pathlib.Path(r.DOCS) / name).read_bytes()
                                     for name in ("modern_photo.jpg", "modern_bands.png")])
        for (_, frame, _, data), (_, pixels, shown) in zip(found, MODERN):
            self.assertEqual(size(data), pixels)
            self.assertLessEqual(max(abs(r.twips(frame.get(r.q("svg:" + side))) - twips)
                                     for side, twips in zip(("width", "height"), shown)), 1, shown)

    @unittest.skipUnless(r.PANDOC, "pandoc is not installed")
    def test_pandoc_recovers_both(self):
        self.assertEqual([target[0].rsplit(".", 1)[1] for *_, target in pandoc_images(r.pandoc("pictures_modern"))],
                         ["jpg", "png", "png"])

