// Positioned objects: frames, text boxes, rectangles and lines on a page of
// their own. Positions are twips from the top left of the page unless an
// object follows its paragraph.
#include "demo.h"

namespace {

// Windows color values: red in the low byte.
constexpr unsigned kNavy = 0x800000;
constexpr unsigned kPaleBlue = 0xFFEEDD;
constexpr unsigned kOrange = 0x3399FF;
constexpr unsigned kGreen = 0x339933;
constexpr unsigned kRed = 0x0000CC;
constexpr unsigned kGray = 0x808080;
constexpr unsigned kPaleGray = 0xE8E8E8;
constexpr unsigned kWhite = 0xFFFFFF;

void Heading(HVELDOC doc, const char* text)
{
    VelTextFont(doc, "Arial", 14, CHAR_BOLD, 1);
    VelTextColor(doc, kNavy, 1);
    VelInsertText(doc, text);
    VelResetTextProp(doc);
}

}  // namespace

void DemoObjects(HVELDOC doc)
{
    // A new portrait page after the landscape columns.
    VelInsertBreak(doc, BREAK_SECT);
    VelInitSect(doc);
    VelPaper(doc, 12240, 15840, 0);
    VelMargin(doc, 1440, 1440, 1440, 1440, -1, -1);
    VelSectInfo(doc, 1, 0, 1, 0);
    VelBeginSectText(doc);
    VelResetParaProp(doc);
    VelResetTextProp(doc);

    Heading(doc, "Frames, text boxes and drawing objects\r\n");
    VelInsertText(doc, "Everything on this page is placed by position. The bordered note on the right "
                       "is a frame fixed to the page, and the text flows around it. The shaded note "
                       "below is a frame that keeps to its paragraph, wherever the paragraph goes.\r\n");

    // A frame fixed to the page: 6 in from the left edge, 1 in from the top.
    // A frame's paragraphs start from the properties in force before it, so
    // they are reset first; inside, its paragraphs take their own.
    VelResetParaProp(doc);
    VelBeginFrame(doc, 1, 8640, 1440, 2160, 1440);
    VelParaFlags(doc, PARA_BOX | PARA_CENTER);
    VelTextFont(doc, "Arial", 9, CHAR_ITALIC, 1);
    VelInsertText(doc, "A frame on the page, 1.5 inches wide, with a border around its text.");
    VelEndFrame(doc);  // ends the frame's last paragraph

    // A frame that follows its paragraph, from the left of the column.
    VelBeginFrame(doc, 0, 0, 240, 3600, 720);
    VelParaShadeColor(doc, -1, kPaleGray);
    VelInsertText(doc, "A frame that moves with its paragraph.\r\n");
    VelEndFrame(doc);
    VelInsertText(doc, "This paragraph carries the shaded frame, a sixth of an inch below its top; "
                       "its lines run beside the frame.\r\n");

    // Text boxes: one filled with an outline, one with its text turned.
    VelBeginTextBox(doc, 1, 1440, 6480, 3600, 1080, 0, kPaleBlue, kNavy, 20, 0);
    VelTextFont(doc, "Arial", 11, CHAR_BOLD, 1);
    VelInsertText(doc, "A text box\r\n");
    VelResetTextProp(doc);
    VelInsertText(doc, "with a pale blue fill and a navy outline.\r\n");
    VelEndTextBox(doc);
    VelBeginTextBox2(doc, 1, 5760, 6480, 720, 2160, 0, kWhite, kGray, 10, 1, 90);
    VelInsertText(doc, "Turned text\r\n");
    VelEndTextBox(doc);

    // Rectangles: a filled one, and a transparent one stacked higher.
    VelDrawRect(doc, 1, 7200, 6480, 2880, 1080, 0, kOrange, kNavy, 30, 0);
    VelDrawRect(doc, 1, 7200, 7920, 2880, 720, 2, kWhite, kGreen, 30, 1);

    // Lines in every direction: a rule, a post, a cross and a slope.
    VelDrawLine(doc, 1, 1440, 9360, 10800, 9360, 0, kRed, 20);
    VelDrawLine(doc, 1, 1440, 9720, 1440, 13680, 0, kNavy, 20);
    VelDrawLine(doc, 1, 2160, 10080, 5760, 13320, 0, kGreen, 20);
    VelDrawLine(doc, 1, 5760, 10080, 2160, 13320, 0, kGreen, 20);
    VelDrawLine(doc, 1, 10800, 13680, 6480, 10080, 1, kGray, 10);

    // A rectangle that keeps to its paragraph: an inch right of the margin.
    VelInsertText(doc, "The small gray bar an inch right of the margin keeps to the paragraph after it.\r\n");
    VelDrawRect(doc, 0, 1440, 360, 1440, 180, 0, kGray, kNavy, 10, 0);
    VelInsertText(doc, "This is that paragraph.\r\n");
}
