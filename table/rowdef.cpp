// Table rows and their cell declarations. A top-level row writes its
// definitions as they are declared, at the head of the row's group; a nested
// row only keeps them, and they are written when the row ends, because RTF
// places a nested row's properties after its cells.
#include <algorithm>
#include <cstdint>

#include "core/document.h"
#include "core/fonttable.h"
#include "core/memory.h"
#include "core/messages.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"
#include "table/table.h"

namespace {

constexpr const char* kRowCaption = "VelBeginTableRow";
constexpr const char* kCellCaption = "VelNextCellInfo";

// The deepest level a row may open at: levels 0 to 18, nineteen in all.
constexpr int kDeepestLevel = kRowLevels - 2;

// A 64-bit sum held within 32 bits.
int Saturated(int64_t value)
{
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int>(value);
}

bool IsPowerOfTwo(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

// Records a row's cell array holds at first: most rows have no more cells.
constexpr int kFirstCells = 8;

// A free record at the end of the open row's cells, the array grown when it
// is full; the row's count is not raised. The array starts with room for
// eight and then doubles, so it holds max(8, bit_ceil(count)) records. Null
// when the array cannot grow.
CellInfo* RoomForCell(RowLevel& row)
{
    int count = row.CellCount;
    if (row.Cells && (count < kFirstCells || !IsPowerOfTwo(count))) return row.Cells + count;
    int64_t records = row.Cells ? static_cast<int64_t>(count) * 2 : kFirstCells;
    // The memory routine refuses a size past the largest block; its report
    // of error 23 is the operation's only one.
    int64_t bytes = std::min<int64_t>(records * static_cast<int64_t>(sizeof(CellInfo)), kMaxBlockSize + int64_t{1});
    void* grown = row.Cells ? OurRealloc(row.Cells, static_cast<int>(bytes)) : OurAlloc(static_cast<int>(bytes));
    if (!grown) return nullptr;
    row.Cells = static_cast<CellInfo*>(grown);
    return row.Cells + count;
}

// The border of one side, in the color of `colorIndex` (-1: automatic).
int PutCellBorder(VelDocRecord* doc, RtfWord side, int width, int colorIndex)
{
    if (width <= 0) return 1;
    if (!PutWord(doc, side) || !PutWord(doc, "brdrs") || !PutWordValue(doc, "brdrw", width)) return 0;
    return colorIndex < 0 || PutWordValue(doc, "brdrcf", colorIndex);
}

}  // namespace

int PutRowDefinition(VelDocRecord* doc, const RowLevel& row)
{
    if (!PutWord(doc, "trowd")) return 0;
    if ((row.Flags & ROW_CENTER) && !PutWord(doc, "trqc")) return 0;
    if (!(row.Flags & ROW_CENTER) && (row.Flags & ROW_RIGHT) && !PutWord(doc, "trqr")) return 0;
    if (row.PadLeft == row.PadRight && row.PadTop == 0 && row.PadBottom == 0) {
        // One gap for both sides; none given means the usual 60.
        if (!PutWordValue(doc, "trgaph", row.PadLeft > 0 ? row.PadLeft : 60)) return 0;
    } else {
        // Each side in twips (unit 3), written as given.
        const struct {
            RtfWord pad;
            RtfWord unit;
            int value;
        } sides[] = {{"trpaddl", "trpaddfl", row.PadLeft},
                     {"trpaddr", "trpaddfr", row.PadRight},
                     {"trpaddt", "trpaddft", row.PadTop},
                     {"trpaddb", "trpaddfb", row.PadBottom}};
        for (const auto& side : sides) {
            if (!PutWordValue(doc, side.pad, side.value) || !PutWordValue(doc, side.unit, 3)) return 0;
        }
    }
    if (!PutWordValue(doc, "trleft", row.Left)) return 0;
    if (row.Height != 0 && !PutWordValue(doc, "trrh", row.Height)) return 0;
    if (row.Header && !PutWord(doc, "trhdr")) return 0;
    return 1;
}

int PutCellDefinition(VelDocRecord* doc, const CellInfo& cell)
{
    RtfWord valign = cell.VAlign == CELL_VALIGN_CENTER   ? RtfWord("clvertalc")
                     : cell.VAlign == CELL_VALIGN_BOTTOM ? RtfWord("clvertalb")
                                                         : RtfWord("clvertalt");
    if (!PutWord(doc, valign)) return 0;
    if ((cell.Merge & CELL_VMERGE_FIRST) && !PutWord(doc, "clvmgf")) return 0;
    if (!(cell.Merge & CELL_VMERGE_FIRST) && (cell.Merge & CELL_VMERGE) && !PutWord(doc, "clvmrg")) return 0;
    if ((cell.Merge & CELL_HMERGE_FIRST) && !PutWord(doc, "clmgf")) return 0;
    if (!(cell.Merge & CELL_HMERGE_FIRST) && (cell.Merge & CELL_HMERGE) && !PutWord(doc, "clmrg")) return 0;

    int borderColor = -1;
    if (cell.BorderColor != 0) {
        borderColor = FindOrAddColor(doc, cell.BorderColor);
        if (borderColor < 0) return 0;
    }
    if (!PutCellBorder(doc, "clbrdrt", cell.BorderTop, borderColor) ||
        !PutCellBorder(doc, "clbrdrb", cell.BorderBottom, borderColor) ||
        !PutCellBorder(doc, "clbrdrl", cell.BorderLeft, borderColor) ||
        !PutCellBorder(doc, "clbrdrr", cell.BorderRight, borderColor)) {
        return 0;
    }

    // Shading in hundredths of a percent, at most all of it.
    if (cell.Shading > 0 && !PutWordValue(doc, "clshdng", (cell.Shading > 100 ? 100 : cell.Shading) * 100)) return 0;
    if (cell.Background != 0xFFFFFF) {
        int background = FindOrAddColor(doc, cell.Background);
        if (background < 0 || !PutWordValue(doc, "clcbpat", background)) return 0;
    }
    if (cell.Rotation == 90 && !PutWord(doc, "cltxbtlr")) return 0;
    if (cell.Rotation == 270 && !PutWord(doc, "cltxtbrl")) return 0;

    // Cell edges are absolute: the row's left edge plus the widths so far.
    int edge = Saturated(static_cast<int64_t>(doc->CellEdge) + cell.Width);
    if (!PutWordValue(doc, "cellx", edge)) return 0;
    doc->CellEdge = edge;
    return 1;
}

extern "C" {

VELEXPORT int VELAPI VelBeginTableRow(HVELDOC doc, int left, int height, unsigned flags, unsigned header,
                                      int cellMargin)
{
    return VelBeginTableRow2(doc, left, height, flags, header, cellMargin, cellMargin, 0, 0);
}

VELEXPORT int VELAPI VelBeginTableRow2(HVELDOC doc, int left, int height, unsigned flags, unsigned header,
                                       int padLeft, int padRight, int padTop, int padBottom)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_BEGIN_TABLE_ROW)) return undo.Refused();
    int outer = doc->TableLevel;
    // A nested row stands in the text of a cell of the row around it, so that
    // the row keeps one cell text per declared cell.
    if (outer >= 0 && !(doc->SeqState & SEQ_CELL_TEXT)) {
        CheckCallSequence(doc, kRowCaption, 0, SEQ_CELL_TEXT, 0);
        return undo.Refused();
    }
    // A refused row leaves the table as it was, so the host can go on with
    // the row it has.
    if (outer >= kDeepestLevel) return 0;
    if (outer < -1) return ReportError(doc, ERR_TABLE_CORRUPT, kRowCaption);
    int level = outer + 1;

    // A row never starts inside an open paragraph, and starts a new line.
    if (!doc->ParaClosed) {
        if (!PutWord(doc, "par")) return 0;
        doc->ParaClosed = 1;
    }
    if (!FlushRtfLine(doc)) return 0;

    RowLevel row{};
    row.Left = left;
    row.Height = height;
    row.Flags = flags;
    row.Header = header;
    row.PadLeft = padLeft;
    row.PadRight = padRight;
    row.PadTop = padTop;
    row.PadBottom = padBottom;
    // A top-level row opens its group and defines itself at once; a nested
    // row writes its definitions when it ends.
    if (level == 0 && (!BeginRtfGroup(doc) || !PutRowDefinition(doc, row))) return 0;

    // Everything is written: the row opens.
    if (outer >= 0) doc->RowLevels[outer].SavedCellTexts = doc->CellTextCount;
    OurFree(doc->RowLevels[level].Cells);
    doc->RowLevels[level] = row;
    doc->TableLevel = level;
    doc->CellTextCount = 0;
    doc->CellCount = 0;
    doc->CellEdge = left;
    doc->SeqState = (doc->SeqState & ~SEQ_CELL_TEXT) | SEQ_TABLE_ROW;
    return undo.Commit();
}

