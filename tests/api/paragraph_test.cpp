// Paragraph properties: alignment, spacing, keeping, borders, indents,
// shading, styles, tab stops and the reset.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "rtf_body.h"
#include "rtf_test.h"

namespace {

// What one call of VelParaFlags writes after the section's \sectd.
std::string FlagsGive(unsigned flags)
{
    TestDoc doc;
    if (VelParaFlags(doc, flags) != 1) return "<failed>";
    std::string body = FlatBody(doc);
    return body.substr(6, body.size() - 7);  // without "\sectd" and the closing brace
}

class Paragraph : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(VelBeginSectText(doc), 1); }
    TestDoc doc;
};

}  // namespace

// ---- Flags ----------------------------------------------------------------------

TEST(ParaFlags, OneAlignmentWordEveryTime)
{
    EXPECT_EQ(FlagsGive(0), "\\ql");
    EXPECT_EQ(FlagsGive(PARA_LEFT), "\\ql");
    EXPECT_EQ(FlagsGive(PARA_CENTER), "\\qc");
    EXPECT_EQ(FlagsGive(PARA_RIGHT), "\\qr");
    EXPECT_EQ(FlagsGive(PARA_JUSTIFY), "\\qj");
    EXPECT_EQ(FlagsGive(PARA_CENTER | PARA_RIGHT), "\\qr");
    EXPECT_EQ(FlagsGive(PARA_JUSTIFY | PARA_LEFT), "\\qj");
    EXPECT_EQ(FlagsGive(PARA_CENTER | PARA_JUSTIFY | PARA_LEFT), "\\qc");
}

TEST(ParaFlags, SpacingAndKeepingInTheirOrder)
{
    EXPECT_EQ(FlagsGive(PARA_KEEP), "\\ql\\keep");
    EXPECT_EQ(FlagsGive(PARA_DOUBLE), "\\ql\\sl480\\slmult1");
    EXPECT_EQ(FlagsGive(PARA_WIDOW | PARA_KEEP_NEXT | PARA_KEEP | PARA_DOUBLE | PARA_JUSTIFY),
              "\\qj\\sl480\\slmult1\\keep\\keepn\\widctlpar");
}

TEST(ParaFlags, UnknownBitsAreIgnored)
{
    EXPECT_EQ(FlagsGive(0x8 | 0x1000 | 0x2000 | 0xFFFE0000u), "\\ql");
    EXPECT_EQ(FlagsGive(0xFFFFFFFFu), "\\qr\\sl480\\slmult1\\keep\\keepn\\widctlpar\\box\\brdrw30\\brdrdb");
}

TEST(ParaFlags, Borders)
{
    EXPECT_EQ(FlagsGive(PARA_BOX_TOP | PARA_BOX_BOT | PARA_BOX_THICK),
              "\\ql\\brdrt\\brdrw30\\brdrs\\brdrb\\brdrw30\\brdrs");
    EXPECT_EQ(FlagsGive(PARA_BOX | PARA_BOX_DOUBLE), "\\ql\\box\\brdrdb");
    EXPECT_EQ(FlagsGive(PARA_BOX), "\\ql\\box\\brdrs");
    EXPECT_EQ(FlagsGive(PARA_BOX | PARA_BOX_THICK | PARA_BOX_DOUBLE), "\\ql\\box\\brdrw30\\brdrdb");
    // Three sides are three sequences, in the order top, bottom, left, right.
    EXPECT_EQ(FlagsGive(PARA_BOX_RIGHT | PARA_BOX_LEFT | PARA_BOX_TOP | PARA_BOX_DOUBLE),
              "\\ql\\brdrt\\brdrdb\\brdrl\\brdrdb\\brdrr\\brdrdb");
    EXPECT_EQ(FlagsGive(PARA_BOX_BOT | PARA_CENTER), "\\qc\\brdrb\\brdrs");
    // Line style and width alone draw nothing.
    EXPECT_EQ(FlagsGive(PARA_BOX_THICK | PARA_BOX_DOUBLE), "\\ql");
}

// ---- Indents and spacing ------------------------------------------------------------

TEST_F(Paragraph, IndentsLeaveOutMinusOne)
{
    ASSERT_EQ(VelParaIndent(doc, -1, -1, -1), 1);
    ASSERT_EQ(VelParaIndent(doc, 720, 360, -360), 1);
    ASSERT_EQ(VelParaIndent(doc, 0, -1, -2), 1);
    ASSERT_EQ(VelParaIndent(doc, -1, 0, -1), 1);
    ASSERT_EQ(VelParaIndent(doc, INT_MAX, INT_MIN, 0), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\li720\\ri360\\fi-360\\li0\\fi-2\\ri0\\li2147483647\\ri-2147483648\\fi0}");
}

