// The call-sequence state: which constructs are open in a document, and the
// check every content operation runs against it before it writes.
#pragma once

struct VelDocRecord;

constexpr unsigned SEQ_SECT_TEXT = 0x1;
constexpr unsigned SEQ_STYLE_ITEM = 0x2;
constexpr unsigned SEQ_STYLESHEET = 0x4;
constexpr unsigned SEQ_TABLE_ROW = 0x8;
constexpr unsigned SEQ_FRAME = 0x10;
constexpr unsigned SEQ_SECT_INIT = 0x20;
constexpr unsigned SEQ_TEXT_BOX = 0x40;
constexpr unsigned SEQ_HDR_FTR = 0x80;
constexpr unsigned SEQ_CELL_TEXT = 0x100;
constexpr unsigned SEQ_ERROR_SHOWN = 0x200;
constexpr unsigned SEQ_SCRIPT_STYLE = 0x800;

// Every checked operation, one entry each in the table of masks.
enum SeqOp {
    OP_INIT_SECT,
    OP_BEGIN_SECT_TEXT,
    OP_PAPER,
    OP_MARGIN,
    OP_SECT_INFO,
    OP_INSERT_BREAK,
    OP_RESET_TEXT_PROP,
    OP_RESET_PARA_PROP,
    OP_CHAR_STYLE_ID,
    OP_PARA_STYLE_ID,
    OP_PARA_FLAGS,
    OP_PARA_INDENT,
    OP_PARA_SPACE,
    OP_PARA_SHADE_COLOR,
    OP_PARA_BULLET,
    OP_PARA_TAB_STOP,
    OP_TEXT_COLOR,
    OP_INSERT_PICT_FILE,
    OP_PASTE_PICTURE,
    OP_TEXT_FONT,
    OP_BEGIN_SCRIPT_STYLE,
    OP_END_SCRIPT_STYLE,
    OP_INSERT_TEXT,
    OP_INSERT_UTEXT,
    OP_INSERT_BOOKMARK,
    OP_INSERT_FOOTNOTE,
    OP_INSERT_PAGE_FIELD,
    OP_INSERT_TOC_FIELD,
    OP_INSERT_MERGE_FIELD,
    OP_INSERT_RAW,
    OP_BEGIN_HDR_FTR,
    OP_END_HDR_FTR,
    OP_BEGIN_FRAME,
    OP_END_FRAME,
    OP_BEGIN_TEXT_BOX,
    OP_END_TEXT_BOX,
    OP_DRAW_RECT,
    OP_DRAW_LINE,
    OP_BEGIN_TABLE_ROW,
    OP_NEXT_CELL_INFO,
    OP_BEGIN_CELL_TEXT,
    OP_END_CELL_TEXT,
    OP_END_TABLE_ROW,
    OP_BEGIN_STYLE_SHEET,
    OP_BEGIN_STYLE_ITEM,
    OP_END_STYLE_ITEM,
    OP_END_STYLE_SHEET,
    OP_COUNT
};

struct SeqRule {
    const char* Caption;  // the operation's name in reports
    unsigned Already;     // the construct the operation opens: none of these may be open
    unsigned Required;    // at least one of these must be open (0: no requirement)
    unsigned Forbidden;   // none of these may be open
};

// The masks of every checked operation.
const SeqRule& SequenceRule(SeqOp op);

// The constructs that must not be open when the operation runs, beyond its
// rule, because their group would cross the operation's own (a script run
// inside a frame, a table row inside a header being ended...). Refused with
// their "not allowed" numbers. 0 for most operations.
unsigned SequenceGuard(SeqOp op);

// 1 when the call may proceed; otherwise reports the refusal and gives 0.
// When a section is needed and none is open, opens one first through
// VelInitSect and VelBeginSectText.
int CheckCallSequence(VelDocRecord* doc, const char* caption, unsigned already, unsigned required,
                      unsigned forbidden);

// The check with the operation's own caption and masks from the table,
// then its guard.
int CheckCallSequence(VelDocRecord* doc, SeqOp op);
