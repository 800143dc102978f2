// The document's visible text, ANSI and UTF-16.
#include <cstring>

#include "core/document.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"

namespace {

// 1 when the text's last two units are CR LF: the text closed its paragraph.
template <typename Unit>
int EndsParagraph(const Unit* text, size_t length)
{
    return length >= 2 && text[length - 2] == 13 && text[length - 1] == 10;
}

size_t UnitCount(const VELWCHAR* text)
{
    size_t n = 0;
    while (text[n]) ++n;
    return n;
}

}  // namespace

extern "C" {

VELEXPORT int VELAPI VelInsertText(HVELDOC doc, const char* text)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_INSERT_TEXT)) return undo.Refused();
    if (!text) text = "";
    size_t length = std::strlen(text);
    doc->ParaClosed = EndsParagraph(text, length);
    if (!PutRtfTextOf(doc, text, length)) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelInsertUText(HVELDOC doc, const VELWCHAR* text)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_INSERT_UTEXT)) return undo.Refused();
    size_t length = text ? UnitCount(text) : 0;
    doc->ParaClosed = length ? EndsParagraph(text, length) : 0;
    // Every unit as \u with its unsigned value, then "?" for readers without
    // Unicode; surrogates and control characters alike.
    for (size_t i = 0; i < length; ++i) {
        int unit = static_cast<int>(static_cast<uint16_t>(text[i]));
        if (!PutWordValue(doc, "u", unit) || !PutRtfText(doc, "?", 1)) return 0;
    }
    return undo.Commit();
}

}  // extern "C"
