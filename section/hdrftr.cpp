// Headers and footers: one group per header or footer, written while a
// section is initialised, before its text.
#include "core/document.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"

namespace {

struct HdrFtrKind {
    const char* pageWord;     // \titlepg or \facingp before the group, or none
    const char* destination;  // the group's first word
};

// Indexed by kind - 1 (HF_HEADER to HF_FOOTER_RIGHT).
const HdrFtrKind kKinds[] = {
    {nullptr, "header"},    {"titlepg", "headerf"}, {"facingp", "headerl"}, {"facingp", "headerr"},
    {nullptr, "footer"},    {"titlepg", "footerf"}, {"facingp", "footerl"}, {"facingp", "footerr"},
};

// Constructs that live in a single group or paragraph run: one opened inside
// a header or footer must be closed there, or the header's closing brace
// would end the construct's group instead and the body would run on inside
// the header.
constexpr unsigned kOpenedInside = SEQ_TABLE_ROW | SEQ_FRAME | SEQ_TEXT_BOX | SEQ_CELL_TEXT | SEQ_SCRIPT_STYLE;

}  // namespace

extern "C" {

VELEXPORT int VELAPI VelBeginHdrFtr(HVELDOC doc, int kind)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_BEGIN_HDR_FTR)) return undo.Refused();
    // A stylesheet opened while the section is initialised would take the
    // header into its own group.
    if (!CheckCallSequence(doc, "VelBeginHdrFtr", 0, 0, SEQ_STYLESHEET | SEQ_STYLE_ITEM)) return undo.Refused();
    // An unknown kind writes nothing, not even a section the check opened.
    if (kind < HF_HEADER || kind > HF_FOOTER_RIGHT) return 0;
    const HdrFtrKind& k = kKinds[kind - 1];
    if (!FlushRtfLine(doc)) return 0;
    if (k.pageWord && !PutWord(doc, k.pageWord)) return 0;
    if (!BeginRtfGroup(doc) || !PutWord(doc, k.destination)) return 0;
    doc->SeqState |= SEQ_HDR_FTR;
    return undo.Commit();
}

VELEXPORT int VELAPI VelEndHdrFtr(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_END_HDR_FTR)) return undo.Refused();
    if (!CheckCallSequence(doc, "VelEndHdrFtr", 0, 0, kOpenedInside)) return undo.Refused();
    if (!EndRtfGroup(doc) || !FlushRtfLine(doc)) return 0;
    doc->SeqState &= ~SEQ_HDR_FTR;
    return undo.Commit();
}

}  // extern "C"
