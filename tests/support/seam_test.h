// Support for the tests that use the library's test seams: message boxes
// captured instead of shown, and the allocation-failure sweep.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/seams.h"
#include "velrtf.h"

struct ShownBox {
    std::string text;
    std::string caption;
};

// The message boxes "shown" since the last ClearBoxes(), in order.
std::vector<ShownBox> Boxes();
void ClearBoxes();

// Runs `operation` on a document prepared by `setup` once for every
// allocation the operation makes, with that allocation failing. Each time the
// operation must give 0, report error 23 and leave the document exactly as
// it was: the RTF saved afterwards equals the RTF saved before, and the
// document goes on working. Gives the number of allocations swept. With
// `pictureReader`, a failure may also give 1 (a reader that failed after its
// picture's first header), as long as the document is unchanged, and a
// metafile copy or fetch that failed reports as such (15, 13).
int SweepAllocationFailures(const std::function<void(HVELDOC)>& setup,
                            const std::function<int(HVELDOC)>& operation, bool pictureReader = false);

// A font source for exact tests: Arial swiss, Times New Roman roman,
// Courier New modern, Symbol roman/symbol, Wingdings decorative-less/symbol;
// any other name is not installed.
int FixedFontSource(const char* face, int* family, int* charset);
