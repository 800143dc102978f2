// The document's font and color tables. RTF refers to fonts and colors by
// their index; an index, once given out, never changes.
#pragma once

struct VelDocRecord;

// What FindOrAddFont and AddToFontTable give when memory ran out while the
// installed fonts were asked about a new font (reported, nothing added): the
// operation fails, unlike a table that cannot grow, which only drops \f.
constexpr int FONT_LOOKUP_FAILED = -2;

// The index of the font named `face` (compared without regard to case, cut
// to 31 characters) with character set `charset` (-1: any), appended when
// missing; -1 for a null or empty name or when the table cannot grow;
// FONT_LOOKUP_FAILED when memory ran out while the installed fonts were asked.
int FindOrAddFont(VelDocRecord* doc, const char* face, int charset);
// The index of the color, appended when missing; -1 when the table cannot grow.
int FindOrAddColor(VelDocRecord* doc, unsigned color);

// Appends a font and learns its family and character set from the installed
// fonts; -1 after reporting error 23 when the table cannot grow, or
// FONT_LOOKUP_FAILED after reporting it when the lookup ran out of memory.
int AddToFontTable(VelDocRecord* doc, const char* face);
// Appends a color; -1 after reporting error 23 when the table cannot grow.
int AddToColorTable(VelDocRecord* doc, unsigned color);
