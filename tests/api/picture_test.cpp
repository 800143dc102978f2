// Pictures: the groups of each kind of picture data through the public API,
// files and handles, the linked picture, PNG and every JPEG at their true
// size (DOCFLAG_MODERN_PICTURES), and the results and reports of everything
// that can go wrong.
#include <gtest/gtest.h>

#include <thread>

#include "picture_bytes.h"
#include "rtf_cases.h"

namespace {

std::string N(int value)
{
    return std::to_string(value);
}

// The DIB group's words for a bitmap asked for at its natural size.
std::string DibWords(int bits, int rowBytes, int width, int height)
{
    return "{\\pict\\dibitmap0\\wbmbitpixels" + N(bits) + "\\wbmplanes1\\wbmwidthbytes" + N(rowBytes) + "\\picw" +
           N(width) + "\\pich" + N(height) + "\\picwgoal" + N(Twips(width)) + "\\pichgoal" + N(Twips(height)) +
           "\\picscalex100\\picscaley100 ";
}

// An enhanced metafile drawn on a 96 pixels-per-inch device.
std::string Emf96(int width, int height, uint32_t nBytes = 0)
{
    return EnhMetafile(width, height, 960, 480, 254, 127, "", nBytes);
}

int PasteEmf(HVELDOC doc, const std::string& bytes, int width = 0, int height = 0)
{
    HENHMETAFILE emf = EnhMetafileOf(bytes);
    int result = VelPastePicture(doc, CF_ENHMETAFILE, emf, width, height);
    DeleteEnhMetaFile(emf);
    return result;
}

int PasteMetafilePict(HVELDOC doc, int mode, int x, int y, const std::string& bytes = Metafile())
{
    HMETAFILE metafile = MetafileOf(bytes);
    HGLOBAL pict = MetafilePictOf(mode, x, y, metafile);
    int result = VelPastePicture(doc, CF_METAFILEPICT, pict, 0, 0);
    GlobalFree(pict);
    DeleteMetaFile(metafile);
    return result;
}

int InsertFile(HVELDOC doc, const std::string& bytes, int width = 0, int height = 0)
{
    return VelInsertPictFile(doc, WriteTempFile("velrtf-picture.bin", bytes).c_str(), width, height, 0);
}

const std::string kDib2x2 = PackedDib(2, 2, 24);
const std::string kCoreHeader8 = PackedDib(2, 2, 8, true);

// A JPEG segment: the marker, its length, its bytes.
std::string Segment(unsigned marker, const std::string& bytes)
{
    std::string segment(1, '\xFF');
    segment += static_cast<char>(marker);
    segment += Be16(static_cast<unsigned>(bytes.size() + 2));
    return segment + bytes;
}

// A JPEG: SOI, its first segment, a table, the frame header `frame` of a
// width x height picture, a scan and EOI.
std::string Jpeg(const std::string& first, unsigned frame, unsigned width, unsigned height)
{
    std::string jpeg("\xFF\xD8", 2);
    jpeg += first;
    jpeg += Segment(0xC4, std::string(20, '\x01'));
    jpeg += Segment(frame, std::string(1, 8) + Be16(height) + Be16(width) + std::string("\x01\x01\x11\x00", 4));
    jpeg += Segment(0xDA, std::string("\x01\x01\x00\x00\x3f\x00", 6));
    jpeg += std::string("\x12\x34\xFF\x00\x56\xFF\xD9", 7);
    return jpeg;
}

const std::string kJfif = Segment(0xE0, std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14));
const std::string kExif = Segment(0xE1, std::string("Exif\0\0MM\0*\0\0\0\x08", 14));

std::string Png(uint32_t width, uint32_t height)
{
    return ::Png(width, height, "xyz");
}

