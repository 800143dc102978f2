// Paragraph properties.
#include "core/document.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"

extern "C" {

VELEXPORT int VELAPI VelResetParaProp(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_RESET_PARA_PROP)) return undo.Refused();
    if (!PutWord(doc, "pard")) return 0;
    // Inside a table row the paragraph stays in the table, at its depth.
    if (doc->SeqState & SEQ_TABLE_ROW) {
        if (!PutWord(doc, "intbl")) return 0;
        if (doc->TableLevel >= 1 && !PutWordValue(doc, "itap", doc->TableLevel + 1)) return 0;
    }
    return undo.Commit();
}

}  // extern "C"
