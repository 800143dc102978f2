// Frames, text boxes and drawing objects with the test seams: every failed
// allocation undone, the refusals that depend on a table row or a header
// being open, and the chain of reports a refused call makes.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/document.h"
#include "core/sequence.h"
#include "rtf_test.h"
#include "seam_test.h"

namespace {

const std::string kNeedsSectionOrHeader =
    "This function is valid only if one of the following function(s) has been already called:\n\n"
    "VelBeginSectText()     Begin Section Text,\n"
    "VelBeginHdrFtr()       Begin Header/Footer.";

// Shows reports as captured boxes for the length of a test.
struct ShowReports {
    ShowReports()
    {
        VelSetFlags(nullptr, 0, DOCFLAG_QUIET);
        ClearBoxes();
    }
    ~ShowReports() { VelSetFlags(nullptr, 1, DOCFLAG_QUIET); }
};

// Fills the body up to a few bytes short of its capacity and leaves a long
// run of words pending, so that the operation's first flush must grow the
// body.
void NearlyFull(HVELDOC doc)
{
    RtfStream* s = doc->Stream;
    while (s->BodyCapacity - s->BodyLength > 12) {
        int room = s->BodyCapacity - s->BodyLength;
        std::string line(room > 70 ? 60 : static_cast<size_t>(room - 12), 'a');
        VelInsertRaw(doc, line.c_str());
    }
    VelInsertRaw(doc, "");
    for (int i = 0; i < 16; ++i) VelInsertControl(doc, "cellx", 1, 1000);
}

// Section text with an open paragraph, then a nearly full body.
void OpenParagraphNearlyFull(HVELDOC doc)
{
    VelInsertText(doc, "open paragraph");
    NearlyFull(doc);
}

int Rect(HVELDOC d)
{
    return VelDrawRect(d, 0, 100, 200, 3000, 1500, 2, 0xFF8040, 0x000000, 15, 0);
}

int Line(HVELDOC d)
{
    return VelDrawLine(d, 1, 1000, 2000, 500, 2500, 3, 0x0000FF, 20);
}

int TextBox(HVELDOC d)
{
    return VelBeginTextBox2(d, 1, 1440, 1440, 2880, 1440, 4, 0xFFFFFF, 0x0000FF, 10, 1, 270);
}

int Frame(HVELDOC d)
{
    return VelBeginFrame(d, 0, 1440, 2880, 4320, 1440);
}

// Each refused call writes nothing, leaves the state alone and reports 48
// under its own caption.
void ExpectRefused(HVELDOC doc, const std::function<int(HVELDOC)>& call, const std::string& caption,
                   const std::string& message)
{
    std::string before = SavedRtf(doc);
    unsigned state = doc->SeqState;
    VelResetLastMessage();
    EXPECT_EQ(call(doc), 0) << caption;
    EXPECT_EQ(LastMessage(), "48 " + caption + ": " + message);
    EXPECT_EQ(SavedRtf(doc), before) << caption;
    EXPECT_EQ(doc->SeqState, state) << caption;
}

}  // namespace

// ---- Failed allocations ------------------------------------------------------

TEST(ObjectsUnit, FailedAllocationsAreUndone)
{
    // The section that the call opens by itself is undone with it.
    EXPECT_GE(SweepAllocationFailures(NearlyFull, Frame), 1);
    EXPECT_GE(SweepAllocationFailures(OpenParagraphNearlyFull, Frame), 1);
    EXPECT_GE(SweepAllocationFailures(OpenParagraphNearlyFull, Rect), 1);
    EXPECT_GE(SweepAllocationFailures(OpenParagraphNearlyFull, Line), 1);
    EXPECT_GE(SweepAllocationFailures(OpenParagraphNearlyFull, TextBox), 1);
    EXPECT_GE(SweepAllocationFailures(
                  [](HVELDOC d) {
                      Frame(d);
                      OpenParagraphNearlyFull(d);
                  },
                  VelEndFrame),
              1);
    EXPECT_GE(SweepAllocationFailures(
                  [](HVELDOC d) {
                      TextBox(d);
                      OpenParagraphNearlyFull(d);
                  },
                  VelEndTextBox),
              1);
    // A text box inside a frame, closed when the body must grow.
    EXPECT_GE(SweepAllocationFailures(
                  [](HVELDOC d) {
                      Frame(d);
                      VelInsertText(d, "frame text");
                      TextBox(d);
                      NearlyFull(d);
                  },
                  VelEndTextBox),
              1);
}

// ---- States the public calls of other families lead to -----------------------