// The group of a sized picture at its natural size, or at the given one.
std::string Sized(const char* blip, int width, int height, const std::string& bytes, int gw = 0, int gh = 0)
{
    return std::string("{\\pict\\") + blip + "\\picw" + std::to_string(width) + "\\pich" + std::to_string(height) +
           "\\picwgoal" + std::to_string(gw ? gw : Twips(width)) + "\\pichgoal" + std::to_string(gh ? gh : Twips(height)) +
           " " + Hex(bytes) + "}";
}

void Modern(HVELDOC doc)
{
    VelSetFlags(doc, 1, DOCFLAG_MODERN_PICTURES);
}

}  // namespace

TEST(Pictures, Groups)
{
    const std::string jpeg = JfifJpeg(), emf = Emf96(96, 48), placeable = PlaceableMetafile(0, 0, 96, 96, 96);
    // What the placeable metafile's data becomes: its standard header with the
    // size raised by 10 words, the window records, then its own records.
    const std::string windowed = Metafile().substr(0, 6) + Le32(12 + 10) + Metafile().substr(10, 8) + Le32(5) +
                                 Le16(0x020B) + Le32(0) + Le32(5) + Le16(0x020C) + Le16(96) + Le16(96) + Le32(3) + Le16(0);
    // A core header's bitmap as written: an info header, the colour table
    // widened (blue, green, red, 0), the bits.
    std::string widened = Le32(40) + Le32(2) + Le32(2) + Le16(1) + Le16(8) + std::string(24, '\0');
    for (int i = 0; i < 256; ++i) widened += {static_cast<char>(i), static_cast<char>(2 * i), '\x7f', '\0'};
    widened += kCoreHeader8.substr(12 + 768);
    ExpectBodies({
        {"JPEG file at its own size: no size words at all; it leaves its paragraph open, which a row ends first",
         [&](HVELDOC d) { EXPECT_EQ(InsertFile(d, jpeg), 1); VelBeginTableRow(d, 0, 0, 0, 0, 108); },
         "\\sectd{\\pict\\jpegblip0 " + Hex(jpeg) + "}\\par{\\trowd\\trgaph108\\trleft0}"},
        {"JPEG file asked for at a size; one size of 0 or less writes none",
         [&](HVELDOC d) { InsertFile(d, jpeg, 2880, 1440), InsertFile(d, jpeg, 2880, 0), InsertFile(d, jpeg, -5, 9); },
         "\\sectd{\\pict\\jpegblip0\\picwgoal2880\\pichgoal1440 " + Hex(jpeg) + "}{\\pict\\jpegblip0 " + Hex(jpeg) +
             "}{\\pict\\jpegblip0 " + Hex(jpeg) + "}"},
        {"enhanced metafile example: 96 x 48 pixels asked for at 2880 x 720",
         [&](HVELDOC d) { EXPECT_EQ(PasteEmf(d, emf, 2880, 720), 1); },
         "\\sectd{\\*\\shppict{\\pict\\emfblip\\picw2500\\pich1250\\picwgoal1440\\pichgoal720\\picscalex200"
         "\\picscaley100 " + Hex(emf) + "}}"},
        {"enhanced metafile file: a width of 0 is the natural width, the height stays",
         [&](HVELDOC d) { EXPECT_EQ(InsertFile(d, emf, 0, 3000), 1); },
         "\\sectd{\\*\\shppict{\\pict\\emfblip\\picw2500\\pich1250\\picwgoal1440\\pichgoal720\\picscalex100"
         "\\picscaley416 " + Hex(emf) + "}}"},
        {"enhanced metafile with bounds of no width: the asked width at 100 percent",
         [](HVELDOC d) { PasteEmf(d, Emf96(0, 48), 500, 0); },
         "\\sectd{\\*\\shppict{\\pict\\emfblip\\picw0\\pich1250\\picwgoal500\\pichgoal720\\picscalex100"
         "\\picscaley100 " + Hex(Emf96(0, 48)) + "}}"},
        {"enhanced metafile without a millimetre size: measured at the screen's resolution",
         [](HVELDOC d) { PasteEmf(d, EnhMetafile(Dpi(), Dpi(), 100, 100, 0, 0)); },
         "\\sectd{\\*\\shppict{\\pict\\emfblip\\picw2500\\pich2500\\picwgoal1440\\pichgoal1440\\picscalex100"
         "\\picscaley100 " + Hex(EnhMetafile(Dpi(), Dpi(), 100, 100, 0, 0)) + "}}"},
        {"placeable metafile example: 96 x 96 at its natural size, the window records in front",
         [&](HVELDOC d) { EXPECT_EQ(InsertFile(d, placeable), 1); },
         "\\sectd{\\pict\\wmetafile8\\picw2540\\pich2540\\picwgoal1440\\picscalex100\\pichgoal1440\\picscaley100 " +
             Hex(windowed) + "}"},
        {"metafile with a width and no height: both natural; 1000 and 1007 of 1440 truncate to 69",
         [&](HVELDOC d) { InsertFile(d, placeable, 2000, 0), InsertFile(d, placeable, 1000, 1007); },
         "\\sectd{\\pict\\wmetafile8\\picw2540\\pich2540\\picwgoal1440\\picscalex100\\pichgoal1440\\picscaley100 " +
             Hex(windowed) +
             "}{\\pict\\wmetafile8\\picw2540\\pich2540\\picwgoal1440\\picscalex69\\pichgoal1440\\picscaley69 " +
             Hex(windowed) + "}"},
        {"DIB example: 2 x 2 at 24 bits, the header's bytes first; from a bitmap file the header block, then the bits",
         [](HVELDOC d) { EXPECT_EQ(PasteBlock(d, CF_DIB, kDib2x2) + InsertFile(d, BitmapFile(kDib2x2, 40)), 2); },
         "\\sectd" + DibWords(24, 8, 2, 2) + Hex(kDib2x2) + "}" + DibWords(24, 8, 2, 2) + Hex(kDib2x2) + "}"},
        {"a bitmap's scales are rounded: 1000 and 1007 of 1440 give 69 and 70",
         [](HVELDOC d) { PasteBlock(d, CF_DIB, PackedDib(Dpi(), Dpi(), 24), 1000, 1007); },
         "\\sectd{\\pict\\dibitmap0\\wbmbitpixels24\\wbmplanes1\\wbmwidthbytes" + N((Dpi() * 24 + 31) / 32 * 4) +
             "\\picw" + N(Dpi()) + "\\pich" + N(Dpi()) + "\\picwgoal1440\\pichgoal1440\\picscalex69\\picscaley70 " +
             Hex(PackedDib(Dpi(), Dpi(), 24)) + "}"},
        {"33 pixels at 1 bit take 8 bytes a row; 16 colours used make a 104-byte header block",
         [](HVELDOC d) { PasteBlock(d, CF_DIB, PackedDib(33, 10, 1)), PasteBlock(d, CF_DIB, PackedDib(4, 1, 8, false, 16)); },
         "\\sectd" + DibWords(1, 8, 33, 10) + Hex(PackedDib(33, 10, 1)) + "}" + DibWords(8, 4, 4, 1) +
             Hex(PackedDib(4, 1, 8, false, 16)) + "}"},
        {"32 bits with colour masks: the 52-byte header, then the bits",
         [](HVELDOC d) { PasteBlock(d, CF_DIB, PackedDib(1, 1, 32, false, 0, 3, 4)); },
         "\\sectd" + DibWords(32, 4, 1, 1) + Hex(PackedDib(1, 1, 32, false, 0, 3, 4)) + "}"},
        {"8-bit core header, in a bitmap file and pasted: a 40-byte header and 1024 bytes of widened colours",
         [&](HVELDOC d) { EXPECT_EQ(InsertFile(d, BitmapFile(kCoreHeader8, 12 + 768)) + PasteBlock(d, CF_DIB, kCoreHeader8), 2); },
         "\\sectd" + DibWords(8, 4, 2, 2) + Hex(widened) + "}" + DibWords(8, 4, 2, 2) + Hex(widened) + "}"},
        {"top-down bitmap without a size: no bits",
         [](HVELDOC d) { PasteBlock(d, CF_DIB, PackedDib(2, -2, 24)); },
         "\\sectd{\\pict\\dibitmap0\\wbmbitpixels24\\wbmplanes1\\wbmwidthbytes8\\picw2\\pich-2\\picwgoal" +
             N(Twips(2)) + "\\pichgoal" + N(-Twips(2)) + "\\picscalex100\\picscaley100 " +
             Hex(PackedDib(2, -2, 24).substr(0, 40)) + "}"},
        {"metafile picture in pixels, and in hundredths of a millimetre with no width: three inches",
         [](HVELDOC d) { PasteMetafilePict(d, MM_TEXT, Dpi(), Dpi() / 2), PasteMetafilePict(d, MM_ANISOTROPIC, 0, 2540); },
         "\\sectd{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\picscalex100\\pichgoal720\\picscaley100 " +
             Hex(Metafile()) + "}{\\pict\\wmetafile8\\picw7620\\pich" + N(Twips(2540 * Dpi() / 2500) * 2540 / 1440) +
             "\\picwgoal4320\\picscalex100\\pichgoal" + N(Twips(2540 * Dpi() / 2500)) + "\\picscaley100 " +
             Hex(Metafile()) + "}"},
        {"linked picture examples, and a path without backslashes",
         [](HVELDOC d) {
             EXPECT_EQ(VelInsertPictFile(d, "C:\\pics\\logo.jpg", 2880, 1440, 1), 1);
             VelInsertPictFile(d, "C:\\pics\\logo.jpg", 0, 0, 1), VelInsertPictFile(d, "logo.jpg", 2880, 0, 1);
         },
         "\\sectd{\\zqlinkpictw2880\\zqlinkpicth1440{\\field{\\fldinst INCLUDEPICTURE \"C:\\\\\\\\pics\\\\\\\\logo.jpg\" "
         "\\\\d}{\\fldrslt}}}{\\field{\\fldinst INCLUDEPICTURE \"C:\\\\\\\\pics\\\\\\\\logo.jpg\" \\\\d}{\\fldrslt}}"
         "{\\field{\\fldinst INCLUDEPICTURE \"logo.jpg\" \\\\d}{\\fldrslt}}"},
        {"a linked path's braces are escaped and its high bytes written as hex",
         [](HVELDOC d) { VelInsertPictFile(d, "a{b}\xE9.png", 0, 0, 1); },
         "\\sectd{\\field{\\fldinst INCLUDEPICTURE \"a\\{b\\}\\'e9.png\" \\\\d}{\\fldrslt}}"},
    });
}

