// Frames: the group of absolute-position words, the paragraph closed before
// and inside it, and the calls refused while a frame is or is not open.
#include <gtest/gtest.h>

#include <string>

#include "rtf_test.h"

namespace {

const std::string kNotInScriptRun =
    "This function not allowed between VelBeginScriptStyle() and VelEndScriptStyle";

const std::string kSectText = "\\sectd\r\n";

// The composed report of a call that needs section text or a header.
const std::string kNeedsSectionOrHeader =
    "This function is valid only if one of the following function(s) has been already called:\n\n"
    "VelBeginSectText()     Begin Section Text,\n"
    "VelBeginHdrFtr()       Begin Header/Footer.";

const std::string kNeedsFrame =
    "This function is valid only if one of the following function(s) has been already called:\n\n"
    "VelBeginFrame()        Begin Frame.";

// The words every frame ends its opening with.
const std::string kDistances = "\\dxfrtext180\\dfrmtxtx180\\dfrmtxty0";

}  // namespace

TEST(Frame, PageRelativeFrameAroundText)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginSectText(doc), 1);
    ASSERT_EQ(VelBeginFrame(doc, 1, 1440, 2880, 4320, 1440), 1);
    ASSERT_EQ(VelInsertText(doc, "Hello"), 1);
    ASSERT_EQ(VelEndFrame(doc), 1);
    // Height before width; the line reaches 76 characters with the owed
    // space, so the text starts the next line.
    EXPECT_EQ(SavedRtf(doc), Document(kSectText + "{\\pvpg\\phpg\\posx1440\\posy2880\\absh1440\\absw4320" +
                                      kDistances + " \r\nHello\\par}\r\n"));
}

TEST(Frame, ParagraphRelativeFrameFollowsItsColumn)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginSectText(doc), 1);
    ASSERT_EQ(VelBeginFrame(doc, 0, 0, 120, 2000, 500), 1);
    ASSERT_EQ(VelInsertText(doc, "x\r\n"), 1);
    ASSERT_EQ(VelEndFrame(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document(kSectText + "{\\pvpara\\phcol\\posx0\\posy120\\absh500\\absw2000" +
                                      kDistances + " \r\nx\\par\r\n}\r\n"));
}

TEST(Frame, OpenParagraphIsClosedBeforeTheFrameAndInsideIt)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "Open"), 1);
    ASSERT_EQ(VelBeginFrame(doc, 1, 1, 2, 3, 4), 1);
    ASSERT_EQ(VelInsertText(doc, "In"), 1);
    ASSERT_EQ(VelEndFrame(doc), 1);
    ASSERT_EQ(VelInsertText(doc, "Closed\r\n"), 1);
    // A paragraph that was ended by the host gets no second mark.
    ASSERT_EQ(VelBeginFrame(doc, 1, 1, 2, 3, 4), 1);
    ASSERT_EQ(VelInsertText(doc, "Done\r\n"), 1);
    ASSERT_EQ(VelEndFrame(doc), 1);
    const std::string frame = "{\\pvpg\\phpg\\posx1\\posy2\\absh4\\absw3" + kDistances;
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd Open\\par\r\n" + frame + " In\\par}\r\nClosed\\par\r\n" + frame +
                                      " Done\\par\r\n}\r\n"));
}

TEST(Frame, ValuesAreWrittenUnchanged)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginFrame(doc, 0, -720, -1, 0, -2880), 1);  // a negative height is an exact one
    EXPECT_EQ(SavedRtf(doc), Document(kSectText + "{\\pvpara\\phcol\\posx-720\\posy-1\\absh-2880\\absw0" +
                                      kDistances + "}"));
}

TEST(Frame, OpensTheSectionByItself)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginFrame(doc, 1, 0, 0, 100, 100), 1);
    ASSERT_EQ(VelEndFrame(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document(kSectText + "{\\pvpg\\phpg\\posx0\\posy0\\absh100\\absw100" + kDistances +
                                      "}\r\n"));
}

TEST(Frame, BordersInsideAFrameHugTheText)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginFrame(doc, 1, 0, 0, 100, 100), 1);
    ASSERT_EQ(VelParaFlags(doc, PARA_BOX), 1);
    ASSERT_EQ(VelEndFrame(doc), 1);
    ASSERT_EQ(VelParaFlags(doc, PARA_BOX), 1);
    std::string rtf = SavedRtf(doc);
    EXPECT_NE(rtf.find("\\dfrmtxty0\\ql\\box\\brdrs\\brsp0}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("}\r\n\\ql\\box\\brdrs}"), std::string::npos) << rtf;
}

