// Text boxes, rectangles and lines: their drawing-object groups, the values
// kept for a text box until it closes, and the calls refused around them.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "rtf_body.h"
#include "rtf_test.h"

namespace {

const std::string kNotInScriptRun =
    "This function not allowed between VelBeginScriptStyle() and VelEndScriptStyle";

const std::string kSectText = "\\sectd\r\n";

const std::string kNeedsSectionOrHeader =
    "This function is valid only if one of the following function(s) has been already called:\n\n"
    "VelBeginSectText()     Begin Section Text,\n"
    "VelBeginHdrFtr()       Begin Header/Footer.";

const std::string kNeedsTextBox =
    "This function is valid only if one of the following function(s) has been already called:\n\n"
    "VelBeginTextBox()      Begin Text Box.";

// The flat body of a document whose only content is `body` after its
// section.
std::string FlatDocument(const std::string& body)
{
    return "\\sectd" + body + "}";
}

const std::string kWhiteFill = "\\dpfillbgcr255\\dpfillbgcg255\\dpfillbgcb255\\dpfillpat1";

}  // namespace

// ---- The worked examples, with the writer's line breaks --------------------

TEST(Drawing, RectangleAnchoredToTheParagraph)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginSectText(doc), 1);
    ASSERT_EQ(VelDrawRect(doc, 0, 100, 200, 3000, 1500, 0, 0xFFFFFF, 0x000000, 15, 0), 1);
    EXPECT_EQ(SavedRtf(doc),
              Document(kSectText +
                       "{\\do\\dobypara\\dobxmargin\\dprect\\dpx100\\dpy200\\dpxsize3000\\dpysize1500\\dplinesolid"
                       "\\dplinecor0\\dplinecog0\\dplinecob0\\dplinew15\\dpfillbgcr255\\dpfillbgcg255\r\n"
                       "\\dpfillbgcb255\\dpfillpat1}\r\n"));
}

TEST(Drawing, LineAnchoredToThePage)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginSectText(doc), 1);
    ASSERT_EQ(VelDrawLine(doc, 1, 1000, 2000, 500, 2500, 3, 0x0000FF, 20), 1);
    EXPECT_EQ(SavedRtf(doc),
              Document(kSectText +
                       "{\\do\\dobypage\\dobxpage\\dodhgt3\\dpline\\dpptx1000\\dppty2000\\dpptx500\\dppty2500\\dpx500"
                       "\\dpy2000\\dpxsize500\\dpysize500\\dplinesolid\\dplinecor255\\dplinecog0\\dplinecob0\r\n"
                       "\\dplinew20" + kWhiteFill + "}\r\n"));
}

TEST(Drawing, RotatedTransparentTextBox)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginSectText(doc), 1);
    ASSERT_EQ(VelBeginTextBox2(doc, 1, 1440, 1440, 2880, 1440, 0, 0xFFFFFF, 0x0000FF, 10, 1, 90), 1);
    ASSERT_EQ(VelInsertText(doc, "Up\r\n"), 1);
    ASSERT_EQ(VelEndTextBox(doc), 1);
    EXPECT_EQ(SavedRtf(doc),
              Document(kSectText + "{\\do\\dobypage\\dobxpage\\dptxbx\\dptxbxmar40\\dptxbtlr{\\dptxbxtext Up\\par\r\n"
                                   "}\\dpx1440\\dpy1440\\dpxsize2880\\dpysize1440\\dplinesolid\\dplinecor255"
                                   "\\dplinecog0\\dplinecob0\\dplinew10\\dpfillbgcr255\\dpfillbgcg255\\dpfillbgcb255"
                                   "\\dpfillpat0\r\n}\r\n"));
}

// ---- Line and fill words ---------------------------------------------------

TEST(Drawing, NoOutlineStillWritesItsWords)
{
    TestDoc doc;
    ASSERT_EQ(VelDrawRect(doc, 1, 0, 0, 10, 10, 0, 0x000000, 0x808080, 0, 0), 1);
    ASSERT_EQ(VelDrawLine(doc, 1, 0, 0, 10, 10, 0, 0x808080, -5), 1);
    EXPECT_EQ(FlatBody(doc),
              FlatDocument("{\\do\\dobypage\\dobxpage\\dprect\\dpx0\\dpy0\\dpxsize10\\dpysize10\\dplinehollow"
                                "\\dplinecor128\\dplinecog128\\dplinecob128\\dplinew0\\dpfillbgcr0\\dpfillbgcg0"
                                "\\dpfillbgcb0\\dpfillpat1}"
                                "{\\do\\dobypage\\dobxpage\\dpline\\dpptx0\\dppty0\\dpptx10\\dppty10\\dpx0\\dpy0"
                                "\\dpxsize10\\dpysize10\\dplinehollow\\dplinecor128\\dplinecog128\\dplinecob128"
                                "\\dplinew-5" + kWhiteFill + "}"));
}

