// Reader documents of pictures: every kind of picture file, the three kinds
// of picture handle, pictures in a header and in a table cell, and linked
// pictures; PNG and every JPEG (DOCFLAG_MODERN_PICTURES). The bitmaps and
// metafiles are drawn here, byte by byte, each with a colour of its own that
// the checks look for on the printed page; the JPEG is the example
// photograph. The files are written beside the documents, where the linked
// pictures find them too.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "picture_bytes.h"
#include "reader_docs.h"
#include "rtf_test.h"

namespace {

// A Windows colour value: red in the low byte.
constexpr int64_t Rgb(int red, int green, int blue)
{
    return red | green << 8 | blue << 16;
}

std::string ColourEntry(int64_t colour, bool core)  // blue, green, red (and a zero)
{
    std::string entry{static_cast<char>(colour >> 16), static_cast<char>(colour >> 8), static_cast<char>(colour)};
    return core ? entry : entry + '\0';
}

// A packed bitmap, bottom row first: 24-bit when `palette` is empty (then
// `pixel` gives colours), otherwise with that colour table filled to 2^bits
// entries (then `pixel` gives indexes); an info header, or a core header.
std::string DrawnDib(int width, int height, int bits, bool core, std::vector<int64_t> palette,
                     const std::function<int64_t(int x, int y)>& pixel)
{
    std::string dib = core ? Le32(12) + Le16(width) + Le16(height) + Le16(1) + Le16(bits)
                           : Le32(40) + Le32(width) + Le32(height) + Le16(1) + Le16(bits) + Le32(0) + Le32(0) +
                                 Le32(3780) + Le32(3780) + Le32(0) + Le32(0);
    if (!palette.empty()) palette.resize(size_t{1} << bits);
    for (int64_t colour : palette) dib += ColourEntry(colour, core);
    int rowBytes = (width * bits + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(rowBytes), '\0');
        for (int x = 0; x < width; ++x) {
            int64_t value = pixel(x, y);
            if (bits == 24) {
                row.replace(static_cast<size_t>(x) * 3, 3, ColourEntry(value, true));
            } else {  // 4 or 8 bits
                size_t at = static_cast<size_t>(x * bits / 8);
                row[at] = static_cast<char>(row[at] | (bits == 8 ? value : x % 2 ? value : value << 4));
            }
        }
        dib += row;
    }
    return dib;
}

// A Windows metafile's records: the pen takes object slot 0, and each brush
// slot 1 until it is deleted after its shape.
struct Wmf {
    std::string records;
    int longest = 3;

    void Record(int function, std::initializer_list<int> words)
    {
        int size = 3 + static_cast<int>(words.size());
        records += Le32(size) + Le16(function);
        for (int word : words) records += Le16(word);
        longest = size > longest ? size : longest;
    }
    void Pen(int64_t colour, int width)  // CreatePenIndirect, SelectObject
    {
        Record(0x02FA, {0, width, 0, static_cast<int>(colour & 0xFFFF), static_cast<int>(colour >> 16)});
        Record(0x012D, {0});
    }
    void Filled(int function, int64_t colour, int left, int top, int right, int bottom)
    {
        Record(0x02FC, {0, static_cast<int>(colour & 0xFFFF), static_cast<int>(colour >> 16), 0});  // a brush
        Record(0x012D, {1});
        Record(function, {bottom, right, top, left});
        Record(0x01F0, {1});  // DeleteObject
    }
    // The 18-byte standard header, the records and the end record.
    std::string Bytes() const
    {
        int64_t words = (18 + static_cast<int64_t>(records.size()) + 6) / 2;
        return Le16(1) + Le16(9) + Le16(0x300) + Le32(words) + Le16(2) + Le32(longest) + Le16(0) + records +
               Le32(3) + Le16(0);
    }
};
constexpr int kRectangle = 0x041B, kEllipse = 0x0418;

