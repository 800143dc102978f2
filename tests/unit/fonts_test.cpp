// The font and color tables: lookup, growth, the enumeration callback, the
// tables as the save writes them, and the installed fonts behind a new font.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/document.h"
#include "core/fonttable.h"
#include "rtf_cases.h"
#include "seam_test.h"
#if defined(_WIN32)
static int64_t PosixFontLookupCount() { return 0; }  // Windows asks EnumFontsA
#else
#include "platform/fonts_posix.h"
#endif

TEST(FontTable, LookupAndGrowth)
{
    TestDoc doc, grown;
    // Case does not count; a character set other than -1 must match and is
    // kept, whatever the installed font says; names are cut to 31 characters.
    const struct {
        const char* face;
        int charset, index;
    } lookups[] = {{"Arial", -1, 0},  {"arial", -1, 0}, {"ARIAL", 0, 0},   {"Arial", 204, 1},
                   {"arial", 204, 1}, {"ARIAL", -1, 0}, {nullptr, -1, -1}, {"", 0, -1},
                   {"A Very Long Face Name Indeed That Goes On", -1, 2},  {"A Very Long Face Name Indeed Th", -1, 2},
                   {"A Very Long Face Name Indeed T", -1, 3}};
    for (const auto& l : lookups) EXPECT_EQ(FindOrAddFont(doc, l.face, l.charset), l.index) << l.face;
    EXPECT_EQ(doc.get()->FontTable[1].Charset, 204);
    EXPECT_STREQ(doc.get()->FontTable[2].Name, "A Very Long Face Name Indeed Th");
    EXPECT_EQ(VelEnumFont(nullptr, nullptr, 0, 0), 0);  // the exported callback takes no harm
    // Equal colors share an entry; the high byte counts for matching.
    EXPECT_EQ((std::vector<int>{FindOrAddColor(doc, 0xFF), FindOrAddColor(doc, 0xFF00), FindOrAddColor(doc, 0xFF),
                                FindOrAddColor(doc, 0x10000FF)}),
              (std::vector<int>{0, 1, 0, 2}));
    // Both tables grow from 10 by a quarter, 13, 16, and every index stays.
    for (int i = 0; i < 28; ++i) {
        std::string face = (i < 14 ? "Face" : "FACE") + std::to_string(i % 14);
        ASSERT_EQ(FindOrAddFont(grown, face.c_str(), -1) + FindOrAddColor(grown, i % 14 * 0x10101u), i % 14 * 2);
        EXPECT_EQ(grown.get()->FontCapacity * 100 + grown.get()->ColorCapacity, (i < 10 ? 10 : i < 13 ? 13 : 16) * 101);
    }
}

// Every family word, a character set of 1 left out, names escaped, and a
// line break before entries 2, 5 and 8 of each table.
TEST(FontTable, TheSaveWritesBothTablesInIndexOrder)
{
    TestDoc doc, full;
    for (const char* face : {"Arial", "Times New Roman", "Courier New", "Symbol", "Wingdings", "Comic Sans MS",
                             "Old English", "Nowhere"})
        FindOrAddFont(doc, face, -1);
    ASSERT_EQ(FindOrAddFont(doc, "Arial", 1) + FindOrAddFont(doc, "Odd}{Face\\par;x\xE9\t", -1), 17);
    EXPECT_EQ(FindOrAddFont(doc, "ODD}{FACE\\PAR;X\xE9\t", -1), 9);  // kept as given, for lookups
    for (unsigned i = 0; i < 6; ++i) FindOrAddColor(doc, 0x804020u + i);
    VelInsertText(doc, "x");
    EXPECT_EQ(SavedRtf(doc),
              kHead + "{\\fonttbl{\\f0 \\fswiss \\fcharset0 Arial;}{\\f1 \\froman \\fcharset0 Times New Roman;}\r\n"
                      "{\\f2 \\fmodern \\fcharset0 Courier New;}{\\f3 \\froman \\fcharset2 Symbol;}"
                      "{\\f4 \\fcharset2 Wingdings;}\r\n{\\f5 \\fscript \\fcharset0 Comic Sans MS;}"
                      "{\\f6 \\fdecor \\fcharset0 Old English;}{\\f7 \\fcharset0 Nowhere;}\r\n{\\f8 \\fswiss Arial;}"
                      "{\\f9 \\fcharset0 Odd\\}\\{Face\\\\par\\'3bx\\'e9\\'09;}}{\\colortbl\\red32\\green64\\blue128;"
                      "\\red33\\green64\\blue128;\r\n\\red34\\green64\\blue128;\\red35\\green64\\blue128;"
                      "\\red36\\green64\\blue128;\r\n\\red37\\green64\\blue128;}" +
                  kPrologue + "\\sectd x}");
    // The memory block is sized for names that are all escapes.
    for (int i = 0; i < 12; ++i) FindOrAddFont(full, (std::string(30, '{') + static_cast<char>('A' + i)).c_str(), -1);
    FindOrAddFont(full, std::string(31, ';').c_str(), -1);
    EXPECT_NE(SavedRtf(full).find(";}{\\f12 \\fcharset0 \\'3b\\'3b"), std::string::npos);
}

