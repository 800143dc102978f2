// The font and color tables: lookup, growth, the enumeration callback, the
// tables as the save writes them, and the installed fonts behind a new font.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "core/document.h"
#include "core/fonttable.h"
#include "rtf_test.h"
#include "seam_test.h"

#if !defined(_WIN32)
#include "platform/fonts_posix.h"
#endif

namespace {

const FontEntry& Font(HVELDOC doc, int index)
{
    return doc->FontTable[index];
}

// The tables as the save writes them: what stands between \deff0 and the body.
std::string Tables(HVELDOC doc)
{
    std::string rtf = SavedRtf(doc);
    size_t start = kHead.size();
    size_t end = rtf.find(kPrologue, start);
    return rtf.substr(start, end - start);
}

}  // namespace

TEST(FontTable, NamesMatchWithoutRegardToCase)
{
    TestDoc doc;
    EXPECT_EQ(FindOrAddFont(doc, "Arial", -1), 0);
    EXPECT_EQ(FindOrAddFont(doc, "arial", -1), 0);
    EXPECT_EQ(FindOrAddFont(doc, "ARIAL", 0), 0);
    EXPECT_EQ(FindOrAddFont(doc, "Times New Roman", -1), 1);
    EXPECT_EQ(doc.get()->FontCount, 2);
    EXPECT_STREQ(Font(doc, 0).Name, "Arial");  // the first spelling stays
}

TEST(FontTable, AGivenCharacterSetMustMatchAndIsKept)
{
    TestDoc doc;
    ASSERT_EQ(FindOrAddFont(doc, "Arial", -1), 0);
    EXPECT_EQ(Font(doc, 0).Charset, 0);
    // Cyrillic Arial is another entry, whatever the installed font says.
    EXPECT_EQ(FindOrAddFont(doc, "Arial", 204), 1);
    EXPECT_EQ(Font(doc, 1).Charset, 204);
    EXPECT_EQ(Font(doc, 1).Family, 0x20);
    EXPECT_EQ(FindOrAddFont(doc, "arial", 204), 1);
    EXPECT_EQ(FindOrAddFont(doc, "Arial", 0), 0);
    // Any character set: the first entry of the name.
    EXPECT_EQ(FindOrAddFont(doc, "ARIAL", -1), 0);
}

TEST(FontTable, NoNameIsNoFont)
{
    TestDoc doc;
    EXPECT_EQ(FindOrAddFont(doc, nullptr, -1), -1);
    EXPECT_EQ(FindOrAddFont(doc, "", 0), -1);
    EXPECT_EQ(doc.get()->FontCount, 0);
}

TEST(FontTable, UninstalledFontIsFamilyZeroCharsetZero)
{
    TestDoc doc;
    ASSERT_EQ(FindOrAddFont(doc, "No Such Face", -1), 0);
    EXPECT_EQ(Font(doc, 0).Family, 0);
    EXPECT_EQ(Font(doc, 0).Charset, 0);
    EXPECT_EQ(Tables(doc), "{\\fonttbl{\\f0 \\fcharset0 No Such Face;}}");
}

TEST(FontTable, LongNamesAreCutTo31Characters)
{
    TestDoc doc;
    const std::string first31 = "A Very Long Face Name Indeed Th";  // 31 characters
    ASSERT_EQ(first31.size(), 31u);
    ASSERT_EQ(FindOrAddFont(doc, (first31 + "at Goes On").c_str(), -1), 0);
    EXPECT_EQ(std::string(Font(doc, 0).Name), first31);
    // Names that differ only after the 31st character are one font.
    EXPECT_EQ(FindOrAddFont(doc, (first31 + "is Is Another").c_str(), -1), 0);
    EXPECT_EQ(FindOrAddFont(doc, first31.c_str(), -1), 0);
    EXPECT_EQ(FindOrAddFont(doc, first31.substr(0, 30).c_str(), -1), 1);
    EXPECT_EQ(Tables(doc), "{\\fonttbl{\\f0 \\fcharset0 " + first31 + ";}{\\f1 \\fcharset0 " + first31.substr(0, 30) +
                               ";}}");
}

