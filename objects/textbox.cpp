// Text boxes: drawing objects with text of their own. The box's group and
// its text group open in VelBeginTextBox2; its geometry and style wait in the
// document record and are written after the text, by VelEndTextBox.
#include "core/document.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"
#include "objects/objects.h"

namespace {

constexpr int kInnerMargin = 40;  // twips between the outline and the text

}  // namespace

extern "C" {

VELEXPORT int VELAPI VelBeginTextBox2(HVELDOC doc, int pageRelative, int x, int y, int width, int height, int zOrder,
                                      unsigned fillColor, unsigned lineColor, int lineWidth, int transparent,
                                      int rotation)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_BEGIN_TEXT_BOX)) return undo.Refused();
    if (!CloseOpenParagraph(doc) || !PutDrawingOpening(doc, pageRelative, zOrder)) return 0;
    if (!PutWord(doc, "dptxbx") || !PutWordValue(doc, "dptxbxmar", kInnerMargin)) return 0;
    // 90: the text runs bottom to top; 270: top to bottom.
    if (rotation == 90 && !PutWord(doc, "dptxbtlr")) return 0;
    if (rotation == 270 && !PutWord(doc, "dptxtbrl")) return 0;
    if (!BeginRtfGroup(doc) || !PutWord(doc, "dptxbxtext")) return 0;
    doc->SeqState |= SEQ_TEXT_BOX;
    // Kept for VelEndTextBox; set only once nothing can fail any more.
    doc->BoxX = x;
    doc->BoxY = y;
    doc->BoxWidth = width;
    doc->BoxHeight = height;
    doc->BoxFill = fillColor;
    doc->BoxLine = lineColor;
    doc->BoxLineWidth = lineWidth;
    doc->BoxTransparent = transparent;
    return undo.Commit();
}

VELEXPORT int VELAPI VelBeginTextBox(HVELDOC doc, int pageRelative, int x, int y, int width, int height, int zOrder,
                                     unsigned fillColor, unsigned lineColor, int lineWidth, int transparent)
{
    return VelBeginTextBox2(doc, pageRelative, x, y, width, height, zOrder, fillColor, lineColor, lineWidth,
                            transparent, 0);
}

VELEXPORT int VELAPI VelEndTextBox(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_END_TEXT_BOX)) return undo.Refused();
    // The host ends the box's last paragraph itself; the text group closes
    // as it stands.
    if (!EndRtfGroup(doc)) return 0;
    if (!PutDrawingBounds(doc, doc->BoxX, doc->BoxY, doc->BoxWidth, doc->BoxHeight)) return 0;
    if (!PutLineWords(doc, doc->BoxLine, doc->BoxLineWidth) || !PutFillWords(doc, doc->BoxFill, doc->BoxTransparent)) {
        return 0;
    }
    if (!EndRtfGroup(doc) || !FlushRtfLine(doc)) return 0;
    doc->SeqState &= ~SEQ_TEXT_BOX;
    doc->ParaClosed = 1;
    return undo.Commit();
}

}  // extern "C"