TEST(ModernPictures, SizedGroups)
{
    const std::string exif = Jpeg(kExif, 0xC0, 640, 480), progressive = Jpeg(kExif, 0xC2, 300, 200);
    const std::string jfif = Jpeg(kJfif, 0xC1, 33, 17), png = Png(800, 600), padded = Png(10, 10) + "trailing";
    const unsigned pngFormat = RegisterClipboardFormatA("PNG");
    EXPECT_GE(pngFormat, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormatA("png"), pngFormat);
    ExpectBodies({
        {"Exif JPEG at its natural size and at an asked one",
         [&](HVELDOC d) { Modern(d), InsertFile(d, exif), InsertFile(d, exif, 2880, 1440); },
         "\\sectd" + Sized("jpegblip0", 640, 480, exif) + Sized("jpegblip0", 640, 480, exif, 2880, 1440)},
        {"progressive JPEG; one size of 0 takes the natural size for both",
         [&](HVELDOC d) { Modern(d), InsertFile(d, progressive, 2880, 0); },
         "\\sectd" + Sized("jpegblip0", 300, 200, progressive)},
        {"JFIF JPEG with the flag: sized; without: as always",
         [&](HVELDOC d) { Modern(d), InsertFile(d, jfif), VelSetFlags(d, 0, DOCFLAG_MODERN_PICTURES), InsertFile(d, jfif); },
         "\\sectd" + Sized("jpegblip0", 33, 17, jfif) + "{\\pict\\jpegblip0 " + Hex(jfif) + "}"},
        {"PNG at its natural size and at an asked one; bytes after IEND are left out",
         [&](HVELDOC d) { Modern(d), InsertFile(d, png), InsertFile(d, png, 100, 200), InsertFile(d, padded); },
         "\\sectd" + Sized("pngblip", 800, 600, png) + Sized("pngblip", 800, 600, png, 100, 200) +
             Sized("pngblip", 10, 10, Png(10, 10))},
        {"without the flag, PNG and Exif are not read",
         [&](HVELDOC d) {
             EXPECT_EQ(InsertFile(d, padded + std::string(100, 'x')) + InsertFile(d, exif + std::string(100, 'x')), 0);
         },
         ""},
        {"a PNG by handle under the registered format: the block may be larger than the PNG",
         [&](HVELDOC d) { EXPECT_EQ((Modern(d), PasteBlock(d, pngFormat, Png(64, 32) + std::string(7, '\0'))), 1); },
         "\\sectd" + Sized("pngblip", 64, 32, Png(64, 32))},
    });
    // From the clipboard: see Pictures.Clipboard, the one test that uses it.
}

