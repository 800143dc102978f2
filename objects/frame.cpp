// Frames: positioned blocks of paragraphs. A frame is one group that starts
// with the absolute-position paragraph properties; the paragraphs written
// inside it carry them.
#include "core/document.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"
#include "objects/objects.h"

namespace {

// Distance to the text around the frame, horizontally and vertically.
constexpr int kTextDistance = 180;
constexpr int kTextDistanceX = 180;
constexpr int kTextDistanceY = 0;

}  // namespace

extern "C" {

VELEXPORT int VELAPI VelBeginFrame(HVELDOC doc, int pageRelative, int x, int y, int width, int height)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckObjectGroupSequence(doc, OP_BEGIN_FRAME)) return undo.Refused();
    if (!CloseOpenParagraph(doc) || !FlushRtfLine(doc) || !BeginRtfGroup(doc)) return 0;
    // A frame that follows its paragraph is placed from the left of the
    // paragraph's column: RTF's own default anchor, and the one that keeps a
    // frame in the column its paragraph stands in.
    if (!PutWord(doc, pageRelative ? "pvpg" : "pvpara") || !PutWord(doc, pageRelative ? "phpg" : "phcol")) return 0;
    if (!PutWordValue(doc, "posx", x) || !PutWordValue(doc, "posy", y)) return 0;
    if (!PutWordValue(doc, "absh", height) || !PutWordValue(doc, "absw", width)) return 0;
    if (!PutWordValue(doc, "dxfrtext", kTextDistance) || !PutWordValue(doc, "dfrmtxtx", kTextDistanceX) ||
        !PutWordValue(doc, "dfrmtxty", kTextDistanceY)) {
        return 0;
    }
    doc->SeqState |= SEQ_FRAME;
    return undo.Commit();
}

VELEXPORT int VELAPI VelEndFrame(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckObjectGroupSequence(doc, OP_END_FRAME)) return undo.Refused();
    // The frame's last paragraph ends inside the group, so it keeps the
    // frame's properties.
    if (!CloseOpenParagraph(doc) || !EndRtfGroup(doc) || !FlushRtfLine(doc)) return 0;
    doc->SeqState &= ~SEQ_FRAME;
    return undo.Commit();
}

}  // extern "C"
