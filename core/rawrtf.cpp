// Direct RTF: groups, control words and ready-made RTF from the host.
#include <cstring>

#include "document.h"
#include "messages.h"
#include "sequence.h"
#include "undo.h"
#include "writer.h"

namespace {

// A word the host may write: printable ASCII other than braces and
// backslashes, not starting with an apostrophe. Anything else would be
// translated or dropped by the text rules, and a backslash left without its
// word joins what follows into a word of its own (a brace after it, for one,
// stops closing a group); \' starts a hex escape, which takes the next two
// characters, whatever they are, for its digits.
bool IsPlainWord(const char* word)
{
    if (!word || !word[0] || word[0] == '\'') return false;
    for (const char* p = word; *p; ++p) {
        if (*p < 32 || *p > 126 || *p == '{' || *p == '}' || *p == '\\') return false;
    }
    return true;
}

}  // namespace

extern "C" {

VELEXPORT int VELAPI VelBeginGroup(HVELDOC doc, const char* word, int star)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!FlushRtfLine(doc) || !BeginRtfGroup(doc)) return 0;
    if (star && !PutWord(doc, "*")) return 0;
    if (word && word[0] && (!IsPlainWord(word) || !PutControlWord(doc, word, PARAM_NONE, 0))) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelEndGroup(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!EndRtfGroup(doc) || !FlushRtfLine(doc)) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelInsertControl(HVELDOC doc, const char* word, int hasParam, int value)
{
    if (!doc || !IsPlainWord(word)) return 0;
    UndoOnFailure undo(doc);
    if (!PutControlWord(doc, word, hasParam ? PARAM_INT : PARAM_NONE, value)) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelInsertRaw(HVELDOC doc, const char* rtf)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_INSERT_RAW)) return undo.Refused();
    if (!FlushRtfLine(doc)) return 0;
    RtfStream* s = doc->Stream;
    size_t length = rtf ? std::strlen(rtf) : 0;
    int64_t needed = static_cast<int64_t>(s->BodyLength) + static_cast<int64_t>(length);
    if (needed > s->BodyCapacity && !GrowBody(doc, needed, "VelInsertRaw")) return 0;
    if (length) std::memcpy(s->Body + s->BodyLength, rtf, length);
    s->BodyLength += static_cast<int>(length);
    return undo.Commit();
}

}  // extern "C"
