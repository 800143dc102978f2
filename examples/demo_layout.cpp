// Page layout and the opening text.
#include "demo.h"

void DemoPageSetup(HVELDOC doc)
{
    // US Letter, one-inch margins, for the whole document.
    VelPaper(doc, 12240, 15840, 0);
    VelMargin(doc, 1440, 1440, 1440, 1440, 720, 720);
    VelInitSect(doc);
    VelSectInfo(doc, 1, 0, 1, 1);
}

void DemoIntroduction(HVELDOC doc)
{
    VelInsertText(doc, "velrtf writes Rich Text Format documents.\r\n");
    VelInsertText(doc, "Text in the ANSI code page keeps its accents: caf\xE9, na\xEFve, \xA9 2026.\r\n");
    static const VELWCHAR unicode[] = {'G', 'r', 'e', 'e', 'k', ':', ' ', 0x03B1, 0x03B2, 0x03B3, ',', ' ',
                                       'C', 'y', 'r', 'i', 'l', 'l', 'i', 'c', ':', ' ', 0x0416, 0x0444,
                                       ',', ' ', 'C', 'J', 'K', ':', ' ', 0x6F22, 0x5B57, 13, 10, 0};
    VelInsertUText(doc, unicode);
}

void DemoLandscapeColumns(HVELDOC doc)
{
    VelInsertBreak(doc, BREAK_SECT);
    VelInitSect(doc);
    VelPaper(doc, 15840, 12240, 1);
    VelMargin(doc, 1080, 1080, 1080, 1080, -1, -1);
    VelSectInfo(doc, 2, 720, 1, 0);
    VelBeginSectText(doc);
    for (int i = 0; i < 12; ++i) {
        VelInsertText(doc, "This section is landscape and set in two newspaper columns; the text flows "
                           "from the foot of the first column to the head of the second.\r\n");
    }
}
