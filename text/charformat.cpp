// Character formatting: typeface, size and the on/off attributes, the reset
// to plain text, and character styles.
#include <cstdint>

#include "core/document.h"
#include "core/fonttable.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"
#include "text/charformat.h"

namespace {

// The toggles written without a parameter when on and with 0 when off, in
// the order they are written.
struct Toggle {
    unsigned bit;
    RtfWord word;
};

const Toggle kToggles[] = {
    {CHAR_ULINE, "ul"},        {CHAR_BOLD, "b"},       {CHAR_ITALIC, "i"},
    {CHAR_HIDDEN, "v"},        {CHAR_HLINK, "zqhlink"}, {CHAR_STRIKE, "strike"},
    {CHAR_PROTECT, "protect"}, {CHAR_ULINED, "uldb"},
};

const Toggle kCaseToggles[] = {{CHAR_CAPS, "caps"}, {CHAR_SCAPS, "scaps"}};

// Half-points of a size: points when positive, half-points when negative;
// held within 32 bits.
int HalfPoints(int size)
{
    int64_t half = size > 0 ? static_cast<int64_t>(size) * 2 : -static_cast<int64_t>(size);
    return half > INT32_MAX ? INT32_MAX : static_cast<int>(half);
}

int PutToggle(VelDocRecord* doc, RtfWord word, int on)
{
    return on ? PutWord(doc, word) : PutWordValue(doc, word, 0);
}

}  // namespace

// Writes the character properties: \f, \fs, the toggles, the script offsets
// and the capitals, each only when asked for.
int PutCharProps(VelDocRecord* doc, int fontIndex, int size, unsigned style, int on)
{
    if (fontIndex >= 0 && !PutWordValue(doc, "f", fontIndex)) return 0;
    if (size != 0 && !PutWordValue(doc, "fs", HalfPoints(size))) return 0;
    for (const Toggle& toggle : kToggles) {
        if ((style & toggle.bit) && !PutToggle(doc, toggle.word, on)) return 0;
    }
    if ((style & CHAR_SUB) && !PutWordValue(doc, "dn", on ? 6 : 0)) return 0;
    if ((style & CHAR_SUPER) && !PutWordValue(doc, "up", on ? 6 : 0)) return 0;
    for (const Toggle& toggle : kCaseToggles) {
        if ((style & toggle.bit) && !PutToggle(doc, toggle.word, on)) return 0;
    }
    return 1;
}

extern "C" {

VELEXPORT int VELAPI VelTextFont3(HVELDOC doc, const char* typeface, int size, unsigned style, int charset, int on,
                                  int write)
{
    if (!doc) return 0;
    if (!write) {
        // Only interns the typeface. Nothing to intern is no failure.
        if (!typeface || !typeface[0]) return 1;
        return FindOrAddFont(doc, typeface, charset) >= 0;
    }
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_TEXT_FONT)) return undo.Refused();
    // A font the table cannot take only drops \f; the rest is written. A
    // lookup of the installed fonts that ran out of memory fails the call.
    int font = FindOrAddFont(doc, typeface, charset);
    if (font == FONT_LOOKUP_FAILED || !PutCharProps(doc, font, size, style, on)) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelTextFont2(HVELDOC doc, const char* typeface, int size, unsigned style, int charset, int on)
{
    return VelTextFont3(doc, typeface, size, style, charset, on, 1);
}

VELEXPORT int VELAPI VelTextFont(HVELDOC doc, const char* typeface, int size, unsigned style, int on)
{
    return VelTextFont3(doc, typeface, size, style, -1, on, 1);
}

VELEXPORT int VELAPI VelResetTextProp(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_RESET_TEXT_PROP)) return undo.Refused();
    if (!PutWord(doc, "plain")) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelCharStyleId(HVELDOC doc, int id)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_CHAR_STYLE_ID)) return undo.Refused();
    if (!PutWordValue(doc, "cs", id)) return 0;
    return undo.Commit();
}

}  // extern "C"
