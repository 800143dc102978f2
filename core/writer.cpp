#include "writer.h"

#include <cstring>

#include "memory.h"
#include "messages.h"

namespace {

// What PutRtfText does with each byte below 128: 0 writes it as it is.
enum TextAction : unsigned char {
    TEXT_PLAIN = 0,
    TEXT_PAR,        // CR: \par and the end of the output line
    TEXT_DROP,       // LF: nothing
    TEXT_WORD_TAB,   // \tab
    TEXT_WORD_PAGE,  // \page
    TEXT_WORD_COL,   // \column
    TEXT_ESCAPED,    // a backslash, then the mapped character
    TEXT_BACKSLASH,  // escaped unless backslashes are raw
};

struct TextTable {
    unsigned char action[128];
    char escaped[128];  // the character after the escaping backslash
};

constexpr TextTable MakeTextTable()
{
    TextTable t{};
    t.action[13] = TEXT_PAR;
    t.action[10] = TEXT_DROP;
    t.action[9] = TEXT_WORD_TAB;
    t.action[12] = TEXT_WORD_PAGE;
    t.action[22] = TEXT_WORD_COL;
    t.action[14] = TEXT_ESCAPED;
    t.escaped[14] = '~';  // non-breaking space
    t.action[23] = TEXT_ESCAPED;
    t.escaped[23] = '_';  // non-breaking hyphen
    constexpr unsigned char open = '{', close = '}', backslash = '\\';
    t.action[open] = TEXT_ESCAPED;
    t.escaped[open] = '{';
    t.action[close] = TEXT_ESCAPED;
    t.escaped[close] = '}';
    t.action[backslash] = TEXT_BACKSLASH;
    return t;
}

constexpr TextTable kText = MakeTextTable();

constexpr char kHexDigits[] = "0123456789abcdef";

// The two digits of every byte value, for writing whole lines of hex.
struct HexPairs {
    char pair[256][2];
};

constexpr HexPairs MakeHexPairs()
{
    HexPairs t{};
    for (int b = 0; b < 256; ++b) {
        t.pair[b][0] = kHexDigits[b >> 4];
        t.pair[b][1] = kHexDigits[b & 15];
    }
    return t;
}

constexpr HexPairs kHexPairs = MakeHexPairs();

// Bytes of hex data on one full line: a pair begins a new line once the line
// holds more than 100 characters, so a line begun empty takes 51 pairs.
constexpr int kHexBytesPerLine = 51;

// Moves the pending line to the end of the body without ending it: the
// output line goes on with what comes next.
int SpillRtfLine(VelDocRecord* doc)
{
    RtfStream* s = doc->Stream;
    int64_t needed = static_cast<int64_t>(s->BodyLength) + s->LineLength;
    if (needed > s->BodyCapacity && !GrowBody(doc, needed, "FlushRtfLine")) return 0;
    std::memcpy(s->Body + s->BodyLength, s->Line, static_cast<size_t>(s->LineLength));
    s->BodyLength += s->LineLength;
    s->LineLength = 0;
    return 1;
}

// The pending line's rules, for one byte. The owed space comes first, so it
// counts for the rules; any failed flush ends the write before `ch` is stored.
// Raw text (a field instruction) never ends a line: readers take a line end
// inside an instruction for part of it.
inline int PutChar(VelDocRecord* doc, RtfStream* s, unsigned char ch)
{
    if (s->PendingSpace) {
        s->Line[s->LineLength++] = ' ';
        s->PendingSpace = 0;
    }
    bool raw = s->StreamMode & MODE_RAW_BACKSLASH;
    if (!s->NoBreak && !(s->StreamMode & MODE_IN_ESCAPE) && !raw) {
        // After a word once the line holds 76 characters, at the latest after 101.
        if ((s->LineLength >= 76 && s->Line[s->LineLength - 1] == ' ') || s->LineLength > 100) {
            if (!FlushRtfLine(doc)) return 0;
        }
    }
    // Long runs of control words break before a backslash.
    if (ch == '\\' && !raw && s->LineLength >= 151) {
        if (!FlushRtfLine(doc)) return 0;
    }
    if (s->LineLength + 2 > kLineLimit) {
        if (!(raw ? SpillRtfLine(doc) : FlushRtfLine(doc))) return 0;
    }
    s->Line[s->LineLength++] = static_cast<char>(ch);
    return 1;
}

// Decimal digits of a 32-bit value into `out` (12 bytes); gives the length.
int FormatDecimal(int value, char* out)
{
    char digits[12];
    int n = 0;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    int length = 0;
    if (value < 0) out[length++] = '-';
    while (n) out[length++] = digits[--n];
    return length;
}

}  // namespace

