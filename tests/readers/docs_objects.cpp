// Reader documents of frames, text boxes, rectangles and lines, on letter
// paper with one-inch margins, so that positions read back as round inches.
#include "reader_docs.h"

// Two columns of 3 in, 0.5 in apart: a page frame with a paragraph reset in
// it, a paragraph frame in the first column and one in the second.
READER_DOC(objects_frames)
{
    VelPaper(doc, 12240, 15840, 0), VelMargin(doc, 1440, 1440, 1440, 1440, -1, -1), VelSectInfo(doc, 2, 720, 0, 0);
    VelInsertText(doc, "Body text before the frames.\r\n");
    VelBeginFrame(doc, 1, 7200, 5760, 2880, 1440);  // 5 in, 4 in; 2 in wide, at least 1 in high
    VelParaFlags(doc, PARA_CENTER), VelInsertText(doc, "Page frame\r\n");
    VelResetParaProp(doc), VelInsertText(doc, "Reset, still in the frame.\r\n"), VelEndFrame(doc);
    VelInsertText(doc, "The paragraph the second frame follows.\r\n");
    VelBeginFrame(doc, 0, 720, 360, 2160, 720);  // 0.5 in, 0.25 in; 1.5 in wide, at least 0.5 in high
    VelInsertText(doc, "Paragraph frame"), VelEndFrame(doc);  // which closes the paragraph
    VelInsertText(doc, "Body text after the frames.\r\n"), VelInsertBreak(doc, BREAK_COL);
    VelInsertText(doc, "Second column.\r\n");
    VelBeginFrame(doc, 0, 360, 0, 1440, 360), VelInsertText(doc, "Columnframe\r\n"), VelEndFrame(doc);
}

// A text box in the footer; one with rotated text and a table in the body;
// a filled and a transparent rectangle, lines in four directions, and a
// rectangle that follows its paragraph.
READER_DOC(objects_shapes)
{
    VelPaper(doc, 12240, 15840, 0), VelMargin(doc, 1440, 1440, 1440, 1440, -1, -1);
    VelBeginHdrFtr(doc, HF_FOOTER), VelBeginTextBox(doc, 0, 0, 0, 2880, 720, 0, 0xFFFFFF, 0x000080, 10, 0);
    VelInsertText(doc, "Boxed footer\r\n"), VelEndTextBox(doc), VelEndHdrFtr(doc);
    VelInsertText(doc, "Shapes on the page.\r\n");
    // 1 in, 3.5 in; 2 in x 1 in; light yellow, red 1 pt outline, text bottom to top.
    VelBeginTextBox2(doc, 1, 1440, 5040, 2880, 1440, 0, 0xCCFFFF, 0x0000FF, 20, 0, 90);
    VelInsertText(doc, "Box text\r\n"), VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    VelNextCellInfo(doc, 1200, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0);
    VelNextCellInfo(doc, 1200, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0);
    VelBeginCellText(doc), VelInsertText(doc, "Left"), VelEndCellText(doc);
    VelBeginCellText(doc), VelInsertText(doc, "Right"), VelEndCellText(doc), VelEndTableRow(doc), VelEndTextBox(doc);
    VelDrawRect(doc, 1, 5760, 5040, 2880, 1440, 0, 0x4080FF, 0xFF0000, 30, 0);  // orange, blue outline
    VelDrawRect(doc, 1, 5760, 7200, 2880, 1440, 1, 0x00FFFF, 0x008000, 15, 1);  // transparent, z-order 1
    // Left to right, top to bottom, and two diagonals drawn right to left.
    const int lines[][5] = {{1440, 10080, 10800, 10080, 0x0000FF}, {1440, 10800, 1440, 13680, 0xFF0000},
                            {10800, 10800, 7200, 13680, 0x008000}, {7200, 13680, 3600, 10800, 0x800080}};
    for (const auto& l : lines) VelDrawLine(doc, 1, l[0], l[1], l[2], l[3], 0, l[4], 20);
    VelInsertText(doc, "The paragraph the small rectangle follows.\r\n");
    VelDrawRect(doc, 0, 720, 0, 1440, 720, 0, 0x808080, 0x000000, 10, 0);  // 0.5 in right of the margin
    VelInsertText(doc, "Body text after the shapes.\r\n");
}
