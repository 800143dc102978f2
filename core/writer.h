// The RTF output writer. Every byte of the body goes through these
// operations: they break lines, owe a control word its delimiting space,
// escape what RTF reserves and turn the host's control characters into
// control words. Each returns 1, or 0 when the body cannot grow; the caller
// then stops and returns 0 itself.
#pragma once

#include <cstring>

#include "document.h"

constexpr int PARAM_NONE = 0;
constexpr int PARAM_INT = 1;

constexpr int kLineLimit = 300;     // characters of the pending line
constexpr int kInitialBody = 1000;  // bytes of a new document's body

// Moves the pending line plus CR LF to the end of the body.
int FlushRtfLine(VelDocRecord* doc);
// Appends one byte to the pending line, applying the line-break rules.
int PutRtfChar(VelDocRecord* doc, unsigned char ch);
// PutControlWord for a word of `length` characters.
int PutControlWordOf(VelDocRecord* doc, const char* word, size_t length, int kind, int value);
// Writes \word, and with PARAM_INT the value in decimal; a delimiting space
// is then owed to whatever text follows. (The length of a literal word is
// known where it is written.)
inline int PutControlWord(VelDocRecord* doc, const char* word, int kind, int value)
{
    return PutControlWordOf(doc, word, std::strlen(word), kind, value);
}
// Writes { and raises the group depth.
int BeginRtfGroup(VelDocRecord* doc);
// Writes } and lowers the group depth.
int EndRtfGroup(VelDocRecord* doc);
// Writes a byte as two lower-case hexadecimal digits, never split.
int PutHexByte(VelDocRecord* doc, unsigned char b);
// Writes `length` bytes as PutHexByte writes them one by one, the same
// lines included; whole lines go straight into the body. A length of 0 or
// less writes nothing.
int PutHexBytes(VelDocRecord* doc, const unsigned char* data, int length);
// Writes \'hh for a byte, never split.
int PutEscapedChar(VelDocRecord* doc, unsigned char b);
// Writes host text, escaped and translated. A count below 1 writes nothing.
int PutRtfText(VelDocRecord* doc, const char* bytes, int count);
// PutRtfText for a text of any length.
int PutRtfTextOf(VelDocRecord* doc, const char* text, size_t length);
// PutRtfText for a NUL-terminated string; null writes nothing.
int PutRtfString(VelDocRecord* doc, const char* text);

// Makes room in the body for `needed` bytes in all, growing it by a quarter
// at least. On failure reports error 23 under `caption` and gives 0.
int GrowBody(VelDocRecord* doc, int64_t needed, const char* caption);
// The capacity the body grows to from `capacity` to hold `needed` bytes, or
// -1 when that would pass the largest block.
int64_t NextBodyCapacity(int64_t capacity, int64_t needed);

inline int PutWord(VelDocRecord* doc, const char* word)
{
    return PutControlWord(doc, word, PARAM_NONE, 0);
}

inline int PutWordValue(VelDocRecord* doc, const char* word, int value)
{
    return PutControlWord(doc, word, PARAM_INT, value);
}
