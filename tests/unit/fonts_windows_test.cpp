// The installed fonts of Windows, as EnumFontsA reports them to VelEnumFont
// on the screen context. The expected values are those of the Windows test
// prefix (its core fonts, LC_ALL=C).
#if defined(_WIN32)

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/document.h"
#include "core/fonttable.h"
#include "rtf_test.h"
#include "seam_test.h"

namespace {

struct SystemFonts {
    SystemFonts() { VelTestSetFontSource(nullptr); }
    ~SystemFonts() { VelTestSetFontSource(FixedFontSource); }
};

std::string FamilyAndCharset(HVELDOC doc, const char* face)
{
    int index = FindOrAddFont(doc, face, -1);
    if (index < 0) return "<none>";
    char text[32];
    std::snprintf(text, sizeof text, "0x%02x/%d", doc->FontTable[index].Family, doc->FontTable[index].Charset);
    return text;
}

}  // namespace

TEST(WindowsFonts, EnumerationGivesFamilyAndCharset)
{
    SystemFonts system;
    TestDoc doc;
    EXPECT_EQ(FamilyAndCharset(doc, "Arial"), "0x20/0");
    EXPECT_EQ(FamilyAndCharset(doc, "Times New Roman"), "0x10/0");
    EXPECT_EQ(FamilyAndCharset(doc, "Courier New"), "0x30/0");
    EXPECT_EQ(FamilyAndCharset(doc, "Symbol"), "0x10/2");
    EXPECT_EQ(FamilyAndCharset(doc, "Wingdings"), "0x00/2");
    EXPECT_EQ(FamilyAndCharset(doc, "Velrtf Face That No Machine Has"), "0x00/0");
}

TEST(WindowsFonts, CaseDoesNotMatter)
{
    SystemFonts system;
    TestDoc doc;
    EXPECT_EQ(FamilyAndCharset(doc, "courier new"), "0x30/0");
    EXPECT_EQ(FamilyAndCharset(doc, "ARIAL"), "0x20/0");
}

#endif
