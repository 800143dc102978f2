// Formatting with a fixed set of installed fonts, inside constructs that
// other parts of the library open, and when the font or color table cannot
// grow.
#include <gtest/gtest.h>

#include <string>

#include "core/document.h"
#include "core/sequence.h"
#include "rtf_body.h"
#include "rtf_test.h"
#include "seam_test.h"

namespace {

// Fills the font table to its capacity of 10 with fonts that are not
// installed, so that the next new font makes it grow.
void FullFontTable(HVELDOC doc)
{
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(VelTextFont3(doc, ("Face " + std::to_string(i)).c_str(), 0, 0, -1, 0, 0), 1);
    }
    ASSERT_EQ(doc->FontCount, doc->FontCapacity);
}

// Fills the color table to its capacity of 10.
void FullColorTable(HVELDOC doc)
{
    for (unsigned i = 0; i < 10; ++i) ASSERT_EQ(VelTextColor2(doc, 0x010101 * i, 1, 0), 1);
    ASSERT_EQ(doc->ColorCount, doc->ColorCapacity);
}

}  // namespace

// ---- The font table ---------------------------------------------------------------

TEST(FormattingUnit, FontTableOfALetter)
{
    TestDoc doc;
    ASSERT_EQ(VelTextFont3(doc, "Times New Roman", 0, 0, -1, 0, 0), 1);
    ASSERT_EQ(VelTextFont(doc, "Arial", 14, CHAR_BOLD, 1), 1);
    ASSERT_EQ(VelInsertText(doc, "Heading\r\n"), 1);
    ASSERT_EQ(VelTextFont(doc, "times new roman", 12, CHAR_BOLD, 0), 1);
    ASSERT_EQ(VelParaBullet(doc, 1, 3, 0, 0, nullptr, nullptr, 0), 1);
    ASSERT_EQ(VelInsertText(doc, "Item\r\n"), 1);
    ASSERT_EQ(VelTextFont2(doc, "Courier New", 0, 0, 204, 1), 1);
    ASSERT_EQ(VelTextFont(doc, "Not Installed", 0, 0, 1), 1);
    EXPECT_EQ(SavedRtf(doc),
              "{\\rtf1\\uc1 \\deff0 {\\fonttbl{\\f0 \\froman \\fcharset0 Times New Roman;}"
              "{\\f1 \\fswiss \\fcharset0 Arial;}\r\n"
              "{\\f2 \\froman \\fcharset2 Symbol;}{\\f3 \\fcharset2 Wingdings;}"
              "{\\f4 \\fmodern \\fcharset204 Courier New;}\r\n"
              "{\\f5 \\fcharset0 Not Installed;}}"
              "\\ansi\\ftnbj\\sectd\\f1\\fs28\\b Heading\\par\r\n"
              "\\f0\\fs24\\b0{\\pntext\\pard\\plain\\f2\\fs20 \\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnhang\\pnf3"
              "{\\pntxtb \r\n\\'a7}}Item\\par\r\n"
              "\\f4\\f5}");
}

TEST(FormattingUnit, EleventhFontKeepsTheIndexesBeforeIt)
{
    TestDoc doc;
    FullFontTable(doc);
    ASSERT_EQ(VelTextFont(doc, "Arial", 0, 0, 1), 1);
    ASSERT_EQ(VelTextFont(doc, "face 0", 0, 0, 1), 1);
    ASSERT_EQ(VelTextFont(doc, "FACE 9", 0, 0, 1), 1);
    EXPECT_EQ(doc.get()->FontCapacity, 13);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\f10\\f0\\f9}");
}

// ---- Inside frames and table rows -----------------------------------------------------

TEST(FormattingUnit, BordersInAFrameHugTheText)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginSectText(doc), 1);
    doc.get()->SeqState |= SEQ_FRAME;
    ASSERT_EQ(VelParaFlags(doc, PARA_BOX), 1);
    ASSERT_EQ(VelParaFlags(doc, PARA_BOX_TOP | PARA_BOX_BOT | PARA_BOX_THICK), 1);
    ASSERT_EQ(VelParaFlags(doc, PARA_BOX_THICK), 1);  // no border, no spacing word
    EXPECT_EQ(FlatBody(doc),
              "\\sectd\\ql\\box\\brdrs\\brsp0\\ql\\brdrt\\brdrw30\\brdrs\\brdrb\\brdrw30\\brdrs\\brsp0\\ql}");
}

TEST(FormattingUnit, ResetKeepsTheParagraphInItsTable)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginSectText(doc), 1);
    VelDocRecord* record = doc.get();
    record->SeqState |= SEQ_TABLE_ROW | SEQ_CELL_TEXT;
    record->TableLevel = 0;
    ASSERT_EQ(VelResetParaProp(doc), 1);
    record->TableLevel = 1;
    ASSERT_EQ(VelResetParaProp(doc), 1);
    record->TableLevel = 2;
    ASSERT_EQ(VelResetParaProp(doc), 1);
    record->SeqState &= ~(SEQ_TABLE_ROW | SEQ_CELL_TEXT);
    record->TableLevel = -1;
    ASSERT_EQ(VelResetParaProp(doc), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\pard\\intbl\\pard\\intbl\\itap2\\pard\\intbl\\itap3\\pard}");
}