TEST(Drawing, TransparentRectangleKeepsItsFillColor)
{
    TestDoc doc;
    ASSERT_EQ(VelDrawRect(doc, 1, 0, 0, 10, 10, 0, 0x00FF00, 0, 1, 7), 1);
    EXPECT_NE(FlatBody(doc).find("\\dpfillbgcr0\\dpfillbgcg255\\dpfillbgcb0\\dpfillpat0}"), std::string::npos);
}

TEST(Drawing, ColorBytesRedFirstAndTheHighByteIgnored)
{
    TestDoc doc;
    ASSERT_EQ(VelDrawLine(doc, 1, 0, 0, 1, 1, 0, 0xFF8040, 1), 1);
    ASSERT_EQ(VelDrawRect(doc, 1, 0, 0, 1, 1, 0, 0x12FF8040u, 0xFF000000u, 1, 0), 1);
    std::string rtf = FlatBody(doc);
    EXPECT_NE(rtf.find("\\dplinecor64\\dplinecog128\\dplinecob255\\dplinew1"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\dplinecor0\\dplinecog0\\dplinecob0\\dplinew1\\dpfillbgcr64\\dpfillbgcg128\\dpfillbgcb255"),
              std::string::npos)
        << rtf;
}

TEST(Drawing, ZOrderOnlyAboveZero)
{
    TestDoc doc;
    ASSERT_EQ(VelDrawRect(doc, 0, 0, 0, 1, 1, 0, 0, 0, 1, 0), 1);
    ASSERT_EQ(VelDrawRect(doc, 0, 0, 0, 1, 1, -4, 0, 0, 1, 0), 1);
    ASSERT_EQ(VelBeginTextBox(doc, 0, 0, 0, 1, 1, 1, 0, 0, 1, 0), 1);
    ASSERT_EQ(VelEndTextBox(doc), 1);
    std::string rtf = FlatBody(doc);
    EXPECT_EQ(rtf.find("\\dodhgt"), rtf.find("\\dodhgt1\\dptxbx")) << rtf;
}

// ---- Lines -----------------------------------------------------------------

TEST(Drawing, BackwardLineKeepsItsPointsAndGetsAPositiveBox)
{
    TestDoc doc;
    ASSERT_EQ(VelDrawLine(doc, 0, 3000, 4000, 1000, 2000, 0, 0, 10), 1);
    EXPECT_NE(FlatBody(doc).find("\\dpline\\dpptx3000\\dppty4000\\dpptx1000\\dppty2000"
                                  "\\dpx1000\\dpy2000\\dpxsize2000\\dpysize2000\\dplinesolid"),
              std::string::npos);
}

TEST(Drawing, HorizontalAndVerticalLines)
{
    TestDoc doc;
    ASSERT_EQ(VelDrawLine(doc, 0, 100, 500, 900, 500, 0, 0, 10), 1);
    ASSERT_EQ(VelDrawLine(doc, 0, 700, 900, 700, 100, 0, 0, 10), 1);
    std::string rtf = FlatBody(doc);
    EXPECT_NE(rtf.find("\\dpx100\\dpy500\\dpxsize800\\dpysize0\\"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\dpx700\\dpy100\\dpxsize0\\dpysize800\\"), std::string::npos) << rtf;
}

// A distance beyond the largest parameter is written as the largest,
// instead of wrapping round to a wrong size.
TEST(Drawing, LineAcrossTheWholeRangeSaturates)
{
    TestDoc doc;
    ASSERT_EQ(VelDrawLine(doc, 1, INT_MAX, INT_MIN, INT_MIN, INT_MAX, 0, 0, 1), 1);
    EXPECT_NE(FlatBody(doc).find("\\dpx-2147483648\\dpy-2147483648\\dpxsize2147483647\\dpysize2147483647\\"),
              std::string::npos);
}

// ---- Text boxes --------------------------------------------------------------

TEST(Drawing, TextBoxDirections)
{
    const struct {
        int rotation;
        const char* word;
    } cases[] = {{0, ""}, {90, "\\dptxbtlr"}, {180, ""}, {270, "\\dptxtbrl"}, {-90, ""}};
    for (const auto& c : cases) {
        TestDoc doc;
        ASSERT_EQ(VelBeginTextBox2(doc, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0, c.rotation), 1);
        EXPECT_NE(FlatBody(doc).find(std::string("\\dptxbxmar40") + c.word + "{\\dptxbxtext"), std::string::npos)
            << c.rotation;
    }
}

TEST(Drawing, PlainTextBoxIsRotationZero)
{
    TestDoc a;
    TestDoc b;
    ASSERT_EQ(VelBeginTextBox(a, 0, 5, 6, 7, 8, 9, 0x010203, 0x040506, 2, 0), 1);
    ASSERT_EQ(VelBeginTextBox2(b, 0, 5, 6, 7, 8, 9, 0x010203, 0x040506, 2, 0, 0), 1);
    ASSERT_EQ(VelEndTextBox(a), 1);
    ASSERT_EQ(VelEndTextBox(b), 1);
    EXPECT_EQ(SavedRtf(a), SavedRtf(b));
    EXPECT_EQ(FlatBody(a),
              FlatDocument("{\\do\\dobypara\\dobxmargin\\dodhgt9\\dptxbx\\dptxbxmar40{\\dptxbxtext}\\dpx5\\dpy6"
                                "\\dpxsize7\\dpysize8\\dplinesolid\\dplinecor6\\dplinecog5\\dplinecob4\\dplinew2"
                                "\\dpfillbgcr3\\dpfillbgcg2\\dpfillbgcb1\\dpfillpat1}"));
}

// The box's own last paragraph is left as the host wrote it; the paragraph
// around the box was closed before it, and stays closed after it.
TEST(Drawing, TextBoxParagraphs)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "Before"), 1);
    ASSERT_EQ(VelBeginTextBox(doc, 0, 0, 0, 1, 1, 0, 0, 0, 1, 0), 1);
    ASSERT_EQ(VelInsertText(doc, "Inside"), 1);
    ASSERT_EQ(VelEndTextBox(doc), 1);
    ASSERT_EQ(VelDrawRect(doc, 0, 0, 0, 1, 1, 0, 0, 0, 1, 0), 1);
    std::string rtf = FlatBody(doc);
    EXPECT_NE(rtf.find("\\sectd Before\\par{\\do"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\dptxbxtext Inside}\\dpx0"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\dpfillpat1}{\\do\\dobypara"), std::string::npos) << rtf;
}