// A table row: nothing positioned may open or be drawn in it.
TEST(ObjectsUnit, RefusedInsideATableRow)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginSectText(doc), 1);
    doc.get()->SeqState |= SEQ_TABLE_ROW | SEQ_CELL_TEXT;
    ExpectRefused(doc, Frame, "VelBeginFrame", kNeedsSectionOrHeader);
    ExpectRefused(doc, TextBox, "VelBeginTextBox", kNeedsSectionOrHeader);
    ExpectRefused(doc, Rect, "VelDrawRect", kNeedsSectionOrHeader);
    ExpectRefused(doc, Line, "VelDrawLine", kNeedsSectionOrHeader);
}

// A row begun inside a frame or text box must end before the object does.
TEST(ObjectsUnit, RowInsideMustEndFirst)
{
    TestDoc doc;
    ASSERT_EQ(Frame(doc), 1);
    doc.get()->SeqState |= SEQ_TABLE_ROW;
    ExpectRefused(doc, VelEndFrame, "VelEndFrame",
                  "This function is valid only if one of the following function(s) has been already called:\n\n"
                  "VelBeginFrame()        Begin Frame.");
    doc.get()->SeqState &= ~SEQ_TABLE_ROW;
    ASSERT_EQ(VelEndFrame(doc), 1);

    ASSERT_EQ(TextBox(doc), 1);
    doc.get()->SeqState |= SEQ_TABLE_ROW;
    ExpectRefused(doc, VelEndTextBox, "VelEndTextBox",
                  "This function is valid only if one of the following function(s) has been already called:\n\n"
                  "VelBeginTextBox()      Begin Text Box.");
    doc.get()->SeqState &= ~SEQ_TABLE_ROW;
    EXPECT_EQ(VelEndTextBox(doc), 1);
}

// A header or footer takes the place of section text.
TEST(ObjectsUnit, AcceptedInAHeader)
{
    TestDoc doc;
    ASSERT_EQ(VelInitSect(doc), 1);
    ASSERT_EQ(VelInsertRaw(doc, "{\\header "), 1);
    doc.get()->SeqState |= SEQ_HDR_FTR;
    EXPECT_EQ(Frame(doc), 1);
    EXPECT_EQ(VelInsertText(doc, "framed"), 1);
    EXPECT_EQ(VelEndFrame(doc), 1);
    EXPECT_EQ(TextBox(doc), 1);
    EXPECT_EQ(VelEndTextBox(doc), 1);
    EXPECT_EQ(Rect(doc), 1);
    EXPECT_EQ(Line(doc), 1);
    // No section text was begun on the way.
    EXPECT_EQ(doc.get()->SeqState, SEQ_SECT_INIT | SEQ_HDR_FTR);
    std::string rtf = SavedRtf(doc);
    EXPECT_EQ(rtf.rfind(kHead + kPrologue + "\\sectd\r\n{\\header {\\pvpara\\phcol", 0), 0u) << rtf;
}

// Neither section text nor a header can be open while the stylesheet is.
TEST(ObjectsUnit, RefusedInTheStylesheet)
{
    TestDoc doc;
    doc.get()->SeqState = SEQ_STYLESHEET;
    std::string before = SavedRtf(doc);
    VelResetLastMessage();
    EXPECT_EQ(Rect(doc), 0);
    EXPECT_EQ(LastMessage(), "48 VelDrawRect: " + kNeedsSectionOrHeader);
    EXPECT_EQ(SavedRtf(doc), before);
}

// ---- Chains of reports -------------------------------------------------------

TEST(ObjectsUnit, SecondFrameReportsThreeTimes)
{
    ShowReports show;
    TestDoc doc;
    ASSERT_EQ(VelBeginSectText(doc), 1);
    ASSERT_EQ(Frame(doc), 1);
    ClearBoxes();
    EXPECT_EQ(Frame(doc), 0);
    std::vector<ShownBox> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].caption, "VelInitSect");
    EXPECT_EQ(boxes[0].text, "This function not allowed after calling VelBeginSectText()");
    EXPECT_EQ(boxes[1].caption, "VelBeginSectText");
    EXPECT_EQ(boxes[1].text,
              "This function is valid only if one of the following function(s) has been already called:\n\n"
              "VelInitSect()          Initialize Section.");
    EXPECT_EQ(boxes[2].caption, "VelBeginFrame");
    EXPECT_EQ(boxes[2].text, kNeedsSectionOrHeader);
}

TEST(ObjectsUnit, OneMessageShowsOnlyTheFirstOfTheChain)
{
    ShowReports show;
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_ONE_MESSAGE);
    ASSERT_EQ(TextBox(doc), 1);
    ClearBoxes();
    EXPECT_EQ(Rect(doc), 0);
    std::vector<ShownBox> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "VelInitSect");
}