TEST_F(Paragraph, SpacingLeavesOutMinusOne)
{
    ASSERT_EQ(VelParaSpace(doc, -1, -1, -1), 1);
    ASSERT_EQ(VelParaSpace(doc, 240, 120, -1), 1);
    ASSERT_EQ(VelParaSpace(doc, -1, -1, -240), 1);  // exactly 12 points
    ASSERT_EQ(VelParaSpace(doc, 0, 0, 360), 1);     // at least 18 points
    ASSERT_EQ(VelInsertText(doc, "spaced"), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\sb240\\sa120\\sl-240\\sb0\\sa0\\sl360 spaced}");
}

// ---- Shading ------------------------------------------------------------------------

TEST_F(Paragraph, ShadingInHundredthsOfAPercent)
{
    ASSERT_EQ(VelParaShadeColor(doc, 250, 0x123456), 1);
    ASSERT_EQ(VelParaShadeColor(doc, 100, 0), 1);
    ASSERT_EQ(VelParaShadeColor(doc, 25, 0), 1);
    ASSERT_EQ(VelParaShadeColor(doc, 0, 0x123456), 1);
    ASSERT_EQ(VelParaShadeColor(doc, INT_MAX, 0), 1);
    // A percentage uses no color.
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\\shading10000\\shading10000\\shading2500\\shading0\\shading10000"));
}

TEST_F(Paragraph, NegativePercentGivesABackgroundColor)
{
    ASSERT_EQ(VelTextColor(doc, 0x0000FF, 1), 1);
    ASSERT_EQ(VelParaShadeColor(doc, -1, 0xE0E0E0), 1);
    ASSERT_EQ(VelParaShadeColor(doc, INT_MIN, 0x0000FF), 1);  // shares the text color's entry
    EXPECT_EQ(SavedRtf(doc), "{\\rtf1\\uc1 \\deff0 {\\colortbl\\red255\\green0\\blue0;\\red224\\green224\\blue224;}"
                             "\\ansi\\ftnbj\\sectd\\cf0\\cbpat1\\cbpat0}");
}

// ---- Styles and the reset -------------------------------------------------------------

TEST_F(Paragraph, StyleAndReset)
{
    ASSERT_EQ(VelResetParaProp(doc), 1);  // outside a table: \pard alone
    ASSERT_EQ(VelParaStyleId(doc, 2), 1);
    ASSERT_EQ(VelParaStyleId(doc, -1), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\pard\\s2\\s-1}");
}

// ---- Tab stops --------------------------------------------------------------------------

TEST_F(Paragraph, TabStopsWithAlignmentAndLeader)
{
    ASSERT_EQ(VelParaTabStop(doc, TAB_DECIMAL, 2880, LEADER_DOT), 1);
    ASSERT_EQ(VelParaTabStop(doc, TAB_LEFT, 720, LEADER_NONE), 1);
    ASSERT_EQ(VelParaTabStop(doc, TAB_RIGHT, 9360, LEADER_HYPH), 1);
    ASSERT_EQ(VelParaTabStop(doc, TAB_CENTER, 4680, LEADER_ULINE), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\tqdec\\tldot\\tx2880\\tx720\\tqr\\tlhyph\\tx9360\\tqc\\tlul\\tx4680}");
}

TEST_F(Paragraph, UnknownTabTypesAndLeadersWriteNoWord)
{
    ASSERT_EQ(VelParaTabStop(doc, 4, 100, 3), 1);
    ASSERT_EQ(VelParaTabStop(doc, -1, 200, -1), 1);
    ASSERT_EQ(VelParaTabStop(doc, INT_MAX, -300, INT_MIN), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\tx100\\tx200\\tx-300}");
}

// ---- Sequence -----------------------------------------------------------------------------

TEST(ParagraphSequence, OperationsOpenTheSectionThemselves)
{
    TestDoc doc;
    ASSERT_EQ(VelParaIndent(doc, -1, -1, -1), 1);  // writes nothing, but opens the section
    ASSERT_EQ(VelInsertText(doc, "x"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd x"));
}

TEST(ParagraphSequence, InitialisedSectionBeginsItsText)
{
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    ASSERT_EQ(VelInitSect(doc), 1);
    // The section text begins by itself; the initialised section is kept.
    ASSERT_EQ(VelParaFlags(doc, PARA_RIGHT), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\qr}");
}

TEST(ParagraphSequence, NullDocumentGivesZero)
{
    EXPECT_EQ(VelParaFlags(nullptr, 0), 0);
    EXPECT_EQ(VelParaIndent(nullptr, 1, 1, 1), 0);
    EXPECT_EQ(VelParaSpace(nullptr, 1, 1, 1), 0);
    EXPECT_EQ(VelParaShadeColor(nullptr, -1, 0), 0);
    EXPECT_EQ(VelParaStyleId(nullptr, 1), 0);
    EXPECT_EQ(VelResetParaProp(nullptr), 0);
    EXPECT_EQ(VelParaTabStop(nullptr, 0, 1, 0), 0);
    EXPECT_EQ(VelParaBullet(nullptr, 1, 0, 0, 0, nullptr, nullptr, 0), 0);
}
