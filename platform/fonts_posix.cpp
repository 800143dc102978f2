// Installed fonts on POSIX systems.
//
// A face name counts as installed when fontconfig lists a font one of whose
// family names equals it without regard to case. Fontconfig's own matching
// also ignores blanks ("LiberationSans" would list Liberation Sans), and its
// substitutes (Liberation Sans for Arial) are not listed at all, so neither
// counts. Of the fonts of the family, the upright one of regular weight and
// width is read, as the one Windows would enumerate for the name.
//
// What Windows reports for a TrueType font comes from its OS/2 and post
// tables; WindowsFontFamily and WindowsCharset state the rules. Each name is
// looked up once per process: the answers are kept, behind a lock, since
// documents may be written on several threads at once. A lookup that memory
// failed is no answer: it is reported to the caller and not kept, so the
// name is looked up again next time. Each call into fontconfig or FreeType
// that allocates passes the allocation seam first, so that tests can fail it.
#include "fonts_posix.h"

#include <atomic>

#if VELRTF_FONT_LOOKUP
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform.h"
#include "seams.h"
#endif

namespace {

std::atomic<int64_t> lookups{0};

// PANOSE bytes of the OS/2 table.
constexpr int kPanFamilyType = 0;
constexpr int kPanSerifStyle = 1;
constexpr int kPanProportion = 3;

constexpr int kPanFamilyText = 2;        // Latin text
constexpr int kPanFamilyScript = 3;      // Latin hand written
constexpr int kPanFamilyDecorative = 4;  // Latin decorative
constexpr int kPanMonospaced = 9;        // proportion of a Latin text face

constexpr int FAMILY_ROMAN = 0x10;
constexpr int FAMILY_SWISS = 0x20;
constexpr int FAMILY_MODERN = 0x30;
constexpr int FAMILY_SCRIPT = 0x40;
constexpr int FAMILY_DECORATIVE = 0x50;

}  // namespace

// The family, in this order:
//  1. monospaced: the post table says fixed pitch, or the PANOSE of a Latin
//     text face says monospaced -> modern;
//  2. PANOSE family type Latin hand written -> script; Latin decorative ->
//     decorative;
//  3. any other face (text, pictorial or unspecified) by its PANOSE serif
//     style: cove to triangle (2-10) -> roman; normal sans to rounded
//     (11-15) -> swiss;
//  4. when PANOSE is not filled in at all (family type and serif style both
//     "any" or "no fit"), by the IBM class of sFamilyClass: old style,
//     transitional, modern, clarendon, slab and free-form serifs (1-5, 7)
//     -> roman; sans serif (8) -> swiss; ornamentals (9) -> decorative;
//     scripts (10) -> script;
//  5. otherwise 0, "don't care".
// Pictorial faces are classed like text faces, as Windows does: Symbol (serif
// style obtuse square cove) is roman, Wingdings (no serif style) is 0.
int WindowsFontFamily(const unsigned char* panose, int familyClass, bool fixedPitch)
{
    if (fixedPitch) return FAMILY_MODERN;
    if (!panose) return 0;
    int type = panose[kPanFamilyType];
    int serif = panose[kPanSerifStyle];
    if (type == kPanFamilyText && panose[kPanProportion] == kPanMonospaced) return FAMILY_MODERN;
    if (type == kPanFamilyScript) return FAMILY_SCRIPT;
    if (type == kPanFamilyDecorative) return FAMILY_DECORATIVE;
    if (serif >= 2 && serif <= 10) return FAMILY_ROMAN;
    if (serif >= 11 && serif <= 15) return FAMILY_SWISS;
    if (type > 1 || serif > 1) return 0;
    switch ((familyClass >> 8) & 0xFF) {
    case 1: case 2: case 3: case 4: case 5: case 7: return FAMILY_ROMAN;
    case 8: return FAMILY_SWISS;
    case 9: return FAMILY_DECORATIVE;
    case 10: return FAMILY_SCRIPT;
    default: return 0;
    }
}

// Symbol (2) for a symbol character map; otherwise the Windows character set
// of the first code page the font claims, in the order of the code-page bits;
// 0 when it claims none.
int WindowsCharset(bool symbolMap, uint32_t codePages1)
{
    if (symbolMap) return 2;
    static const struct {
        int bit;
        int charset;
    } kCodePages[] = {
        {0, 0},     // 1252 Latin 1
        {1, 238},   // 1250 Latin 2
        {2, 204},   // 1251 Cyrillic
        {3, 161},   // 1253 Greek
        {4, 162},   // 1254 Turkish
        {5, 177},   // 1255 Hebrew
        {6, 178},   // 1256 Arabic
        {7, 186},   // 1257 Baltic
        {8, 163},   // 1258 Vietnamese
        {16, 222},  // 874 Thai
        {17, 128},  // 932 Japanese
        {18, 134},  // 936 Simplified Chinese
        {19, 129},  // 949 Korean Wansung
        {20, 136},  // 950 Traditional Chinese
        {21, 130},  // 1361 Korean Johab
    };
    for (const auto& page : kCodePages) {
        if (codePages1 & (uint32_t{1} << page.bit)) return page.charset;
    }
    return 0;
}

