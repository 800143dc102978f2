// Headers and footers: one group per header or footer, written while a
// section is initialised, before its text.
#include "core/document.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"

namespace {

struct HdrFtrKind {
    const char* pageWord;     // \titlepg or \facingp before the group, or none
    RtfWord destination;      // the group's first word
};

// Indexed by kind - 1 (HF_HEADER to HF_FOOTER_RIGHT).
const HdrFtrKind kKinds[] = {
    {nullptr, "header"},    {"titlepg", "headerf"}, {"facingp", "headerl"}, {"facingp", "headerr"},
    {nullptr, "footer"},    {"titlepg", "footerf"}, {"facingp", "footerl"}, {"facingp", "footerr"},
};

}  // namespace

extern "C" {

VELEXPORT int VELAPI VelBeginHdrFtr(HVELDOC doc, int kind)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_BEGIN_HDR_FTR)) return undo.Refused();
    // An unknown kind writes nothing, not even a section the check opened.
    if (kind < HF_HEADER || kind > HF_FOOTER_RIGHT) return 0;
    const HdrFtrKind& k = kKinds[kind - 1];
    if (!FlushRtfLine(doc)) return 0;
    if (k.pageWord && !PutControlWord(doc, k.pageWord, PARAM_NONE, 0)) return 0;
    if (!BeginRtfGroup(doc) || !PutWord(doc, k.destination)) return 0;
    doc->SeqState |= SEQ_HDR_FTR;
    return undo.Commit();
}

VELEXPORT int VELAPI VelEndHdrFtr(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_END_HDR_FTR)) return undo.Refused();
    if (!EndRtfGroup(doc) || !FlushRtfLine(doc)) return 0;
    doc->SeqState &= ~SEQ_HDR_FTR;
    return undo.Commit();
}

}  // extern "C"
