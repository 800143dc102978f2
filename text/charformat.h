// The character-property writer shared by the font operations.
#pragma once

struct VelDocRecord;

// \f (index 0 or more), \fs (size not 0), then the attributes of `style`,
// switched on or off.
int PutCharProps(VelDocRecord* doc, int fontIndex, int size, unsigned style, int on);
