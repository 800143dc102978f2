// The document record behind an HVELDOC, and the records it owns.
#pragma once

#include <cstdint>

#include "velrtf.h"

// The output stream: finished lines in Body, plus the pending line.
struct RtfStream {
    char* Body;           // finished lines; not NUL-terminated
    int BodyCapacity;     // bytes Body may hold (the block is one byte larger)
    int BodyLength;       // bytes used in Body
    char Line[304];       // the pending line: at most 300 characters plus CR LF
    int LineLength;
    int PendingSpace;     // a control word is owed its delimiting space
    int NoBreak;          // inside a control word or a hex pair: no soft breaks
    int GroupDepth;       // braces opened minus braces closed
    unsigned StreamMode;  // MODE_RAW_BACKSLASH, MODE_IN_ESCAPE
};

// Raw text, a field instruction: backslashes go out unescaped, and no line
// ends inside it (past 300 characters the output line just goes on).
constexpr unsigned MODE_RAW_BACKSLASH = 2;
constexpr unsigned MODE_IN_ESCAPE = 32;     // inside a two-character escape

struct FontEntry {
    int Family;     // high nibble of the Windows pitch-and-family byte
    int Charset;    // Windows character set; 1 is never written
    char Name[32];  // at most 31 characters and the NUL
};

// One declared table cell: the arguments of VelNextCellInfo3, in order.
struct CellInfo {
    int Width;
    unsigned VAlign;
    int Shading;
    unsigned Background;
    int BorderLeft;
    int BorderRight;
    int BorderTop;
    int BorderBottom;
    unsigned BorderColor;
    unsigned Merge;
    int Rotation;
};

// The declarations of the row open at one nesting level.
struct RowLevel {
    int Left;
    int Height;
    unsigned Flags;
    unsigned Header;
    int PadLeft;
    int PadRight;
    int PadTop;
    int PadBottom;
    int CellCount;
    CellInfo* Cells;
    int SavedCellTexts;
};

constexpr int kRowLevels = 20;

struct VelDocRecord {
    unsigned* ColorTable;
    int ColorCount;
    int ColorCapacity;
    FontEntry* FontTable;
    int FontCount;
    int FontCapacity;
    RtfStream* Stream;
    int BoxX;
    int BoxY;
    int BoxWidth;
    int BoxHeight;
    unsigned BoxFill;
    unsigned BoxLine;
    int BoxLineWidth;
    int BoxTransparent;
    // The open frame's anchor, position and size, written again after a
    // paragraph reset inside it.
    int FramePageRelative;
    int FrameX;
    int FrameY;
    int FrameWidth;
    int FrameHeight;
    int TableLevel;  // -1: no row open
    RowLevel RowLevels[kRowLevels];
    int CellTextCount;
    int CellCount;
    int CellEdge;
    int FontEnumIndex;
    char ScratchText[604];
    unsigned DocFlags;
    unsigned SeqState;
    int ResX;
    int ResY;
    int ParaClosed;
    char StyleName[304];
};