// No face name can close the table's groups, start a control word or end
// its entry early: the bytes RTF reserves are escaped in the table.
TEST(FontTable, NamesCannotBreakTheTable)
{
    TestDoc doc;
    ASSERT_EQ(FindOrAddFont(doc, "Odd}{Face\\par;x\xE9\t", -1), 0);
    EXPECT_STREQ(Font(doc, 0).Name, "Odd}{Face\\par;x\xE9\t");  // kept as given, for lookups
#ifdef _WIN32
    const bool ansi1252 = GetACP() == 1252;  // \xC9 and \xE9 are one letter in Windows-1252 only
#else
    const bool ansi1252 = true;
#endif
    EXPECT_EQ(FindOrAddFont(doc, ansi1252 ? "ODD}{FACE\\PAR;X\xC9\t" : "ODD}{FACE\\PAR;X\xE9\t", -1), 0);
    VelInsertText(doc, "x");
    EXPECT_EQ(SavedRtf(doc), kHead + "{\\fonttbl{\\f0 \\fcharset0 Odd\\}\\{Face\\\\par\\'3bx\\'e9\\'09;}}" + kPrologue +
                                 "\\sectd x}");
    // The memory block is sized for the escapes.
    const std::string worst(31, '{');
    TestDoc full;
    for (int i = 0; i < 12; ++i) FindOrAddFont(full, (worst.substr(0, 30) + static_cast<char>('A' + i)).c_str(), -1);
    FindOrAddFont(full, std::string(31, ';').c_str(), -1);
    std::string rtf = SavedRtf(full);
    EXPECT_NE(rtf, "<failed>");
    EXPECT_NE(rtf.find(";}{\\f12 \\fcharset0 \\'3b\\'3b"), std::string::npos);
}

TEST(FontTable, GrowsByAQuarterAndKeepsEveryEntry)
{
    TestDoc doc;
    EXPECT_EQ(doc.get()->FontCapacity, 10);
    for (int i = 0; i < 10; ++i) ASSERT_EQ(FindOrAddFont(doc, ("Face" + std::to_string(i)).c_str(), -1), i);
    EXPECT_EQ(doc.get()->FontCapacity, 10);
    ASSERT_EQ(FindOrAddFont(doc, "Arial", -1), 10);  // the eleventh
    EXPECT_EQ(doc.get()->FontCapacity, 13);
    for (int i = 11; i < 14; ++i) ASSERT_EQ(FindOrAddFont(doc, ("Face" + std::to_string(i)).c_str(), -1), i);
    EXPECT_EQ(doc.get()->FontCapacity, 16);
    for (int i = 14; i < 17; ++i) ASSERT_EQ(FindOrAddFont(doc, ("Face" + std::to_string(i)).c_str(), -1), i);
    EXPECT_EQ(doc.get()->FontCapacity, 20);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(std::string(Font(doc, i).Name), "Face" + std::to_string(i));
        EXPECT_EQ(FindOrAddFont(doc, ("face" + std::to_string(i)).c_str(), -1), i);
    }
    EXPECT_EQ(Font(doc, 10).Family, 0x20);
    EXPECT_STREQ(Font(doc, 10).Name, "Arial");
}

TEST(ColorTable, EqualValuesShareAnEntry)
{
    TestDoc doc;
    EXPECT_EQ(FindOrAddColor(doc, 0x0000FF), 0);
    EXPECT_EQ(FindOrAddColor(doc, 0x00FF00), 1);
    EXPECT_EQ(FindOrAddColor(doc, 0x0000FF), 0);
    // The high byte counts for matching, not for the written color.
    EXPECT_EQ(FindOrAddColor(doc, 0x010000FF), 2);
    EXPECT_EQ(Tables(doc), "{\\colortbl\\red255\\green0\\blue0;\\red0\\green255\\blue0;\r\n\\red255\\green0\\blue0;}");
}

TEST(ColorTable, GrowsByAQuarterAndKeepsEveryEntry)
{
    TestDoc doc;
    EXPECT_EQ(doc.get()->ColorCapacity, 10);
    for (unsigned i = 0; i < 14; ++i) ASSERT_EQ(FindOrAddColor(doc, i * 0x010101u), static_cast<int>(i));
    EXPECT_EQ(doc.get()->ColorCapacity, 16);
    for (unsigned i = 0; i < 14; ++i) EXPECT_EQ(FindOrAddColor(doc, i * 0x010101u), static_cast<int>(i));
    EXPECT_EQ(doc.get()->ColorCount, 14);
}

