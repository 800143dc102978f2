// Paragraph properties: alignment, spacing, keeping, borders, indents,
// shading, styles, tab stops and the reset.
#include "core/document.h"
#include "core/fonttable.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"
#include "objects/objects.h"
#include "paragraph/paragraph.h"

namespace {

constexpr unsigned kSides = PARA_BOX_TOP | PARA_BOX_BOT | PARA_BOX_LEFT | PARA_BOX_RIGHT;

// Width and line style of a border, after its side word.
int PutBorderStyle(VelDocRecord* doc, unsigned flags)
{
    if ((flags & PARA_BOX_THICK) && !PutWordValue(doc, "brdrw", 30)) return 0;
    return PutWord(doc, (flags & PARA_BOX_DOUBLE) ? RtfWord("brdrdb") : RtfWord("brdrs"));
}

// Writes -1-skipping values after their words: an argument of -1 is left out.
int PutUnlessSkipped(VelDocRecord* doc, const RtfWord (&words)[3], const int values[3])
{
    for (int i = 0; i < 3; ++i) {
        if (values[i] != -1 && !PutWordValue(doc, words[i], values[i])) return 0;
    }
    return 1;
}

}  // namespace

// The border words of a paragraph: one box for all four sides, otherwise
// each side in the order top, bottom, left, right.
int PutParaBorders(VelDocRecord* doc, unsigned flags)
{
    if ((flags & kSides) == kSides) {
        if (!PutWord(doc, "box") || !PutBorderStyle(doc, flags)) return 0;
    } else {
        const struct {
            unsigned bit;
            RtfWord word;
        } sides[] = {{PARA_BOX_TOP, "brdrt"}, {PARA_BOX_BOT, "brdrb"}, {PARA_BOX_LEFT, "brdrl"},
                     {PARA_BOX_RIGHT, "brdrr"}};
        for (const auto& side : sides) {
            if ((flags & side.bit) && (!PutWord(doc, side.word) || !PutBorderStyle(doc, flags))) return 0;
        }
    }
    // In a frame, the border hugs the text.
    if ((doc->SeqState & SEQ_FRAME) && !PutWordValue(doc, "brsp", 0)) return 0;
    return 1;
}

// One tab stop: its alignment, its leader, its position.
int PutTabStop(VelDocRecord* doc, int type, int position, int leader)
{
    const char* alignment = type == TAB_RIGHT     ? "tqr"
                            : type == TAB_CENTER  ? "tqc"
                            : type == TAB_DECIMAL ? "tqdec"
                                                  : nullptr;
    const char* fill = leader == LEADER_DOT     ? "tldot"
                       : leader == LEADER_HYPH  ? "tlhyph"
                       : leader == LEADER_ULINE ? "tlul"
                                                : nullptr;
    if (alignment && !PutControlWord(doc, alignment, PARAM_NONE, 0)) return 0;
    if (fill && !PutControlWord(doc, fill, PARAM_NONE, 0)) return 0;
    return PutWordValue(doc, "tx", position);
}

extern "C" {

VELEXPORT int VELAPI VelParaFlags(HVELDOC doc, unsigned flags)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_PARA_FLAGS)) return undo.Refused();
    RtfWord alignment = (flags & PARA_RIGHT)     ? RtfWord("qr")
                        : (flags & PARA_CENTER)  ? RtfWord("qc")
                        : (flags & PARA_JUSTIFY) ? RtfWord("qj")
                                                 : RtfWord("ql");
    if (!PutWord(doc, alignment)) return 0;
    if ((flags & PARA_DOUBLE) && (!PutWordValue(doc, "sl", 480) || !PutWordValue(doc, "slmult", 1))) return 0;
    if ((flags & PARA_KEEP) && !PutWord(doc, "keep")) return 0;
    if ((flags & PARA_KEEP_NEXT) && !PutWord(doc, "keepn")) return 0;
    if ((flags & PARA_WIDOW) && !PutWord(doc, "widctlpar")) return 0;
    if ((flags & kSides) && !PutParaBorders(doc, flags)) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelParaIndent(HVELDOC doc, int left, int right, int first)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_PARA_INDENT)) return undo.Refused();
    static constexpr RtfWord kWords[3] = {"li", "ri", "fi"};
    const int values[3] = {left, right, first};
    if (!PutUnlessSkipped(doc, kWords, values)) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelParaSpace(HVELDOC doc, int before, int after, int line)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_PARA_SPACE)) return undo.Refused();
    static constexpr RtfWord kWords[3] = {"sb", "sa", "sl"};
    const int values[3] = {before, after, line};
    if (!PutUnlessSkipped(doc, kWords, values)) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelParaShadeColor(HVELDOC doc, int percent, unsigned color)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_PARA_SHADE_COLOR)) return undo.Refused();
    if (percent > 100) percent = 100;
    if (percent >= 0) {
        // Shading in hundredths of a percent; the color plays no part.
        if (!PutWordValue(doc, "shading", percent * 100)) return 0;
    } else {
        int index = FindOrAddColor(doc, color);
        if (index < 0 || !PutWordValue(doc, "cbpat", index)) return 0;
    }
    return undo.Commit();
}

VELEXPORT int VELAPI VelParaStyleId(HVELDOC doc, int id)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_PARA_STYLE_ID)) return undo.Refused();
    if (!PutWordValue(doc, "s", id)) return 0;
    return undo.Commit();
}

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
    // \pard clears the frame's position too: inside a frame the paragraph
    // gets it back, or it would leave the frame.
    if ((doc->SeqState & SEQ_FRAME) && !PutFramePosition(doc)) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelParaTabStop(HVELDOC doc, int type, int position, int leader)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_PARA_TAB_STOP)) return undo.Refused();
    if (!PutTabStop(doc, type, position, leader)) return 0;
    return undo.Commit();
}

}  // extern "C"
