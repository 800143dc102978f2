// Installed fonts on POSIX systems, learned through fontconfig and FreeType.
#pragma once

// 1 when a font of this family name is installed, with its Windows family
// (the high nibble of lfPitchAndFamily) and character set; 0 otherwise.
int PosixLookUpFont(const char* face, int* family, int* charset);
