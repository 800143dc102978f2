// The stylesheet: numbered paragraph and character styles, each a group with
// its formatting and its name, inside the {\stylesheet} group.
#include <cstring>

#include "core/document.h"
#include "core/hosttext.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"

namespace {

constexpr size_t kStyleNameLimit = sizeof(VelDocRecord::StyleName) - 1;  // 303 bytes

// Keeps the name for VelEndStyleItem, cut to what StyleName holds; null is
// an empty name.
void KeepStyleName(VelDocRecord* doc, const char* name)
{
    size_t length = 0;
    while (name && length < kStyleNameLimit && name[length]) ++length;
    if (length) std::memcpy(doc->StyleName, name, length);
    doc->StyleName[length] = '\0';
}

}  // namespace

extern "C" {

VELEXPORT int VELAPI VelBeginStyleSheet(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_BEGIN_STYLE_SHEET)) return undo.Refused();
    if (!FlushRtfLine(doc) || !BeginRtfGroup(doc) || !PutWord(doc, "stylesheet")) return 0;
    doc->SeqState |= SEQ_STYLESHEET;
    return undo.Commit();
}

VELEXPORT int VELAPI VelBeginStyleItem(HVELDOC doc, int paragraphStyle, int styleNumber, const char* name)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_BEGIN_STYLE_ITEM)) return undo.Refused();
    if (!FlushRtfLine(doc) || !BeginRtfGroup(doc)) return 0;
    // \cs goes without \*: readers that know styles know the word.
    if (styleNumber != 0 && !PutWordValue(doc, paragraphStyle ? RtfWord("s") : RtfWord("cs"), styleNumber)) return 0;
    KeepStyleName(doc, name);
    doc->SeqState |= SEQ_STYLE_ITEM;
    return undo.Commit();
}

VELEXPORT int VELAPI VelEndStyleItem(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_END_STYLE_ITEM)) return undo.Refused();
    if (!PutRtfName(doc, doc->StyleName) || !PutRtfText(doc, ";", 1)) return 0;
    if (!EndRtfGroup(doc) || !FlushRtfLine(doc)) return 0;
    doc->SeqState &= ~SEQ_STYLE_ITEM;
    return undo.Commit();
}

VELEXPORT int VELAPI VelEndStyleSheet(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_END_STYLE_SHEET)) return undo.Refused();
    if (!EndRtfGroup(doc) || !FlushRtfLine(doc)) return 0;
    doc->SeqState &= ~SEQ_STYLESHEET;
    return undo.Commit();
}

}  // extern "C"
