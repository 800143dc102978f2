// PNG and every JPEG at their true size (DOCFLAG_MODERN_PICTURES): the size
// read from a JPEG's frame header or a PNG's IHDR, the registered format
// "PNG" by handle, and pictures whose size cannot be read.
#include <gtest/gtest.h>

#include "picture_bytes.h"
#include "rtf_cases.h"

namespace {

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

int Insert(HVELDOC doc, const std::string& bytes, int width = 0, int height = 0)
{
    return VelInsertPictFile(doc, WriteTempFile("velrtf-modern.bin", bytes).c_str(), width, height, 0);
}

void Modern(HVELDOC doc)
{
    VelSetFlags(doc, 1, DOCFLAG_MODERN_PICTURES);
}

}  // namespace

TEST(ModernPictures, SizedGroups)
{
    const std::string exif = Jpeg(kExif, 0xC0, 640, 480), progressive = Jpeg(kExif, 0xC2, 300, 200);
    const std::string jfif = Jpeg(kJfif, 0xC1, 33, 17), png = Png(800, 600), padded = Png(10, 10) + "trailing";
    const unsigned pngFormat = RegisterClipboardFormatA("PNG");
    EXPECT_GE(pngFormat, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormatA("png"), pngFormat);
    ExpectBodies({
        {"Exif JPEG at its natural size and at an asked one",
         [&](HVELDOC d) { Modern(d), Insert(d, exif), Insert(d, exif, 2880, 1440); },
         "\\sectd" + Sized("jpegblip0", 640, 480, exif) + Sized("jpegblip0", 640, 480, exif, 2880, 1440)},
        {"progressive JPEG; one size of 0 takes the natural size for both",
         [&](HVELDOC d) { Modern(d), Insert(d, progressive, 2880, 0); },
         "\\sectd" + Sized("jpegblip0", 300, 200, progressive)},
        {"JFIF JPEG with the flag: sized; without: as always",
         [&](HVELDOC d) { Modern(d), Insert(d, jfif), VelSetFlags(d, 0, DOCFLAG_MODERN_PICTURES), Insert(d, jfif); },
         "\\sectd" + Sized("jpegblip0", 33, 17, jfif) + "{\\pict\\jpegblip0 " + Hex(jfif) + "}"},
        {"PNG at its natural size and at an asked one; bytes after IEND are left out",
         [&](HVELDOC d) { Modern(d), Insert(d, png), Insert(d, png, 100, 200), Insert(d, padded); },
         "\\sectd" + Sized("pngblip", 800, 600, png) + Sized("pngblip", 800, 600, png, 100, 200) +
             Sized("pngblip", 10, 10, Png(10, 10))},
        {"without the flag, PNG and Exif are not read",
         [&](HVELDOC d) {
             EXPECT_EQ(Insert(d, padded + std::string(100, 'x')) + Insert(d, exif + std::string(100, 'x')), 0);
         },
         ""},
        {"a PNG by handle under the registered format: the block may be larger than the PNG",
         [&](HVELDOC d) { EXPECT_EQ((Modern(d), PasteBlock(d, pngFormat, Png(64, 32) + std::string(7, '\0'))), 1); },
         "\\sectd" + Sized("pngblip", 64, 32, Png(64, 32))},
    });
    // From the clipboard: see Pictures.Clipboard, the one test that uses it.
}

TEST(ModernPictures, UnreadableSizes)
{
    const std::string noFrame = std::string("\xFF\xD8", 2) + kExif + Segment(0xDA, "abc") + "\xFF\xD9";
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"a JPEG cut short in its first segment", Jpeg(kExif, 0xC0, 10, 10).substr(0, 12)},
        {"a JPEG whose scan comes before any frame header", noFrame},
        {"a JPEG of no height", Jpeg(kExif, 0xC0, 10, 0)},
        {"a JPEG whose segments do not follow on", std::string("\xFF\xD8\xFF\xE1\x00\x04xx\x12\x34", 10)},
        {"a PNG cut short before its IHDR ends", Png(10, 10).substr(0, 20)},
        {"a PNG of no width", Png(0, 10)},
        {"a PNG of absurd size", Png(0x7FFFFFFF, 10)},
    };
    for (const auto& c : cases) {
        TestDoc doc;
        Modern(doc);
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        VelInsertText(doc, "x");
        std::string before = SavedRtf(doc);
        VelResetLastMessage();
        EXPECT_EQ(Insert(doc, c.bytes), 0) << c.what;
        EXPECT_EQ(LastMessage(), "21 : Error reading the picture file") << c.what;
        EXPECT_EQ(SavedRtf(doc), before) << c.what;
        EXPECT_EQ(PasteBlock(doc, RegisterClipboardFormatA("PNG"), c.bytes), 0) << c.what;
        EXPECT_EQ(SavedRtf(doc), before) << c.what;
    }
}
