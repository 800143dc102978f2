#include "writer.h"

#include <bit>
#include <cstring>

#if defined(__GNUC__)
#define VELRTF_NOINLINE __attribute__((noinline))
#else
#define VELRTF_NOINLINE
#endif

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define VELRTF_SSE2 1
#endif

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

// Bytes that PutRtfText looks at one by one: every byte below 24 (among them
// the few control characters it translates), the braces, the backslash, and
// the bytes of 128 and above. Whatever else is written as it is.
constexpr bool MayNeedWork(unsigned char ch)
{
    return ch < 24 || ch >= 128 || ch == '{' || ch == '}' || ch == '\\';
}

// The length of the run of bytes at the start of `p` that need no work,
// found 16 bytes at a time where the processor allows.
#if VELRTF_SSE2
// One bit for each of the 16 bytes at `p` that may need work.
inline unsigned WorkMask(const unsigned char* p)
{
    const __m128i below = _mm_set1_epi8(24);  // signed: the bytes of 128 and above count as below
    const __m128i backslash = _mm_set1_epi8('\\');
    const __m128i open = _mm_set1_epi8('{');
    const __m128i close = _mm_set1_epi8('}');
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i work = _mm_or_si128(_mm_or_si128(_mm_cmplt_epi8(v, below), _mm_cmpeq_epi8(v, backslash)),
                                _mm_or_si128(_mm_cmpeq_epi8(v, open), _mm_cmpeq_epi8(v, close)));
    return static_cast<unsigned>(_mm_movemask_epi8(work));
}
#endif

// The most bytes PutRtfText looks at before it writes them.
constexpr size_t kRunChunk = 4096;

// Bytes copied at once for a whole line: the longest line (101 characters)
// and its line end, rounded up to 16.
constexpr size_t kWholeLine = 112;

size_t PlainRun(const unsigned char* p, size_t n)
{
    size_t i = 0;
#if VELRTF_SSE2
    if (n >= 16) {
        for (; i + 16 <= n; i += 16) {
            if (unsigned mask = WorkMask(p + i)) return i + std::countr_zero(mask);
        }
        // The last bytes: the last 16, less those already looked at.
        if (i < n) {
            unsigned mask = WorkMask(p + n - 16) >> (16 - (n - i));
            return mask ? i + std::countr_zero(mask) : n;
        }
        return n;
    }
#endif
    while (i < n && !MayNeedWork(p[i])) ++i;
    return i;
}

// The bytes a control word holds as they are: those the text rules write as
// they are.
constexpr bool WordBytesAgree()
{
    for (int ch = 0; ch < 256; ++ch) {
        bool asItIs = ch != 0 && ch < 128 && kText.action[ch] == TEXT_PLAIN;
        if (IsWordByte(static_cast<unsigned char>(ch)) != asItIs) return false;
    }
    return true;
}
static_assert(WordBytesAgree());

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

// The index of the first space in p[from, end), or `end` when there is none.
size_t FirstSpace(const unsigned char* p, size_t from, size_t end)
{
#if VELRTF_SSE2
    const __m128i space = _mm_set1_epi8(' ');
    for (; from + 16 <= end; from += 16) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + from));
        if (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, space)))) {
            return from + std::countr_zero(mask);
        }
    }
    if (from < end && end >= 16) {  // the last bytes: the last 16, less those already looked at
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + end - 16));
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, space))) >> (16 - (end - from));
        return mask ? from + std::countr_zero(mask) : end;
    }
#endif
    while (from < end && p[from] != ' ') ++from;
    return from;
}

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

