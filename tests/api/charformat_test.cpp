// Character formatting, text and highlight colors, and script runs.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "rtf_body.h"
#include "rtf_test.h"

namespace {

// A document whose section text is open, with its \sectd written.
class Formatted : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(VelBeginSectText(doc), 1); }
    TestDoc doc;
};

constexpr unsigned kAllCharBits = CHAR_ULINE | CHAR_BOLD | CHAR_ITALIC | CHAR_STRIKE | CHAR_SUPER | CHAR_SUB |
                                  CHAR_HIDDEN | CHAR_ULINED | CHAR_PROTECT | CHAR_HLINK | CHAR_CAPS | CHAR_SCAPS;

}  // namespace

// ---- Fonts, sizes and attributes ---------------------------------------------

TEST_F(Formatted, WorkedExampleSwitchesOnAndOff)
{
    ASSERT_EQ(VelTextFont3(doc, "Symbol", 0, 0, -1, 0, 0), 1);
    ASSERT_EQ(VelTextFont(doc, "Symbol", 12, CHAR_BOLD | CHAR_ITALIC, 1), 1);
    ASSERT_EQ(VelInsertText(doc, "x"), 1);
    ASSERT_EQ(VelTextFont(doc, "Symbol", 12, CHAR_BOLD | CHAR_ITALIC, 0), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\f0\\fs24\\b\\i x\\f0\\fs24\\b0\\i0}");
}

TEST_F(Formatted, EveryAttributeInItsOrder)
{
    ASSERT_EQ(VelTextFont(doc, nullptr, 0, kAllCharBits, 1), 1);
    ASSERT_EQ(VelTextFont(doc, "", 0, kAllCharBits, 0), 1);
    EXPECT_EQ(FlatBody(doc),
              "\\sectd\\ul\\b\\i\\v\\zqhlink\\strike\\protect\\uldb\\dn6\\up6\\caps\\scaps"
              "\\ul0\\b0\\i0\\v0\\zqhlink0\\strike0\\protect0\\uldb0\\dn0\\up0\\caps0\\scaps0}");
}

TEST_F(Formatted, AnyNonZeroOnSwitchesOn)
{
    ASSERT_EQ(VelTextFont(doc, nullptr, 0, CHAR_SUPER, -7), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\up6}");
}

TEST_F(Formatted, SizesInPointsOrHalfPoints)
{
    for (int size : {0, -1, 1, -21, 12, INT_MAX, INT_MIN, 1073741824, -INT_MAX}) {
        ASSERT_EQ(VelTextFont(doc, nullptr, size, 0, 1), 1) << size;
    }
    // 0 writes nothing; sizes whose half-points pass 32 bits are held at the
    // largest.
    EXPECT_EQ(FlatBody(doc), "\\sectd\\fs1\\fs2\\fs21\\fs24\\fs2147483647\\fs2147483647\\fs2147483647"
                         "\\fs2147483647}");
}

TEST_F(Formatted, UnknownBitsWriteNothing)
{
    ASSERT_EQ(VelTextFont(doc, nullptr, 0, ~kAllCharBits, 1), 1);
    ASSERT_EQ(VelTextFont(doc, nullptr, 0, 0x80 | 0x400, 0), 1);
    ASSERT_EQ(VelTextFont(doc, "", 0, 0, 1), 1);  // nothing asked, nothing written
    EXPECT_EQ(FlatBody(doc), "\\sectd}");
}

TEST_F(Formatted, TypefaceAndSizeWithoutAttributes)
{
    ASSERT_EQ(VelTextFont(doc, "Arial", -20, 0, 0), 1);
    ASSERT_EQ(VelInsertText(doc, "ten points"), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\f0\\fs20 ten points}");
}

TEST_F(Formatted, TypefacesResolveWithoutRegardToCase)
{
    ASSERT_EQ(VelTextFont(doc, "Arial", 0, 0, 1), 1);
    ASSERT_EQ(VelTextFont(doc, "ARIAL", 0, 0, 1), 1);
    ASSERT_EQ(VelTextFont(doc, "Courier New", 0, 0, 1), 1);
    ASSERT_EQ(VelTextFont(doc, "arial", 0, 0, 1), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\f0\\f0\\f1\\f0}");
}

TEST_F(Formatted, CharacterSetsKeepEntriesApart)
{
    ASSERT_EQ(VelTextFont2(doc, "Arial", 0, 0, 0, 1), 1);
    ASSERT_EQ(VelTextFont2(doc, "arial", 0, 0, 204, 1), 1);  // another set: a second entry
    ASSERT_EQ(VelTextFont(doc, "Arial", 0, 0, 1), 1);        // any set: the first entry
    ASSERT_EQ(VelTextFont2(doc, "ARIAL", 0, 0, 204, 1), 1);  // that set: the second
    ASSERT_EQ(VelTextFont2(doc, "Arial", 0, 0, 0, 1), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\f0\\f1\\f0\\f1\\f0}");
    std::string rtf = SavedRtf(doc);
    EXPECT_NE(rtf.find("\\fcharset204 arial;}"), std::string::npos) << rtf;
}

