// Constructs inside one another: tables in frames and text boxes, positioned
// objects in headers and footers, and the refusals that keep their groups
// from crossing.
#include <gtest/gtest.h>

#include <string>

#include "rtf_test.h"

namespace {

const std::string kNeedsSectionOrHeader =
    "This function is valid only if one of the following function(s) has been already called:\n\n"
    "VelBeginSectText()     Begin Section Text,\n"
    "VelBeginHdrFtr()       Begin Header/Footer.";

// One row of one cell holding `text`, ended.
void OneCellRow(HVELDOC doc, const char* text)
{
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 108), 1);
    ASSERT_EQ(VelNextCellInfo(doc, 2000, 0, 0, 0xFFFFFF, 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(VelBeginCellText(doc), 1);
    ASSERT_EQ(VelInsertText(doc, text), 1);
    ASSERT_EQ(VelEndCellText(doc), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
}

// Begins a row of one cell and opens its cell text.
void InCell(HVELDOC doc)
{
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 108), 1);
    ASSERT_EQ(VelNextCellInfo(doc, 2000, 0, 0, 0xFFFFFF, 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(VelBeginCellText(doc), 1);
}

}  // namespace

TEST(Interplay, TableInsideAFrame)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginFrame(doc, 1, 100, 200, 3000, 1000), 1);
    OneCellRow(doc, "A");
    ASSERT_EQ(VelEndFrame(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\pvpg\\phpg\\posx100\\posy200\\absh1000\\absw3000\\dxfrtext180"
                                      "\\dfrmtxtx180\\dfrmtxty0\r\n{\\trowd\\trgaph108\\trleft0\\clvertalt\\cellx2000"
                                      "\r\n\\intbl A\\cell\r\n\\row}\r\n}\r\n"));
}

TEST(Interplay, FrameMayNotEndWhileItsRowIsOpen)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginFrame(doc, 1, 100, 200, 3000, 1000), 1);
    InCell(doc);
    std::string before = SavedRtf(doc);
    VelResetLastMessage();
    EXPECT_EQ(VelEndFrame(doc), 0);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 48);
    EXPECT_EQ(SavedRtf(doc), before);
    ASSERT_EQ(VelEndCellText(doc), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    EXPECT_EQ(VelEndFrame(doc), 1);
}

TEST(Interplay, TableInsideATextBox)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginTextBox(doc, 1, 0, 0, 3000, 1000, 0, 0xFFFFFF, 0, 10, 0), 1);
    InCell(doc);
    VelResetLastMessage();
    EXPECT_EQ(VelEndTextBox(doc), 0);  // the row must end first
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 48);
    ASSERT_EQ(VelEndCellText(doc), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    ASSERT_EQ(VelEndTextBox(doc), 1);
    std::string rtf = SavedRtf(doc);
    EXPECT_NE(rtf.find("{\\dptxbxtext\r\n{\\trowd"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\row}\r\n}\\dpx0"), std::string::npos) << rtf;
}

// Inside a table row no positioned object may begin: a frame, a text box, a
// rectangle or a line would cut the row's group.
TEST(Interplay, NoPositionedObjectInsideATableRow)
{
    TestDoc doc;
    InCell(doc);
    std::string before = SavedRtf(doc);
    struct Attempt {
        const char* caption;
        int (*call)(HVELDOC);
    } attempts[] = {
        {"VelBeginFrame", [](HVELDOC d) { return VelBeginFrame(d, 1, 0, 0, 100, 100); }},
        {"VelBeginTextBox", [](HVELDOC d) { return VelBeginTextBox(d, 1, 0, 0, 100, 100, 0, 0, 0, 1, 0); }},
        {"VelDrawRect", [](HVELDOC d) { return VelDrawRect(d, 1, 0, 0, 100, 100, 0, 0, 0, 1, 0); }},
        {"VelDrawLine", [](HVELDOC d) { return VelDrawLine(d, 1, 0, 0, 100, 100, 0, 0, 1); }},
    };
    for (const Attempt& attempt : attempts) {
        VelResetLastMessage();
        EXPECT_EQ(attempt.call(doc), 0) << attempt.caption;
        EXPECT_EQ(LastMessage(), "48 " + std::string(attempt.caption) + ": " + kNeedsSectionOrHeader);
        EXPECT_EQ(SavedRtf(doc), before) << attempt.caption;
    }
}

TEST(Interplay, RectangleMayNotStandInAFrame)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginFrame(doc, 1, 0, 0, 100, 100), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelDrawRect(doc, 1, 0, 0, 10, 10, 0, 0, 0, 1, 0), 0);
    EXPECT_EQ(LastMessage(), "48 VelDrawRect: " + kNeedsSectionOrHeader);
    EXPECT_EQ(VelBeginTextBox(doc, 1, 0, 0, 10, 10, 0, 0, 0, 1, 0), 1);  // a text box may
}

TEST(Interplay, TextBoxInAFooterAndAFrameInAHeader)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_FOOTER), 1);
    ASSERT_EQ(VelBeginTextBox(doc, 0, 0, 0, 2000, 400, 0, 0xFFFFFF, 0, 10, 0), 1);
    ASSERT_EQ(VelInsertText(doc, "Boxed\r\n"), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelEndHdrFtr(doc), 0);  // the box must end first
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 44);
    ASSERT_EQ(VelEndTextBox(doc), 1);
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 1);
    ASSERT_EQ(VelBeginFrame(doc, 1, 0, 0, 2000, 400), 1);
    ASSERT_EQ(VelInsertText(doc, "Framed"), 1);
    ASSERT_EQ(VelEndFrame(doc), 1);
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    ASSERT_EQ(VelInsertText(doc, "Body\r\n"), 1);
    std::string rtf = SavedRtf(doc);
    EXPECT_NE(rtf.find("{\\footer\r\n{\\do\\dobypara\\dobxmargin\\dptxbx"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\header\r\n{\\pvpg\\phpg"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("Framed\\par}\r\n}\r\nBody\\par"), std::string::npos) << rtf;
}
