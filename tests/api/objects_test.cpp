// Frames, text boxes, rectangles and lines: their groups, the paragraph
// closed around them, objects inside one another, and the calls refused.
#include <gtest/gtest.h>

#include <climits>

#include "rtf_cases.h"

namespace {

// The words of the frames, text boxes, rectangles and lines drawn below.
const std::string kAt = "\\posx1440\\posy2880\\absh1440\\absw4320\\dxfrtext180\\dfrmtxtx180\\dfrmtxty0";
const std::string kPage = "{\\pvpg\\phpg" + kAt, kPara = "\\pvpara\\phcol" + kAt;
const std::string kOnPage = "{\\do\\dobypage\\dobxpage";
const std::string kBox = kOnPage + "\\dptxbx\\dptxbxmar40";
const std::string kBlack = "\\dplinesolid\\dplinecor0\\dplinecog0\\dplinecob0\\dplinew1";
const std::string kGeometry = "\\dpx0\\dpy0\\dpxsize10\\dpysize20" + kBlack;
const std::string kBlackFill = "\\dpfillbgcr0\\dpfillbgcg0\\dpfillbgcb0\\dpfillpat1}";
const std::string kWhite = "\\dpfillbgcr255\\dpfillbgcg255\\dpfillbgcb255\\dpfillpat1}";
const std::string kBoxEnd = "}" + kGeometry + kBlackFill;
const std::string kRect = kOnPage + "\\dprect" + kGeometry + kBlackFill;
const std::string kRow = "{\\trowd\\trgaph108\\trleft0\\clvertalt\\cellx2000\\intbl A\\cell\\row}";

int Frame(HVELDOC d) { return VelBeginFrame(d, 1, 1440, 2880, 4320, 1440); }
int ParaFrame(HVELDOC d) { return VelBeginFrame(d, 0, 1440, 2880, 4320, 1440); }
int Box(HVELDOC d) { return VelBeginTextBox(d, 1, 0, 0, 10, 20, 0, 0, 0, 1, 0); }
int Box2(HVELDOC d, int z, int rotation) { return VelBeginTextBox2(d, 1, 0, 0, 10, 20, z, 0, 0, 1, 0, rotation); }
int Rect(HVELDOC d) { return VelDrawRect(d, 1, 0, 0, 10, 20, 0, 0, 0, 1, 0); }
int Line(HVELDOC d) { return VelDrawLine(d, 1, 0, 0, 10, 20, 0, 0, 1); }
void InRow(HVELDOC d) { VelBeginTableRow(d, 0, 0, 0, 0, 108), VelNextCellInfo(d, 2000, 0, 0, 0xFFFFFF, 0, 0, 0, 0, 0); }
void Row(HVELDOC d) { InRow(d), VelBeginCellText(d), VelInsertText(d, "A"), VelEndCellText(d), VelEndTableRow(d); }

}  // namespace