// Writes a run of bytes that need no work (PlainRun) as PutChar writes them
// one by one. Past an owed space or an escape, and outside raw text and
// control words, the break is found at once from the line's length: after
// the first space that leaves 76 characters or more on the line, at the
// latest after the 101st character, and only when a character follows. Each
// line so ended goes straight into the body with the run's part of it, the
// body grown as FlushRtfLine grows it; the rest of the run stays pending.
int PutPlainRun(VelDocRecord* doc, RtfStream* s, const unsigned char* p, size_t n)
{
    while (n > 0 && (s->PendingSpace || (s->StreamMode & MODE_IN_ESCAPE))) {
        if (!PutChar(doc, s, *p++)) return 0;
        s->StreamMode &= ~MODE_IN_ESCAPE;
        --n;
    }
    if (s->NoBreak || (s->StreamMode & MODE_RAW_BACKSLASH)) {
        for (size_t i = 0; i < n; ++i) {
            if (!PutChar(doc, s, p[i])) return 0;
        }
        return 1;
    }
    while (n > 0) {
#if VELRTF_SSE2
        // A line begun empty, with a character after its longest end: it
        // ends after the first space among its characters 76 to 101, else
        // after the 101st. Its bytes go into the body 16 at a time (a few
        // past its end too, which the next line writes over) when the body
        // has that room already.
        if (s->LineLength == 0 && n >= kWholeLine && s->BodyCapacity - s->BodyLength >= static_cast<int>(kWholeLine)) {
            char* out = s->Body + s->BodyLength;
            for (size_t k = 0; k < kWholeLine; k += 16) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k),
                                 _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k)));
            }
            const __m128i space = _mm_set1_epi8(' ');
            auto spaces = [&](size_t at) {
                __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
                return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, space)));
            };
            unsigned found = spaces(75) | (spaces(91) & 0x3FFu) << 16;  // characters 76 to 101
            size_t take = found ? 75 + static_cast<size_t>(std::countr_zero(found)) + 1 : 101;
            out[take] = '\r';
            out[take + 1] = '\n';
            s->BodyLength += static_cast<int>(take) + 2;
            p += take;
            n -= take;
            continue;
        }
#endif
        int length = s->LineLength;
        if ((length >= 76 && s->Line[length - 1] == ' ') || length > 100) {
            if (!FlushRtfLine(doc)) return 0;
            length = 0;
        }
        auto room = static_cast<size_t>(101 - length);
        size_t take = n < room ? n : room;
        size_t from = length >= 75 ? 0 : static_cast<size_t>(75 - length);
        if (from < take) {
            size_t space = FirstSpace(p, from, take);
            if (space < take) take = space + 1;
        }
        if (take == n) {
            std::memcpy(s->Line + length, p, n);
            s->LineLength = length + static_cast<int>(n);
            return 1;
        }
        int64_t needed = static_cast<int64_t>(s->BodyLength) + length + static_cast<int64_t>(take) + 2;
        if (needed > s->BodyCapacity && !GrowBody(doc, needed, "FlushRtfLine")) return 0;
        char* out = s->Body + s->BodyLength;
        if (length > 0) std::memcpy(out, s->Line, static_cast<size_t>(length));
        std::memcpy(out + length, p, take);
        out[length + static_cast<int64_t>(take)] = '\r';
        out[length + static_cast<int64_t>(take) + 1] = '\n';
        s->BodyLength = static_cast<int>(needed);
        s->LineLength = 0;
        p += take;
        n -= take;
    }
    return 1;
}

// The digits of every value below 100, two by two.
struct DigitPairs {
    char pair[100][2];
};

constexpr DigitPairs MakeDigitPairs()
{
    DigitPairs t{};
    for (int n = 0; n < 100; ++n) {
        t.pair[n][0] = static_cast<char>('0' + n / 10);
        t.pair[n][1] = static_cast<char>('0' + n % 10);
    }
    return t;
}

constexpr DigitPairs kDigitPairs = MakeDigitPairs();

int DigitCount(unsigned n)
{
    int count = 1;
    for (unsigned bound = 10; n >= bound && count < 10; bound *= 10) ++count;
    return count;
}

}  // namespace

int FormatDecimal(int value, char* out)
{
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    int length = DigitCount(magnitude) + (value < 0);
    char* p = out + length;
    for (; magnitude >= 100; magnitude /= 100) std::memcpy(p -= 2, kDigitPairs.pair[magnitude % 100], 2);
    if (magnitude >= 10) std::memcpy(p - 2, kDigitPairs.pair[magnitude], 2);
    else p[-1] = static_cast<char>('0' + magnitude);
    if (value < 0) out[0] = '-';
    return length;
}

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

