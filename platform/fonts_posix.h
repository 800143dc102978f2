// Installed fonts on POSIX systems, learned through fontconfig and FreeType.
#pragma once

#include <cstdint>

// 1 when a font of this family name (an ANSI string, Windows-1252) is
// installed, with its Windows family (the high nibble of lfPitchAndFamily)
// and character set; 0 otherwise, with family 0 and character set 0; -1 when
// memory ran out on the way. Each name is looked up once per process; later
// calls answer from a cache, which keeps no failed lookup. Without font
// lookup in the build every name counts as not installed.
int PosixLookUpFont(const char* face, int* family, int* charset);

// Forgets every answer kept so far, so that tests can look a name up anew.
void PosixForgetFonts();

// How many names were looked up in the installed fonts so far (answers from
// the cache not counted).
int64_t PosixFontLookupCount();

// The rules that turn a font's tables into what Windows reports, on their
// own for tests. `panose` is the OS/2 table's 10 PANOSE bytes (null when the
// font has no OS/2 table), `familyClass` its sFamilyClass, `fixedPitch` the
// post table's isFixedPitch (or FreeType's fixed-width flag).
int WindowsFontFamily(const unsigned char* panose, int familyClass, bool fixedPitch);
// `symbolMap` when the font has a Microsoft symbol character map;
// `codePages1` the OS/2 table's ulCodePageRange1 (0 when it has none).
int WindowsCharset(bool symbolMap, uint32_t codePages1);
