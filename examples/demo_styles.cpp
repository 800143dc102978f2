// The stylesheet: the normal style, two headings, a body style and a
// character style. Its first font becomes the document's default font.
#include "demo.h"
#include "demo_styles.h"

void DemoStyleFormat(HVELDOC doc, int style)
{
    switch (style) {
    case DEMO_STYLE_HEADING1:
        VelParaSpace(doc, 360, 120, -1);
        VelParaFlags(doc, PARA_KEEP_NEXT);
        VelTextFont(doc, "Arial", 16, CHAR_BOLD, 1);
        break;
    case DEMO_STYLE_HEADING2:
        VelParaSpace(doc, 240, 80, -1);
        VelParaFlags(doc, PARA_KEEP_NEXT);
        VelTextFont(doc, "Arial", 13, CHAR_BOLD | CHAR_ITALIC, 1);
        break;
    case DEMO_STYLE_BODY:
        VelParaSpace(doc, 0, 120, -1);
        VelParaFlags(doc, PARA_JUSTIFY);
        VelTextFont(doc, "Times New Roman", 11, 0, 1);
        break;
    case DEMO_STYLE_KEY_TERM:
        VelTextFont(doc, nullptr, 0, CHAR_BOLD | CHAR_ITALIC, 1);
        VelTextColor(doc, 0x00804000, 1);  // dark blue: red in the low byte
        break;
    default:
        VelTextFont(doc, "Times New Roman", 12, 0, 1);
        break;
    }
}

void DemoStyles(HVELDOC doc)
{
    VelBeginStyleSheet(doc);
    // Headings are named as word processors name their own, so that readers
    // give them outline levels and the table of contents finds them.
    const struct {
        int paragraph;
        int number;
        const char* name;
    } styles[] = {
        {1, 0, "Normal"},
        {1, DEMO_STYLE_HEADING1, "heading 1"},
        {1, DEMO_STYLE_HEADING2, "heading 2"},
        {1, DEMO_STYLE_BODY, "Report Body"},
        {0, DEMO_STYLE_KEY_TERM, "Key Term"},
    };
    for (const auto& style : styles) {
        VelBeginStyleItem(doc, style.paragraph, style.number, style.name);
        DemoStyleFormat(doc, style.number);
        VelEndStyleItem(doc);
    }
    VelEndStyleSheet(doc);
}
