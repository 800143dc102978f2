// The example document's styles: their numbers, and their formatting.
#pragma once

#include "velrtf.h"

constexpr int DEMO_STYLE_HEADING1 = 1;
constexpr int DEMO_STYLE_HEADING2 = 2;
constexpr int DEMO_STYLE_BODY = 3;
constexpr int DEMO_STYLE_KEY_TERM = 10;  // a character style

// Writes the formatting of `style`: inside its stylesheet item to define it,
// and after its number wherever it is used, since RTF readers take a
// paragraph's formatting from what is written with it, not from the
// stylesheet.
void DemoStyleFormat(HVELDOC doc, int style);
