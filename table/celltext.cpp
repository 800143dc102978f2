// Cell text, row ends and nested tables. Every declared cell gets exactly
// one cell text. A nested row's cells end with \nestcell, and the row itself
// with its deferred definitions in {\*\nesttableprops ...\nestrow}; each is
// followed by a {\nonesttables\par} group for readers that know no nested
// tables.
#include "core/document.h"
#include "core/memory.h"
#include "core/messages.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"
#include "table/table.h"

namespace {

// The paragraph mark that readers without nested tables see instead.
int PutNoNestedTablesPar(VelDocRecord* doc)
{
    if (!VelBeginGroup(doc, "nonesttables", 0) || !PutWord(doc, "par")) return 0;
    doc->ParaClosed = 1;
    return EndRtfGroup(doc);
}

// The end of a nested row: its definitions, kept since it was declared, with
// the cell edges counted from its own left edge, then the fallback mark,
// all in one group.
int PutNestedRowEnd(VelDocRecord* doc, const RowLevel& row)
{
    if (!BeginRtfGroup(doc) || !VelBeginGroup(doc, "nesttableprops", 1) || !PutRowDefinition(doc, row)) return 0;
    doc->CellEdge = row.Left;
    for (int i = 0; i < row.CellCount; ++i) {
        if (!PutCellDefinition(doc, row.Cells[i])) return 0;
    }
    if (!PutWord(doc, "nestrow") || !EndRtfGroup(doc)) return 0;
    return PutNoNestedTablesPar(doc) && EndRtfGroup(doc);
}

}  // namespace

extern "C" {

VELEXPORT int VELAPI VelBeginCellText(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_BEGIN_CELL_TEXT)) return undo.Refused();
    if (doc->CellCount == 0) return ReportError(doc, ERR_CELL_INFO_MISSING, "VelBeginCellText");
    if (doc->CellTextCount >= doc->CellCount) return ReportError(doc, ERR_CELL_INFO_NOT_CALLED, "VelBeginCellText");
    // Every cell text starts a line; a nested cell names its depth.
    if (!FlushRtfLine(doc) || !PutWord(doc, "intbl")) return 0;
    if (doc->TableLevel > 0 && !PutWordValue(doc, "itap", doc->TableLevel + 1)) return 0;
    doc->CellTextCount += 1;
    doc->SeqState |= SEQ_CELL_TEXT;
    return undo.Commit();
}

VELEXPORT int VELAPI VelEndCellText(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_END_CELL_TEXT)) return undo.Refused();
    if (doc->TableLevel != 0) {
        if (!PutWord(doc, "nestcell") || !PutNoNestedTablesPar(doc)) return 0;
    } else if (!PutWord(doc, "cell")) {
        return 0;
    }
    // The cell mark ends the cell's last paragraph.
    doc->ParaClosed = 1;
    if (!FlushRtfLine(doc)) return 0;
    doc->SeqState &= ~SEQ_CELL_TEXT;
    return undo.Commit();
}

VELEXPORT int VELAPI VelEndTableRow(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_END_TABLE_ROW)) return undo.Refused();
    int level = doc->TableLevel;
    if (level < 0 || level >= kRowLevels) return ReportError(doc, ERR_TABLE_CORRUPT, "VelEndTableRow");
    if (doc->CellTextCount == 0) return ReportError(doc, ERR_NO_CELL_IN_ROW, "VelEndTableRow");
    if (doc->CellTextCount < doc->CellCount) return ReportError(doc, ERR_CELL_TEXT_MISSING, "VelEndTableRow");

    // Everything that can fail is written before the row's records change,
    // so that a failed write leaves the row open as it was.
    RowLevel& row = doc->RowLevels[level];
    if (level == 0) {
        // \row, and the end of the group that VelBeginTableRow opened.
        if (!PutWord(doc, "row") || !EndRtfGroup(doc)) return 0;
        doc->SeqState &= ~SEQ_TABLE_ROW;
        doc->TableLevel = -1;
        doc->CellTextCount = 0;
        doc->CellCount = 0;
    } else {
        if (!PutNestedRowEnd(doc, row)) return 0;
        // Back in the cell of the row around it, whose text goes on in a
        // paragraph of that cell.
        const RowLevel& outer = doc->RowLevels[level - 1];
        doc->TableLevel = level - 1;
        doc->CellTextCount = outer.SavedCellTexts;
        doc->CellCount = outer.CellCount;
        doc->SeqState |= SEQ_TABLE_ROW | SEQ_CELL_TEXT;
        if (!VelResetParaProp(doc)) return 0;
    }
    if (!FlushRtfLine(doc)) return 0;
    doc->ParaClosed = 1;

    OurFreeAndClear(row.Cells);
    row.CellCount = 0;
    return undo.Commit();
}

}  // extern "C"