// An enhanced metafile's records, in pixels of a 96 pixels-per-inch device.
struct Emf {
    std::string records;
    int count = 0, handles = 0;

    void Record(int type, const std::string& data)
    {
        records += Le32(type) + Le32(8 + static_cast<int64_t>(data.size())) + data, ++count;
    }
    void Select(int type, const std::string& data)  // creates an object and selects it
    {
        Record(type, Le32(++handles) + data);
        Record(37, Le32(handles));
    }
    void Filled(int type, int64_t colour, int left, int top, int right, int bottom)
    {
        Select(39, Le32(0) + Le32(colour) + Le32(0));  // EMR_CREATEBRUSHINDIRECT
        Record(type, Le32(left) + Le32(top) + Le32(right) + Le32(bottom) + (type == 44 ? Le32(16) + Le32(16) : ""));
    }
    // The header (bounds from 0, 0; a device of 1920 x 1080 pixels on
    // 508 mm x 285 mm), the records and the end record.
    std::string Bytes(int width, int height) const
    {
        std::string end = Le32(14) + Le32(20) + Le32(0) + Le32(16) + Le32(20);
        int64_t total = 108 + static_cast<int64_t>(records.size() + end.size());
        return Le32(1) + Le32(108) + Le32(0) + Le32(0) + Le32(width) + Le32(height) + Le32(0) + Le32(0) +
               Le32(width * 2540 / 96) + Le32(height * 2540 / 96) + Le32(0x464D4520) + Le32(0x10000) + Le32(total) +
               Le32(count + 2) + Le16(handles + 1) + Le16(0) + Le32(0) + Le32(0) + Le32(0) + Le32(1920) +
               Le32(1080) + Le32(508) + Le32(285) + Le32(0) + Le32(0) + Le32(0) + Le32(508000) + Le32(285000) +
               records + end;
    }
};
constexpr int kEmfRectangle = 43, kEmfEllipse = 42, kEmfRoundRect = 44;

void Caption(HVELDOC doc, const char* text)
{
    VelTextFont(doc, "Arial", 9, CHAR_ITALIC, 1), VelInsertText(doc, text), VelResetTextProp(doc);
}

// Signature colours, one per picture (the checks know them too).
constexpr int64_t kRed = Rgb(230, 30, 30), kMagenta = Rgb(230, 0, 230), kCyan = Rgb(0, 220, 230);
constexpr int64_t kLime = Rgb(130, 230, 0), kViolet = Rgb(120, 40, 230), kTeal = Rgb(0, 150, 130);
constexpr int64_t kPink = Rgb(250, 90, 160);
constexpr int64_t kWhite = Rgb(255, 255, 255), kNavy = Rgb(20, 30, 110), kPale = Rgb(235, 235, 225);

// The photograph with its JFIF segment (APP0) replaced by a short Exif one
// (APP1: "Exif", a big-endian TIFF header and an empty directory), as
// cameras write them.
std::string ExifPhotograph()
{
    std::string jfif = ReadFileBytes(VELRTF_EXAMPLE_PICTURES "/landscape.jpg");
    size_t afterApp0 = 4 + (static_cast<unsigned char>(jfif[4]) << 8 | static_cast<unsigned char>(jfif[5]));
    std::string exif("\xFF\xE1\x00\x16" "Exif\0\0" "MM\0*\0\0\0\x08" "\0\0" "\0\0\0\0", 24);
    return jfif.substr(0, 2) + exif + jfif.substr(afterApp0);
}

}  // namespace

