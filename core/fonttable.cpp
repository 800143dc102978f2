#include "fonttable.h"

#include <cstring>

#include "document.h"
#include "memory.h"
#include "messages.h"
#include "platform/platform.h"

namespace {

constexpr int kFaceLength = 31;

// The table's next capacity: a quarter more, rounded; -1 when the block
// would pass the largest one.
int GrownCapacity(int capacity, int entrySize)
{
    int grown = PlatMulDiv(capacity, 5, 4);
    if (grown <= capacity) grown = capacity + 1;
    if ((static_cast<int64_t>(grown) + 1) * entrySize > kMaxBlockSize) return -1;
    return grown;
}

// Makes room for one more entry of a table of `capacity` entries.
template <typename Entry>
bool GrowTable(Entry*& table, int& capacity)
{
    int grown = GrownCapacity(capacity, static_cast<int>(sizeof(Entry)));
    void* moved = grown < 0 ? nullptr : OurRealloc(table, (grown + 1) * static_cast<int>(sizeof(Entry)));
    if (!moved) {
        if (grown < 0) ReportError(nullptr, ERR_OUT_OF_MEMORY, "OurRealloc");
        return false;
    }
    table = static_cast<Entry*>(moved);
    capacity = grown;
    return true;
}

void CopyFace(char* out, const char* face)
{
    size_t n = strnlen(face, kFaceLength);
    std::memcpy(out, face, n);
    out[n] = '\0';
}

}  // namespace

int AddToFontTable(VelDocRecord* doc, const char* face)
{
    if (doc->FontCount >= doc->FontCapacity && !GrowTable(doc->FontTable, doc->FontCapacity)) {
        ReportError(doc, ERR_OUT_OF_MEMORY, "AddToFontTable");
        return -1;
    }
    int index = doc->FontCount++;
    FontEntry& entry = doc->FontTable[index];
    std::memset(&entry, 0, sizeof entry);
    CopyFace(entry.Name, face);
    doc->FontEnumIndex = index;
    if (!PlatEnumFonts(entry.Name, VelEnumFont, reinterpret_cast<intptr_t>(doc))) {
        // Memory ran out while the installed fonts were asked: the entry
        // goes, so that nothing half-learned is ever written.
        doc->FontCount--;
        ReportError(doc, ERR_OUT_OF_MEMORY, "AddToFontTable");
        return FONT_LOOKUP_FAILED;
    }
    return index;
}

int AddToColorTable(VelDocRecord* doc, unsigned color)
{
    if (doc->ColorCount >= doc->ColorCapacity && !GrowTable(doc->ColorTable, doc->ColorCapacity)) {
        ReportError(doc, ERR_OUT_OF_MEMORY, "AddToColorTable");
        return -1;
    }
    int index = doc->ColorCount++;
    doc->ColorTable[index] = color;
    return index;
}

int FindOrAddFont(VelDocRecord* doc, const char* face, int charset)
{
    if (!face || !face[0]) return -1;
    char name[kFaceLength + 1];
    CopyFace(name, face);
    for (int i = 0; i < doc->FontCount; ++i) {
        const FontEntry& entry = doc->FontTable[i];
        if (PlatCompareNoCase(entry.Name, name) == 0 && (charset == -1 || entry.Charset == charset)) return i;
    }
    int index = AddToFontTable(doc, name);
    if (index >= 0 && charset != -1) doc->FontTable[index].Charset = charset;
    return index;
}

int FindOrAddColor(VelDocRecord* doc, unsigned color)
{
    for (int i = 0; i < doc->ColorCount; ++i) {
        if (doc->ColorTable[i] == color) return i;
    }
    return AddToColorTable(doc, color);
}

extern "C" {

VELEXPORT int VELAPI VelEnumFont(const LOGFONTA* font, const TEXTMETRICA*, unsigned, intptr_t user)
{
    auto* doc = reinterpret_cast<VelDocRecord*>(user);
    if (!font || !doc || doc->FontEnumIndex < 0 || doc->FontEnumIndex >= doc->FontCount) return 0;
    FontEntry& entry = doc->FontTable[doc->FontEnumIndex];
    entry.Family = font->lfPitchAndFamily & 0xF0;
    entry.Charset = font->lfCharSet;
    return 0;  // the first font of the name is the one that counts
}

}  // extern "C"
