// Reader documents of tables: one of a table with a header row and merged
// cells and a table with borders, shading and rotated text; one of tables
// nested one and two levels deep.
#include <vector>

#include "reader_docs.h"

namespace {

// Begins a row and declares its cells, bordered 10 twips, of the given
// widths and merges.
void Cells(HVELDOC doc, std::vector<int> width, std::vector<unsigned> merge = {}, unsigned header = 0)
{
    VelBeginTableRow(doc, 0, 0, 0, header, 108);
    merge.resize(width.size());
    for (size_t i = 0; i < merge.size(); ++i) VelNextCellInfo(doc, width[i], 0, 0, 0xFFFFFF, 10, 10, 10, 10, merge[i]);
}

void Texts(HVELDOC doc, std::vector<const char*> texts)
{
    for (const char* text : texts) VelBeginCellText(doc), VelInsertText(doc, text), VelEndCellText(doc);
}

void Row(HVELDOC doc, std::vector<int> widths, std::vector<const char*> texts, std::vector<unsigned> merges = {})
{
    Cells(doc, widths, merges), Texts(doc, texts), VelEndTableRow(doc);
}

}  // namespace

READER_DOC(tables)
{
    // A header row; "wide" spans two columns, "tall" two rows.
    Cells(doc, {2000, 3000, 1500}, {}, 1), Texts(doc, {"Name", "Value", "Unit"}), VelEndTableRow(doc);
    Row(doc, {2000, 3000, 1500}, {"wide", "", "C2"}, {CELL_HMERGE_FIRST, CELL_HMERGE});
    Row(doc, {2000, 3000, 1500}, {"tall", "B3", "C3"}, {CELL_VMERGE_FIRST});
    Row(doc, {2000, 3000, 1500}, {"", "B4", "C4"}, {CELL_VMERGE});
    VelInsertText(doc, "Between.\r\n");
    // Red borders 30 twips wide, 25 % shading, a yellow background, none,
    // text upwards and downwards.
    VelBeginTableRow(doc, 0, 600, ROW_CENTER, 0, 108);
    VelNextCellInfo2(doc, 1500, 0, 0, 0xFFFFFF, 30, 30, 30, 30, 0x0000FF, 0);
    VelNextCellInfo2(doc, 1500, CELL_VALIGN_BOTTOM, 25, 0xFFFFFF, 10, 10, 10, 10, 0, 0);
    VelNextCellInfo2(doc, 1500, CELL_VALIGN_CENTER, 0, 0x00FFFF, 10, 10, 10, 10, 0, 0);
    VelNextCellInfo2(doc, 1500, 0, 0, 0xFFFFFF, 0, 0, 0, 0, 0, 0);
    VelNextCellInfo3(doc, 1000, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0, 0, 90);
    VelNextCellInfo3(doc, 1000, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0, 0, 270);
    Texts(doc, {"red", "shaded", "yellow", "bare", "up", "down"}), VelEndTableRow(doc);
}

// The first outer cell holds a table of two rows between two paragraphs;
// the second a table whose cell holds a third table.
READER_DOC(tables_nested)
{
    Cells(doc, {4000, 4000});
    VelBeginCellText(doc), VelInsertText(doc, "outer 1");
    Row(doc, {1500, 2500}, {"inner A1", "inner B1"});
    Row(doc, {1500, 2500}, {"inner A2", "inner B2"});
    VelInsertText(doc, "outer 1 after"), VelEndCellText(doc);
    VelBeginCellText(doc), VelInsertText(doc, "outer 2");
    Cells(doc, {3500}), VelBeginCellText(doc), VelInsertText(doc, "middle");
    Row(doc, {1000, 1200, 1000}, {"deep 1", "deep 2", "deep 3"});
    VelEndCellText(doc), VelEndTableRow(doc), VelEndCellText(doc), VelEndTableRow(doc);
    Row(doc, {4000, 4000}, {"outer 3", "outer 4"});
}
