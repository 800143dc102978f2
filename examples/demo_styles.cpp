// The stylesheet: the normal style, two headings, a body style and a
// character style. Its first font becomes the document's default font.
#include "demo.h"
#include "demo_styles.h"

void DemoStyles(HVELDOC doc)
{
    VelBeginStyleSheet(doc);

    VelBeginStyleItem(doc, 1, 0, "Normal");
    VelTextFont(doc, "Times New Roman", 12, 0, 1);
    VelEndStyleItem(doc);

    // Named as word processors name their own headings, so that readers
    // give them outline levels and the table of contents finds them.
    VelBeginStyleItem(doc, 1, DEMO_STYLE_HEADING1, "heading 1");
    VelParaSpace(doc, 360, 120, -1);
    VelParaFlags(doc, PARA_KEEP_NEXT);
    VelTextFont(doc, "Arial", 16, CHAR_BOLD, 1);
    VelEndStyleItem(doc);

    VelBeginStyleItem(doc, 1, DEMO_STYLE_HEADING2, "heading 2");
    VelParaSpace(doc, 240, 80, -1);
    VelParaFlags(doc, PARA_KEEP_NEXT);
    VelTextFont(doc, "Arial", 13, CHAR_BOLD | CHAR_ITALIC, 1);
    VelEndStyleItem(doc);

    VelBeginStyleItem(doc, 1, DEMO_STYLE_BODY, "Report Body");
    VelParaSpace(doc, 0, 120, -1);
    VelParaFlags(doc, PARA_JUSTIFY);
    VelTextFont(doc, "Times New Roman", 11, 0, 1);
    VelEndStyleItem(doc);

    VelBeginStyleItem(doc, 0, DEMO_STYLE_KEY_TERM, "Key Term");
    VelTextFont(doc, nullptr, 0, CHAR_BOLD | CHAR_ITALIC, 1);
    VelTextColor(doc, 0x00804000, 1);  // dark blue: red in the low byte
    VelEndStyleItem(doc);

    VelEndStyleSheet(doc);
}