// Every family word, the symbol character set, a character set of 1 that is
// not written, and a line break before entries 2, 5 and 8 of each table.
TEST(Tables, SaveWritesEveryEntryInIndexOrder)
{
    TestDoc doc;
    const char* faces[] = {"Arial",     "Times New Roman", "Courier New", "Symbol", "Wingdings",
                           "Comic Sans MS", "Old English", "Nowhere"};
    for (int i = 0; i < 8; ++i) ASSERT_EQ(FindOrAddFont(doc, faces[i], -1), i);
    ASSERT_EQ(FindOrAddFont(doc, "Arial", 1), 8);
    EXPECT_EQ(Tables(doc),
              "{\\fonttbl{\\f0 \\fswiss \\fcharset0 Arial;}{\\f1 \\froman \\fcharset0 Times New Roman;}\r\n"
              "{\\f2 \\fmodern \\fcharset0 Courier New;}{\\f3 \\froman \\fcharset2 Symbol;}"
              "{\\f4 \\fcharset2 Wingdings;}\r\n"
              "{\\f5 \\fscript \\fcharset0 Comic Sans MS;}{\\f6 \\fdecor \\fcharset0 Old English;}"
              "{\\f7 \\fcharset0 Nowhere;}\r\n"
              "{\\f8 \\fswiss Arial;}}");
    for (unsigned i = 0; i < 6; ++i) FindOrAddColor(doc, 0x00804020u + i);
    std::string tables = Tables(doc);
    EXPECT_EQ(tables.substr(tables.find("{\\colortbl")),
              "{\\colortbl\\red32\\green64\\blue128;\\red33\\green64\\blue128;\r\n"
              "\\red34\\green64\\blue128;\\red35\\green64\\blue128;\\red36\\green64\\blue128;\r\n"
              "\\red37\\green64\\blue128;}");
    // Both tables stand before the body, the font table first.
    VelInsertText(doc, "x");
    EXPECT_EQ(SavedRtf(doc), kHead + tables + kPrologue + "\\sectd x}");
}

TEST(Tables, TheFirstColorIsIndexZero)
{
    TestDoc doc;
    FindOrAddColor(doc, 0x123456);
    EXPECT_EQ(Tables(doc), "{\\colortbl\\red86\\green52\\blue18;}");
}

// The enumeration callback fills the entry being added, from the family
// nibble and the character set, and stops the enumeration.
TEST(EnumFont, FillsTheEntryBeingAdded)
{
    TestDoc doc;
    ASSERT_EQ(FindOrAddFont(doc, "Nowhere", -1), 0);
    ASSERT_EQ(FindOrAddFont(doc, "Elsewhere", -1), 1);
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfPitchAndFamily = 0x32;  // modern, variable pitch
    font.lfCharSet = 238;
    TEXTMETRICA metric;
    std::memset(&metric, 0, sizeof metric);
    doc.get()->FontEnumIndex = 0;
    EXPECT_EQ(VelEnumFont(&font, &metric, 4, reinterpret_cast<intptr_t>(doc.get())), 0);
    EXPECT_EQ(Font(doc, 0).Family, 0x30);
    EXPECT_EQ(Font(doc, 0).Charset, 238);
    EXPECT_EQ(Font(doc, 1).Family, 0);
    // An index outside the table, a null font or document: nothing happens.
    doc.get()->FontEnumIndex = 2;
    EXPECT_EQ(VelEnumFont(&font, &metric, 4, reinterpret_cast<intptr_t>(doc.get())), 0);
    EXPECT_EQ(VelEnumFont(nullptr, &metric, 4, reinterpret_cast<intptr_t>(doc.get())), 0);
    EXPECT_EQ(VelEnumFont(&font, &metric, 4, 0), 0);
    EXPECT_EQ(Font(doc, 1).Charset, 0);
}

#if !defined(_WIN32)

