// Reader documents of tables: plain, header row, merged cells, borders and
// shading, rotated text, tables nested one and two levels deep.
#include "reader_docs.h"

namespace {

int PlainCell(HVELDOC doc, int width)
{
    return VelNextCellInfo(doc, width, CELL_VALIGN_TOP, 0, 0xFFFFFF, 10, 10, 10, 10, 0);
}

void CellText(HVELDOC doc, const char* text)
{
    VelBeginCellText(doc);
    VelInsertText(doc, text);
    VelEndCellText(doc);
}

// A row of bordered cells of the given widths holding the given texts.
void Row(HVELDOC doc, const int* widths, const char* const* texts, int count, unsigned header = 0)
{
    VelBeginTableRow(doc, 0, 0, 0, header, 108);
    for (int i = 0; i < count; ++i) PlainCell(doc, widths[i]);
    for (int i = 0; i < count; ++i) CellText(doc, texts[i]);
    VelEndTableRow(doc);
}

}  // namespace

READER_DOC(table_plain)
{
    VelInsertText(doc, "Before the table.\r\n");
    const int widths[] = {2000, 3000, 1500};
    const char* const rows[3][3] = {{"A1", "B1", "C1"}, {"A2", "B2", "C2"}, {"A3", "B3", "C3"}};
    for (const auto& row : rows) Row(doc, widths, row, 3);
    VelInsertText(doc, "After the table.\r\n");
}

READER_DOC(table_header)
{
    const int widths[] = {2500, 2500};
    const char* const head[] = {"Name", "Value"};
    const char* const body1[] = {"alpha", "1"};
    const char* const body2[] = {"beta", "2"};
    Row(doc, widths, head, 2, 1);
    Row(doc, widths, body1, 2);
    Row(doc, widths, body2, 2);
}

// Row 1: "wide" spans the first two columns. Column 0: "tall" spans rows 2
// and 3.
READER_DOC(table_merged)
{
    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    VelNextCellInfo(doc, 2000, 0, 0, 0xFFFFFF, 10, 10, 10, 10, CELL_HMERGE_FIRST);
    VelNextCellInfo(doc, 2000, 0, 0, 0xFFFFFF, 10, 10, 10, 10, CELL_HMERGE);
    PlainCell(doc, 2000);
    CellText(doc, "wide");
    CellText(doc, "");
    CellText(doc, "R1C3");
    VelEndTableRow(doc);

    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    VelNextCellInfo(doc, 2000, CELL_VALIGN_CENTER, 0, 0xFFFFFF, 10, 10, 10, 10, CELL_VMERGE_FIRST);
    PlainCell(doc, 2000);
    PlainCell(doc, 2000);
    CellText(doc, "tall");
    CellText(doc, "R2C2");
    CellText(doc, "R2C3");
    VelEndTableRow(doc);

    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    VelNextCellInfo(doc, 2000, 0, 0, 0xFFFFFF, 10, 10, 10, 10, CELL_VMERGE);
    PlainCell(doc, 2000);
    PlainCell(doc, 2000);
    CellText(doc, "");
    CellText(doc, "R3C2");
    CellText(doc, "R3C3");
    VelEndTableRow(doc);
}

// Red borders 30 twips wide on the first cell, 25 % shading on the second, a
// yellow background on the third, no border on the fourth.
READER_DOC(table_borders)
{
    VelBeginTableRow(doc, 0, 600, ROW_CENTER, 0, 108);
    VelNextCellInfo2(doc, 2000, 0, 0, 0xFFFFFF, 30, 30, 30, 30, 0x0000FF, 0);
    VelNextCellInfo2(doc, 2000, CELL_VALIGN_BOTTOM, 25, 0xFFFFFF, 10, 10, 10, 10, 0, 0);
    VelNextCellInfo2(doc, 2000, CELL_VALIGN_CENTER, 0, 0x00FFFF, 10, 10, 10, 10, 0, 0);
    VelNextCellInfo2(doc, 2000, 0, 0, 0xFFFFFF, 0, 0, 0, 0, 0, 0);
    CellText(doc, "red border");
    CellText(doc, "shaded");
    CellText(doc, "yellow");
    CellText(doc, "bare");
    VelEndTableRow(doc);
}

READER_DOC(table_rotated)
{
    VelBeginTableRow(doc, 0, 1800, 0, 0, 108);
    VelNextCellInfo3(doc, 1000, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0, 0, 90);
    VelNextCellInfo3(doc, 1000, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0, 0, 270);
    VelNextCellInfo3(doc, 3000, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0, 0, 0);
    CellText(doc, "up");
    CellText(doc, "down");
    CellText(doc, "across");
    VelEndTableRow(doc);
}

// An outer table of two rows; the second cell of its first row holds a
// table of two rows and two columns, then more text.
READER_DOC(table_nested1)
{
    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    PlainCell(doc, 2000);
    PlainCell(doc, 5000);
    CellText(doc, "outer 1");
    VelBeginCellText(doc);
    VelInsertText(doc, "outer 2");
    const int widths[] = {1500, 2500};
    const char* const inner1[] = {"inner A1", "inner B1"};
    const char* const inner2[] = {"inner A2", "inner B2"};
    Row(doc, widths, inner1, 2);
    Row(doc, widths, inner2, 2);
    VelInsertText(doc, "outer 2 after");
    VelEndCellText(doc);
    VelEndTableRow(doc);

    const int outerWidths[] = {2000, 5000};
    const char* const outer2[] = {"outer 3", "outer 4"};
    Row(doc, outerWidths, outer2, 2);
    VelInsertText(doc, "After the tables.\r\n");
}

// outer > middle > inner: a table nested two levels deep.
READER_DOC(table_nested2)
{
    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    PlainCell(doc, 7000);
    PlainCell(doc, 2000);
    VelBeginCellText(doc);
    VelInsertText(doc, "outer");

    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    PlainCell(doc, 6000);
    VelBeginCellText(doc);
    VelInsertText(doc, "middle");

    const int widths[] = {1000, 2000, 1500};
    const char* const inner[] = {"deep 1", "deep 2", "deep 3"};
    Row(doc, widths, inner, 3);

    VelEndCellText(doc);
    VelEndTableRow(doc);

    VelEndCellText(doc);
    CellText(doc, "side");
    VelEndTableRow(doc);
}
