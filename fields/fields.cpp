// Fields: page number, page count, mail merge and table of contents. Each is
// a whole \field group with its instruction and a result that readers show
// until they update the field; the library never computes a result.
#include <cstdio>

#include "core/document.h"
#include "core/hosttext.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"

namespace {

// {\field<option>{\fldinst  — the field's opening, up to its instruction.
int BeginField(VelDocRecord* doc, const char* option)
{
    if (!BeginRtfGroup(doc) || !PutWord(doc, "field")) return 0;
    if (option && !PutControlWord(doc, option, PARAM_NONE, 0)) return 0;
    return BeginRtfGroup(doc) && PutWord(doc, "fldinst");
}

// }{\fldrslt  — ends the instruction, begins the result.
int BeginResult(VelDocRecord* doc)
{
    return EndRtfGroup(doc) && BeginRtfGroup(doc) && PutWord(doc, "fldrslt");
}

// }}  — ends the result and the field.
int EndField(VelDocRecord* doc)
{
    return EndRtfGroup(doc) && EndRtfGroup(doc);
}

}  // namespace

extern "C" {

VELEXPORT int VELAPI VelInsertPageField(HVELDOC doc, int page)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_INSERT_PAGE_FIELD)) return undo.Refused();
    if (!BeginField(doc, nullptr) || !PutRtfString(doc, page ? "PAGE" : "NUMPAGES")) return 0;
    if (!BeginResult(doc) || !PutRtfString(doc, "1") || !EndField(doc)) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelInsertMergeField(HVELDOC doc, const char* name, const char* result)
{
    // A field without a name is no field: refused before anything, unreported.
    if (!doc || !HasNameText(name)) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_INSERT_MERGE_FIELD)) return undo.Refused();
    // \fldlock keeps readers from updating the field on their own.
    if (!BeginField(doc, "fldlock") || !PutRtfString(doc, "MERGEFIELD ") || !PutRtfName(doc, name)) return 0;
    if (!BeginResult(doc) || !PutRtfTextSafe(doc, result) || !EndField(doc)) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelInsertTocField(HVELDOC doc, int firstLevel, int lastLevel)
{
    if (!doc) return 0;
    int last = lastLevel > 9 ? 9 : lastLevel;
    int first = firstLevel < 1 ? 1 : firstLevel;
    if (first > last) first = last;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_INSERT_TOC_FIELD)) return undo.Refused();
    char instruction[64];
    std::snprintf(instruction, sizeof instruction, "TOC \\o %c%d-%d%c ", '"', first, last, '"');
    if (!BeginField(doc, "fldedit") || !PutRtfString(doc, instruction)) return 0;
    if (!BeginResult(doc) || !PutRtfString(doc, "Update this field to view Table-of-Content.")) return 0;
    if (!PutWord(doc, "par")) return 0;
    doc->ParaClosed = 1;
    if (!EndField(doc)) return 0;
    return undo.Commit();
}

}  // extern "C"