int64_t NextBodyCapacity(int64_t capacity, int64_t needed)
{
    if (needed > kMaxBlockSize) return -1;
    int64_t grown = capacity + capacity / 4;
    if (grown < needed) grown = needed;
    return grown > kMaxBlockSize ? kMaxBlockSize : grown;
}

int GrowBody(VelDocRecord* doc, int64_t needed, const char* caption)
{
    RtfStream* s = doc->Stream;
    int64_t capacity = NextBodyCapacity(s->BodyCapacity, needed);
    if (capacity < 0) {
        // As far as the caller can tell, the block could not be had.
        ReportError(nullptr, ERR_OUT_OF_MEMORY, "OurRealloc");
        return ReportError(doc, ERR_OUT_OF_MEMORY, caption);
    }
    void* body = OurRealloc(s->Body, static_cast<int>(capacity));
    if (!body) return ReportError(doc, ERR_OUT_OF_MEMORY, caption);
    s->Body = static_cast<char*>(body);
    s->BodyCapacity = static_cast<int>(capacity);
    return 1;
}

int FlushRtfLine(VelDocRecord* doc)
{
    RtfStream* s = doc->Stream;
    if (s->LineLength == 0) return 1;
    s->Line[s->LineLength] = '\r';
    s->Line[s->LineLength + 1] = '\n';
    int length = s->LineLength + 2;
    int64_t needed = static_cast<int64_t>(s->BodyLength) + length;
    if (needed > s->BodyCapacity && !GrowBody(doc, needed, "FlushRtfLine")) {
        return 0;  // the line stays pending as it was
    }
    std::memcpy(s->Body + s->BodyLength, s->Line, static_cast<size_t>(length));
    s->BodyLength += length;
    s->LineLength = 0;
    s->PendingSpace = 0;
    return 1;
}

int PutRtfChar(VelDocRecord* doc, unsigned char ch)
{
    return PutChar(doc, doc->Stream, ch);
}

int PutControlWord(VelDocRecord* doc, const char* word, int kind, int value)
{
    RtfStream* s = doc->Stream;
    s->PendingSpace = 0;  // a control word delimits the one before it
    // The word's characters only meet the hard limit, and the backslash the
    // rule of 151 as well. When neither can fire for a word of up to 32
    // plain characters and its parameter, write it straight into the line.
    int start = s->LineLength;
    if (start < 151 && start + 1 + 32 + 11 + 2 <= kLineLimit) {
        char* out = s->Line + start;
        *out++ = '\\';
        const auto* w = reinterpret_cast<const unsigned char*>(word);
        int n = 0;
        while (n < 32 && w[n] && w[n] < 128 && kText.action[w[n]] == TEXT_PLAIN) {
            out[n] = static_cast<char>(w[n]);
            ++n;
        }
        if (!w[n]) {
            out += n;
            if (kind == PARAM_INT) out += FormatDecimal(value, out);
            s->LineLength = static_cast<int>(out - s->Line);
            s->PendingSpace = 1;
            return 1;
        }
    }
    s->NoBreak = 1;
    int ok = PutChar(doc, s, '\\') && PutRtfString(doc, word);
    if (ok && kind == PARAM_INT) {
        char digits[12];
        int count = FormatDecimal(value, digits);
        ok = PutRtfText(doc, digits, count);
    }
    s->NoBreak = 0;
    if (!ok) return 0;
    s->PendingSpace = 1;
    return 1;
}

