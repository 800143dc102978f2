// What the fuzz targets share: the reader that decodes an input into values,
// and the checks every saved document must pass.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "velrtf.h"

// The input, read front to back; past its end every byte reads as 0.
struct FuzzInput {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    unsigned Byte() { return at < size ? data[at++] : 0; }
    uint32_t U32()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
        return value;
    }
    // Mostly small values, now and then any 32-bit value.
    int Int()
    {
        unsigned kind = Byte();
        if (kind < 200) return static_cast<int>(kind) * 37 - 100;
        return static_cast<int>(U32());
    }
    // A short string of any bytes, no braces or backslashes when `plain`.
    std::string Text(bool plain = false)
    {
        std::string text;
        for (unsigned n = Byte() % 40; n > 0; --n) {
            char c = static_cast<char>(Byte());
            if (c == 0 || (plain && (c == '{' || c == '}' || c == '\\'))) c = 'x';
            text += c;
        }
        return text;
    }
    // The next `count` bytes, zeros past the end.
    std::string Bytes(size_t count)
    {
        std::string bytes(count, '\0');
        for (char& c : bytes) c = static_cast<char>(Byte());
        return bytes;
    }
    // All bytes not read yet.
    std::string Rest()
    {
        std::string rest(reinterpret_cast<const char*>(data) + (at < size ? at : size), at < size ? size - at : 0);
        at = size;
        return rest;
    }
};

// Stores reports made without a document instead of printing them.
void QuietReports();
// Prints why and the document, then aborts.
[[noreturn]] void FuzzFail(const char* why, const std::string& rtf);
// Braces balanced, no line of the body longer than 302 bytes with its CR LF
// (but for one holding a linked picture's instruction, which is never split),
// and no line ending right after a backslash.
void CheckWellFormed(const std::string& rtf);
// The document's RTF as VelGetData gives it ("" when that fails), checked
// to be well-formed.
std::string SavedAndChecked(HVELDOC doc);
// The hex digits of the first picture group marked by `word` (such as
// "\\jpegblip"), line ends taken out; false when there is none.
bool PictureHex(const std::string& rtf, const char* word, std::string* hex);
// The bytes as lower-case hex digits.
std::string HexOf(const std::string& bytes);