TEST(Pictures, HexLinesAndLongPaths)
{
    // 200 bytes of JPEG data: the group begins a line, which the data fills
    // up to more than 100 characters; every later full line holds 51 bytes.
    TestDoc doc;
    VelInsertText(doc, std::string(60, 'x').c_str());
    ASSERT_EQ(InsertFile(doc, JfifJpeg(200 - 13)), 1);
    std::string rtf = SavedRtf(doc);
    std::vector<size_t> lengths;
    for (size_t at = rtf.find("\\sectd"), end; (end = rtf.find("\r\n", at)) != std::string::npos; at = end + 2) {
        lengths.push_back(end - at);
    }
    // The text's line; 16 characters of words, a space and 42 bytes; 3 x 51
    // bytes; the last 5 bytes and the brace.
    EXPECT_EQ(lengths, (std::vector<size_t>{67, 101, 102, 102, 102, 11}));
    // A long linked path on a long line: the instruction, the whole path,
    // stays on one output line, however long; the text after it goes on by
    // the ordinary rules.
    std::string path = "C:";
    for (int i = 0; i < 60; ++i) path += "\\dir" + N(i);
    TestDoc linked;
    VelInsertText(linked, std::string(90, 'y').c_str());
    ASSERT_EQ(VelInsertPictFile(linked, path.c_str(), 0, 0, 1), 1);
    VelInsertText(linked, (std::string(150, 'z') + " " + std::string(150, 'z')).c_str());
    std::string quadrupled;
    for (char c : path) quadrupled += c == '\\' ? std::string("\\\\\\\\") : std::string(1, c);
    rtf = SavedRtf(linked);
    size_t at = rtf.find("{\\fldinst INCLUDEPICTURE \"" + quadrupled + "\" \\\\d}");
    ASSERT_NE(at, std::string::npos);
    size_t lineStart = rtf.rfind('\n', at) + 1, lineEnd = rtf.find('\r', at);
    EXPECT_GT(lineEnd - lineStart, 300u);
    for (size_t start = 0, end; (end = rtf.find("\r\n", start)) != std::string::npos; start = end + 2) {
        EXPECT_TRUE(start == lineStart || end - start <= 300) << rtf.substr(start, end - start);
    }
}

