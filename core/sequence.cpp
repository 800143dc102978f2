#include "sequence.h"

#include <cstring>

#include "document.h"
#include "messages.h"

namespace {

constexpr unsigned kMask5 = SEQ_SECT_TEXT | SEQ_STYLESHEET;
constexpr unsigned kMask72 = SEQ_TABLE_ROW | SEQ_TEXT_BOX;
constexpr unsigned kMask88 = SEQ_TABLE_ROW | SEQ_FRAME | SEQ_TEXT_BOX;
constexpr unsigned kMask129 = SEQ_SECT_TEXT | SEQ_HDR_FTR;
constexpr unsigned kMask133 = SEQ_SECT_TEXT | SEQ_STYLESHEET | SEQ_HDR_FTR;
constexpr unsigned kMask145 = SEQ_SECT_TEXT | SEQ_FRAME | SEQ_HDR_FTR;
constexpr unsigned kMask385 = SEQ_SECT_TEXT | SEQ_HDR_FTR | SEQ_CELL_TEXT;
constexpr unsigned kMask387 = SEQ_SECT_TEXT | SEQ_STYLE_ITEM | SEQ_HDR_FTR | SEQ_CELL_TEXT;

// Indexed by SeqOp.
const SeqRule kRules[OP_COUNT] = {
    {"VelInitSect", SEQ_SECT_INIT, 0, kMask5},
    {"VelBeginSectText", SEQ_SECT_TEXT, SEQ_SECT_INIT, SEQ_HDR_FTR},
    {"VelPaper", 0, 0, kMask133},
    {"VelMargin", 0, 0, kMask133},
    {"VelSectInfo", 0, SEQ_SECT_INIT, SEQ_HDR_FTR},
    {"VelInsertBreak", 0, SEQ_SECT_TEXT, kMask88},
    {"VelResetTextProp", 0, kMask387, 0},
    {"VelResetParaProp", 0, kMask387, 0},
    {"VelCharStyleId", 0, kMask387, 0},
    {"VelParaStyleId", 0, kMask387, 0},
    {"VelParaFlags", 0, kMask387, 0},
    {"VelParaIndent", 0, kMask387, 0},
    {"VelParaSpace", 0, kMask387, 0},
    {"VelParaShadeColor", 0, kMask387, 0},
    {"VelParaBullet", 0, kMask387, 0},
    {"VelParaTabStop", 0, kMask387, 0},
    {"VelTextColor", 0, kMask387, 0},
    {"VelInsertPictFile", 0, kMask387, 0},
    {"VelPastePicture", 0, kMask387, 0},
    {"VelTextFont", 0, kMask387, SEQ_SCRIPT_STYLE},
    {"VelBeginScriptStyle", 0, kMask387, SEQ_SCRIPT_STYLE},
    {"VelEndScriptStyle", 0, SEQ_SCRIPT_STYLE, 0},
    {"VelInsertText", 0, kMask385, 0},
    {"VelInsertUText", 0, kMask385, 0},
    {"VelInsertBookmark", 0, kMask385, 0},
    {"VelInsertFootnote", 0, kMask385, 0},
    {"VelInsertPageField", 0, kMask385, 0},
    {"VelInsertTocField", 0, kMask385, 0},
    {"VelInsertMergeField", 0, kMask385, 0},
    {"VelInsertRaw", 0, 0, 0},
    {"VelBeginHdrFtr", SEQ_HDR_FTR, SEQ_SECT_INIT, SEQ_SECT_TEXT},
    {"VelEndHdrFtr", 0, SEQ_HDR_FTR, 0},
    {"VelBeginFrame", SEQ_FRAME, kMask129, kMask72},
    {"VelEndFrame", 0, SEQ_FRAME, kMask72},
    {"VelBeginTextBox", SEQ_TEXT_BOX, kMask129, kMask72},
    {"VelEndTextBox", 0, SEQ_TEXT_BOX, SEQ_TABLE_ROW},
    {"VelDrawRect", 0, kMask129, kMask88},
    {"VelDrawLine", 0, kMask129, kMask88},
    {"VelBeginTableRow", 0, kMask145, 0},
    {"VelNextCellInfo", 0, SEQ_TABLE_ROW, SEQ_CELL_TEXT},
    {"VelBeginCellText", SEQ_CELL_TEXT, SEQ_TABLE_ROW, 0},
    {"VelEndCellText", 0, SEQ_CELL_TEXT, 0},
    {"VelEndTableRow", 0, SEQ_TABLE_ROW, SEQ_CELL_TEXT},
    {"VelBeginStyleSheet", SEQ_STYLESHEET, 0, SEQ_SECT_TEXT | SEQ_HDR_FTR},
    {"VelBeginStyleItem", SEQ_STYLE_ITEM, SEQ_STYLESHEET, 0},
    {"VelEndStyleItem", 0, SEQ_STYLE_ITEM, 0},
    {"VelEndStyleSheet", 0, SEQ_STYLESHEET, SEQ_STYLE_ITEM},
};

// Groups that an operation's own group must not cross.
struct SeqGuard {
    SeqOp Op;
    unsigned Mask;
};

constexpr SeqGuard kGuards[] = {
    // A header opened while a stylesheet is open would land inside it.
    {OP_BEGIN_HDR_FTR, SEQ_STYLESHEET | SEQ_STYLE_ITEM},
    // Ending a header, a style, a positioned object or a table row closes its
    // group: nothing opened inside it may still be open.
    {OP_END_HDR_FTR, SEQ_TABLE_ROW | SEQ_FRAME | SEQ_TEXT_BOX | SEQ_CELL_TEXT | SEQ_SCRIPT_STYLE},
    {OP_END_STYLE_ITEM, SEQ_SCRIPT_STYLE},
    {OP_END_FRAME, SEQ_SCRIPT_STYLE},
    {OP_END_TEXT_BOX, SEQ_SCRIPT_STYLE},
    {OP_END_TABLE_ROW, SEQ_SCRIPT_STYLE},
    // Nor may such a group open inside a script run, whose end would close it.
    {OP_BEGIN_FRAME, SEQ_SCRIPT_STYLE},
    {OP_BEGIN_TEXT_BOX, SEQ_SCRIPT_STYLE},
    {OP_BEGIN_TABLE_ROW, SEQ_SCRIPT_STYLE},
};

// The lines of the composed message, in the order they are listed: the
// name, so many blanks, the description.
// Every operation's guard, by operation.
struct GuardTable {
    unsigned mask[OP_COUNT];
};

constexpr GuardTable MakeGuardTable()
{
    GuardTable t{};
    for (const SeqGuard& guard : kGuards) t.mask[guard.Op] = guard.Mask;
    return t;
}

constexpr GuardTable kGuardOf = MakeGuardTable();

struct RequiredLine {
    unsigned Bit;
    const char* Name;
    int Blanks;
    const char* Description;
};

const RequiredLine kRequiredLines[] = {
    {SEQ_SECT_TEXT, "VelBeginSectText()", 5, "Begin Section Text,"},
    {SEQ_SECT_INIT, "VelInitSect()", 10, "Initialize Section,"},
    {SEQ_HDR_FTR, "VelBeginHdrFtr()", 7, "Begin Header/Footer,"},
    {SEQ_STYLE_ITEM, "VelBeginStyleItem()", 4, "Begin Stylesheet Item,"},
    {SEQ_STYLESHEET, "VelBeginStylesheet()", 3, "Begin Stylesheet Group,"},
    {SEQ_TABLE_ROW, "VelBeginTableRow()", 5, "Begin a Table Row,"},
    {SEQ_FRAME, "VelBeginFrame()", 8, "Begin Frame,"},
    {SEQ_TEXT_BOX, "VelBeginTextBox()", 6, "Begin Text Box,"},
    {SEQ_CELL_TEXT, "VelBeginCellText()", 4, "Begin Cell Text,"},
    {SEQ_SCRIPT_STYLE, "VelBeginScriptStyle()", 2, "Begin Script Style Text,"},
};

// The numbers of the "already called" and "not allowed" messages, in the
// order the bits are examined.
struct StateNumbers {
    unsigned Bit;
    int AlreadyCalled;
    int NotAllowed;
};

const StateNumbers kStateNumbers[] = {
    {SEQ_SECT_TEXT, 33, 34},    {SEQ_STYLE_ITEM, 35, 36}, {SEQ_STYLESHEET, 37, 38},
    {SEQ_TABLE_ROW, 39, 40},    {SEQ_FRAME, 41, 42},      {SEQ_TEXT_BOX, 43, 44},
    {SEQ_SECT_INIT, 31, 32},    {SEQ_HDR_FTR, 45, 46},    {SEQ_CELL_TEXT, 49, 50},
    {SEQ_SCRIPT_STYLE, 58, 59},
};

bool Passes(unsigned state, unsigned already, unsigned required, unsigned forbidden)
{
    return (required == 0 || (state & required) != 0) && (state & forbidden) == 0 && (state & already) == 0;
}

// The longest text a host's 300-byte message buffer holds. The masks in use
// compose at most 261 characters; a longer list keeps its first lines whole.
constexpr size_t kLongestMessage = 299;
static_assert(kLongestMessage < kComposedMessageSize, "the composed message fits its store");

// Message 48: the head, one line for each required construct, and a full
// stop in place of the last line's comma and line feed.
void ComposeRequiredMessage(unsigned required, char (&out)[kComposedMessageSize])
{
    static const char kHead[] =
        "This function is valid only if one of the following function(s) has been already called:\n\n";
    size_t n = sizeof kHead - 1;
    std::memcpy(out, kHead, n);
    for (const RequiredLine& line : kRequiredLines) {
        if (!(required & line.Bit)) continue;
        size_t name = std::strlen(line.Name);
        size_t description = std::strlen(line.Description);
        size_t length = name + static_cast<size_t>(line.Blanks) + description + 1;
        // The last ",\n" becomes ".", one character less.
        if (n + length - 1 > kLongestMessage) break;
        std::memcpy(out + n, line.Name, name);
        n += name;
        std::memset(out + n, ' ', static_cast<size_t>(line.Blanks));
        n += static_cast<size_t>(line.Blanks);
        std::memcpy(out + n, line.Description, description);
        n += description;
        out[n++] = '\n';
    }
    n -= 2;  // the comma and line feed of the last line
    out[n++] = '.';
    out[n] = '\0';
}

}  // namespace