VELEXPORT int VELAPI VelNextCellInfo(HVELDOC doc, int width, unsigned valign, int shading, unsigned background,
                                     int borderLeft, int borderRight, int borderTop, int borderBottom,
                                     unsigned merge)
{
    return VelNextCellInfo3(doc, width, valign, shading, background, borderLeft, borderRight, borderTop,
                            borderBottom, 0, merge, 0);
}

VELEXPORT int VELAPI VelNextCellInfo2(HVELDOC doc, int width, unsigned valign, int shading, unsigned background,
                                      int borderLeft, int borderRight, int borderTop, int borderBottom,
                                      unsigned borderColor, unsigned merge)
{
    return VelNextCellInfo3(doc, width, valign, shading, background, borderLeft, borderRight, borderTop,
                            borderBottom, borderColor, merge, 0);
}

VELEXPORT int VELAPI VelNextCellInfo3(HVELDOC doc, int width, unsigned valign, int shading, unsigned background,
                                      int borderLeft, int borderRight, int borderTop, int borderBottom,
                                      unsigned borderColor, unsigned merge, int rotation)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    // Once the first cell text of the row has begun, the row's cells are
    // settled, even between two cell texts: the check sees a cell text open.
    unsigned state = doc->SeqState;
    if (doc->CellTextCount > 0) doc->SeqState |= SEQ_CELL_TEXT;
    int allowed = CheckCallSequence(doc, OP_NEXT_CELL_INFO);
    doc->SeqState = state | (doc->SeqState & SEQ_ERROR_SHOWN);
    if (!allowed) return undo.Refused();
    if (doc->TableLevel < 0 || doc->TableLevel >= kRowLevels) {
        return ReportError(doc, ERR_TABLE_CORRUPT, kCellCaption);
    }

    RowLevel& row = doc->RowLevels[doc->TableLevel];
    CellInfo* cell = RoomForCell(row);
    if (!cell) return 0;
    *cell = CellInfo{width,       valign,      shading, background, borderLeft, borderRight,
                     borderTop,   borderBottom, borderColor, merge, rotation};
    // A top-level cell follows the row definition and the cells before it
    // in the open row group; a nested one waits for the end of its row.
    if (doc->TableLevel == 0 && !PutCellDefinition(doc, *cell)) return 0;

    // Written: the record counts from now on.
    row.CellCount += 1;
    doc->CellCount = row.CellCount;
    return undo.Commit();
}

}  // extern "C"
