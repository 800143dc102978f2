// The paragraph writers shared within the library.
#pragma once

struct VelDocRecord;

// The border words of the side bits in `flags`.
int PutParaBorders(VelDocRecord* doc, unsigned flags);
// One tab stop.
int PutTabStop(VelDocRecord* doc, int type, int position, int leader);
// The \pntext and \pn groups of a bulleted or numbered paragraph.
int PutParaNumbering(VelDocRecord* doc, int bullet, int style, int level, int start, const char* textBefore,
                     const char* textAfter, unsigned flags);