const SeqRule& SequenceRule(SeqOp op)
{
    return kRules[op];
}

unsigned SequenceGuard(SeqOp op)
{
    return kGuardOf.mask[op];
}

int CheckCallSequence(VelDocRecord* doc, const char* caption, unsigned already, unsigned required,
                      unsigned forbidden)
{
    if (Passes(doc->SeqState, already, required, forbidden)) return 1;

    // Content before its section: open the section, then test again.
    if (required & SEQ_SECT_INIT) VelInitSect(doc);
    if (required & SEQ_SECT_TEXT) VelBeginSectText(doc);
    if (Passes(doc->SeqState, already, required, forbidden)) return 1;

    if (required != 0) {
        char message[kComposedMessageSize];
        ComposeRequiredMessage(required, message);
        SetComposedMessage(message);
        return ReportError(doc, ERR_COMPOSED_SEQUENCE, caption);
    }
    int number = 0;
    for (const StateNumbers& entry : kStateNumbers) {
        if (!(doc->SeqState & entry.Bit)) continue;
        if (forbidden & entry.Bit) number = entry.NotAllowed;
        if (already & entry.Bit) number = entry.AlreadyCalled;
    }
    return ReportError(doc, number ? number : ERR_INVALID_SEQUENCE, caption);
}

int CheckCallSequence(VelDocRecord* doc, SeqOp op)
{
    const SeqRule& rule = kRules[op];
    // The usual case: both checks pass as the state stands.
    if (Passes(doc->SeqState, rule.Already, rule.Required, rule.Forbidden | kGuardOf.mask[op])) return 1;
    if (!CheckCallSequence(doc, rule.Caption, rule.Already, rule.Required, rule.Forbidden)) return 0;
    unsigned guard = SequenceGuard(op);
    return guard == 0 || CheckCallSequence(doc, rule.Caption, 0, 0, guard);
}
