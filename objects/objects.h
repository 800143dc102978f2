// What frames, text boxes, rectangles and lines share: the paragraph they
// must not start inside, the opening of a drawing object and its line and
// fill words.
#pragma once

struct VelDocRecord;

// The open frame's position words, from the document record: the anchor,
// \posx, \posy, \absh, \absw and the distances to the text around it.
int PutFramePosition(VelDocRecord* doc);

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