TEST(Pictures, ResultsAndReports)
{
    const std::string missing = TempPath("velrtf-no-such-picture.jpg");
    const std::string shortMetafile = PlaceableMetafile(0, 0, 9, 9, 96).substr(0, 30);
    struct Case {
        std::string what;
        Call call;
        int result;
        int number;
        std::string caption;
        bool writes;
    };
    std::vector<Case> cases = {
        {"a missing file", [&](HVELDOC d) { return VelInsertPictFile(d, missing.c_str(), 0, 0, 0); }, 0, 20, missing, false},
        {"a missing file, linked", [&](HVELDOC d) { return VelInsertPictFile(d, missing.c_str(), 0, 0, 1); }, 1, 0, "", true},
        {"a 12-byte file beginning with BM", [](HVELDOC d) { return InsertFile(d, "BM" + std::string(10, 'b')); }, 0, 21, "", false},
        {"11 bytes with the JFIF marker are a JPEG file",
         [](HVELDOC d) { return InsertFile(d, JfifJpeg().substr(0, 11)); }, 1, 0, "", true},
        {"20 bytes of nothing known", [](HVELDOC d) { return InsertFile(d, std::string(20, 'z')); }, 0, 17, "", false},
        {"60 bytes of nothing known", [](HVELDOC d) { return InsertFile(d, std::string(60, 'z')); }, 0, 17, "", false},
        {"200 bytes of nothing known", [](HVELDOC d) { return InsertFile(d, std::string(200, 'z')); }, 0, 0, "", false},
        {"a placeable metafile under 40 bytes", [&](HVELDOC d) { return InsertFile(d, shortMetafile); }, 1, 17, "", false},
        {"bits said to begin past the end of the bitmap file",
         [](HVELDOC d) { return InsertFile(d, BitmapFile(kDib2x2, 400)); }, 0, 1, "", false},
        {"bits said to begin inside the file header",
         [](HVELDOC d) { return InsertFile(d, BitmapFile(kDib2x2, -4)); }, 0, 1, "", false},
        {"a core header cut short of its colours",
         [](HVELDOC d) { return InsertFile(d, BitmapFile(kCoreHeader8, 12 + 30)); }, 0, 1, "", false},
        {"an info header cut short", [](HVELDOC d) { return InsertFile(d, BitmapFile(kDib2x2, 20)); }, 0, 1, "", false},
        {"format 0 with a handle", [](HVELDOC d) { return VelPastePicture(d, 0, d, 0, 0); }, 0, 0, "", false},
        {"a format without a reader", [](HVELDOC d) { return PasteBlock(d, 2, kDib2x2); }, 1, 0, "", false},
        {"a packed bitmap shorter than its header promises",
         [](HVELDOC d) { return PasteBlock(d, CF_DIB, kDib2x2.substr(0, 44)); }, 1, 1, "", false},
        {"a packed bitmap too short for its header",
         [](HVELDOC d) { return PasteBlock(d, CF_DIB, kDib2x2.substr(0, 30)); }, 1, 1, "", false},
        {"a core bitmap shorter than its colours",
         [](HVELDOC d) { return PasteBlock(d, CF_DIB, kCoreHeader8.substr(0, 200)); }, 1, 1, "", false},
        {"a metafile picture in another mapping mode",
         [](HVELDOC d) { return PasteMetafilePict(d, MM_ISOTROPIC, 100, 100); }, 1, 0, "", false},
        {"a metafile picture whose metafile is no metafile",
         [](HVELDOC d) {
             HGLOBAL pict = MetafilePictOf(MM_TEXT, 10, 10, nullptr);
             int result = VelPastePicture(d, CF_METAFILEPICT, pict, 0, 0);
             GlobalFree(pict);
             return result;
         },
         1, 15, "", false},
#ifndef _WIN32
        // Metafiles that promise more than they hold, and handles that are
        // none: Windows never hands such objects over.
        {"an enhanced metafile that promises more bytes than it has",
         [](HVELDOC d) { return PasteEmf(d, Emf96(10, 10, 500)); }, 0, 13, "VelPasteEmf", false},
        {"a metafile that promises more words than it has",
         [](HVELDOC d) { return PasteMetafilePict(d, MM_TEXT, 10, 10, Metafile().replace(6, 1, 1, 99)); }, 1, 13, "", false},
        {"a block that is no block", [](HVELDOC d) { return VelPastePicture(d, CF_DIB, d, 0, 0); }, 1, 12, "Clipboard", false},
        {"an enhanced metafile that is none", [](HVELDOC d) { return VelPastePicture(d, CF_ENHMETAFILE, d, 0, 0); },
         0, 15, "VelPasteEmf", false},
#endif
    };
    // With DOCFLAG_MODERN_PICTURES, a PNG or JPEG whose size cannot be read:
    // from a file 0 and 21, from a block under the format "PNG" 0 and 21.
    const struct {
        const char* what;
        std::string bytes;
    } unreadable[] = {
        {"a JPEG cut short in its first segment", Jpeg(kExif, 0xC0, 10, 10).substr(0, 12)},
        {"a JPEG whose scan comes before any frame header",
         std::string("\xFF\xD8", 2) + kExif + Segment(0xDA, "abc") + "\xFF\xD9"},
        {"a JPEG of no height", Jpeg(kExif, 0xC0, 10, 0)},
        {"a JPEG whose segments do not follow on", std::string("\xFF\xD8\xFF\xE1\x00\x04xx\x12\x34", 10)},
        {"a PNG cut short before its IHDR ends", Png(10, 10).substr(0, 20)},
        {"a PNG of no width", Png(0, 10)},
        {"a PNG of absurd size", Png(0x7FFFFFFF, 10)},
    };
    for (const auto& u : unreadable) {
        cases.push_back({u.what, [&u](HVELDOC d) { return Modern(d), InsertFile(d, u.bytes); }, 0, 21, "", false});
        cases.push_back({u.what + std::string(", by handle"),
                         [&u](HVELDOC d) { return Modern(d), PasteBlock(d, RegisterClipboardFormatA("PNG"), u.bytes); },
                         0, 21, "", false});
    }
    for (const Case& c : cases) {
        TestDoc doc;
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        VelInsertText(doc, "x");
        std::string before = SavedRtf(doc);
        VelResetLastMessage();
        EXPECT_EQ(c.call(doc), c.result) << c.what;
        char caption[1000] = "";
        EXPECT_EQ(VelGetLastMessage(nullptr, caption), c.number) << c.what << ": " << LastMessage();
        EXPECT_EQ(caption, c.caption) << c.what;
        if (c.number == 21) {
            EXPECT_EQ(LastMessage(), "21 : Error reading the picture file") << c.what;
        }
        EXPECT_EQ(SavedRtf(doc) != before, c.writes) << c.what;
    }
}

