// Rectangles and lines, and the words every drawing object shares.
#include <climits>
#include <cstdint>

#include "core/document.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"
#include "objects/objects.h"

namespace {

// The red, green and blue bytes of a Windows color value, red lowest.
int PutColorBytes(VelDocRecord* doc, const RtfWord (&words)[3], unsigned color)
{
    for (int i = 0; i < 3; ++i) {
        if (!PutWordValue(doc, words[i], static_cast<int>((color >> (8 * i)) & 0xFF))) return 0;
    }
    return 1;
}

// |b - a| without overflow; a distance past the largest parameter is
// written as the largest.
int Distance(int a, int b)
{
    int64_t d = static_cast<int64_t>(b) - a;
    if (d < 0) d = -d;
    return d > INT_MAX ? INT_MAX : static_cast<int>(d);
}

}  // namespace

int CloseOpenParagraph(VelDocRecord* doc)
{
    if (doc->ParaClosed) return 1;
    if (!PutWord(doc, "par")) return 0;
    doc->ParaClosed = 1;
    return 1;
}

int PutDrawingOpening(VelDocRecord* doc, int pageRelative, int zOrder)
{
    if (!FlushRtfLine(doc) || !BeginRtfGroup(doc) || !PutWord(doc, "do")) return 0;
    if (!PutWord(doc, pageRelative ? RtfWord("dobypage") : RtfWord("dobypara"))) return 0;
    if (!PutWord(doc, pageRelative ? RtfWord("dobxpage") : RtfWord("dobxmargin"))) return 0;
    if (zOrder > 0 && !PutWordValue(doc, "dodhgt", zOrder)) return 0;
    return 1;
}

int PutLineWords(VelDocRecord* doc, unsigned lineColor, int lineWidth)
{
    static constexpr RtfWord kWords[3] = {"dplinecor", "dplinecog", "dplinecob"};
    if (!PutWord(doc, lineWidth < 1 ? RtfWord("dplinehollow") : RtfWord("dplinesolid"))) return 0;
    if (!PutColorBytes(doc, kWords, lineColor)) return 0;
    return PutWordValue(doc, "dplinew", lineWidth);
}

int PutFillWords(VelDocRecord* doc, unsigned fillColor, int transparent)
{
    static constexpr RtfWord kWords[3] = {"dpfillbgcr", "dpfillbgcg", "dpfillbgcb"};
    if (!PutColorBytes(doc, kWords, fillColor)) return 0;
    return PutWordValue(doc, "dpfillpat", transparent ? 0 : 1);
}

int PutDrawingBounds(VelDocRecord* doc, int x, int y, int width, int height)
{
    return PutWordValue(doc, "dpx", x) && PutWordValue(doc, "dpy", y) && PutWordValue(doc, "dpxsize", width) &&
           PutWordValue(doc, "dpysize", height);
}

extern "C" {

VELEXPORT int VELAPI VelDrawRect(HVELDOC doc, int pageRelative, int x, int y, int width, int height, int zOrder,
                                 unsigned fillColor, unsigned lineColor, int lineWidth, int transparent)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_DRAW_RECT)) return undo.Refused();
    if (!CloseOpenParagraph(doc) || !PutDrawingOpening(doc, pageRelative, zOrder)) return 0;
    if (!PutWord(doc, "dprect") || !PutDrawingBounds(doc, x, y, width, height)) return 0;
    if (!PutLineWords(doc, lineColor, lineWidth) || !PutFillWords(doc, fillColor, transparent)) return 0;
    if (!EndRtfGroup(doc) || !FlushRtfLine(doc)) return 0;
    doc->ParaClosed = 1;
    return undo.Commit();
}

VELEXPORT int VELAPI VelDrawLine(HVELDOC doc, int pageRelative, int x1, int y1, int x2, int y2, int zOrder,
                                 unsigned lineColor, int lineWidth)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_DRAW_LINE)) return undo.Refused();
    if (!CloseOpenParagraph(doc) || !PutDrawingOpening(doc, pageRelative, zOrder)) return 0;
    // The end points as given, then the box around them.
    if (!PutWord(doc, "dpline") || !PutWordValue(doc, "dpptx", x1) || !PutWordValue(doc, "dppty", y1) ||
        !PutWordValue(doc, "dpptx", x2) || !PutWordValue(doc, "dppty", y2)) {
        return 0;
    }
    int left = x1 < x2 ? x1 : x2;
    int top = y1 < y2 ? y1 : y2;
    if (!PutDrawingBounds(doc, left, top, Distance(x1, x2), Distance(y1, y2))) return 0;
    // A line has no inside: its fill is a fixed opaque white.
    if (!PutLineWords(doc, lineColor, lineWidth) || !PutFillWords(doc, 0xFFFFFF, 0)) return 0;
    if (!EndRtfGroup(doc) || !FlushRtfLine(doc)) return 0;
    doc->ParaClosed = 1;
    return undo.Commit();
}

}  // extern "C"
