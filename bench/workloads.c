#include "workloads.h"

#include <string.h>

enum { kParagraphs = 100000, kRows = 20000, kCells = 5 };

static const unsigned kRed = 0x0000FF;
static const unsigned kBlue = 0xFF0000;

/* Appends the decimal digits of a non-negative value at `out`; gives the end.
 * (snprintf would cost this host more than velrtf spends on a paragraph.) */
static char* PutNumber(char* out, int value)
{
    char digits[12];
    int n = 0;
    do {
        digits[n++] = (char)('0' + value % 10);
        value /= 10;
    } while (value);
    while (n) *out++ = digits[--n];
    return out;
}

static char* PutText(char* out, const char* text)
{
    size_t length = strlen(text);
    memcpy(out, text, length + 1);
    return out + length;
}

void BuildParagraphs(HVELDOC doc)
{
    char text[128];
    VelTextFont(doc, "Arial", 11, 0, 1);
    for (int i = 0; i < kParagraphs; ++i) {
        PutText(PutNumber(PutText(text, "Paragraph "), i),
                i % 10 != 0 ? " of the report: one short line of plain prose, nothing else in it.\r\n" : " has a ");
        VelInsertText(doc, text);
        if (i % 10 != 0) continue;
        VelTextFont(doc, NULL, 0, CHAR_BOLD, 1);
        VelInsertText(doc, "bold");
        VelTextFont(doc, NULL, 0, CHAR_BOLD, 0);
        VelInsertText(doc, " word and a ");
        VelTextColor(doc, i % 20 == 0 ? kRed : kBlue, 1);
        VelInsertText(doc, i % 20 == 0 ? "red" : "blue");
        VelResetTextProp(doc);
        VelTextFont(doc, "Arial", 11, 0, 1);
        VelInsertText(doc, " one.\r\n");
    }
}

void BuildTable(HVELDOC doc)
{
    static const int kWidths[kCells] = {1000, 3600, 1400, 1400, 1800};
    char text[64];
    VelTextFont(doc, "Arial", 10, 0, 1);
    for (int row = 0; row < kRows; ++row) {
        VelBeginTableRow(doc, 0, 0, 0, 0, 108);
        for (int c = 0; c < kCells; ++c) {
            VelNextCellInfo(doc, kWidths[c], CELL_VALIGN_TOP, 0, 0xFFFFFF, 0, 0, 0, 10, 0);
        }
        for (int c = 0; c < kCells; ++c) {
            char* end = text;
            switch (c) {
            case 0: end = PutNumber(text, row + 1); break;
            case 1: end = PutText(PutNumber(PutText(text, "Article "), row * 7 % 10000), ", in stock at the depot"); break;
            case 2: end = PutNumber(text, row % 17 + 1); break;
            case 3: end = PutNumber(PutText(PutNumber(text, row % 500), "."), row % 100); break;
            default: end = PutNumber(PutText(PutNumber(text, (row % 17 + 1) * (row % 500)), "."), row % 100); break;
            }
            *end = '\0';
            VelBeginCellText(doc);
            VelInsertText(doc, text);
            VelEndCellText(doc);
        }
        VelEndTableRow(doc);
    }
}