// ---- Tables that cannot grow ------------------------------------------------------------

TEST(FormattingUnit, AFontThatCannotBeAddedOnlyDropsTheFontWord)
{
    TestDoc doc;
    FullFontTable(doc);
    ASSERT_EQ(VelBeginSectText(doc), 1);
    VelResetLastMessage();
    VelTestFailAllocation(1);
    EXPECT_EQ(VelTextFont(doc, "Arial", 12, CHAR_BOLD, 1), 1);
    VelTestFailAllocation(0);
    EXPECT_EQ(LastMessage(), "23 AddToFontTable: Ran Out of Memory");
    VelTestFailAllocation(1);
    EXPECT_EQ(VelTextFont2(doc, "Arial", 0, CHAR_ITALIC, 204, 1), 1);
    VelTestFailAllocation(0);
    EXPECT_EQ(doc.get()->FontCount, 10);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\fs24\\b\\i}");
}

TEST(FormattingUnit, InterningAFontThatCannotBeAddedFails)
{
    TestDoc doc;
    FullFontTable(doc);
    std::string before = SavedRtf(doc);
    VelResetLastMessage();
    VelTestFailAllocation(1);
    EXPECT_EQ(VelTextFont3(doc, "Arial", 0, 0, -1, 0, 0), 0);
    VelTestFailAllocation(0);
    EXPECT_EQ(LastMessage(), "23 AddToFontTable: Ran Out of Memory");
    EXPECT_EQ(SavedRtf(doc), before);
}

TEST(FormattingUnit, AColorThatCannotBeAddedFailsTheCall)
{
    TestDoc doc;
    FullColorTable(doc);
    std::string before = SavedRtf(doc);
    // Each call would write a negative index: it fails instead, and the
    // section its check opened is taken back with it.
    for (int fore : {1, 0}) {
        VelResetLastMessage();
        VelTestFailAllocation(1);
        EXPECT_EQ(VelTextColor(doc, 0xABCDEF, fore), 0);
        VelTestFailAllocation(0);
        EXPECT_EQ(LastMessage(), "23 AddToColorTable: Ran Out of Memory");
    }
    VelTestFailAllocation(1);
    EXPECT_EQ(VelTextColor2(doc, 0xABCDEF, 1, 0), 0);
    VelTestFailAllocation(1);
    EXPECT_EQ(VelParaShadeColor(doc, -1, 0xABCDEF), 0);
    VelTestFailAllocation(0);
    EXPECT_EQ(SavedRtf(doc), before);
    EXPECT_EQ(doc.get()->ColorCount, 10);
    // A percentage needs no color.
    VelTestFailAllocation(1);
    EXPECT_EQ(VelParaShadeColor(doc, 5, 0xABCDEF), 1);
    VelTestFailAllocation(0);
    // Growth works again.
    ASSERT_EQ(VelTextColor(doc, 0xABCDEF, 0), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd\\shading500\\highlight10}");
}

TEST(FormattingUnit, ABulletFontThatCannotBeAddedFailsTheCall)
{
    TestDoc doc;
    FullFontTable(doc);
    ASSERT_EQ(VelBeginSectText(doc), 1);
    std::string before = SavedRtf(doc);
    VelResetLastMessage();
    VelTestFailAllocation(1);
    EXPECT_EQ(VelParaBullet(doc, 1, 0, 0, 0, nullptr, nullptr, 0), 0);
    VelTestFailAllocation(0);
    EXPECT_EQ(LastMessage(), "23 AddToFontTable: Ran Out of Memory");
    EXPECT_EQ(SavedRtf(doc), before);
    // Symbol fits now; Wingdings does not: the \pntext group already written
    // is taken back too.
    ASSERT_EQ(VelTextFont3(doc, "Symbol", 0, 0, -1, 0, 0), 1);
    ASSERT_EQ(doc.get()->FontCount, doc.get()->FontCapacity - 2);
    ASSERT_EQ(VelTextFont3(doc, "Arial", 0, 0, -1, 0, 0), 1);
    ASSERT_EQ(VelTextFont3(doc, "Courier New", 0, 0, -1, 0, 0), 1);
    before = SavedRtf(doc);
    VelTestFailAllocation(1);
    EXPECT_EQ(VelParaBullet(doc, 1, 7, 0, 0, nullptr, nullptr, 0), 0);
    VelTestFailAllocation(0);
    EXPECT_EQ(SavedRtf(doc), before);
    // Numbers need no font.
    VelTestFailAllocationsFrom(1);
    EXPECT_EQ(VelParaBullet(doc, 0, NUM_DEC, 0, 1, nullptr, ".", 0), 1);
    VelTestFailAllocationsFrom(0);
}