TEST(Pictures, Clipboard)
{
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    VelResetLastMessage();
    // Nothing there: format 0 gives 0 without a word, a format gives 56.
    EXPECT_EQ(VelPastePicture(doc, 0, nullptr, 0, 0), 0);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);
    EXPECT_EQ(VelPastePicture(doc, CF_DIB, nullptr, 0, 0), 0);
    EXPECT_EQ(LastMessage(), "56 : Error retrieving the clipboard data");
    EXPECT_EQ(VelPastePicture(doc, 2, nullptr, 0, 0), 1);  // opened and closed, nothing written
    // A bitmap and a metafile picture: format 0 takes the metafile picture.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_TRUE(SetClipboardData(CF_DIB, BlockOf(kDib2x2)));
    ASSERT_TRUE(SetClipboardData(CF_METAFILEPICT, MetafilePictOf(MM_TEXT, Dpi(), Dpi(), MetafileOf(Metafile()))));
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(VelPastePicture(doc, 0, nullptr, 0, 0), 1);
    EXPECT_EQ(VelPastePicture(doc, CF_DIB, nullptr, 0, 0), 1);
    EXPECT_EQ(BodyOf(doc), "\\sectd{\\pict\\wmetafile8\\picw2540\\pich2540\\picwgoal1440\\picscalex100\\pichgoal1440"
                           "\\picscaley100 " + Hex(Metafile()) + "}" + DibWords(24, 8, 2, 2) + Hex(kDib2x2) + "}");
    // Held open by another thread (on Windows with a window of its own, as
    // another program holds it): 55, and the document as it was.
    std::string before = SavedRtf(doc);
    std::thread holder([&] {
#ifdef _WIN32
        HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
#else
        HWND window = nullptr;
#endif
        ASSERT_TRUE(OpenClipboard(window));
        VelResetLastMessage();
        std::thread other([&] { EXPECT_EQ(VelPastePicture(doc, CF_DIB, nullptr, 0, 0), 0); });
        other.join();
        EXPECT_EQ(LastMessage(), "55 : Clipboard in use by another application");
        CloseClipboard();
#ifdef _WIN32
        DestroyWindow(window);
#endif
    });
    holder.join();
    EXPECT_EQ(SavedRtf(doc), before);
    // An enhanced metafile on the clipboard.
    TestDoc emf;
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_TRUE(SetClipboardData(CF_ENHMETAFILE, EnhMetafileOf(Emf96(96, 48))));
    CloseClipboard();
    EXPECT_EQ(VelPastePicture(emf, CF_ENHMETAFILE, nullptr, 0, 0), 1);
    EXPECT_EQ(BodyOf(emf), "\\sectd{\\*\\shppict{\\pict\\emfblip\\picw2500\\pich1250\\picwgoal1440\\pichgoal720"
                           "\\picscalex100\\picscaley100 " + Hex(Emf96(96, 48)) + "}}");