int64_t PosixFontLookupCount()
{
    return lookups.load();
}

#if !VELRTF_FONT_LOOKUP

int PosixLookUpFont(const char*, int* family, int* charset)
{
    *family = 0;
    *charset = 0;
    return 0;
}

void PosixForgetFonts() {}

#else

namespace {

struct FontFacts {
    int installed;
    int family;
    int charset;
};

// The answers so far, by the name folded to lower case. Bounded, so that a
// host that names ever new fonts does not grow it without end; past the
// bound, names are looked up each time.
constexpr size_t kCacheLimit = 4096;
std::mutex cacheLock;
std::unordered_map<std::string, FontFacts>* cache;

// Unicode of the Windows-1252 bytes 0x80 to 0x9F; 0 where the code page has
// no character.
constexpr uint16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The face name in UTF-8, as fontconfig names families; false when a byte
// has no character.
bool AnsiToUtf8(const char* ansi, std::string& out)
{
    out.clear();
    for (const auto* p = reinterpret_cast<const unsigned char*>(ansi); *p; ++p) {
        unsigned code = *p;
        if (code >= 0x80 && code <= 0x9F) code = kHighControls[code - 0x80];
        if (code == 0) return false;
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return true;
}

// A family name of fontconfig in Windows-1252; false when it holds a
// character the code page lacks (an ANSI host cannot name such a family).
bool Utf8ToAnsi(const char* utf8, std::string& out)
{
    out.clear();
    const auto* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p) {
        unsigned code;
        int more;
        if (*p < 0x80) {
            code = *p;
            more = 0;
        } else if ((*p & 0xE0) == 0xC0) {
            code = *p & 0x1F;
            more = 1;
        } else if ((*p & 0xF0) == 0xE0) {
            code = *p & 0x0F;
            more = 2;
        } else {
            return false;  // beyond the Basic Multilingual Plane, or malformed
        }
        ++p;
        for (int i = 0; i < more; ++i, ++p) {
            if ((*p & 0xC0) != 0x80) return false;
            code = (code << 6) | (*p & 0x3F);
        }
        if (code >= 0x80 && code <= 0x9F) return false;
        if (code > 0xFF) {
            const uint16_t* hit = std::find(std::begin(kHighControls), std::end(kHighControls), code);
            if (hit == std::end(kHighControls)) return false;
            code = static_cast<unsigned>(0x80 + (hit - std::begin(kHighControls)));
        }
        out += static_cast<char>(code);
    }
    return true;
}

std::string CacheKey(const char* face)
{
    // Names that compare equal without regard to case share one answer.
    std::string key;
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz";
    for (const char* p = face; *p; ++p) {
        key += *p;
        if (*p >= 'A' && *p <= 'Z') key.back() = kLetters[*p - 'A'];
    }
    return key;
}

// One font of the family, as fontconfig lists it.
struct Candidate {
    int slant;
    int weight;
    int width;
    int monospaced;
    std::string file;
    int index;
};

// The upright font of regular weight and width comes first; the file name
// settles ties, so that the answer never depends on the listing order.
bool ReadFirst(const Candidate& a, const Candidate& b)
{
    auto rank = [](const Candidate& c) {
        return std::make_tuple(c.slant != FC_SLANT_ROMAN, std::abs(c.weight - FC_WEIGHT_REGULAR),
                               std::abs(c.width - FC_WIDTH_NORMAL), c.file, c.index);
    };
    return rank(a) < rank(b);
}

bool HasFamily(FcPattern* font, const char* face)
{
    FcChar8* family = nullptr;
    std::string ansi;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        if (Utf8ToAnsi(reinterpret_cast<const char*>(family), ansi) && PlatCompareNoCase(ansi.c_str(), face) == 0) {
            return true;
        }
    }
    return false;
}

int IntegerOf(FcPattern* font, const char* object, int fallback)
{
    int value = fallback;
    FcPatternGetInteger(font, object, 0, &value);
    return value;
}

// False when the seam fails the allocation that a call into fontconfig or
// FreeType would make: the call is then not made, as if it had run out.
bool MayAllocate()
{
    return !SeamFailThisAllocation();
}