TEST(Drawing, EachTextBoxWritesItsOwnValues)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginTextBox(doc, 1, 11, 12, 13, 14, 0, 0, 0, 1, 0), 1);
    ASSERT_EQ(VelEndTextBox(doc), 1);
    ASSERT_EQ(VelBeginTextBox(doc, 1, 21, 22, 23, 24, 0, 0xFFFFFF, 0xFFFFFF, 0, 1), 1);
    ASSERT_EQ(VelEndTextBox(doc), 1);
    std::string rtf = FlatBody(doc);
    EXPECT_NE(rtf.find("\\dpx11\\dpy12\\dpxsize13\\dpysize14\\dplinesolid\\dplinecor0"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\dpx21\\dpy22\\dpxsize23\\dpysize24\\dplinehollow\\dplinecor255"), std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("\\dpfillbgcb255\\dpfillpat0}"), std::string::npos) << rtf;
}

TEST(Drawing, ObjectsOpenTheSectionByThemselves)
{
    for (int which = 0; which < 3; ++which) {
        TestDoc doc;
        int ok = which == 0   ? VelDrawRect(doc, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0)
                 : which == 1 ? VelDrawLine(doc, 1, 0, 0, 1, 1, 0, 0, 1)
                              : VelBeginTextBox(doc, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0);
        ASSERT_EQ(ok, 1);
        EXPECT_EQ(SavedRtf(doc).rfind(kHead + kPrologue + "\\sectd\r\n{\\do", 0), 0u) << which;
    }
}

// ---- Refusals ----------------------------------------------------------------

