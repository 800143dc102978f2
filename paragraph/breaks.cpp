// Hard breaks: section, column and page.
#include "core/document.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"

extern "C" {

VELEXPORT int VELAPI VelInsertBreak(HVELDOC doc, int type)
{
    // An unknown break is refused before anything, even an implicit section,
    // is written.
    if (!doc || type < BREAK_SECT || type > BREAK_PAGE) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_INSERT_BREAK)) return undo.Refused();
    switch (type) {
    case BREAK_SECT:
        if (!PutWord(doc, "sect")) return 0;
        // The next content opens the next section by itself.
        doc->SeqState &= ~(SEQ_SECT_TEXT | SEQ_SECT_INIT);
        break;
    case BREAK_COL:
        if (!PutWord(doc, "column")) return 0;
        break;
    default:
        if (!PutWord(doc, "page")) return 0;
        break;
    }
    return undo.Commit();
}

}  // extern "C"