// The fonts fontconfig lists under the name. False when fontconfig failed
// (it fails only when memory runs out).
bool ListFamily(const char* face, std::vector<Candidate>& found)
{
    std::string utf8;
    if (!AnsiToUtf8(face, utf8)) return true;  // no family has such a name
    FcPattern* pattern = MayAllocate() ? FcPatternCreate() : nullptr;
    FcObjectSet* objects = MayAllocate() ? FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_INDEX, FC_SLANT, FC_WEIGHT,
                                                            FC_WIDTH, FC_SPACING, static_cast<char*>(nullptr))
                                         : nullptr;
    FcFontSet* fonts = nullptr;
    if (pattern && objects && MayAllocate() &&
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.c_str())) && MayAllocate()) {
        fonts = FcFontList(nullptr, pattern, objects);
    }
    if (objects) FcObjectSetDestroy(objects);
    if (pattern) FcPatternDestroy(pattern);
    if (!fonts) return false;
    std::unique_ptr<FcFontSet, void (*)(FcFontSet*)> owned(fonts, FcFontSetDestroy);
    for (int i = 0; i < fonts->nfont; ++i) {
        FcPattern* font = fonts->fonts[i];
        FcChar8* file = nullptr;
        if (!HasFamily(font, face) || FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) continue;
        found.push_back({IntegerOf(font, FC_SLANT, FC_SLANT_ROMAN), IntegerOf(font, FC_WEIGHT, FC_WEIGHT_REGULAR),
                         IntegerOf(font, FC_WIDTH, FC_WIDTH_NORMAL),
                         IntegerOf(font, FC_SPACING, FC_PROPORTIONAL) == FC_MONO,
                         reinterpret_cast<const char*>(file), IntegerOf(font, FC_INDEX, 0)});
    }
    std::sort(found.begin(), found.end(), ReadFirst);
    return true;
}

bool HasSymbolMap(FT_Face face)
{
    for (int i = 0; i < face->num_charmaps; ++i) {
        if (face->charmaps[i]->encoding == FT_ENCODING_MS_SYMBOL) return true;
    }
    return false;
}

// How reading a font's tables went.
enum class Read { Done, Unreadable, OutOfMemory };

// Reads the family and character set from the font's tables.
Read ReadFontTables(FT_Library library, const Candidate& candidate, FontFacts& facts)
{
    FT_Face face = nullptr;
    FT_Error error = MayAllocate() ? FT_New_Face(library, candidate.file.c_str(), candidate.index, &face)
                                   : FT_Err_Out_Of_Memory;
    if (error == FT_Err_Out_Of_Memory) return Read::OutOfMemory;
    if (error != 0) return Read::Unreadable;
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    auto* post = static_cast<TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST));
    bool fixed = post ? post->isFixedPitch != 0 : (FT_IS_FIXED_WIDTH(face) || candidate.monospaced);
    bool validOs2 = os2 && os2->version != 0xFFFF;  // FreeType's mark of a missing table
    facts.family = WindowsFontFamily(validOs2 ? os2->panose : nullptr, validOs2 ? os2->sFamilyClass : 0, fixed);
    // Version 0 of the table has no code-page ranges; FreeType gives 0 then.
    facts.charset = WindowsCharset(HasSymbolMap(face), validOs2 ? static_cast<uint32_t>(os2->ulCodePageRange1) : 0);
    FT_Done_Face(face);
    return Read::Done;
}

// Asks fontconfig and FreeType; false when memory ran out on the way.
bool LookUpInstalled(const char* face, FontFacts& facts)
{
    facts = {0, 0, 0};
    std::vector<Candidate> found;
    if (!ListFamily(face, found)) return false;
    if (found.empty()) return true;
    facts.installed = 1;
    facts.family = found.front().monospaced ? FAMILY_MODERN : 0;  // when no file can be read
    FT_Library library = nullptr;
    if (!MayAllocate() || FT_Init_FreeType(&library) != 0) return false;  // it fails only for memory
    Read read = Read::Unreadable;
    for (auto candidate = found.begin(); read == Read::Unreadable && candidate != found.end(); ++candidate) {
        read = ReadFontTables(library, *candidate, facts);
    }
    FT_Done_FreeType(library);
    return read != Read::OutOfMemory;
}

}  // namespace

int PosixLookUpFont(const char* face, int* family, int* charset)
{
    *family = 0;
    *charset = 0;
    if (!face || !face[0]) return 0;
    FontFacts facts{0, 0, 0};
    try {
        std::string key = CacheKey(face);
        std::lock_guard<std::mutex> guard(cacheLock);
        if (!cache) cache = new std::unordered_map<std::string, FontFacts>();
        auto known = cache->find(key);
        if (known != cache->end()) {
            facts = known->second;
        } else {
            lookups.fetch_add(1);
            if (!LookUpInstalled(face, facts)) return -1;
            if (cache->size() < kCacheLimit) cache->emplace(key, facts);
        }
    } catch (...) {
        return -1;  // memory ran out on the way; nothing is kept
    }
    *family = facts.family;
    *charset = facts.charset;
    return facts.installed;
}

void PosixForgetFonts()
{
    std::lock_guard<std::mutex> guard(cacheLock);
    if (cache) cache->clear();
}

#endif
