// An invoice-like table (a repeated header row, bordered and shaded cells,
// right-aligned amounts, a total row spanning four columns) and a table
// nested two levels deep.
#include <cstddef>
#include <cstdio>

#include "demo.h"

namespace {

constexpr unsigned kGrey = 0xD9D9D9;
constexpr unsigned kNavy = 0x603000;  // red in the low byte
constexpr unsigned kPale = 0xF7EBDD;

const int kInvoiceWidths[] = {900, 4100, 900, 1500, 1500};

void Cell(HVELDOC doc, const char* text, unsigned align, bool bold = false)
{
    VelBeginCellText(doc);
    VelParaFlags(doc, align);
    if (bold) VelTextFont(doc, nullptr, 0, CHAR_BOLD, 1);
    VelInsertText(doc, text);
    if (bold) VelTextFont(doc, nullptr, 0, CHAR_BOLD, 0);
    VelEndCellText(doc);
}

// Thin navy borders all round.
void BorderedCell(HVELDOC doc, int width, unsigned background, unsigned merge = 0)
{
    VelNextCellInfo2(doc, width, CELL_VALIGN_CENTER, 0, background, 10, 10, 10, 10, kNavy, merge);
}

void InvoiceHeader(HVELDOC doc)
{
    static const char* const kTitles[] = {"Item", "Description", "Qty", "Unit price", "Amount"};
    VelBeginTableRow(doc, 0, 400, ROW_CENTER, 1, 80);  // repeats on every page
    for (int width : kInvoiceWidths) BorderedCell(doc, width, kGrey);
    for (int i = 0; i < 5; ++i) Cell(doc, kTitles[i], i >= 2 ? PARA_RIGHT : PARA_LEFT, true);
    VelEndTableRow(doc);
}

void Money(char* out, size_t size, int cents)
{
    std::snprintf(out, size, "%d.%02d", cents / 100, cents % 100);
}

// One line of the invoice; gives its amount in cents.
int InvoiceLine(HVELDOC doc, int item, const char* description, int quantity, int unitCents)
{
    char number[16], qty[16], unit[32], amount[32];
    std::snprintf(number, sizeof number, "%d", item);
    std::snprintf(qty, sizeof qty, "%d", quantity);
    Money(unit, sizeof unit, unitCents);
    int cents = quantity * unitCents;
    Money(amount, sizeof amount, cents);
    VelBeginTableRow(doc, 0, 0, ROW_CENTER, 0, 80);
    for (int width : kInvoiceWidths) BorderedCell(doc, width, item % 2 ? 0xFFFFFF : kPale);
    Cell(doc, number, PARA_LEFT);
    Cell(doc, description, PARA_LEFT);
    Cell(doc, qty, PARA_RIGHT);
    Cell(doc, unit, PARA_RIGHT);
    Cell(doc, amount, PARA_RIGHT);
    VelEndTableRow(doc);
    return cents;
}

// "Total" spans the first four columns.
void InvoiceTotal(HVELDOC doc, int cents)
{
    char total[32];
    Money(total, sizeof total, cents);
    VelBeginTableRow(doc, 0, 0, ROW_CENTER, 0, 80);
    BorderedCell(doc, kInvoiceWidths[0], kGrey, CELL_HMERGE_FIRST);
    for (int i = 1; i < 4; ++i) BorderedCell(doc, kInvoiceWidths[i], kGrey, CELL_HMERGE);
    VelNextCellInfo2(doc, kInvoiceWidths[4], CELL_VALIGN_CENTER, 20, 0xFFFFFF, 10, 10, 30, 30, kNavy, 0);
    Cell(doc, "Total", PARA_RIGHT, true);
    for (int i = 1; i < 4; ++i) Cell(doc, "", PARA_LEFT);
    Cell(doc, total, PARA_RIGHT, true);
    VelEndTableRow(doc);
}

void PlainCell(HVELDOC doc, int width, unsigned background = 0xFFFFFF)
{
    VelNextCellInfo(doc, width, CELL_VALIGN_TOP, 0, background, 10, 10, 10, 10, 0);
}

// A table inside a cell of a table inside a cell of a table.
void NestedTables(HVELDOC doc)
{
    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    PlainCell(doc, 2400, kGrey);
    PlainCell(doc, 6600);
    Cell(doc, "Level 1: the outer table. Its second cell holds a table.", PARA_LEFT);

    VelBeginCellText(doc);
    VelInsertText(doc, "Level 1, second cell:\r\n");
    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    PlainCell(doc, 2600, kPale);
    PlainCell(doc, 3800);
    Cell(doc, "Level 2: a nested table.", PARA_LEFT);
    VelBeginCellText(doc);
    VelInsertText(doc, "Level 2, second cell:\r\n");
    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    for (int i = 0; i < 3; ++i) {
        VelNextCellInfo2(doc, 1100, CELL_VALIGN_CENTER, 10 * (i + 1), 0xFFFFFF, 10, 10, 10, 10, kNavy, 0);
    }
    Cell(doc, "Level 3", PARA_CENTER, true);
    Cell(doc, "two deep", PARA_CENTER);
    Cell(doc, "itap 3", PARA_CENTER);
    VelEndTableRow(doc);
    VelInsertText(doc, "Back in level 2.");
    VelEndCellText(doc);
    VelEndTableRow(doc);
    VelInsertText(doc, "Back in level 1.");
    VelEndCellText(doc);
    VelEndTableRow(doc);
}

}  // namespace

void DemoTables(HVELDOC doc)
{
    VelResetParaProp(doc);
    VelResetTextProp(doc);
    VelParaSpace(doc, 240, 120, -1);
    VelTextFont(doc, nullptr, 14, CHAR_BOLD, 1);
    VelInsertText(doc, "Invoice 2024-117\r\n");
    VelResetTextProp(doc);
    VelResetParaProp(doc);
    VelInsertText(doc, "Billed to: Northwind Traders, 12 Harbour Street, Seaport.\r\n");

    InvoiceHeader(doc);
    int total = InvoiceLine(doc, 1, "Paper, A4, 80 g, box of 2,500 sheets", 4, 3150);
    total += InvoiceLine(doc, 2, "Toner cartridge, black", 2, 8990);
    total += InvoiceLine(doc, 3, "Desk lamp with adjustable arm", 1, 4475);
    total += InvoiceLine(doc, 4, "Binder clips, assorted sizes", 12, 245);
    InvoiceTotal(doc, total);
    VelInsertText(doc, "Payment within 30 days. Thank you for your order.\r\n");

    VelParaSpace(doc, 240, 120, -1);
    VelInsertText(doc, "A table nested two levels deep:\r\n");
    VelResetParaProp(doc);
    NestedTables(doc);
    VelInsertText(doc, "\r\n");
}
