// Reader documents of character and paragraph formatting: a letter that
// uses every attribute, color and paragraph property, and lists.
#include <initializer_list>

#include "reader_docs.h"

namespace {

constexpr unsigned kRed = 0x0000FF;
constexpr unsigned kBlue = 0xC00000;
constexpr unsigned kYellow = 0x00FFFF;
constexpr unsigned kGrey = 0xE0E0E0;

// One run: the attributes on, the text, the attributes off.
void Run(HVELDOC doc, unsigned style, const char* text)
{
    VelTextFont(doc, nullptr, 0, style, 1);
    VelInsertText(doc, text);
    VelTextFont(doc, nullptr, 0, style, 0);
}

// A new paragraph with default properties.
void Paragraph(HVELDOC doc)
{
    VelResetParaProp(doc);
    VelResetTextProp(doc);
}

}  // namespace

READER_DOC(formatting_letter)
{
    // The body font first, so that it becomes the default font; black first,
    // so that no highlight or background uses color 0, which LibreOffice
    // reads as none.
    VelTextFont3(doc, "Times New Roman", 0, 0, -1, 0, 0);
    VelTextColor2(doc, 0x000000, 1, 0);

    // The sender, right aligned.
    Paragraph(doc);
    VelParaFlags(doc, PARA_RIGHT);
    VelInsertText(doc, "Velrtf Limited\r\n");

    // The reference line: a right tab with a dot leader.
    Paragraph(doc);
    VelParaTabStop(doc, TAB_RIGHT, 9000, LEADER_DOT);
    VelInsertText(doc, "Reference 42\t6 December 2026\r\n");

    // The subject: a typeface and a size of its own.
    Paragraph(doc);
    VelParaFlags(doc, PARA_CENTER | PARA_KEEP_NEXT);
    VelTextFont(doc, "Arial", 14, CHAR_BOLD, 1);
    VelInsertText(doc, "Subject line in Arial\r\n");

    // The body text: one run per attribute.
    Paragraph(doc);
    VelParaFlags(doc, PARA_JUSTIFY | PARA_WIDOW);
    VelParaIndent(doc, 720, 360, 360);
    VelParaSpace(doc, 120, 240, -1);
    VelInsertText(doc, "Runs: ");
    Run(doc, CHAR_BOLD, "bold run");
    VelInsertText(doc, ", ");
    Run(doc, CHAR_ITALIC, "italic run");
    VelInsertText(doc, ", ");
    Run(doc, CHAR_ULINE, "underlined run");
    VelInsertText(doc, ", ");
    Run(doc, CHAR_ULINED, "double underlined run");
    VelInsertText(doc, ", ");
    Run(doc, CHAR_STRIKE, "struck run");
    VelInsertText(doc, ", ");
    Run(doc, CHAR_HIDDEN, "hidden run");
    VelInsertText(doc, ", ");
    Run(doc, CHAR_CAPS, "caps run");
    VelInsertText(doc, ", ");
    Run(doc, CHAR_SCAPS, "small caps run");
    VelInsertText(doc, ", ");
    Run(doc, CHAR_PROTECT | CHAR_HLINK, "marked run");
    VelInsertText(doc, ", x");
    Run(doc, CHAR_SUPER, "raised");
    VelInsertText(doc, " and x");
    Run(doc, CHAR_SUB, "lowered");
    VelInsertText(doc, ".\r\n");

    // Typefaces, sizes and colors.
    Paragraph(doc);
    VelTextFont(doc, "Courier New", -21, 0, 1);
    VelInsertText(doc, "Courier run");
    VelResetTextProp(doc);
    VelInsertText(doc, ", ");
    VelTextFont(doc, "Arial", 18, 0, 1);
    VelInsertText(doc, "large Arial run");
    VelResetTextProp(doc);
    VelInsertText(doc, ", ");
    VelTextColor(doc, kRed, 1);
    VelInsertText(doc, "red run");
    VelResetTextProp(doc);
    VelInsertText(doc, ", ");
    VelTextColor(doc, kYellow, 0);
    VelInsertText(doc, "highlighted run");
    VelResetTextProp(doc);
    VelInsertText(doc, ", ");
    VelTextColor(doc, kBlue, 1);
    VelTextColor(doc, kYellow, 0);
    VelInsertText(doc, "blue on yellow run");
    VelResetTextProp(doc);
    VelInsertText(doc, ".\r\n");

    // Script runs.
    Paragraph(doc);
    VelInsertText(doc, "E = mc");
    VelBeginScriptStyle(doc, 1);
    VelInsertText(doc, "2");
    VelEndScriptStyle(doc);
    VelInsertText(doc, " and H");
    VelBeginScriptStyle(doc, 0);
    VelInsertText(doc, "2");
    VelEndScriptStyle(doc);
    VelInsertText(doc, "O.\r\n");

    // Borders and shading.
    Paragraph(doc);
    VelParaFlags(doc, PARA_BOX | PARA_BOX_DOUBLE | PARA_KEEP);
    VelInsertText(doc, "Boxed paragraph.\r\n");
    Paragraph(doc);
    VelParaFlags(doc, PARA_BOX_TOP | PARA_BOX_BOT | PARA_BOX_THICK);
    VelInsertText(doc, "Ruled paragraph.\r\n");
    Paragraph(doc);
    VelParaShadeColor(doc, 20, 0);
    VelInsertText(doc, "Shaded paragraph.\r\n");
    Paragraph(doc);
    VelParaShadeColor(doc, -1, kGrey);
    VelInsertText(doc, "Grey paragraph.\r\n");

    // Spacing.
    Paragraph(doc);
    VelParaFlags(doc, PARA_DOUBLE);
    VelInsertText(doc, "Double spaced paragraph.\r\n");
    Paragraph(doc);
    VelParaSpace(doc, 480, -1, -360);
    VelInsertText(doc, "Exactly spaced paragraph.\r\n");
    Paragraph(doc);
    VelParaSpace(doc, -1, -1, 400);
    VelParaIndent(doc, 1440, -1, -720);
    VelInsertText(doc, "Hanging paragraph.\r\n");

    // Tab stops of every kind.
    Paragraph(doc);
    VelParaTabStop(doc, TAB_LEFT, 1440, LEADER_NONE);
    VelParaTabStop(doc, TAB_CENTER, 3600, LEADER_HYPH);
    VelParaTabStop(doc, TAB_DECIMAL, 5760, LEADER_DOT);
    VelParaTabStop(doc, TAB_RIGHT, 8640, LEADER_ULINE);
    VelInsertText(doc, "Item\tLeft\tCentre\t12.50\tRight\r\n");

    // A bulleted list.
    for (const char* item : {"First bullet\r\n", "Second bullet\r\n"}) {
        Paragraph(doc);
        VelParaIndent(doc, 720, -1, -360);
        VelParaBullet(doc, 1, 0, 0, 0, nullptr, nullptr, 0);
        VelInsertText(doc, item);
    }
    Paragraph(doc);
    VelParaIndent(doc, 720, -1, -360);
    VelParaBullet(doc, 1, 4, 0, 0, nullptr, nullptr, 0);
    VelInsertText(doc, "Wingdings bullet\r\n");

    // A numbered list.
    for (const char* item : {"First number\r\n", "Second number\r\n", "Third number\r\n"}) {
        Paragraph(doc);
        VelParaIndent(doc, 720, -1, -360);
        VelParaBullet(doc, 0, NUM_DEC, 0, 1, nullptr, ".", 0);
        VelInsertText(doc, item);
    }

    Paragraph(doc);
    VelParaStyleId(doc, 0);
    VelInsertText(doc, "Yours sincerely,\r\n");
}

// Roman numbers from 4, in parentheses. A list of its own: LibreOffice
// continues an earlier list's numbering and format instead.
READER_DOC(formatting_roman_list)
{
    VelTextFont3(doc, "Times New Roman", 0, 0, -1, 0, 0);
    VelInsertText(doc, "Clauses:\r\n");
    for (const char* item : {"Fourth clause\r\n", "Fifth clause\r\n"}) {
        Paragraph(doc);
        VelParaIndent(doc, 720, -1, -360);
        VelParaBullet(doc, 0, NUM_LWR_ROMAN, 0, 4, "(", ")", 0);
        VelInsertText(doc, item);
    }
}

// Upper-case letters after a word.
READER_DOC(formatting_alpha_list)
{
    VelTextFont3(doc, "Times New Roman", 0, 0, -1, 0, 0);
    for (const char* item : {"Alpha item\r\n", "Beta item\r\n"}) {
        Paragraph(doc);
        VelParaIndent(doc, 1080, -1, -1080);
        VelParaBullet(doc, 0, NUM_UPR_ALPHA, 10, 1, "Annex ", ":", 0);
        VelInsertText(doc, item);
    }
}