namespace {

// A control word through the line's rules, character by character; kept
// out of line, so that the usual road stays short.
VELRTF_NOINLINE int PutControlWordByRules(VelDocRecord* doc, RtfStream* s, const char* word, int kind, int value)
{
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

}  // namespace

int PutControlWordOf(VelDocRecord* doc, const char* word, size_t length, int kind, int value)
{
    RtfStream* s = doc->Stream;
    s->PendingSpace = 0;  // a control word delimits the one before it
    // The word's characters only meet the hard limit, and the backslash the
    // rule of 151 as well. When neither can fire for a word of up to 32
    // plain characters and its parameter, write it straight into the line.
    int start = s->LineLength;
    if (length <= 32 && start < 151 && start + 1 + 32 + 11 + 2 <= kLineLimit) {
        char* out = s->Line + start;
        *out++ = '\\';
        const auto* w = reinterpret_cast<const unsigned char*>(word);
        bool bad = false;
        for (size_t i = 0; i < length; ++i) {
            unsigned char ch = w[i];
            out[i] = static_cast<char>(ch);
            bad |= !IsWordByte(ch);
        }
        if (!bad) {
            out += length;
            if (kind == PARAM_INT) out += FormatDecimal(value, out);
            s->LineLength = static_cast<int>(out - s->Line);
            s->PendingSpace = 1;
            return 1;
        }
    }
    return PutControlWordByRules(doc, s, word, kind, value);
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

namespace {

// PutRtfText's road for any text.
int PutTextByRules(VelDocRecord* doc, RtfStream* s, const unsigned char* p, size_t n)
{
    for (size_t i = 0; i < n;) {
        // Runs are looked for a few kilobytes at a time, so that a long one
        // is still in the cache when it is copied.
        size_t chunk = n - i < kRunChunk ? n - i : kRunChunk;
        size_t run = MayNeedWork(p[i]) ? 0 : PlainRun(p + i, chunk);
        if (run && s->LineLength < 76 && run <= static_cast<size_t>(76 - s->LineLength) && !s->PendingSpace &&
            !s->NoBreak && !(s->StreamMode & MODE_IN_ESCAPE)) {
            // A short run between characters that need work (text dense with
            // escapes) that leaves the line at 76 characters at most: no rule
            // can fire for it.
            std::memcpy(s->Line + s->LineLength, p + i, run);
            s->LineLength += static_cast<int>(run);
            if ((i += run) == n) break;
            if (run == chunk) continue;
        } else if (run) {
            if (!PutPlainRun(doc, s, p + i, run)) return 0;
            if ((i += run) == n) break;
            if (run == chunk) continue;
        }
        unsigned char ch = p[i++];
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
            ok = PutWord(doc, "par") && FlushRtfLine(doc);
            break;
        case TEXT_DROP:
            break;
        case TEXT_WORD_TAB:
            ok = PutWord(doc, "tab");
            break;
        case TEXT_WORD_PAGE:
            ok = PutWord(doc, "page");
            break;
        case TEXT_WORD_COL:
            ok = PutWord(doc, "column");
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

}  // namespace

int PutRtfText(VelDocRecord* doc, const char* bytes, int count)
{
    RtfStream* s = doc->Stream;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    if (count <= 0) return 1;
    auto n = static_cast<size_t>(count);
    // The usual short text after a control word or more text: when it needs
    // no work and ends before the line holds 76 characters, no rule can fire
    // for any of its characters, the owed space first.
    int start = s->LineLength + s->PendingSpace;
    if (n <= 75 && count <= 75 - start && PlainRun(p, n) == n) {
        if (s->PendingSpace) s->Line[s->LineLength] = ' ';
        std::memcpy(s->Line + start, p, n);
        s->LineLength = start + count;
        s->PendingSpace = 0;
        s->StreamMode &= ~MODE_IN_ESCAPE;
        return 1;
    }
    return PutTextByRules(doc, s, p, n);
}

int PutRtfTextOf(VelDocRecord* doc, const char* text, size_t length)
{
    // Texts beyond 2^31 - 1 bytes are written in slices.
    while (length > 0x7FFFFFFF) {
        if (!PutRtfText(doc, text, 0x7FFFFFFF)) return 0;
        text += 0x7FFFFFFF;
        length -= 0x7FFFFFFF;
    }
    return PutRtfText(doc, text, static_cast<int>(length));
}

int PutRtfString(VelDocRecord* doc, const char* text)
{
    return text ? PutRtfTextOf(doc, text, std::strlen(text)) : 1;
}
