// Bookmarks: the start and the end of a named range, each written where the
// host calls for it. Nothing pairs starts with ends.
#include "core/document.h"
#include "core/hosttext.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"

extern "C" {

VELEXPORT int VELAPI VelInsertBookmark(HVELDOC doc, const char* name, int start)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_INSERT_BOOKMARK)) return undo.Refused();
    if (!BeginRtfGroup(doc) || !PutWord(doc, "*") || !PutWord(doc, start ? RtfWord("bkmkstart") : RtfWord("bkmkend"))) return 0;
    if (!PutRtfName(doc, name) || !EndRtfGroup(doc)) return 0;
    return undo.Commit();
}

}  // extern "C"