TEST(Drawing, NothingIsDrawnInsideAFrame)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginFrame(doc, 1, 0, 0, 3000, 3000), 1);
    ASSERT_EQ(VelInsertText(doc, "in the frame"), 1);
    std::string before = SavedRtf(doc);
    VelResetLastMessage();
    EXPECT_EQ(VelDrawRect(doc, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0), 0);
    EXPECT_EQ(LastMessage(), "48 VelDrawRect: " + kNeedsSectionOrHeader);
    VelResetLastMessage();
    EXPECT_EQ(VelDrawLine(doc, 1, 0, 0, 1, 1, 0, 0, 1), 0);
    EXPECT_EQ(LastMessage(), "48 VelDrawLine: " + kNeedsSectionOrHeader);
    EXPECT_EQ(SavedRtf(doc), before);  // not even the paragraph mark
    // A text box may stand in a frame.
    EXPECT_EQ(VelBeginTextBox(doc, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0), 1);
}

TEST(Drawing, NothingIsDrawnOrNestedInsideATextBox)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginTextBox(doc, 1, 0, 0, 1000, 1000, 0, 0, 0, 1, 0), 1);
    ASSERT_EQ(VelInsertText(doc, "in the box"), 1);
    std::string before = SavedRtf(doc);
    VelResetLastMessage();
    EXPECT_EQ(VelBeginTextBox(doc, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0), 0);
    EXPECT_EQ(LastMessage(), "48 VelBeginTextBox: " + kNeedsSectionOrHeader);
    VelResetLastMessage();
    EXPECT_EQ(VelBeginTextBox2(doc, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0, 90), 0);
    EXPECT_EQ(LastMessage(), "48 VelBeginTextBox: " + kNeedsSectionOrHeader);
    VelResetLastMessage();
    EXPECT_EQ(VelDrawRect(doc, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0), 0);
    EXPECT_EQ(LastMessage(), "48 VelDrawRect: " + kNeedsSectionOrHeader);
    VelResetLastMessage();
    EXPECT_EQ(VelDrawLine(doc, 1, 0, 0, 1, 1, 0, 0, 1), 0);
    EXPECT_EQ(LastMessage(), "48 VelDrawLine: " + kNeedsSectionOrHeader);
    EXPECT_EQ(SavedRtf(doc), before);
    // The first box's values survive the refused ones.
    ASSERT_EQ(VelEndTextBox(doc), 1);
    EXPECT_NE(FlatBody(doc).find("{\\dptxbxtext in the box}\\dpx0\\dpy0\\dpxsize1000\\dpysize1000"),
              std::string::npos);
}

TEST(Drawing, EndWithoutTextBoxIsRefused)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "x"), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelEndTextBox(doc), 0);
    EXPECT_EQ(LastMessage(), "48 VelEndTextBox: " + kNeedsTextBox);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd x"));
}

TEST(Drawing, ScriptRunMayNotCrossATextBox)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginScriptStyle(doc, 1), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelBeginTextBox(doc, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0), 0);
    EXPECT_EQ(LastMessage(), "59 VelBeginTextBox: " + kNotInScriptRun);
    // Rectangles and lines are whole groups: they may stand in a run.
    EXPECT_EQ(VelDrawRect(doc, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0), 1);
    ASSERT_EQ(VelEndScriptStyle(doc), 1);
    ASSERT_EQ(VelBeginTextBox(doc, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0), 1);
    ASSERT_EQ(VelBeginScriptStyle(doc, 1), 1);
    EXPECT_EQ(VelEndTextBox(doc), 0);
    EXPECT_EQ(LastMessage(), "59 VelEndTextBox: " + kNotInScriptRun);
    ASSERT_EQ(VelEndScriptStyle(doc), 1);
    EXPECT_EQ(VelEndTextBox(doc), 1);
}

TEST(Drawing, NullDocumentGivesZero)
{
    EXPECT_EQ(VelBeginTextBox(nullptr, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0), 0);
    EXPECT_EQ(VelBeginTextBox2(nullptr, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0, 90), 0);
    EXPECT_EQ(VelEndTextBox(nullptr), 0);
    EXPECT_EQ(VelDrawRect(nullptr, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0), 0);
    EXPECT_EQ(VelDrawLine(nullptr, 1, 0, 0, 1, 1, 0, 0, 1), 0);
}
