#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

void QuietReports()
{
    static const unsigned flags = VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
    (void)flags;
}

void FuzzFail(const char* why, const std::string& rtf)
{
    std::fprintf(stderr, "fuzz: %s in\n%s\n", why, rtf.c_str());
    std::abort();
}

void CheckWellFormed(const std::string& rtf)
{
    int depth = 0;
    // The writer's lines start with the body; the font table before it has
    // a layout of its own.
    size_t lineStart = rtf.find("\\ansi\\ftnbj");
    for (size_t i = 0; i < rtf.size(); ++i) {
        char c = rtf[i];
        if (c == '\\') {
            // A line end right after a backslash reads as a paragraph mark.
            if (i + 1 < rtf.size() && (rtf[i + 1] == '\r' || rtf[i + 1] == '\n')) {
                FuzzFail("a line ends right after a backslash", rtf);
            }
            ++i;  // an escape or the first letter of a word: never a brace of the structure
        } else if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth < 0) {
            FuzzFail("a brace closes more than was opened", rtf);
        } else if (c == '\n' && i > lineStart) {
            if (i + 1 - lineStart > 302) {
                // A field instruction is never split, however long.
                size_t instruction = rtf.find("INCLUDEPICTURE", lineStart);
                if (instruction == std::string::npos || instruction > i) FuzzFail("a line passes 302 bytes", rtf);
            }
            lineStart = i + 1;
        }
    }
    if (depth != 0) FuzzFail("braces do not balance", rtf);
}

std::string SavedAndChecked(HVELDOC doc)
{
    int length = 0;
    HGLOBAL block = VelGetData(doc, &length);
    if (!block) return "";
    std::string rtf(static_cast<size_t>(length), '\0');
    VelHandleToStr(rtf.data(), length, block);
    rtf.pop_back();
    CheckWellFormed(rtf);
    return rtf;
}

bool PictureHex(const std::string& rtf, const char* word, std::string* hex)
{
    size_t start = rtf.find(word);
    if (start == std::string::npos) return false;
    size_t end = rtf.find('}', start);
    if (end == std::string::npos) return false;
    // The data follows the space that delimits the last size word.
    size_t space = rtf.rfind(' ', end);
    hex->clear();
    if (space == std::string::npos || space < start) return true;
    for (size_t i = space + 1; i < end; ++i) {
        if (rtf[i] != '\r' && rtf[i] != '\n') *hex += rtf[i];
    }
    return true;
}

std::string HexOf(const std::string& bytes)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) hex += {kDigits[b >> 4], kDigits[b & 15]};
    return hex;
}
