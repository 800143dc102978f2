// The table writers shared by the row, cell and cell-text operations.
#pragma once

struct VelDocRecord;
struct RowLevel;
struct CellInfo;

// \trowd and the row's alignment, padding, left edge, height and header mark.
int PutRowDefinition(VelDocRecord* doc, const RowLevel& row);
// One cell's alignment, merges, borders, shading, background and direction,
// then \cellx at the cell's right edge; advances CellEdge by the cell's
// width. Gives 0 when a write fails or a color cannot be added to the color
// table (already reported).
int PutCellDefinition(VelDocRecord* doc, const CellInfo& cell);
