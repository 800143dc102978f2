// Text and highlight colors, and superscript and subscript runs.
#include "core/document.h"
#include "core/fonttable.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"

extern "C" {

VELEXPORT int VELAPI VelTextColor2(HVELDOC doc, unsigned color, int fore, int write)
{
    if (!doc) return 0;
    if (!write) return FindOrAddColor(doc, color) >= 0;  // only interns the color
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_TEXT_COLOR)) return undo.Refused();
    int index = FindOrAddColor(doc, color);
    if (index < 0) return 0;  // the table could not grow: no index to write
    if (!PutWordValue(doc, fore ? RtfWord("cf") : RtfWord("highlight"), index)) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelTextColor(HVELDOC doc, unsigned color, int fore)
{
    return VelTextColor2(doc, color, fore, 1);
}

VELEXPORT int VELAPI VelBeginScriptStyle(HVELDOC doc, int super)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_BEGIN_SCRIPT_STYLE)) return undo.Refused();
    doc->SeqState |= SEQ_SCRIPT_STYLE;
    if (!BeginRtfGroup(doc) || !PutWord(doc, super ? RtfWord("super") : RtfWord("sub"))) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelEndScriptStyle(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_END_SCRIPT_STYLE)) return undo.Refused();
    if (!EndRtfGroup(doc)) return 0;
    doc->SeqState &= ~SEQ_SCRIPT_STYLE;
    return undo.Commit();
}

}  // extern "C"
