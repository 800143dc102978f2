// Tables: rows, cell definitions, cell texts, row ends and nested tables,
// as exact RTF through the public API.
#include <gtest/gtest.h>

#include "rtf_cases.h"

namespace {

// A top-aligned cell without shading, background, borders or merge.
int Cell(HVELDOC doc, int width)
{
    return VelNextCellInfo(doc, width, CELL_VALIGN_TOP, 0, 0xFFFFFF, 0, 0, 0, 0, 0);
}

int Text(HVELDOC doc, const char* text)
{
    return VelBeginCellText(doc) && VelInsertText(doc, text) && VelEndCellText(doc);
}

// A row of cells of `width`, each holding one of `texts`.
int Row(HVELDOC doc, int width, std::initializer_list<const char*> texts, int margin = 108)
{
    int ok = VelBeginTableRow(doc, 0, 0, 0, 0, margin);
    for (size_t i = 0; i < texts.size(); ++i) ok = ok && Cell(doc, width);
    for (const char* text : texts) ok = ok && Text(doc, text);
    return ok && VelEndTableRow(doc);
}

}  // namespace

// Line by line: the row starts a line, and so does every cell text.
TEST(Tables, OneLevelLineByLine)
{
    TestDoc doc;
    ASSERT_EQ(Row(doc, 2000, {"A", "B"}), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n"
                                      "{\\trowd\\trgaph108\\trleft0\\clvertalt\\cellx2000\\clvertalt\\cellx4000\r\n"
                                      "\\intbl A\\cell\r\n"
                                      "\\intbl B\\cell\r\n"
                                      "\\row}\r\n"));
    EXPECT_FALSE(VelBeginTableRow2(nullptr, 0, 0, 0, 0, 0, 0, 0, 0) || Cell(nullptr, 1) || VelBeginCellText(nullptr) ||
                 VelEndCellText(nullptr) || VelEndTableRow(nullptr));  // a null document
}