// The rules that class a font as Windows does, from its tables.
TEST(FontRules, FamilyFromPanoseClassAndPitch)
{
    const unsigned char serif[10] = {2, 2, 6, 3, 5, 4, 5, 2, 3, 4};     // Liberation Serif
    const unsigned char sans[10] = {2, 11, 6, 4, 2, 2, 2, 2, 2, 4};     // Liberation Sans
    const unsigned char mono[10] = {2, 11, 6, 9, 3, 8, 4, 2, 2, 4};     // DejaVu Sans Mono
    const unsigned char symbol[10] = {5, 5, 1, 2, 1, 7, 6, 2, 5, 7};    // Symbol
    const unsigned char dingbats[10] = {5, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // Wingdings
    const unsigned char script[10] = {3, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    const unsigned char decorative[10] = {4, 2, 5, 5, 5, 5, 5, 5, 5, 5};
    const unsigned char unset[10] = {};
    EXPECT_EQ(WindowsFontFamily(serif, 0x105, false), 0x10);
    EXPECT_EQ(WindowsFontFamily(sans, 0x805, false), 0x20);
    EXPECT_EQ(WindowsFontFamily(mono, 0, false), 0x30);
    EXPECT_EQ(WindowsFontFamily(sans, 0, true), 0x30);  // the post table's fixed pitch
    EXPECT_EQ(WindowsFontFamily(symbol, 0, false), 0x10);
    EXPECT_EQ(WindowsFontFamily(dingbats, 0x800, false), 0);
    EXPECT_EQ(WindowsFontFamily(script, 0, false), 0x40);
    EXPECT_EQ(WindowsFontFamily(decorative, 0, false), 0x50);
    // PANOSE left blank: the IBM class decides.
    EXPECT_EQ(WindowsFontFamily(unset, 0x0105, false), 0x10);
    EXPECT_EQ(WindowsFontFamily(unset, 0x0700, false), 0x10);
    EXPECT_EQ(WindowsFontFamily(unset, 0x0802, false), 0x20);
    EXPECT_EQ(WindowsFontFamily(unset, 0x0901, false), 0x50);
    EXPECT_EQ(WindowsFontFamily(unset, 0x0A05, false), 0x40);
    EXPECT_EQ(WindowsFontFamily(unset, 0x0C00, false), 0);
    EXPECT_EQ(WindowsFontFamily(unset, 0, false), 0);
    EXPECT_EQ(WindowsFontFamily(nullptr, 0, false), 0);
    EXPECT_EQ(WindowsFontFamily(nullptr, 0, true), 0x30);
}

TEST(FontRules, CharsetFromTheFirstCodePageClaimed)
{
    EXPECT_EQ(WindowsCharset(true, 0x1), 2);
    EXPECT_EQ(WindowsCharset(false, 0), 0);
    EXPECT_EQ(WindowsCharset(false, 0x6000009F), 0);  // Latin 1 and more
    EXPECT_EQ(WindowsCharset(false, 0x6), 238);       // 1250 before 1251
    EXPECT_EQ(WindowsCharset(false, 0x4), 204);
    EXPECT_EQ(WindowsCharset(false, 0x8), 161);
    EXPECT_EQ(WindowsCharset(false, 0x10), 162);
    EXPECT_EQ(WindowsCharset(false, 0x20), 177);
    EXPECT_EQ(WindowsCharset(false, 0x40), 178);
    EXPECT_EQ(WindowsCharset(false, 0x80), 186);
    EXPECT_EQ(WindowsCharset(false, 0x100), 163);
    EXPECT_EQ(WindowsCharset(false, 0x3F0000), 222);  // 874 before the East Asian pages
    EXPECT_EQ(WindowsCharset(false, 0x3E0000), 128);
    EXPECT_EQ(WindowsCharset(false, 0x3C0000), 134);
    EXPECT_EQ(WindowsCharset(false, 0x380000), 129);
    EXPECT_EQ(WindowsCharset(false, 0x300000), 136);
    EXPECT_EQ(WindowsCharset(false, 0x200000), 130);
    EXPECT_EQ(WindowsCharset(false, 0x80000000), 0);  // the symbol code page alone: none of these
}

namespace {

// The installed fonts of the machine instead of the fixed list, for one test.
struct SystemFonts {
    SystemFonts() { VelTestSetFontSource(nullptr); }
    ~SystemFonts() { VelTestSetFontSource(FixedFontSource); }
};

std::string FamilyAndCharset(HVELDOC doc, const char* face)
{
    int index = FindOrAddFont(doc, face, -1);
    if (index < 0) return "<none>";
    char text[32];
    std::snprintf(text, sizeof text, "0x%02x/%d", Font(doc, index).Family, Font(doc, index).Charset);
    return text;
}

}  // namespace

#if VELRTF_FONT_LOOKUP

// Fonts that CI installs (fonts-liberation, fonts-dejavu-core), classed as
// Windows classes their namesakes.
TEST(InstalledFonts, LiberationAndDejaVuAsWindowsClassesTheirNamesakes)
{
    SystemFonts system;
    TestDoc doc;
    EXPECT_EQ(FamilyAndCharset(doc, "Liberation Serif"), "0x10/0");
    EXPECT_EQ(FamilyAndCharset(doc, "Liberation Sans"), "0x20/0");
    EXPECT_EQ(FamilyAndCharset(doc, "Liberation Mono"), "0x30/0");
    EXPECT_EQ(FamilyAndCharset(doc, "DejaVu Serif"), "0x10/0");
    EXPECT_EQ(FamilyAndCharset(doc, "DejaVu Sans"), "0x20/0");
    EXPECT_EQ(FamilyAndCharset(doc, "DejaVu Sans Mono"), "0x30/0");
    EXPECT_EQ(Tables(doc).substr(0, 70), "{\\fonttbl{\\f0 \\froman \\fcharset0 Liberation Serif;}{\\f1 \\fswiss \\fchar");
}

TEST(InstalledFonts, OnlyTheExactFamilyCounts)
{
    SystemFonts system;
    TestDoc doc;
    EXPECT_EQ(FamilyAndCharset(doc, "liberation SANS"), "0x20/0");
    // Fontconfig would list this one too, ignoring blanks; Windows would not.
    EXPECT_EQ(FamilyAndCharset(doc, "LiberationSans"), "0x00/0");
    EXPECT_EQ(FamilyAndCharset(doc, "Velrtf Face That No Machine Has"), "0x00/0");
    EXPECT_EQ(FamilyAndCharset(doc, "Liberation"), "0x00/0");
    EXPECT_EQ(FamilyAndCharset(doc, "Liberation Sans \x81"), "0x00/0");  // no character in the code page
}

TEST(InstalledFonts, EachNameIsLookedUpOncePerProcess)
{
    SystemFonts system;
    int64_t start = PosixFontLookupCount();
    {
        TestDoc doc;
        EXPECT_EQ(FamilyAndCharset(doc, "Velrtf Looked Up Once"), "0x00/0");
        EXPECT_EQ(FamilyAndCharset(doc, "Liberation Mono"), "0x30/0");
    }
    EXPECT_GE(PosixFontLookupCount(), start + 1);
    int64_t after = PosixFontLookupCount();
    for (int i = 0; i < 3; ++i) {
        TestDoc doc;
        EXPECT_EQ(FamilyAndCharset(doc, "VELRTF LOOKED UP ONCE"), "0x00/0");
        EXPECT_EQ(FamilyAndCharset(doc, "liberation mono"), "0x30/0");
    }
    EXPECT_EQ(PosixFontLookupCount(), after);
}

// Documents on several threads look fonts up at once; each gets the same
// answers.
TEST(InstalledFonts, ThreadsShareTheAnswers)
{
    SystemFonts system;
    const char* faces[] = {"DejaVu Serif", "dejavu sans mono", "Velrtf Threaded Nowhere", "LIBERATION SERIF"};
    const char* expected[] = {"0x10/0", "0x30/0", "0x00/0", "0x10/0"};
    std::vector<std::thread> threads;
    std::atomic<int> wrong{0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 20; ++round) {
                TestDoc doc;
                for (int k = 0; k < 4; ++k) {
                    int i = (k + t) % 4;
                    if (FamilyAndCharset(doc, faces[i]) != expected[i]) wrong.fetch_add(1);
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(wrong.load(), 0);
}

#else

TEST(InstalledFonts, WithoutLookupEveryFontIsFamilyZeroCharsetZero)
{
    SystemFonts system;
    TestDoc doc;
    EXPECT_EQ(FamilyAndCharset(doc, "Liberation Sans"), "0x00/0");
    EXPECT_EQ(FamilyAndCharset(doc, "DejaVu Sans Mono"), "0x00/0");
}

#endif
#endif