TEST(Frame, SecondFrameIsRefused)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginFrame(doc, 1, 0, 0, 100, 100), 1);
    std::string before = SavedRtf(doc);
    VelResetLastMessage();
    EXPECT_EQ(VelBeginFrame(doc, 1, 0, 0, 100, 100), 0);
    EXPECT_EQ(LastMessage(), "48 VelBeginFrame: " + kNeedsSectionOrHeader);
    EXPECT_EQ(SavedRtf(doc), before);
    // The first frame is still open and closes normally.
    EXPECT_EQ(VelEndFrame(doc), 1);
}

TEST(Frame, EndWithoutFrameIsRefused)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "text"), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelEndFrame(doc), 0);
    EXPECT_EQ(LastMessage(), "48 VelEndFrame: " + kNeedsFrame);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd text"));
    ASSERT_EQ(VelBeginFrame(doc, 1, 0, 0, 100, 100), 1);
    ASSERT_EQ(VelEndFrame(doc), 1);
    EXPECT_EQ(VelEndFrame(doc), 0);  // a frame ends once
}

TEST(Frame, TextBoxInsideAFrameMustCloseFirst)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginFrame(doc, 1, 0, 0, 3000, 3000), 1);
    ASSERT_EQ(VelBeginTextBox(doc, 0, 10, 20, 300, 400, 0, 0xFFFFFF, 0, 10, 0), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelEndFrame(doc), 0);
    EXPECT_EQ(LastMessage(), "48 VelEndFrame: " + kNeedsFrame);
    ASSERT_EQ(VelEndTextBox(doc), 1);
    EXPECT_EQ(VelEndFrame(doc), 1);
    std::string rtf = SavedRtf(doc);
    EXPECT_NE(rtf.find("\\dfrmtxty0\r\n{\\do\\dobypara\\dobxmargin\\dptxbx"), std::string::npos) << rtf;
    EXPECT_EQ(rtf.substr(rtf.size() - 6), "\r\n}\r\n}");
}

TEST(Frame, FrameIsRefusedInsideATextBox)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginTextBox(doc, 1, 0, 0, 3000, 3000, 0, 0, 0, 10, 1), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelBeginFrame(doc, 1, 0, 0, 100, 100), 0);
    EXPECT_EQ(LastMessage(), "48 VelBeginFrame: " + kNeedsSectionOrHeader);
}

// A script run is a group of its own: a frame may neither open nor close
// while one is open, or the two groups' braces would cross.
TEST(Frame, ScriptRunMayNotCrossTheFrame)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginScriptStyle(doc, 1), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelBeginFrame(doc, 1, 0, 0, 100, 100), 0);
    EXPECT_EQ(LastMessage(), "59 VelBeginFrame: " + kNotInScriptRun);
    ASSERT_EQ(VelEndScriptStyle(doc), 1);
    ASSERT_EQ(VelBeginFrame(doc, 1, 0, 0, 100, 100), 1);
    ASSERT_EQ(VelBeginScriptStyle(doc, 0), 1);
    ASSERT_EQ(VelInsertText(doc, "2"), 1);
    EXPECT_EQ(VelEndFrame(doc), 0);
    EXPECT_EQ(LastMessage(), "59 VelEndFrame: " + kNotInScriptRun);
    ASSERT_EQ(VelEndScriptStyle(doc), 1);
    ASSERT_EQ(VelEndFrame(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd{\\super}\r\n{\\pvpg\\phpg\\posx0\\posy0\\absh100\\absw100" +
                                      kDistances + "{\\sub \r\n2}\\par}\r\n"));
}

TEST(Frame, NullDocumentGivesZero)
{
    EXPECT_EQ(VelBeginFrame(nullptr, 1, 0, 0, 1, 1), 0);
    EXPECT_EQ(VelEndFrame(nullptr), 0);
}

// A paragraph reset clears the frame's position words too: inside a frame
// they are written again, so the paragraph stays in the frame.
TEST(Frame, ParagraphResetKeepsTheParagraphInTheFrame)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginFrame(doc, 0, 10, 20, 300, 400), 1);
    ASSERT_EQ(VelInsertText(doc, "a\r\n"), 1);
    ASSERT_EQ(VelResetParaProp(doc), 1);
    ASSERT_EQ(VelInsertText(doc, "b"), 1);
    ASSERT_EQ(VelEndFrame(doc), 1);
    ASSERT_EQ(VelResetParaProp(doc), 1);  // outside the frame: \pard alone
    const std::string position = "\\pvpara\\phcol\\posx10\\posy20\\absh400\\absw300" + kDistances;
    // Both lines pass 100 characters, so the text starts a line of its own.
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{" + position + " \r\na\\par\r\n\\pard" + position +
                                      " \r\nb\\par}\r\n\\pard"));
}