TEST(Tables, Bodies)
{
    const std::string nestedEnd = "\\nestcell{\\nonesttables\\par}{{\\*\\nesttableprops\\trowd";
    ExpectBodies({
        // Red becomes color 0.
        {"row and cells",
         [](HVELDOC d) {
             VelBeginTableRow(d, 0, 0, ROW_CENTER, 0, 108);
             VelNextCellInfo2(d, 2000, CELL_VALIGN_CENTER, 25, 0xFFFFFF, 10, 10, 10, 10, 0x0000FF, 0);
             VelNextCellInfo(d, 3000, 0, 0, 0xFFFFFF, 0, 0, 0, 0, 0);
         },
         "\\sectd{\\trowd\\trqc\\trgaph108\\trleft0\\clvertalc\\clbrdrt\\brdrs\\brdrw10\\brdrcf0\\clbrdrb\\brdrs"
         "\\brdrw10\\brdrcf0\\clbrdrl\\brdrs\\brdrw10\\brdrcf0\\clbrdrr\\brdrs\\brdrw10\\brdrcf0\\clshdng2500"
         "\\cellx2000\\clvertalt\\cellx5000}"},
        // The nested row closes the paragraph of B first.
        {"two levels",
         [](HVELDOC d) {
             VelBeginTableRow(d, 0, 0, 0, 0, 108), Cell(d, 3000), Cell(d, 3000), Text(d, "A"), VelBeginCellText(d);
             VelInsertText(d, "B"), Row(d, 1500, {"E", "F"}), VelEndCellText(d), VelEndTableRow(d);
         },
         "\\sectd{\\trowd\\trgaph108\\trleft0\\clvertalt\\cellx3000\\clvertalt\\cellx6000\\intbl A\\cell\\intbl B\\par"
         "\\intbl\\itap2 E\\nestcell{\\nonesttables\\par}\\intbl\\itap2 F" + nestedEnd + "\\trgaph108\\trleft0"
         "\\clvertalt\\cellx1500\\clvertalt\\cellx3000\\nestrow}{\\nonesttables\\par}}\\pard\\intbl\\cell\\row}"},
        // The second outer cell opens a row at once: the \cell before it
        // ended the paragraph, so no \par comes first. A nested row writes
        // nothing when declared; its definitions, colors included, at its end.
        {"nested twice",
         [](HVELDOC d) {
             VelBeginTableRow(d, 0, 0, 0, 0, 108), Cell(d, 3000), Cell(d, 3000), Text(d, "A"), VelBeginCellText(d);
             VelBeginTableRow2(d, 100, 500, ROW_CENTER, 1, 1, 2, 0, -4);
             VelNextCellInfo3(d, 4000, 1, 20, 0x00FF00, 5, 5, 5, 5, 0xFF0000, CELL_HMERGE_FIRST, 90);
             VelBeginCellText(d), Row(d, 1000, {"X"}), VelInsertText(d, "after"), VelEndCellText(d);
             VelEndTableRow(d), VelEndCellText(d), VelEndTableRow(d);
         },
         "\\sectd{\\trowd\\trgaph108\\trleft0\\clvertalt\\cellx3000\\clvertalt\\cellx6000\\intbl A\\cell\\intbl"
         "\\intbl\\itap2\\intbl\\itap3 X" + nestedEnd + "\\trgaph108\\trleft0\\clvertalt\\cellx1000\\nestrow}"
         "{\\nonesttables\\par}}\\pard\\intbl\\itap2after" + nestedEnd + "\\trqc\\trpaddl1\\trpaddfl3\\trpaddr2"
         "\\trpaddfr3\\trpaddt0\\trpaddft3\\trpaddb-4\\trpaddfb3\\trleft100\\trrh500\\trhdr\\clvertalc\\clmgf\\clbrdrt"
         "\\brdrs\\brdrw5\\brdrcf0\\clbrdrb\\brdrs\\brdrw5\\brdrcf0\\clbrdrl\\brdrs\\brdrw5\\brdrcf0\\clbrdrr\\brdrs"
         "\\brdrw5\\brdrcf0\\clshdng2000\\clcbpat1\\cltxbtlr\\cellx4100\\nestrow}{\\nonesttables\\par}}\\pard\\intbl"
         "\\cell\\row}"},
        // No margin is a gap of 60; both alignments center.
        {"right", [](HVELDOC d) { VelBeginTableRow(d, -2, -4, ROW_RIGHT, 0, -5); },
         "\\sectd{\\trowd\\trqr\\trgaph60\\trleft-2\\trrh-4}"},
        {"center", [](HVELDOC d) { VelBeginTableRow(d, 0, 4, ROW_CENTER | ROW_RIGHT, 0, 108); },
         "\\sectd{\\trowd\\trqc\\trgaph108\\trleft0\\trrh4}"},
        // Edges count from the left edge; the same color is one entry, black
        // a color like any other; shading is at most all of it.
        {"cell words",
         [](HVELDOC d) {
             VelBeginTableRow(d, 500, 0, 0, 0, 0);
             VelNextCellInfo3(d, 1000, 1, 0, 0xFFFFFF, 0, 0, 0, 0, 0, CELL_VMERGE_FIRST | CELL_HMERGE_FIRST, 90);
             VelNextCellInfo3(d, 1000, 2, -5, 0xFFFFFF, 0, 0, 0, 0, 0, CELL_HMERGE_FIRST | CELL_HMERGE, 270);
             VelNextCellInfo3(d, 1000, 7, 0, 0xFFFFFF, 0, 0, 0, 0, 0, CELL_VMERGE_FIRST | CELL_VMERGE, 180);
             VelNextCellInfo(d, 1000, 0, 10, 0x000000, 5, -1, 0, 0, CELL_VMERGE | CELL_HMERGE);
             VelNextCellInfo2(d, 1000, 0, 250, 0x00FF00, 1, 2, 3, 4, 0x00FF00, CELL_HMERGE);
         },
         "\\sectd{\\trowd\\trgaph60\\trleft500\\clvertalc\\clvmgf\\clmgf\\cltxbtlr\\cellx1500\\clvertalb\\clmgf"
         "\\cltxtbrl\\cellx2500\\clvertalt\\clvmgf\\cellx3500\\clvertalt\\clvmrg\\clmrg\\clbrdrl\\brdrs\\brdrw5"
         "\\clshdng1000\\clcbpat0\\cellx4500\\clvertalt\\clmrg\\clbrdrt\\brdrs\\brdrw3\\brdrcf1\\clbrdrb\\brdrs"
         "\\brdrw4\\brdrcf1\\clbrdrl\\brdrs\\brdrw1\\brdrcf1\\clbrdrr\\brdrs\\brdrw2\\brdrcf1\\clshdng10000"
         "\\clcbpat1\\cellx5500}"},
        {"edges within 32 bits", [](HVELDOC d) { VelBeginTableRow(d, 2000000000, 0, 0, 0, 0), Cell(d, 2000000000); },
         "\\sectd{\\trowd\\trgaph60\\trleft2000000000\\clvertalt\\cellx2147483647}"},
        {"a row ends an open paragraph; rows in a row need no \\par",
         [](HVELDOC d) {
             VelInsertText(d, "Before"), Row(d, 1000, {"A"}), Row(d, 1000, {"B"}, 0), VelInsertText(d, "After");
         },
         "\\sectd Before\\par{\\trowd\\trgaph108\\trleft0\\clvertalt\\cellx1000\\intbl A\\cell\\row}"
         "{\\trowd\\trgaph60\\trleft0\\clvertalt\\cellx1000\\intbl B\\cell\\row}After"},
    });
}