TEST_F(Formatted, LongFaceNamesAreCutTo31Characters)
{
    std::string name31(31, 'N');
    std::string name40 = name31 + "123456789";
    ASSERT_EQ(VelTextFont(doc, name40.c_str(), 0, 0, 1), 1);
    ASSERT_EQ(VelTextFont(doc, name40.c_str(), 0, 0, 1), 1);
    ASSERT_EQ(VelTextFont(doc, name31.c_str(), 0, 0, 1), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\f0\\f0\\f0}");
    EXPECT_NE(SavedRtf(doc).find(name31 + ";}}"), std::string::npos);
}

TEST(CharFormat, InterningAloneNeedsNoSectionAndWritesNothing)
{
    TestDoc doc;
    ASSERT_EQ(VelTextFont3(doc, "Courier New", 12, CHAR_BOLD, 204, 1, 0), 1);
    ASSERT_EQ(VelTextFont3(doc, nullptr, 0, 0, -1, 0, 0), 1);
    ASSERT_EQ(VelTextFont3(doc, "", 0, 0, -1, 0, 0), 1);
    EXPECT_EQ(FlatBody(doc), "}");
    std::string rtf = SavedRtf(doc);
    EXPECT_NE(rtf.find("\\fcharset204 Courier New;"), std::string::npos) << rtf;
    // The entry it added is reused.
    ASSERT_EQ(VelTextFont(doc, "courier new", 0, 0, 1), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\f0}");
}

TEST(CharFormat, FullFormWritesAsTheShortOnes)
{
    TestDoc doc;
    ASSERT_EQ(VelTextFont3(doc, "Arial", 11, CHAR_ULINED, -1, 1, 1), 1);
    ASSERT_EQ(VelTextFont2(doc, "Arial", 11, CHAR_ULINED, -1, 0), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\f0\\fs22\\uldb\\f0\\fs22\\uldb0}");
}

TEST_F(Formatted, PlainTextAndCharacterStyles)
{
    ASSERT_EQ(VelResetTextProp(doc), 1);
    ASSERT_EQ(VelCharStyleId(doc, 3), 1);
    ASSERT_EQ(VelCharStyleId(doc, -2), 1);
    ASSERT_EQ(VelInsertText(doc, "styled"), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\plain\\cs3\\cs-2 styled}");
}

