// What frames, text boxes, rectangles and lines share: the sequence check,
// the paragraph they must not start inside, the opening of a drawing
// object and its line and fill words.
#pragma once

#include "core/sequence.h"

struct VelDocRecord;

// The check of an operation that opens or closes a group that text goes
// into (a frame or a text box): its masks from the table, and an open script
// run refused as well, since the run's braces and the object's would cross.
int CheckObjectGroupSequence(VelDocRecord* doc, SeqOp op);

// Writes \par when the output stands inside a paragraph, so that the object
// begins at a paragraph boundary.
int CloseOpenParagraph(VelDocRecord* doc);

// From a new line: {\do with its anchor words (page, or paragraph and
// margin) and \dodhgt for a z-order above 0.
int PutDrawingOpening(VelDocRecord* doc, int pageRelative, int zOrder);

// \dplinehollow or \dplinesolid, the line color's red, green and blue, and
// \dplinew with the width as given.
int PutLineWords(VelDocRecord* doc, unsigned lineColor, int lineWidth);

// The fill color's red, green and blue, then \dpfillpat0 (transparent) or
// \dpfillpat1.
int PutFillWords(VelDocRecord* doc, unsigned fillColor, int transparent);

// \dpx, \dpy, \dpxsize, \dpysize.
int PutDrawingBounds(VelDocRecord* doc, int x, int y, int width, int height);