#ifdef _WIN32
    // Windows offers a metafile picture made from the enhanced metafile, and
    // format 0 takes it first; Wine makes it in mapping mode 7, which is not
    // embedded (nothing written, result 1).
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_METAFILEPICT));
    ASSERT_TRUE(OpenClipboard(nullptr));
    auto* made = static_cast<METAFILEPICT*>(GlobalLock(GetClipboardData(CF_METAFILEPICT)));
    ASSERT_TRUE(made);
    int mode = made->mm;
    GlobalUnlock(GetClipboardData(CF_METAFILEPICT));
    CloseClipboard();
    TestDoc synthesized;
    EXPECT_EQ(VelPastePicture(synthesized, 0, nullptr, 0, 0), 1);
    if (mode == MM_TEXT || mode == MM_ANISOTROPIC) {
        EXPECT_NE(BodyOf(synthesized).find("{\\pict\\wmetafile8"), std::string::npos);
    } else {
        EXPECT_EQ(BodyOf(synthesized), "\\sectd") << "mapping mode " << mode;
    }
#endif
    // A PNG under the registered format "PNG": documents that read PNG take it
    // first with format 0, the others the bitmap.
    const std::string png = RgbPng(4, 2);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_TRUE(SetClipboardData(CF_DIB, BlockOf(kDib2x2)));
    ASSERT_TRUE(SetClipboardData(RegisterClipboardFormatA("PNG"), BlockOf(png)));
    CloseClipboard();
    TestDoc modern, classic;
    VelSetFlags(modern, 1, DOCFLAG_MODERN_PICTURES);
    EXPECT_EQ(VelPastePicture(modern, 0, nullptr, 0, 0) + VelPastePicture(classic, 0, nullptr, 0, 0), 2);
    EXPECT_EQ(BodyOf(modern), "\\sectd" + Sized("pngblip", 4, 2, png));
    EXPECT_EQ(BodyOf(classic), "\\sectd" + DibWords(24, 8, 2, 2) + Hex(kDib2x2) + "}");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
}