// A new font as the system classes it. On Windows EnumFontsA on the screen
// context, as the Windows test prefix has them (its core fonts, LC_ALL=C).
// Elsewhere the fonts CI installs through fontconfig, classed as Windows
// classes their namesakes, each name looked up once per process; only the
// exact family counts (fontconfig itself would match LiberationSans).
TEST(InstalledFonts, AsTheSystemClassesThem)
{
    using Classed = std::pair<int, int>;  // family, character set
    const std::vector<std::pair<const char*, Classed>> expected = {
#if defined(_WIN32)
        {"Arial", {0x20, 0}}, {"Times New Roman", {0x10, 0}}, {"courier new", {0x30, 0}}, {"Symbol", {0x10, 2}},
        {"Wingdings", {0, 2}},
#elif VELRTF_FONT_LOOKUP
        {"Liberation Serif", {0x10, 0}}, {"liberation SANS", {0x20, 0}}, {"Liberation Mono", {0x30, 0}},
        {"LiberationSans", {0, 0}},
#else
        {"Liberation Sans", {0, 0}},  // a build without lookup
#endif
        {"Velrtf Face That No Machine Has", {0, 0}}};
    VelTestSetFontSource(nullptr);
    int64_t lookups = 0;
    for (int round = 0; round < 2; ++round) {
        TestDoc doc;
        lookups = PosixFontLookupCount();
        for (const auto& [face, classed] : expected) {
            const FontEntry& font = doc.get()->FontTable[FindOrAddFont(doc, face, -1)];
            EXPECT_EQ(Classed(font.Family, font.Charset), classed) << face;
        }
    }
    EXPECT_EQ(PosixFontLookupCount(), lookups);  // the second document asked no one
    VelTestSetFontSource(FixedFontSource);
}

#if !defined(_WIN32) && VELRTF_FONT_LOOKUP
// Memory that runs out inside fontconfig or FreeType fails the call like any
// other allocation, and nothing is kept of the name: the next call asks again
// and learns the family. POSIX only: Windows asks EnumFontsA.
TEST(InstalledFonts, ALookupWithoutMemoryFailsAndIsNotKept)
{
    VelTestSetFontSource(nullptr);
    auto lookUp = [](HVELDOC d) { return PosixForgetFonts(), VelTextFont(d, "Liberation Serif", 12, CHAR_BOLD, 1); };
    EXPECT_GE(SweepAllocationFailures([](HVELDOC) {}, lookUp), 6);  // fontconfig 4, FreeType 2
    TestDoc doc;
    PosixForgetFonts(), VelTestFailAllocation(1);
    EXPECT_EQ(VelTextFont(doc, "Liberation Mono", 12, 0, 1), 0);
    VelTestFailAllocation(0);
    EXPECT_EQ(LastMessage(), "23 AddToFontTable: Ran Out of Memory");
    EXPECT_EQ(VelTextFont(doc, "Liberation Mono", 12, 0, 1), 1);
    EXPECT_EQ(doc.get()->FontCount * 0x100 + doc.get()->FontTable[0].Family, 0x130);  // one entry, modern
    VelTestSetFontSource(FixedFontSource);
}
#endif

#if !defined(_WIN32)
// The rules that class a font from its tables, beyond the families and
// character sets of the fonts CI installs.
TEST(InstalledFonts, ClassingRules)
{
    auto panose = [](int type, int serif, int proportion) {
        static unsigned char bytes[10];
        bytes[0] = static_cast<unsigned char>(type), bytes[1] = static_cast<unsigned char>(serif);
        bytes[3] = static_cast<unsigned char>(proportion);
        return bytes;
    };
    EXPECT_EQ(WindowsFontFamily(panose(2, 11, 3), 0, true), 0x30);  // fixed pitch first
    EXPECT_EQ(WindowsFontFamily(panose(2, 2, 9), 0, false), 0x30);  // a monospaced text face
    EXPECT_EQ(WindowsFontFamily(panose(3, 0, 0), 0, false), 0x40);  // hand written
    EXPECT_EQ(WindowsFontFamily(panose(4, 0, 0), 0, false), 0x50);  // decorative
    EXPECT_EQ(WindowsFontFamily(panose(5, 0, 0), 0, false), 0);     // pictorial without serif style
    EXPECT_EQ(WindowsFontFamily(panose(0, 0, 0), 8 << 8, false), 0x20);  // no PANOSE: the IBM class
    EXPECT_EQ(WindowsFontFamily(panose(1, 1, 0), 10 << 8, false), 0x40);
    EXPECT_EQ(WindowsFontFamily(nullptr, 8 << 8, false), 0);
    EXPECT_EQ(WindowsCharset(true, 1), 2);
    EXPECT_EQ(WindowsCharset(false, (1u << 17) | (1u << 2)), 204);  // the first in Windows' order
    EXPECT_EQ(WindowsCharset(false, 1u << 21), 130);
    EXPECT_EQ(WindowsCharset(false, 1u << 31), 0);
}
#endif
