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
// Writes \word, and with PARAM_INT the value in decimal; a delimiting space
// is then owed to whatever text follows. For a word chosen at run time (a
// host's word, one of a table); the library's own literal words go through
// PutWord and PutWordValue below.
int PutControlWordOf(VelDocRecord* doc, const char* word, size_t length, int kind, int value);
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

// Decimal digits of a 32-bit value into `out` (11 bytes); gives the length.
int FormatDecimal(int value, char* out);

// A byte that stands in a control word as it is: one the text rules write
// as it is.
constexpr bool IsWordByte(unsigned char ch)
{
    return ch != 0 && ch < 128 && ch != 9 && ch != 10 && ch != 12 && ch != 13 && ch != 14 && ch != 22 &&
           ch != 23 && ch != '{' && ch != '}' && ch != '\\';
}

// A control word of the library's own: a literal, whose characters are
// checked and counted when the library is compiled (a word that could not
// stand as it is does not compile).
struct RtfWord {
    const char* text;
    int length;

    consteval RtfWord(const char* word) : text(word), length(0)
    {
        while (word[length]) {
            if (!IsWordByte(static_cast<unsigned char>(word[length]))) throw "not a plain control word";
            ++length;
        }
        if (length > 32) throw "a control word of more than 32 characters";
    }
};

// PutControlWord for a word of the library's own, inline: when the line is
// short enough that no rule can fire (the rule of 151 before its backslash),
// the word and its parameter go straight into the pending line.
inline int PutRtfWord(VelDocRecord* doc, RtfWord word, int kind, int value)
{
    RtfStream* s = doc->Stream;
    int start = s->LineLength;
    if (start >= 151) return PutControlWordOf(doc, word.text, static_cast<size_t>(word.length), kind, value);
    char* out = s->Line + start;
    out[0] = '\\';
    std::memcpy(out + 1, word.text, static_cast<size_t>(word.length));
    int end = start + 1 + word.length;
    if (kind == PARAM_INT) end += FormatDecimal(value, s->Line + end);
    s->LineLength = end;
    s->PendingSpace = 1;
    return 1;
}

// \word, a literal (a word from elsewhere goes through PutControlWord).
inline int PutWord(VelDocRecord* doc, RtfWord word)
{
    return PutRtfWord(doc, word, PARAM_NONE, 0);
}

// \word and the value in decimal, the word a literal.
inline int PutWordValue(VelDocRecord* doc, RtfWord word, int value)
{
    return PutRtfWord(doc, word, PARAM_INT, value);
}