TEST(CharFormat, OperationsOpenTheSectionThemselves)
{
    TestDoc doc;
    ASSERT_EQ(VelResetTextProp(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\\plain"));
}

TEST(CharFormat, NullDocumentGivesZero)
{
    VelResetLastMessage();
    EXPECT_EQ(VelTextFont(nullptr, "Arial", 12, CHAR_BOLD, 1), 0);
    EXPECT_EQ(VelTextFont2(nullptr, "Arial", 12, CHAR_BOLD, 0, 1), 0);
    EXPECT_EQ(VelTextFont3(nullptr, "Arial", 12, CHAR_BOLD, 0, 1, 0), 0);
    EXPECT_EQ(VelResetTextProp(nullptr), 0);
    EXPECT_EQ(VelCharStyleId(nullptr, 1), 0);
    EXPECT_EQ(VelTextColor(nullptr, 0, 1), 0);
    EXPECT_EQ(VelTextColor2(nullptr, 0, 1, 0), 0);
    EXPECT_EQ(VelBeginScriptStyle(nullptr, 1), 0);
    EXPECT_EQ(VelEndScriptStyle(nullptr), 0);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);
}

// ---- Colors -------------------------------------------------------------------

TEST(TextColor, WorkedExampleSharesEntries)
{
    TestDoc doc;
    ASSERT_EQ(VelTextColor(doc, 0x0000FF, 1), 1);
    ASSERT_EQ(VelTextColor(doc, 0x00FF00, 0), 1);
    ASSERT_EQ(VelTextColor(doc, 0x0000FF, 0), 1);
    ASSERT_EQ(VelInsertText(doc, "red on red"), 1);
    EXPECT_EQ(SavedRtf(doc), "{\\rtf1\\uc1 \\deff0 {\\colortbl\\red255\\green0\\blue0;\\red0\\green255\\blue0;}"
                             "\\ansi\\ftnbj\\sectd\\cf0\\highlight1\\highlight0 red on red}");
}

TEST(TextColor, TheHighByteMakesAnotherColor)
{
    TestDoc doc;
    ASSERT_EQ(VelTextColor(doc, 0x00102030, 1), 1);
    ASSERT_EQ(VelTextColor(doc, 0x01102030, 1), 1);
    ASSERT_EQ(VelTextColor(doc, 0x00102030, 1), 1);
    EXPECT_EQ(SavedRtf(doc), "{\\rtf1\\uc1 \\deff0 {\\colortbl\\red48\\green32\\blue16;\\red48\\green32\\blue16;}"
                             "\\ansi\\ftnbj\\sectd\\cf0\\cf1\\cf0}");
}

TEST(TextColor, InterningAloneNeedsNoSectionAndWritesNothing)
{
    TestDoc doc;
    ASSERT_EQ(VelTextColor2(doc, 0x808080, 1, 0), 1);
    EXPECT_EQ(SavedRtf(doc), "{\\rtf1\\uc1 \\deff0 {\\colortbl\\red128\\green128\\blue128;}\\ansi\\ftnbj}");
    ASSERT_EQ(VelTextColor2(doc, 0x0000FF, 0, 1), 1);
    ASSERT_EQ(VelTextColor(doc, 0x808080, 0), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\highlight1\\highlight0}");
}

// ---- Script runs ----------------------------------------------------------------

TEST_F(Formatted, SuperscriptAndSubscriptRuns)
{
    ASSERT_EQ(VelInsertText(doc, "E = mc"), 1);
    ASSERT_EQ(VelBeginScriptStyle(doc, 5), 1);
    ASSERT_EQ(VelInsertText(doc, "2"), 1);
    ASSERT_EQ(VelEndScriptStyle(doc), 1);
    ASSERT_EQ(VelInsertText(doc, ", H"), 1);
    ASSERT_EQ(VelBeginScriptStyle(doc, 0), 1);
    ASSERT_EQ(VelInsertText(doc, "2"), 1);
    ASSERT_EQ(VelEndScriptStyle(doc), 1);
    ASSERT_EQ(VelInsertText(doc, "O"), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd E = mc{\\super 2}, H{\\sub 2}O}");
}

TEST_F(Formatted, FontChangesWaitForTheRunToClose)
{
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    ASSERT_EQ(VelBeginScriptStyle(doc, 1), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelTextFont(doc, "Arial", 12, CHAR_BOLD, 1), 0);
    EXPECT_EQ(LastMessage().rfind("48 VelTextFont: This function is valid only", 0), 0u) << LastMessage();
    EXPECT_EQ(VelTextFont2(doc, "Arial", 12, CHAR_BOLD, 0, 1), 0);
    EXPECT_EQ(VelTextFont3(doc, "Arial", 12, CHAR_BOLD, 0, 1, 1), 0);
    EXPECT_EQ(VelBeginScriptStyle(doc, 0), 0);
    EXPECT_EQ(LastMessage().rfind("48 VelBeginScriptStyle: ", 0), 0u) << LastMessage();
    // Refused calls add no font either.
    EXPECT_EQ(SavedRtf(doc).find("fonttbl"), std::string::npos);
    // What stays allowed inside the run.
    ASSERT_EQ(VelResetTextProp(doc), 1);
    ASSERT_EQ(VelCharStyleId(doc, 2), 1);
    ASSERT_EQ(VelTextColor(doc, 0xFF0000, 1), 1);
    ASSERT_EQ(VelParaFlags(doc, PARA_CENTER), 1);
    ASSERT_EQ(VelTextFont3(doc, "Arial", 0, 0, -1, 0, 0), 1);  // interning only: no check
    ASSERT_EQ(VelInsertText(doc, "n"), 1);
    ASSERT_EQ(VelEndScriptStyle(doc), 1);
    ASSERT_EQ(VelTextFont(doc, "Arial", 0, CHAR_BOLD, 1), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd{\\super\\plain\\cs2\\cf0\\qc n}\\f0\\b}");
}

TEST_F(Formatted, EndingARunThatIsNotOpenIsRefused)
{
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    VelResetLastMessage();
    EXPECT_EQ(VelEndScriptStyle(doc), 0);
    EXPECT_EQ(LastMessage(), "48 VelEndScriptStyle: This function is valid only if one of the following "
                             "function(s) has been already called:\n\nVelBeginScriptStyle()  Begin Script "
                             "Style Text.");
    ASSERT_EQ(VelBeginScriptStyle(doc, 1), 1);
    ASSERT_EQ(VelEndScriptStyle(doc), 1);
    EXPECT_EQ(VelEndScriptStyle(doc), 0);
    EXPECT_EQ(FlatBody(doc), "\\sectd{\\super}}");
}

TEST(ScriptStyle, RunLeftOpenIsClosedBySave)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginScriptStyle(doc, 1), 1);
    ASSERT_EQ(VelInsertText(doc, "n"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd{\\super n}"));
}
