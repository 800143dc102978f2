// Test seams: switches that tests turn to reach paths the real system rarely
// takes (a failed allocation, a message box, another screen resolution, a
// multi-byte code page, a fixed set of installed fonts). They are part of the
// static library that tests link, never of the exported API.
#pragma once

#include <cstdint>

// ---- Set by tests -------------------------------------------------------------

// Makes the nth allocation or resize from now fail (1: the next one); 0 stops.
void VelTestFailAllocation(int nth);
// Makes every allocation or resize fail from the nth on; 0 stops.
void VelTestFailAllocationsFrom(int nth);
// Allocations and resizes asked for since the library was loaded.
int64_t VelTestAllocationCount();

// Makes the nth read of a file from now stop short (1: the next one); 0 stops.
void VelTestFailFileRead(int nth);

// Receives each message box instead of showing it; null shows them again.
using VelTestMessageHook = void (*)(const char* text, const char* caption, void* user);
void VelTestSetMessageHook(VelTestMessageHook hook, void* user);

// Pretends the screen has this resolution; 0, 0 gives back the real one.
void VelTestSetScreenResolution(int x, int y);

// Stands in for the installed fonts: gives 1 with the font's family and
// character set when `face` is installed, 0 otherwise, -1 for a lookup that
// ran out of memory. Each lookup counts as one allocation, which fails as
// the others do. Null gives back the system's fonts.
using VelTestFontSource = int (*)(const char* face, int* family, int* charset);
void VelTestSetFontSource(VelTestFontSource source);

// Sets the multi-byte code-page flag that the library read at load
// (1 or 0); -1 reads it from the system again.
void VelTestSetMultiByte(int flag);

// ---- Read by the platform backends ---------------------------------------------

// Counts one allocation or resize and tells whether it must fail.
bool SeamFailThisAllocation();
// Counts one file read and tells whether it must stop short.
bool SeamFailThisRead();
// True when a hook took the message box.
bool SeamTakeMessageBox(const char* text, const char* caption);
// True when a test set the resolution.
bool SeamScreenResolution(int* x, int* y);
// True when a test font source answered; `installed` tells its answer (1, 0
// or -1).
bool SeamLookUpFont(const char* face, int* family, int* charset, int* installed);
