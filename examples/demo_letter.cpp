// A formatted business letter: typefaces and sizes, character attributes,
// text and highlight colors, superscript and subscript, alignment, indents,
// spacing, borders, shading, tab stops with leaders, bullets and numbers.
#include "demo.h"

namespace {

// Windows colors: red in the low byte, blue in the third.
constexpr unsigned kBlack = 0x000000;
constexpr unsigned kNavy = 0x803000;
constexpr unsigned kGrey = 0x606060;
constexpr unsigned kDarkRed = 0x0000C0;
constexpr unsigned kYellow = 0x00FFFF;
constexpr unsigned kCream = 0xE0F8FF;

// Plain body text: Times New Roman, 11 points.
void BodyText(HVELDOC doc)
{
    VelResetTextProp(doc);
    VelTextFont(doc, "Times New Roman", 11, 0, 1);
}

// Starts a paragraph with the default paragraph properties and body text.
void NewParagraph(HVELDOC doc)
{
    VelResetParaProp(doc);
    BodyText(doc);
}

// Text with the attributes of `style` switched on for it alone.
void Styled(HVELDOC doc, unsigned style, const char* text)
{
    VelTextFont(doc, nullptr, 0, style, 1);
    VelInsertText(doc, text);
    VelTextFont(doc, nullptr, 0, style, 0);
}

void Letterhead(HVELDOC doc)
{
    NewParagraph(doc);
    VelInsertBreak(doc, BREAK_PAGE);
    VelParaFlags(doc, PARA_CENTER | PARA_BOX_BOT | PARA_BOX_THICK);
    VelParaSpace(doc, -1, 120, -1);
    VelTextFont(doc, "Arial", 20, CHAR_BOLD | CHAR_SCAPS, 1);
    VelTextColor(doc, kNavy, 1);
    VelInsertText(doc, "Northwind Instruments\r\n");

    // The sender's address, right aligned, small and grey.
    NewParagraph(doc);
    VelParaFlags(doc, PARA_RIGHT);
    VelTextFont(doc, "Arial", 9, 0, 1);
    VelTextColor(doc, kGrey, 1);
    VelInsertText(doc, "12 Harbour Road\rPortsmouth PO1 3AB\rTelephone 023 9200 0000\r\n");
}

void Addresses(HVELDOC doc)
{
    // The reference on the left, the date against the right margin, a
    // dotted leader between them.
    NewParagraph(doc);
    VelParaSpace(doc, 240, 240, -1);
    VelParaTabStop(doc, TAB_RIGHT, 9360, LEADER_DOT);
    VelInsertText(doc, "Our reference: ");
    VelTextFont(doc, "Courier New", 10, 0, 1);
    VelInsertText(doc, "NI/2026/114");
    BodyText(doc);
    VelInsertText(doc, "\t6 December 2026\r\n");

    // The recipient: space only after the last line.
    NewParagraph(doc);
    VelInsertText(doc, "Ms Ada Lovelace\rAnalytical Engines Ltd\r1 Difference Street\r");
    VelParaSpace(doc, -1, 240, -1);
    VelInsertText(doc, "London W1 2AB\r\n");

    NewParagraph(doc);
    VelParaFlags(doc, PARA_KEEP_NEXT);
    VelParaSpace(doc, -1, 120, -1);
    Styled(doc, CHAR_BOLD | CHAR_ULINE, "Re: Quotation for calibration services");
    VelInsertText(doc, "\r\n");
    VelInsertText(doc, "Dear Ms Lovelace,\r\n");
}

void Body(HVELDOC doc)
{
    // Justified, first line indented, at least 1.15 lines apart.
    NewParagraph(doc);
    VelParaFlags(doc, PARA_JUSTIFY | PARA_WIDOW);
    VelParaIndent(doc, -1, -1, 360);
    VelParaSpace(doc, -1, 120, 276);
    VelInsertText(doc, "Thank you for your enquiry of 28 November. We are pleased to quote for the ");
    Styled(doc, CHAR_BOLD, "annual calibration");
    VelInsertText(doc, " of your instruments. All prices are ");
    Styled(doc, CHAR_ITALIC, "exclusive of VAT");
    VelInsertText(doc, ", and this quotation remains valid for ");
    Styled(doc, CHAR_ULINED, "sixty days");
    VelInsertText(doc, ". Items marked ");
    VelTextColor(doc, kDarkRed, 1);
    Styled(doc, CHAR_STRIKE, "discontinued");
    VelTextColor(doc, kBlack, 1);
    VelInsertText(doc, " can no longer be serviced; ");
    VelTextColor(doc, kYellow, 0);
    VelInsertText(doc, "please note the new lead times");
    BodyText(doc);
    VelInsertText(doc, ".");
    Styled(doc, CHAR_HIDDEN, " [Internal: priority customer.]");
    VelInsertText(doc, "\r\n");

    // Superscript and subscript, as runs and as raised or lowered text.
    VelInsertText(doc, "Drift is corrected as d = k\xB7t");
    VelBeginScriptStyle(doc, 1);
    VelInsertText(doc, "2");
    VelEndScriptStyle(doc);
    VelInsertText(doc, ", and the reference gas is CO");
    VelBeginScriptStyle(doc, 0);
    VelInsertText(doc, "2");
    VelEndScriptStyle(doc);
    VelInsertText(doc, " at 20 \xB0" "C; readings carry the mark ");
    Styled(doc, CHAR_SUPER, "cal");
    VelInsertText(doc, " or ");
    Styled(doc, CHAR_SUB, "ref");
    VelInsertText(doc, ".\r\n");
}

void Services(HVELDOC doc)
{
    NewParagraph(doc);
    VelParaFlags(doc, PARA_KEEP_NEXT);
    VelInsertText(doc, "Our service includes:\r\n");
    const struct {
        int style;
        const char* text;
    } items[] = {
        {0, "calibration traceable to national standards;\r\n"},
        {0, "a certificate for every instrument;\r\n"},
        {7, "collection and delivery at no charge.\r\n"},
    };
    for (const auto& item : items) {
        NewParagraph(doc);
        VelParaIndent(doc, 720, -1, -360);
        VelParaBullet(doc, 1, item.style, 0, 0, nullptr, nullptr, 0);
        VelInsertText(doc, item.text);
    }
}

void Prices(HVELDOC doc)
{
    // A small price list: headings centred over their columns, prices on
    // their decimal points.
    NewParagraph(doc);
    VelParaFlags(doc, PARA_KEEP | PARA_KEEP_NEXT);
    VelParaSpace(doc, 120, 60, -1);
    VelParaTabStop(doc, TAB_LEFT, 360, LEADER_NONE);
    VelParaTabStop(doc, TAB_CENTER, 5760, LEADER_NONE);
    VelParaTabStop(doc, TAB_RIGHT, 8640, LEADER_NONE);
    Styled(doc, CHAR_BOLD | CHAR_CAPS, "\tInstrument\tQuantity\tPrice\r\n");

    const char* const rows[] = {
        "\tPressure gauge\t12\t145.00\r\n",
        "\tThermocouple\t30\t62.50\r\n",
        "\tFlow meter\t4\t1,210.00\r\n",
    };
    for (int i = 0; i < 3; ++i) {
        NewParagraph(doc);
        VelParaFlags(doc, i < 2 ? PARA_KEEP_NEXT : 0);
        VelParaTabStop(doc, TAB_LEFT, 360, LEADER_NONE);
        VelParaTabStop(doc, TAB_CENTER, 5760, LEADER_HYPH);
        VelParaTabStop(doc, TAB_DECIMAL, 8280, LEADER_DOT);
        VelInsertText(doc, rows[i]);
    }
}

void Acceptance(HVELDOC doc)
{
    // A boxed notice on a cream background.
    NewParagraph(doc);
    VelParaFlags(doc, PARA_BOX | PARA_BOX_DOUBLE | PARA_CENTER);
    VelParaIndent(doc, 720, 720, -1);
    VelParaSpace(doc, 180, 180, -1);
    VelParaShadeColor(doc, -1, kCream);
    Styled(doc, CHAR_BOLD, "Instruments must reach us clean and with their accessories.");
    VelInsertText(doc, "\r\n");

    NewParagraph(doc);
    VelInsertText(doc, "To accept this quotation:\r\n");
    const char* const steps[] = {
        "sign the enclosed order form;\r\n",
        "book a collection date with our office;\r\n",
        "pack each instrument in its case.\r\n",
    };
    for (const char* step : steps) {
        NewParagraph(doc);
        VelParaIndent(doc, 720, -1, -360);
        VelParaBullet(doc, 0, NUM_DEC, 0, 1, nullptr, ".", 0);
        VelInsertText(doc, step);
    }
}

void Closing(HVELDOC doc)
{
    NewParagraph(doc);
    VelParaFlags(doc, PARA_KEEP_NEXT);
    VelParaSpace(doc, 120, 480, -1);
    VelInsertText(doc, "Yours sincerely,\r\n");

    // A signature line: an underline leader up to a right tab.
    NewParagraph(doc);
    VelParaFlags(doc, PARA_KEEP_NEXT);
    VelParaTabStop(doc, TAB_RIGHT, 4320, LEADER_ULINE);
    VelInsertText(doc, "\t\r\n");
    NewParagraph(doc);
    VelParaFlags(doc, PARA_KEEP_NEXT);
    VelInsertText(doc, "Grace Hopper\r\n");
    NewParagraph(doc);
    Styled(doc, CHAR_ITALIC, "Head of Calibration");
    VelInsertText(doc, "\r\n");

    // The small print: double spaced, with top and left rules and light
    // shading.
    NewParagraph(doc);
    VelParaFlags(doc, PARA_DOUBLE | PARA_BOX_TOP | PARA_BOX_LEFT);
    VelParaSpace(doc, 240, -1, -1);
    VelParaShadeColor(doc, 10, 0);
    VelTextFont(doc, "Arial", 8, 0, 1);
    VelTextColor(doc, kGrey, 1);
    VelInsertText(doc, "Northwind Instruments is a trading name of Northwind Ltd, registered in England "
                       "No. 01234567. Terms and conditions overleaf.\r\n");
    NewParagraph(doc);
}

}  // namespace

void DemoLetter(HVELDOC doc)
{
    // The body font first: the first font added is the document's default.
    // Black first: some readers take color 0 as no highlight or background.
    VelTextFont3(doc, "Times New Roman", 0, 0, -1, 0, 0);
    VelTextColor2(doc, kBlack, 1, 0);

    Letterhead(doc);
    Addresses(doc);
    Body(doc);
    Services(doc);
    Prices(doc);
    Acceptance(doc);
    Closing(doc);
}