TEST(Objects, Bodies)
{
    ExpectBodies({
        {"frame example: the open paragraph closed inside the group",
         [](HVELDOC d) { Frame(d), VelInsertText(d, "Hello"), VelEndFrame(d); }, "\\sectd" + kPage + " Hello\\par}"},
        {"paragraph frame in its column: \\par before it, none after an ended paragraph",
         [](HVELDOC d) { VelInsertText(d, "Open"), ParaFrame(d), VelInsertText(d, "x\r\n"), VelEndFrame(d); },
         "\\sectd Open\\par{" + kPara + " x\\par}"},
        {"a paragraph reset in a frame writes the frame's words again; outside it is \\pard alone",
         [](HVELDOC d) {
             ParaFrame(d), VelInsertText(d, "a\r\n"), VelResetParaProp(d), VelEndFrame(d), VelResetParaProp(d);
         },
         "\\sectd{" + kPara + " a\\par\\pard" + kPara + "}\\pard"},
        {"rectangle example", [](HVELDOC d) { VelDrawRect(d, 0, 100, 200, 3000, 1500, 0, 0xFFFFFF, 0, 15, 0); },
         "\\sectd{\\do\\dobypara\\dobxmargin\\dprect\\dpx100\\dpy200\\dpxsize3000\\dpysize1500\\dplinesolid"
         "\\dplinecor0\\dplinecog0\\dplinecob0\\dplinew15" + kWhite},
        {"line example", [](HVELDOC d) { VelDrawLine(d, 1, 1000, 2000, 500, 2500, 3, 0x0000FF, 20); },
         "\\sectd" + kOnPage + "\\dodhgt3\\dpline\\dpptx1000\\dppty2000\\dpptx500\\dppty2500\\dpx500\\dpy2000"
         "\\dpxsize500\\dpysize500\\dplinesolid\\dplinecor255\\dplinecog0\\dplinecob0\\dplinew20" + kWhite},
        {"width 0 hollow with its words, transparent keeps its fill color, 0xFF8040 with a high byte",
         [](HVELDOC d) { VelDrawRect(d, 1, 0, 0, 10, 20, 0, 0x00FF00, 0x12FF8040, 0, 1); },
         "\\sectd" + kOnPage + "\\dprect\\dpx0\\dpy0\\dpxsize10\\dpysize20\\dplinehollow\\dplinecor64"
         "\\dplinecog128\\dplinecob255\\dplinew0\\dpfillbgcr0\\dpfillbgcg255\\dpfillbgcb0\\dpfillpat0}"},
        {"a reversed and a horizontal line: points as given, a positive box",
         [](HVELDOC d) { VelDrawLine(d, 1, 30, 40, 10, 20, 0, 0, 1), VelDrawLine(d, 1, 0, 5, 10, 5, 0, 0, 1); },
         "\\sectd" + kOnPage + "\\dpline\\dpptx30\\dppty40\\dpptx10\\dppty20\\dpx10\\dpy20\\dpxsize20\\dpysize20" +
             kBlack + kWhite + kOnPage + "\\dpline\\dpptx0\\dppty5\\dpptx10\\dppty5\\dpx0\\dpy5\\dpxsize10\\dpysize0" +
             kBlack + kWhite},
        // The box of a line is computed in 64 bits and saturates rather than
        // wrapping round to a wrong size.
        {"64-bit line box", [](HVELDOC d) { VelDrawLine(d, 1, INT_MAX, INT_MIN, INT_MIN, INT_MAX, 0, 0, 1); },
         "\\sectd" + kOnPage + "\\dpline\\dpptx2147483647\\dppty-2147483648\\dpptx-2147483648\\dppty2147483647"
         "\\dpx-2147483648\\dpy-2147483648\\dpxsize2147483647\\dpysize2147483647" + kBlack + kWhite},
        {"rotation 270 and 180; zOrder -1 writes no \\dodhgt",
         [](HVELDOC d) { Box2(d, 0, 270), VelEndTextBox(d), Box2(d, -1, 180), VelEndTextBox(d); },
         "\\sectd" + kBox + "\\dptxtbrl{\\dptxbxtext" + kBoxEnd + kBox + "{\\dptxbxtext" + kBoxEnd},
        {"paragraph closed before a box, the box's own left as written, none after it",
         [](HVELDOC d) { VelInsertText(d, "Before"), Box(d), VelInsertText(d, "In"), VelEndTextBox(d), Rect(d); },
         "\\sectd Before\\par" + kBox + "{\\dptxbxtext In" + kBoxEnd + kRect},
        {"a table in a frame, and in a text box in a frame",
         [](HVELDOC d) { Frame(d), Row(d), Box(d), Row(d), VelEndTextBox(d), VelEndFrame(d); },
         "\\sectd" + kPage + kRow + kBox + "{\\dptxbxtext" + kRow + kBoxEnd + "}"},
        {"a text box and a rectangle in a footer, a frame in a header",
         [](HVELDOC d) { VelBeginHdrFtr(d, HF_FOOTER), Box(d), VelInsertText(d, "Boxed\r\n"), VelEndTextBox(d);
             Rect(d), VelEndHdrFtr(d), VelBeginHdrFtr(d, HF_HEADER), Frame(d), VelInsertText(d, "Framed");
             VelEndFrame(d), VelEndHdrFtr(d), VelInsertText(d, "Body\r\n"); },
         "\\sectd{\\footer" + kBox + "{\\dptxbxtext Boxed\\par" + kBoxEnd + kRect + "}{\\header" + kPage +
             " Framed\\par}}Body\\par"},
    });
    // The text box example with the writer's line breaks.
    TestDoc doc;
    VelBeginTextBox2(doc, 1, 1440, 1440, 2880, 1440, 0, 0xFFFFFF, 0x0000FF, 10, 1, 90);
    VelInsertText(doc, "Up\r\n"), VelEndTextBox(doc);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n" + kBox + "\\dptxbtlr{\\dptxbxtext Up\\par\r\n}\\dpx1440\\dpy1440"
                                      "\\dpxsize2880\\dpysize1440\\dplinesolid\\dplinecor255\\dplinecog0\\dplinecob0"
                                      "\\dplinew10\\dpfillbgcr255\\dpfillbgcg255\\dpfillbgcb255\\dpfillpat0\r\n}\r\n"));
}

