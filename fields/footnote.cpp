// Footnotes: the reference mark in the text and, in a \footnote destination,
// the note's own mark and text. The mark is numbered by the reader (\chftn)
// or is a text the host gives.
#include "core/document.h"
#include "core/hosttext.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"

namespace {

// {\super <mark>}: the text mark, or \chftn for the automatic one.
int PutSuperMark(VelDocRecord* doc, const char* mark)
{
    if (!BeginRtfGroup(doc) || !PutWord(doc, "super")) return 0;
    if (mark ? !PutRtfName(doc, mark) : !PutWord(doc, "chftn")) return 0;
    return EndRtfGroup(doc);
}

}  // namespace

extern "C" {

VELEXPORT int VELAPI VelInsertFootnote(HVELDOC doc, const char* mark, const char* text)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_INSERT_FOOTNOTE)) return undo.Refused();
    // A mark with nothing to show (null, empty, only control characters) is
    // the automatic one. Control characters are left out of a text mark.
    const char* shown = mark;
    while (shown && *shown && IsControlByte(static_cast<unsigned char>(*shown))) ++shown;
    if (shown && !*shown) shown = nullptr;
    // The note is anchored after the mark's first byte; the rest of the mark
    // follows it, so the whole mark stands in the text.
    char first[2] = {shown ? shown[0] : '\0', '\0'};
    const char* rest = shown ? shown + 1 : nullptr;
    if (!BeginRtfGroup(doc) || !PutSuperMark(doc, shown ? first : nullptr)) return 0;
    if (!BeginRtfGroup(doc) || !PutWord(doc, "footnote") || !PutSuperMark(doc, shown)) return 0;
    if (!PutRtfTextSafe(doc, text) || !EndRtfGroup(doc)) return 0;
    if (rest && HasNameText(rest) && !PutSuperMark(doc, rest)) return 0;
    if (!EndRtfGroup(doc)) return 0;
    return undo.Commit();
}

}  // extern "C"
