// Bulleted and numbered paragraphs: the \pntext and \pn groups.
#include "core/document.h"
#include "core/fonttable.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"
#include "paragraph/paragraph.h"

namespace {

struct BulletShape {
    const char* font;
    unsigned char code;
};

// Bullet styles 2 to 7; any other style is the Symbol dot.
BulletShape BulletOf(int style)
{
    switch (style) {
    case 2: return {"Symbol", 0xA8};
    case 3: return {"Wingdings", 0xA7};
    case 4: return {"Wingdings", 0x71};
    case 5: return {"Wingdings", 0x76};
    case 6: return {"Wingdings", 0xD8};
    case 7: return {"Wingdings", 0xFC};
    default: return {"Symbol", 0xB7};
    }
}

RtfWord NumberingWord(int style)
{
    switch (style) {
    case NUM_UPR_ALPHA: return "pnucltr";
    case NUM_LWR_ALPHA: return "pnlcltr";
    case NUM_UPR_ROMAN: return "pnucrm";
    case NUM_LWR_ROMAN: return "pnlcrm";
    default: return "pndec";
    }
}

// {\word text}, for the text before or after a number.
int PutTextGroup(VelDocRecord* doc, RtfWord word, const char* text)
{
    return BeginRtfGroup(doc) && PutWord(doc, word) && PutRtfString(doc, text) && EndRtfGroup(doc);
}

}  // namespace

int PutParaNumbering(VelDocRecord* doc, int bullet, int style, int level, int start, const char* textBefore,
                     const char* textAfter, unsigned flags)
{
    bool continued = flags & NUM_CONT;
    if (bullet) {
        // What readers without numbering show: the Symbol dot and a tab. The
        // dot is set in Symbol itself, wherever Symbol stands in the table.
        int symbol = FindOrAddFont(doc, "Symbol", -1);
        if (symbol < 0) return 0;  // the font could not be added (reported): no index to write
        if (!BeginRtfGroup(doc) || !PutWord(doc, "pntext") || !PutWord(doc, "pard") || !PutWord(doc, "plain") ||
            !PutWordValue(doc, "f", symbol) || !PutWordValue(doc, "fs", 20) || !PutEscapedChar(doc, 0xB7) ||
            !PutWord(doc, "tab") || !EndRtfGroup(doc)) {
            return 0;
        }
    }
    if (!BeginRtfGroup(doc) || !PutWord(doc, "*") || !PutWord(doc, "pn")) return 0;
    if (continued && !PutWord(doc, "pnlvlcont")) return 0;
    if (!bullet) {
        if (!continued) {
            int ok = (level == 0 || level == 10) ? PutWord(doc, "pnlvlbody") : PutWordValue(doc, "pnlvl", level);
            if (!ok) return 0;
        }
        if (!PutWordValue(doc, "pnstart", start) || !PutWord(doc, NumberingWord(style))) return 0;
    } else if (!continued && !PutWord(doc, "pnlvlblt")) {
        return 0;
    }
    if (!PutWord(doc, "pnhang")) return 0;
    if (bullet) {
        BulletShape shape = BulletOf(style);
        int font = FindOrAddFont(doc, shape.font, -1);
        if (font < 0) return 0;  // the font could not be added (reported): no index to write
        return PutWordValue(doc, "pnf", font) && BeginRtfGroup(doc) && PutWord(doc, "pntxtb") &&
               PutEscapedChar(doc, shape.code) && EndRtfGroup(doc) && EndRtfGroup(doc);
    }
    if (textBefore && textBefore[0] && !PutTextGroup(doc, "pntxtb", textBefore)) return 0;
    if (textAfter && textAfter[0] && !PutTextGroup(doc, "pntxta", textAfter)) return 0;
    return EndRtfGroup(doc);
}

extern "C" {

VELEXPORT int VELAPI VelParaBullet(HVELDOC doc, int bullet, int style, int level, int start, const char* textBefore,
                                   const char* textAfter, unsigned flags)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_PARA_BULLET)) return undo.Refused();
    if (!PutParaNumbering(doc, bullet, style, level, start, textBefore, textAfter, flags)) return 0;
    return undo.Commit();
}

}  // extern "C"