// In document order (the header's picture first): an enhanced metafile
// pasted into the header; the JPEG at its natural size and asked for at
// 2 in x 1.3 in; a bitmap file with an info header at its natural size, one
// with a core header asked for at twice its size, and a bitmap pasted as a
// packed DIB; a placeable metafile asked for at 1.5 times its size and an
// enhanced metafile at its natural size; a metafile picture pasted into a
// table cell.
READER_DOC(pictures_kinds)
{
    VelPaper(doc, 12240, 15840, 0), VelMargin(doc, 1440, 1440, 1440, 1440, -1, -1);

    Emf badge;  // 192 x 48 pixels: a pink rounded card with a white dot
    badge.Filled(kEmfRoundRect, kPink, 0, 0, 191, 47);
    badge.Filled(kEmfEllipse, kWhite, 12, 8, 44, 40);
    std::string badgeBytes = badge.Bytes(192, 48);
    WriteBeside("pictures_badge.emf", badgeBytes);
    HENHMETAFILE emf = EnhMetafileOf(badgeBytes);
    VelBeginHdrFtr(doc, HF_HEADER), VelPastePicture(doc, CF_ENHMETAFILE, emf, 0, 0);
    VelInsertText(doc, " Header\r\n"), VelEndHdrFtr(doc), DeleteEnhMetaFile(emf);

    Caption(doc, "A JPEG file at its natural size and at 2 in x 1.3 in\r\n");
    std::string jpeg = VELRTF_EXAMPLE_PICTURES "/landscape.jpg";
    VelInsertPictFile(doc, jpeg.c_str(), 0, 0, 0), VelInsertText(doc, " ");
    VelInsertPictFile(doc, jpeg.c_str(), 2880, 1872, 0), VelInsertText(doc, "\r\n");

    Caption(doc, "Bitmap files with an info header and a core header; a DIB pasted from a memory block\r\n");
    // 96 x 48, 24 bits: a sky gradient, a red sun on a navy baseline.
    std::string bitmap = DrawnDib(96, 48, 24, false, {}, [](int x, int y) {
        if (y >= 40) return kNavy;
        if ((x - 48) * (x - 48) + (y - 40) * (y - 40) < 26 * 26) return kRed;
        return Rgb(150 + y * 2, 190 + y, 250);
    });
    VelInsertPictFile(doc, WriteBeside("pictures_info.bmp", BitmapFile(bitmap, 40)).c_str(), 0, 0, 0);
    VelInsertText(doc, " ");
    // 64 x 32, 8 bits: a magenta and white checkerboard in a navy frame.
    std::string core = DrawnDib(64, 32, 8, true, {kWhite, kMagenta, kNavy}, [](int x, int y) {
        if (x < 2 || y < 2 || x > 61 || y > 29) return 2;
        return (x / 8 + y / 8) % 2;
    });
    VelInsertPictFile(doc, WriteBeside("pictures_core.bmp", BitmapFile(core, 12 + 3 * 256)).c_str(), 1920, 960, 0);
    VelInsertText(doc, " ");
    // 80 x 40, 4 bits: cyan diagonal stripes on white.
    PasteBlock(doc, CF_DIB, DrawnDib(80, 40, 4, false, {kWhite, kCyan, kNavy}, [](int x, int y) {
        if (y == 0 || y == 39) return 2;
        return (x + y) / 10 % 2;
    }));
    VelInsertText(doc, "\r\n");

    Caption(doc, "A placeable metafile at 1.5 times its size, an enhanced metafile at its natural size\r\n");
    Wmf drawing;  // 2 in x 1 in in units of 1/1440 in: a pale card, a lime ellipse, a navy box
    drawing.Pen(kNavy, 30);
    drawing.Filled(kRectangle, kPale, 0, 0, 2880, 1440);
    drawing.Filled(kEllipse, kLime, 200, 200, 1800, 1240);
    drawing.Filled(kRectangle, kNavy, 2000, 400, 2600, 1040);
    std::string wmf = WriteBeside("pictures_drawing.wmf", PlaceableMetafile(0, 0, 2880, 1440, 1440, drawing.Bytes()));
    VelInsertPictFile(doc, wmf.c_str(), 4320, 2160, 0), VelInsertText(doc, " ");
    Emf diagram;  // 240 x 120 pixels: a violet ellipse between two navy bars
    diagram.Filled(kEmfRectangle, kPale, 0, 0, 239, 119);
    diagram.Filled(kEmfEllipse, kViolet, 40, 10, 200, 110);
    diagram.Filled(kEmfRectangle, kNavy, 10, 20, 30, 100);
    diagram.Filled(kEmfRectangle, kNavy, 210, 20, 230, 100);
    VelInsertPictFile(doc, WriteBeside("pictures_diagram.emf", diagram.Bytes(240, 120)).c_str(), 0, 0, 0);
    VelInsertText(doc, "\r\n");

    // A metafile picture of 1 in x 0.5 in (hundredths of a millimetre) whose
    // window is 1000 x 500 units: a teal box with a white ellipse in it.
    Wmf cell;
    cell.Record(0x020B, {0, 0}), cell.Record(0x020C, {500, 1000});  // SetWindowOrg, SetWindowExt
    cell.Pen(kNavy, 10);
    cell.Filled(kRectangle, kTeal, 0, 0, 1000, 500);
    cell.Filled(kEllipse, kWhite, 300, 100, 700, 400);
    std::string cellBytes = cell.Bytes();
    WriteBeside("pictures_cell.wmf", cellBytes);
    HMETAFILE metafile = MetafileOf(cellBytes);
    HGLOBAL pictBlock = MetafilePictOf(MM_ANISOTROPIC, 2540, 1270, metafile);
    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    VelNextCellInfo(doc, 2880, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0);
    VelNextCellInfo(doc, 2880, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0);
    VelBeginCellText(doc), Caption(doc, "A metafile picture pasted into a table cell"), VelEndCellText(doc);
    VelBeginCellText(doc), VelPastePicture(doc, CF_METAFILEPICT, pictBlock, 0, 0), VelEndCellText(doc);
    VelEndTableRow(doc), GlobalFree(pictBlock), DeleteMetaFile(metafile);
    VelInsertText(doc, "After the pictures.\r\n");
}

