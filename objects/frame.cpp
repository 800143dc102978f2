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

int PutFramePosition(VelDocRecord* doc)
{
    bool page = doc->FramePageRelative != 0;
    // A frame that follows its paragraph is placed from the left of the
    // paragraph's column: RTF's own default anchor, and the one that keeps a
    // frame in the column its paragraph stands in.
    return PutWord(doc, page ? RtfWord("pvpg") : RtfWord("pvpara")) &&
           PutWord(doc, page ? RtfWord("phpg") : RtfWord("phcol")) &&
           PutWordValue(doc, "posx", doc->FrameX) && PutWordValue(doc, "posy", doc->FrameY) &&
           PutWordValue(doc, "absh", doc->FrameHeight) && PutWordValue(doc, "absw", doc->FrameWidth) &&
           PutWordValue(doc, "dxfrtext", kTextDistance) && PutWordValue(doc, "dfrmtxtx", kTextDistanceX) &&
           PutWordValue(doc, "dfrmtxty", kTextDistanceY);
}

extern "C" {

VELEXPORT int VELAPI VelBeginFrame(HVELDOC doc, int pageRelative, int x, int y, int width, int height)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_BEGIN_FRAME)) return undo.Refused();
    if (!CloseOpenParagraph(doc) || !FlushRtfLine(doc) || !BeginRtfGroup(doc)) return 0;
    // Kept for paragraph resets inside the frame; read only while it is open.
    doc->FramePageRelative = pageRelative != 0;
    doc->FrameX = x;
    doc->FrameY = y;
    doc->FrameWidth = width;
    doc->FrameHeight = height;
    if (!PutFramePosition(doc)) return 0;
    doc->SeqState |= SEQ_FRAME;
    return undo.Commit();
}

VELEXPORT int VELAPI VelEndFrame(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_END_FRAME)) return undo.Refused();
    // The frame's last paragraph ends inside the group, so it keeps the
    // frame's properties.
    if (!CloseOpenParagraph(doc) || !EndRtfGroup(doc) || !FlushRtfLine(doc)) return 0;
    doc->SeqState &= ~SEQ_FRAME;
    return undo.Commit();
}

}  // extern "C"
