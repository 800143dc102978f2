// Reader documents of frames, text boxes, rectangles and lines. Letter
// paper with one-inch margins, so that positions read back as round inches.
#include "reader_docs.h"

namespace {

void LetterPage(HVELDOC doc)
{
    VelPaper(doc, 12240, 15840, 0);
    VelMargin(doc, 1440, 1440, 1440, 1440, -1, -1);
}

}  // namespace

// A frame placed on the page and one that follows its paragraph.
READER_DOC(objects_frames)
{
    LetterPage(doc);
    VelInsertText(doc, "Body text before the frames.\r\n");
    VelBeginFrame(doc, 1, 7200, 1440, 2880, 1440);  // 5 in, 1 in; 2 in wide, at least 1 in high
    VelInsertText(doc, "Page frame\r\n");
    VelEndFrame(doc);
    VelInsertText(doc, "The paragraph the second frame follows.\r\n");
    VelBeginFrame(doc, 0, 720, 360, 2160, 720);  // 0.5 in, 0.25 in; 1.5 in wide, at least 0.5 in high
    VelInsertText(doc, "Paragraph frame");        // VelEndFrame closes the paragraph
    VelEndFrame(doc);
    VelInsertText(doc, "Body text after the frames.\r\n");
}

// A paragraph frame in the second of two columns stays in that column.
READER_DOC(objects_column_frame)
{
    LetterPage(doc);
    VelInitSect(doc);
    VelSectInfo(doc, 2, 720, 0, 0);
    VelInsertText(doc, "First column.\r\n");
    VelInsertBreak(doc, BREAK_COL);
    VelInsertText(doc, "Second column.\r\n");
    VelBeginFrame(doc, 0, 360, 0, 1440, 360);
    VelInsertText(doc, "Columnframe\r\n");
    VelEndFrame(doc);
}

// A text box with rotated text, a filled and a transparent rectangle, and
// lines in four directions, all placed on the page.
READER_DOC(objects_shapes)
{
    LetterPage(doc);
    VelInsertText(doc, "Shapes on the page.\r\n");
    // 1 in, 3.5 in; 2 in x 1 in; light yellow, red 1 pt outline, text bottom to top.
    VelBeginTextBox2(doc, 1, 1440, 5040, 2880, 1440, 0, 0xCCFFFF, 0x0000FF, 20, 0, 90);
    VelInsertText(doc, "Box text\r\n");
    VelEndTextBox(doc);
    // Filled: 4 in, 3.5 in; 2 in x 1 in; orange #ff8040 with a blue outline.
    VelDrawRect(doc, 1, 5760, 5040, 2880, 1440, 0, 0x4080FF, 0xFF0000, 30, 0);
    // Transparent: 4 in, 5 in; 2 in x 1 in; green outline.
    VelDrawRect(doc, 1, 5760, 7200, 2880, 1440, 1, 0x00FFFF, 0x008000, 15, 1);
    // Lines: left to right, top to bottom, and two diagonals drawn backwards.
    VelDrawLine(doc, 1, 1440, 10080, 10800, 10080, 0, 0x0000FF, 20);
    VelDrawLine(doc, 1, 1440, 10800, 1440, 13680, 0, 0xFF0000, 20);
    VelDrawLine(doc, 1, 10800, 10800, 7200, 13680, 0, 0x008000, 20);
    VelDrawLine(doc, 1, 7200, 13680, 3600, 10800, 0, 0x800080, 20);
    // One rectangle that follows its paragraph: 0.5 in right of the margin.
    VelInsertText(doc, "The paragraph the small rectangle follows.\r\n");
    VelDrawRect(doc, 0, 720, 0, 1440, 720, 0, 0x808080, 0x000000, 10, 0);
    VelInsertText(doc, "Body text after the shapes.\r\n");
}

// A paragraph reset inside a frame: both paragraphs stay in the frame.
READER_DOC(objects_frame_reset)
{
    LetterPage(doc);
    VelInsertText(doc, "Before the frame.\r\n");
    VelBeginFrame(doc, 1, 7200, 2880, 2880, 1440);
    VelParaFlags(doc, PARA_CENTER);
    VelInsertText(doc, "Centred in the frame.\r\n");
    VelResetParaProp(doc);
    VelInsertText(doc, "Reset, still in the frame.\r\n");
    VelEndFrame(doc);
    VelInsertText(doc, "After the frame.\r\n");
}