// Linked pictures: the photograph copied beside the document under a short
// name, and under a name long enough that the ordinary rules would break
// its line inside the quoted path. Both are named relative to the document.
READER_DOC(pictures_linked)
{
    std::string bytes = ReadFileBytes(VELRTF_EXAMPLE_PICTURES "/landscape.jpg");
    WriteBeside("linked.jpg", bytes);
    VelInsertPictFile(doc, "linked.jpg", 0, 0, 1), VelInsertText(doc, "\r\n");
    const char* name = "linked-with-a-name-long-enough-that-the-ordinary-rules-would-break-its-line-somewhere-"
                       "inside-the-quoted-path-of-the-field-instruction.jpg";
    WriteBeside(name, bytes);
    VelInsertPictFile(doc, name, 1440, 936, 1), VelInsertText(doc, "\r\n");
}

// The example photograph rewritten to begin with an Exif segment instead of
// JFIF, a PNG file at its natural size, and a PNG handed over in a block
// under the registered clipboard format "PNG" at an asked size.
READER_DOC(pictures_modern)
{
    VelSetFlags(doc, 1, DOCFLAG_MODERN_PICTURES);
    VelInsertText(doc, "An Exif photograph at its own size:\r\n");
    VelInsertPictFile(doc, WriteBeside("modern_photo.jpg", ExifPhotograph()).c_str(), 0, 0, 0);
    VelInsertText(doc, "\r\nA PNG at its own size:\r\n");
    VelInsertPictFile(doc, WriteBeside("modern_bands.png", RgbPng(120, 80)).c_str(), 0, 0, 0);
    VelInsertText(doc, "\r\nA PNG from a block, at 2 x 1.3333 inches:\r\n");
    PasteBlock(doc, RegisterClipboardFormatA("PNG"), RgbPng(90, 60), 2880, 1920);
    VelInsertText(doc, "\r\n");
}