int BeginRtfGroup(VelDocRecord* doc)
{
    RtfStream* s = doc->Stream;
    s->PendingSpace = 0;
    s->GroupDepth += 1;
    return PutChar(doc, s, '{');
}

int EndRtfGroup(VelDocRecord* doc)
{
    RtfStream* s = doc->Stream;
    s->PendingSpace = 0;
    s->GroupDepth -= 1;
    return PutChar(doc, s, '}');
}

// True when a character written now meets no rule but the hard limit: no
// owed space, no soft break due, room for two more characters.
inline bool NoRuleDue(const RtfStream* s)
{
    int n = s->LineLength;
    return !s->PendingSpace && !s->NoBreak && !(s->StreamMode & MODE_IN_ESCAPE) && n <= 100 &&
           !(n >= 76 && s->Line[n - 1] == ' ');
}

int PutHexByte(VelDocRecord* doc, unsigned char b)
{
    RtfStream* s = doc->Stream;
    if (NoRuleDue(s)) {
        s->Line[s->LineLength] = kHexDigits[b >> 4];
        s->Line[s->LineLength + 1] = kHexDigits[b & 15];
        s->LineLength += 2;
        return 1;
    }
    if (!PutChar(doc, s, static_cast<unsigned char>(kHexDigits[b >> 4]))) return 0;
    int saved = s->NoBreak;
    s->NoBreak = 1;
    int ok = PutChar(doc, s, static_cast<unsigned char>(kHexDigits[b & 15]));
    s->NoBreak = saved;
    return ok;
}

int PutHexBytes(VelDocRecord* doc, const unsigned char* data, int length)
{
    RtfStream* s = doc->Stream;
    int i = 0;
    // Byte by byte while a rule is due: the owed space, a break after a
    // word, or no soft breaks at all (inside a word or an escape), and in raw
    // text, which ends no line.
    bool raw = s->StreamMode & MODE_RAW_BACKSLASH;
    while (i < length && (raw || !NoRuleDue(s))) {
        if (!PutHexByte(doc, data[i++])) return 0;
    }
    if (i >= length) return 1;
    // No rule fires for a pair begun at 100 characters or fewer, and a line
    // of hex digits never ends in a space: fill the pending line up to that.
    int room = (100 - s->LineLength) / 2 + 1;
    int count = length - i < room ? length - i : room;
    char* line = s->Line + s->LineLength;
    for (int k = 0; k < count; ++k, line += 2) std::memcpy(line, kHexPairs.pair[data[i++]], 2);
    s->LineLength = static_cast<int>(line - s->Line);
    if (i >= length) return 1;
    // The next pair breaks the line, as it would one by one.
    if (!FlushRtfLine(doc)) return 0;
    // From an empty line on, a line is flushed when the pair after its 51st
    // arrives: every full line that has a byte after it goes to the body now.
    int64_t lines = (static_cast<int64_t>(length) - i - 1) / kHexBytesPerLine;
    if (lines > 0) {
        constexpr int kLineBytes = 2 * kHexBytesPerLine + 2;
        int64_t needed = static_cast<int64_t>(s->BodyLength) + lines * kLineBytes;
        if (needed > s->BodyCapacity) {
            // Room for the last line and the group's end too, so that they
            // do not grow a large body by another quarter.
            int64_t room = needed + kLineBytes + 16;
            if (room > kMaxBlockSize) room = needed;
            if (!GrowBody(doc, room, "FlushRtfLine")) return 0;
        }
        char* out = s->Body + s->BodyLength;
        for (int64_t n = 0; n < lines; ++n) {
            for (int k = 0; k < kHexBytesPerLine; ++k) {
                std::memcpy(out, kHexPairs.pair[data[i++]], 2);
                out += 2;
            }
            out[0] = '\r';
            out[1] = '\n';
            out += 2;
        }
        s->BodyLength = static_cast<int>(needed);
    }
    // The last line's pairs stay pending; no rule fires before them.
    line = s->Line;
    for (; i < length; ++i, line += 2) std::memcpy(line, kHexPairs.pair[data[i]], 2);
    s->LineLength = static_cast<int>(line - s->Line);
    return 1;
}