TEST(Objects, Refusals)
{
    ExpectRefusals({
        {"frame in a row", InRow, Frame, 48, "VelBeginFrame"},
        {"text box in a row", InRow, Box, 48, "VelBeginTextBox"},
        {"rectangle in a row", InRow, Rect, 48, "VelDrawRect"},
        {"second frame", Frame, Frame, 48, "VelBeginFrame"},
        {"rectangle in a frame", Frame, Rect, 48, "VelDrawRect"},
        {"line in a frame", Frame, Line, 48, "VelDrawLine"},
        {"frame in a text box", Box, Frame, 48, "VelBeginFrame"},
        {"text box in a text box", Box, [](HVELDOC d) { return Box2(d, 0, 90); }, 48, "VelBeginTextBox"},
        {"rectangle in a text box", Box, Rect, 48, "VelDrawRect"},
        {"rectangle in the stylesheet", [](HVELDOC d) { VelBeginStyleSheet(d); }, Rect, 48, "VelDrawRect"},
        {"end of a frame with a row open", [](HVELDOC d) { Frame(d), InRow(d); }, VelEndFrame, 48, "VelEndFrame"},
        {"end of a frame with a text box open", [](HVELDOC d) { Frame(d), Box(d); }, VelEndFrame, 48, "VelEndFrame"},
        {"end of a text box with a row open", [](HVELDOC d) { Box(d), InRow(d); }, VelEndTextBox, 48, "VelEndTextBox"},
        // A script run is a group of its own: an object's braces would cross it.
        {"frame in a script run", [](HVELDOC d) { VelBeginScriptStyle(d, 1); }, Frame, 59, "VelBeginFrame"},
        {"frame end in a run", [](HVELDOC d) { Frame(d), VelBeginScriptStyle(d, 0); }, VelEndFrame, 59, "VelEndFrame"},
        {"box in a script run", [](HVELDOC d) { VelBeginScriptStyle(d, 1); }, Box, 59, "VelBeginTextBox"},
        {"box end in a run", [](HVELDOC d) { Box(d), VelBeginScriptStyle(d, 0); }, VelEndTextBox, 59, "VelEndTextBox"},
        {"footer ended in a text box", [](HVELDOC d) { VelBeginHdrFtr(d, HF_FOOTER), Box(d); }, VelEndHdrFtr, 44,
         "VelEndHdrFtr"},
        {"no document", [](HVELDOC) {},
         [](HVELDOC) {
             return Frame(nullptr) + VelEndFrame(nullptr) + Box(nullptr) + Box2(nullptr, 0, 0) +
                    VelEndTextBox(nullptr) + Rect(nullptr) + Line(nullptr);
         },
         0, ""},
    });
    // Nothing to end: the text names the call that opens it.
    TestDoc doc;
    EXPECT_EQ((VelEndFrame(doc), LastMessage()), "48 VelEndFrame: " + Needs({"VelBeginFrame()        Begin Frame"}));
    EXPECT_EQ((VelEndTextBox(doc), LastMessage()),
              "48 VelEndTextBox: " + Needs({"VelBeginTextBox()      Begin Text Box"}));
}
