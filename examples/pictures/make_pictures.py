#!/usr/bin/python3
"""Makes the picture files of the example document, in this folder:

  landscape.jpg  a photograph-like landscape (JFIF), drawn and blurred with Pillow
  chart.bmp      a bar chart, a 4-bit bitmap file with an info header
  house.wmf      a house under a tree, a placeable Windows metafile
  flow.emf       a labelled flow diagram, an enhanced metafile

The files are kept in the repository; run this again only to change them
(Debian: `apt-get install python3-pil`, then `/usr/bin/python3 make_pictures.py`).
The bitmap and the metafiles are packed byte by byte; only the JPEG needs
Pillow. The same Pillow version makes the same bytes every time."""
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def rgb(red, green, blue):  # a Windows colour value: red in the low byte
    return red | green << 8 | blue << 16


# ---- landscape.jpg --------------------------------------------------------------------------------------------

def landscape():
    from PIL import Image, ImageDraw, ImageFilter  # only here: the other pictures need nothing but Python

    width, height, horizon = 400, 260, 150
    image = Image.new("RGB", (width, height))
    draw = ImageDraw.Draw(image)
    for y in range(horizon):  # sky: deep blue overhead, warm haze at the horizon
        t = y / horizon
        draw.line([(0, y), (width, y)], fill=(int(40 + 205 * t), int(90 + 130 * t), int(170 + 40 * t)))
    for radius, colour in ((46, (255, 236, 190)), (30, (255, 246, 220)), (18, (255, 255, 245))):
        draw.ellipse([300 - radius, 70 - radius, 300 + radius, 70 + radius], fill=colour)  # sun and glow
    rng = random.Random(7)
    clouds = Image.new("L", (width, height), 0)  # soft clouds, blurred into the sky
    puffs = ImageDraw.Draw(clouds)
    for _ in range(40):
        x, y, w = rng.randint(-20, 260), rng.randint(18, 70), rng.randint(16, 44)
        puffs.ellipse([x - w, y - w // 3, x + w, y + w // 3], fill=rng.randint(90, 170))
    image.paste((250, 246, 240), mask=clouds.filter(ImageFilter.GaussianBlur(7)))

    def ridge(base, rough, colour):  # a mountain ridge: a random walk above `base`
        points, y = [(0, height)], base
        for x in range(0, width + 8, 8):
            y = max(base - 60, min(base + 10, y + rng.randint(-rough, rough)))
            points.append((x, y))
        draw.polygon(points + [(width, height)], fill=colour)

    ridge(110, 9, (112, 120, 150))
    ridge(135, 7, (70, 98, 92))
    for y in range(horizon, height):  # the lake, darker towards the shore
        t = (y - horizon) / (height - horizon)
        draw.line([(0, y), (width, y)], fill=(int(120 - 70 * t), int(150 - 80 * t), int(175 - 70 * t)))
    for _ in range(260):  # ripples on the water
        x, y = rng.randint(0, width - 1), rng.randint(horizon + 2, height - 1)
        shade = rng.randint(-22, 22)
        base = image.getpixel((x, y))
        draw.line([(x, y), (x + rng.randint(6, 20), y)], fill=tuple(max(0, min(255, c + shade)) for c in base))
    for y in range(horizon + 4, horizon + 60, 3):  # the sun's reflection
        half = rng.randint(4, 22)
        draw.line([(300 - half, y), (300 + half, y)], fill=(250, 225, 170))
    draw.polygon([(0, 200), (140, 176), (230, 206), (0, 260)], fill=(48, 74, 40))  # the near shore
    for x in range(8, 200, 14):  # fir trees on it
        top = 150 + rng.randint(0, 24) + x // 10
        draw.polygon([(x, top), (x - 9, top + 46), (x + 9, top + 46)], fill=(26, 52 + rng.randint(0, 20), 30))
    image = image.filter(ImageFilter.GaussianBlur(1.1))
    grain = bytes(max(0, min(255, int(rng.gauss(128, 18)))) for _ in range(width * height))
    noise = Image.frombytes("L", (width, height), grain).convert("RGB")
    image = Image.blend(image, noise, 0.06)  # film grain
    path = os.path.join(HERE, "landscape.jpg")
    image.save(path, "JPEG", quality=80, optimize=True)
    print("landscape.jpg: %d bytes" % os.path.getsize(path))


# ---- chart.bmp ------------------------------------------------------------------------------------------------

def chart():
    width, height = 240, 160
    palette = [rgb(255, 255, 255), rgb(0, 0, 0), rgb(220, 220, 220), rgb(40, 90, 170), rgb(240, 140, 40),
               rgb(120, 170, 220), rgb(250, 200, 150)]
    pixels = [[0] * width for _ in range(height)]  # top row first

    def fill(left, top, right, bottom, index):
        for y in range(max(top, 0), min(bottom, height)):
            for x in range(max(left, 0), min(right, width)):
                pixels[y][x] = index

    base = 140
    for y in range(base - 120, base, 20):
        fill(24, y, 232, y + 1, 2)  # grid lines
    for quarter, (first, second) in enumerate(((62, 48), (80, 70), (96, 104), (118, 88))):
        left = 36 + quarter * 50
        fill(left, base - first, left + 16, base, 3), fill(left + 1, base - first + 1, left + 4, base, 5)
        fill(left + 18, base - second, left + 34, base, 4), fill(left + 19, base - second + 1, left + 22, base, 6)
    fill(22, 16, 24, base + 2, 1)  # axes
    fill(22, base, 234, base + 2, 1)
    for x in range(48, 234, 50):
        fill(x, base + 2, x + 1, base + 6, 1)  # ticks
    row_bytes = (width * 4 + 31) // 32 * 4
    bits = b"".join(bytes(row[x] << 4 | row[x + 1] for x in range(0, width, 2)).ljust(row_bytes, b"\0")
                    for row in reversed(pixels))  # bottom row first
    colours = b"".join(struct.pack("<I", c >> 16 | c & 0xFF00 | (c & 0xFF) << 16) for c in palette)  # B, G, R, 0
    colours = colours.ljust(16 * 4, b"\0")
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(bits), 3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(colours) + len(bits), 0, 0, 14 + len(info) + 64)
    write("chart.bmp", header + info + colours + bits)


# ---- house.wmf ------------------------------------------------------------------------------------------------

class Wmf:
    """A Windows metafile: its records, and the object slots in use (the lowest free slot is taken)."""

    def __init__(self):
        self.records, self.slots, self.most = [], [], 0

    def record(self, function, *words):
        self.records.append(struct.pack("<IH", 3 + len(words), function) +
                            b"".join(struct.pack("<h" if w < 0 else "<H", w) for w in words))

    def create(self, function, *words):  # makes an object, selects it, gives its slot
        slot = self.slots.index(False) if False in self.slots else len(self.slots)
        self.slots[slot:slot + 1] = [True]
        self.most = max(self.most, sum(self.slots))
        self.record(function, *words)
        self.record(0x012D, slot)  # SelectObject
        return slot

    def delete(self, slot):
        self.record(0x01F0, slot)  # DeleteObject
        self.slots[slot] = False

    def pen(self, colour, width=1):  # CreatePenIndirect: style, width x, y, colour
        return self.create(0x02FA, 0, width, 0, colour & 0xFFFF, colour >> 16)

    def brush(self, colour):  # CreateBrushIndirect: solid, colour, hatch
        return self.create(0x02FC, 0, colour & 0xFFFF, colour >> 16, 0)

    def shape(self, function, left, top, right, bottom):  # Rectangle, Ellipse: bottom, right, top, left
        self.record(function, bottom, right, top, left)

    def polygon(self, points):
        self.record(0x0324, len(points), *[v for point in points for v in point])

    def bytes(self):
        body = b"".join(self.records) + struct.pack("<IH", 3, 0)  # the end record
        longest = max(len(r) for r in self.records) // 2
        return struct.pack("<HHHIHIH", 1, 9, 0x300, (18 + len(body)) // 2, self.most, longest, 0) + body


def house():
    # Metafile units of 1/1440 inch; the picture is 3 in x 2 in.
    right, bottom, m = 4320, 2880, Wmf()
    RECTANGLE, ELLIPSE = 0x041B, 0x0418
    outline = m.pen(rgb(60, 60, 60), 20)
    for colour, box, kind in ((rgb(200, 225, 250), (0, 0, right, 2200), RECTANGLE),  # sky
                              (rgb(255, 215, 60), (3300, 260, 3900, 860), ELLIPSE),  # sun
                              (rgb(110, 170, 80), (0, 2200, right, bottom), RECTANGLE),  # meadow
                              (rgb(230, 210, 170), (700, 1300, 2300, 2500), RECTANGLE),  # walls
                              (rgb(150, 80, 40), (1350, 1800, 1650, 2500), RECTANGLE),  # door
                              (rgb(120, 80, 50), (3050, 1600, 3250, 2500), RECTANGLE)):  # tree trunk
        brush = m.brush(colour)
        m.shape(kind, *box)
        m.delete(brush)
    brush = m.brush(rgb(180, 50, 40))  # roof
    m.polygon([(560, 1320), (1500, 600), (2440, 1320)])
    m.delete(brush)
    brush = m.brush(rgb(170, 210, 240))  # windows
    m.shape(RECTANGLE, 900, 1550, 1200, 1850), m.shape(RECTANGLE, 1800, 1550, 2100, 1850)
    m.delete(brush)
    brush = m.brush(rgb(40, 120, 50))  # tree crown
    m.shape(ELLIPSE, 2650, 700, 3650, 1750)
    m.delete(brush), m.delete(outline)
    placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, right, bottom, 1440, 0)
    checksum = 0
    for (word,) in struct.iter_unpack("<H", placeable):
        checksum ^= word
    write("house.wmf", placeable + struct.pack("<H", checksum) + m.bytes())


# ---- flow.emf -------------------------------------------------------------------------------------------------

class Emf:
    """An enhanced metafile: its records, drawn in pixels of a 96 pixels-per-inch device."""

    def __init__(self):
        self.records, self.handles = [], 0

    def record(self, kind, data):
        self.records.append(struct.pack("<II", kind, 8 + len(data)) + data)

    def create(self, kind, data):  # makes an object in the next slot and selects it
        self.handles += 1
        self.record(kind, struct.pack("<I", self.handles) + data)
        self.record(37, struct.pack("<I", self.handles))  # EMR_SELECTOBJECT
        return self.handles

    def pen(self, colour, width):  # EMR_CREATEPEN: style, width (x, y), colour
        return self.create(38, struct.pack("<IiiI", 0, width, 0, colour))

    def brush(self, colour):  # EMR_CREATEBRUSHINDIRECT: solid, colour, hatch
        return self.create(39, struct.pack("<III", 0, colour, 0))

    def font(self, height, weight, face):  # EMR_EXTCREATEFONTINDIRECTW with a LOGFONTW
        name = face.encode("utf-16-le").ljust(64, b"\0")
        return self.create(82, struct.pack("<iiiiiBBBBBBBB", -height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 4, 0x22)
                           + name)

    def text(self, x, y, words):  # EMR_EXTTEXTOUTW at a reference point, the font's own spacing
        chars = words.encode("utf-16-le").ljust((len(words) * 2 + 3) // 4 * 4, b"\0")
        emrtext = struct.pack("<iiIIIiiiiI", x, y, len(words), 76, 0, 0, 0, -1, -1, 0)
        self.record(84, struct.pack("<iiiiIff", 0, 0, -1, -1, 1, 0, 0) + emrtext + chars)

    def box(self, kind, left, top, right, bottom, *corner):  # EMR_RECTANGLE, EMR_ELLIPSE, EMR_ROUNDRECT
        rounding = struct.pack("<ii", *corner) if corner else b""
        self.record(kind, struct.pack("<iiii", left, top, right, bottom) + rounding)

    def line(self, points):  # EMR_MOVETOEX, then EMR_LINETO
        self.record(27, struct.pack("<ii", *points[0]))
        for point in points[1:]:
            self.record(54, struct.pack("<ii", *point))

    def polygon(self, points):  # EMR_POLYGON16 with its bounds
        xs, ys = [p[0] for p in points], [p[1] for p in points]
        self.record(86, struct.pack("<iiiiI", min(xs), min(ys), max(xs), max(ys), len(points)) +
                    b"".join(struct.pack("<hh", *p) for p in points))

    def bytes(self, width, height):
        # The device: 1920 x 1080 pixels on 508 mm x 285 mm, 96 pixels per inch both ways.
        device = (1920, 1080, 508, 285)
        eof = struct.pack("<IIIII", 14, 20, 0, 16, 20)
        body = b"".join(self.records) + eof
        total, count = 108 + len(body), len(self.records) + 2
        frame = (width * 2540 // 96, height * 2540 // 96)
        header = struct.pack("<II4i4iIIIIHHIIIiiiiIIIii", 1, 108, 0, 0, width, height, 0, 0, *frame,
                             0x464D4520, 0x10000, total, count, self.handles + 1, 0, 0, 0, 0, *device, 0, 0, 0,
                             device[2] * 1000, device[3] * 1000)
        return header + body


def flow():
    width, height, m = 480, 200, Emf()
    ROUNDRECT, ELLIPSE = 44, 42
    m.record(18, struct.pack("<I", 1))  # EMR_SETBKMODE: transparent
    m.record(22, struct.pack("<I", 6 | 24))  # EMR_SETTEXTALIGN: centred on the baseline
    m.pen(rgb(50, 60, 90), 2)
    m.brush(rgb(245, 247, 250))
    m.box(ROUNDRECT, 0, 0, width - 1, height - 1, 24, 24)  # the card
    steps = ((rgb(210, 230, 250), "Host"), (rgb(255, 230, 190), "velrtf"), (rgb(215, 240, 205), "RTF"))
    for i, (colour, _) in enumerate(steps):
        m.brush(colour)
        left = 30 + i * 155
        m.box(ELLIPSE if i == 2 else ROUNDRECT, left, 60, left + 110, 140, *(() if i == 2 else (20, 20)))
    m.pen(rgb(50, 60, 90), 3)
    m.brush(rgb(50, 60, 90))
    for i in range(2):  # arrows between the steps
        start = 140 + i * 155
        m.line([(start, 100), (start + 36, 100)])
        m.polygon([(start + 45, 100), (start + 33, 93), (start + 33, 107)])
    m.record(24, struct.pack("<I", rgb(30, 40, 70)))  # EMR_SETTEXTCOLOR
    m.font(20, 700, "Liberation Sans")
    for i, (_, words) in enumerate(steps):
        m.text(85 + i * 155, 107, words)
    m.font(14, 400, "Liberation Sans")
    m.text(width // 2, 36, "calls  \u2192  writes  \u2192  opens anywhere")
    m.text(width // 2, 176, "an enhanced metafile, drawn by record")
    write("flow.emf", m.bytes(width, height))


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)
    print("%s: %d bytes" % (name, len(data)))


if __name__ == "__main__":
    landscape(), chart(), house(), flow()