int PutEscapedChar(VelDocRecord* doc, unsigned char b)
{
    RtfStream* s = doc->Stream;
    if (NoRuleDue(s) && s->LineLength < 151) {
        char* out = s->Line + s->LineLength;
        out[0] = '\\';
        out[1] = '\'';
        out[2] = kHexDigits[b >> 4];
        out[3] = kHexDigits[b & 15];
        s->LineLength += 4;
        return 1;
    }
    if (!PutChar(doc, s, '\\')) return 0;
    s->StreamMode |= MODE_IN_ESCAPE;
    int ok = PutChar(doc, s, '\'') && PutHexByte(doc, b);
    s->StreamMode &= ~MODE_IN_ESCAPE;
    return ok;
}

int PutRtfText(VelDocRecord* doc, const char* bytes, int count)
{
    RtfStream* s = doc->Stream;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    for (int i = 0; i < count; ++i) {
        unsigned char ch = p[i];
        // While the line is shorter than 76 characters no rule can fire for
        // a plain character: copy the run of them at once.
        if (ch < 128 && kText.action[ch] == TEXT_PLAIN && s->LineLength < 76 && !s->PendingSpace &&
            !s->NoBreak && !(s->StreamMode & MODE_IN_ESCAPE)) {
            int room = 76 - s->LineLength;
            int end = count - i < room ? count : i + room;
            int n = i + 1;
            while (n < end && p[n] < 128 && kText.action[p[n]] == TEXT_PLAIN) ++n;
            std::memcpy(s->Line + s->LineLength, p + i, static_cast<size_t>(n - i));
            s->LineLength += n - i;
            i = n - 1;
            continue;
        }
        if (ch >= 128) {
            if (!PutEscapedChar(doc, ch)) return 0;
            continue;
        }
        int ok = 1;
        switch (kText.action[ch]) {
        case TEXT_PLAIN:
            ok = PutChar(doc, s, ch);
            break;
        case TEXT_PAR:
            ok = PutControlWord(doc, "par", PARAM_NONE, 0) && FlushRtfLine(doc);
            break;
        case TEXT_DROP:
            break;
        case TEXT_WORD_TAB:
            ok = PutControlWord(doc, "tab", PARAM_NONE, 0);
            break;
        case TEXT_WORD_PAGE:
            ok = PutControlWord(doc, "page", PARAM_NONE, 0);
            break;
        case TEXT_WORD_COL:
            ok = PutControlWord(doc, "column", PARAM_NONE, 0);
            break;
        case TEXT_ESCAPED:
            ok = PutChar(doc, s, '\\');
            s->StreamMode |= MODE_IN_ESCAPE;
            ok = ok && PutChar(doc, s, static_cast<unsigned char>(kText.escaped[ch]));
            break;
        case TEXT_BACKSLASH:
            if (!(s->StreamMode & MODE_RAW_BACKSLASH)) {
                ok = PutChar(doc, s, '\\');
                s->StreamMode |= MODE_IN_ESCAPE;
            }
            ok = ok && PutChar(doc, s, '\\');
            break;
        }
        s->StreamMode &= ~MODE_IN_ESCAPE;
        if (!ok) return 0;
    }
    return 1;
}

int PutRtfString(VelDocRecord* doc, const char* text)
{
    if (!text) return 1;
    size_t length = std::strlen(text);
    // Texts beyond 2^31 - 1 bytes are written in slices.
    while (length > 0x7FFFFFFF) {
        if (!PutRtfText(doc, text, 0x7FFFFFFF)) return 0;
        text += 0x7FFFFFFF;
        length -= 0x7FFFFFFF;
    }
    return PutRtfText(doc, text, static_cast<int>(length));
}
