// Reader documents of character and paragraph formatting: a letter that
// uses every attribute, color and paragraph property, and a roman list.
#include "reader_docs.h"

// A new paragraph with default properties.
static void Para(HVELDOC doc) { VelResetParaProp(doc), VelResetTextProp(doc); }

// A list item with a hanging indent.
static void Item(HVELDOC doc, int bullet, int style, int start, const char* before, const char* after, const char* text)
{
    Para(doc), VelParaIndent(doc, 720, -1, -360), VelParaBullet(doc, bullet, style, 0, start, before, after, 0);
    VelInsertText(doc, text);
}

READER_DOC(formatting_letter)
{
    // The body font first, so that it becomes the default font; black first,
    // so that no highlight or background uses color 0, which LibreOffice
    // reads as none.
    VelTextFont3(doc, "Times New Roman", 0, 0, -1, 0, 0), VelTextColor2(doc, 0x000000, 1, 0);
    Para(doc), VelParaFlags(doc, PARA_RIGHT), VelInsertText(doc, "Velrtf Limited\r\n");
    Para(doc), VelParaTabStop(doc, TAB_RIGHT, 9000, LEADER_DOT), VelInsertText(doc, "Reference 42\t6 December\r\n");
    Para(doc), VelParaFlags(doc, PARA_CENTER | PARA_KEEP_NEXT), VelTextFont(doc, "Arial", 14, CHAR_BOLD, 1);
    VelInsertText(doc, "Subject line in Arial\r\n");
    Para(doc), VelParaFlags(doc, PARA_JUSTIFY | PARA_WIDOW), VelParaIndent(doc, 720, 360, 360);
    VelParaSpace(doc, 120, 240, -1), VelInsertText(doc, "Runs: ");
    const unsigned styles[] = {CHAR_BOLD, CHAR_ITALIC, CHAR_ULINE,  CHAR_ULINED, CHAR_STRIKE,          CHAR_HIDDEN,
                               CHAR_CAPS, CHAR_SCAPS,  CHAR_SUPER, CHAR_SUB,    CHAR_PROTECT | CHAR_HLINK};
    const char* texts[] = {"bold run", "italic run",     "underlined run", "double underlined run", "struck run",
                           "hidden run", "caps run", "small caps run", "raised", "lowered", "marked run"};
    for (int i = 0; i < 11; ++i) {
        VelTextFont(doc, nullptr, 0, styles[i], 1), VelInsertText(doc, texts[i]), VelTextFont(doc, 0, 0, styles[i], 0);
        VelInsertText(doc, i < 10 ? ", " : ".\r\n");
    }
    Para(doc), VelTextFont(doc, "Courier New", -21, 0, 1), VelInsertText(doc, "Courier run");
    VelResetTextProp(doc), VelTextFont(doc, "Arial", 18, 0, 1), VelInsertText(doc, ", large Arial run");
    VelResetTextProp(doc), VelTextColor(doc, 0x0000FF, 1), VelInsertText(doc, ", red run");
    VelResetTextProp(doc), VelTextColor(doc, 0x00FFFF, 0), VelInsertText(doc, ", highlighted run");
    VelResetTextProp(doc), VelTextColor(doc, 0xC00000, 1), VelTextColor(doc, 0x00FFFF, 0);
    VelInsertText(doc, ", blue on yellow run"), VelResetTextProp(doc), VelInsertText(doc, ".\r\n");
    Para(doc), VelInsertText(doc, "E = mc"), VelBeginScriptStyle(doc, 1), VelInsertText(doc, "2");
    VelEndScriptStyle(doc), VelInsertText(doc, " and H"), VelBeginScriptStyle(doc, 0), VelInsertText(doc, "2");
    VelEndScriptStyle(doc), VelInsertText(doc, "O.\r\n");
    Para(doc), VelParaFlags(doc, PARA_BOX | PARA_BOX_DOUBLE | PARA_KEEP), VelParaSpace(doc, 480, -1, -360);
    VelInsertText(doc, "Boxed, exactly spaced.\r\n");
    Para(doc), VelParaFlags(doc, PARA_BOX_TOP | PARA_BOX_BOT | PARA_BOX_THICK | PARA_DOUBLE);
    VelInsertText(doc, "Ruled, double spaced.\r\n");
    Para(doc), VelParaShadeColor(doc, 20, 0), VelParaShadeColor(doc, -1, 0xE0E0E0), VelParaSpace(doc, -1, -1, 400);
    VelParaIndent(doc, 1440, -1, -720), VelInsertText(doc, "Shaded, hanging.\r\n");
    Para(doc), VelParaTabStop(doc, TAB_LEFT, 1440, LEADER_NONE), VelParaTabStop(doc, TAB_CENTER, 3600, LEADER_HYPH);
    VelParaTabStop(doc, TAB_DECIMAL, 5760, LEADER_DOT), VelParaTabStop(doc, TAB_RIGHT, 8640, LEADER_ULINE);
    VelInsertText(doc, "Item\tLeft\tCentre\t12.50\tRight\r\n");
    Item(doc, 1, 0, 0, "", "", "Symbol bullet\r\n"), Item(doc, 1, 0, 0, "", "", "Symbol bullet\r\n");
    Item(doc, 1, 4, 0, "", "", "Wingdings bullet\r\n"), Item(doc, 0, NUM_DEC, 1, "", ".", "First number\r\n");
    Item(doc, 0, NUM_DEC, 1, "", ".", "Second number\r\n");
}

// Lower roman from 4 in parentheses. A list of its own: LibreOffice
// continues an earlier list's numbering and format instead.
READER_DOC(formatting_roman_list)
{
    VelTextFont3(doc, "Times New Roman", 0, 0, -1, 0, 0);
    Item(doc, 0, NUM_LWR_ROMAN, 4, "(", ")", "Fourth clause\r\n");
    Item(doc, 0, NUM_LWR_ROMAN, 4, "(", ")", "Fifth clause\r\n");
}
