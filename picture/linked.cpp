// Linked pictures: an INCLUDEPICTURE field that names the picture's file, for
// the reader to fetch when it shows the document.
#include <cstring>

#include "core/document.h"
#include "core/memory.h"
#include "core/messages.h"
#include "core/writer.h"
#include "picture.h"

namespace {

// The switch after the quoted path, as it stands in the RTF.
constexpr char kSwitch[] = " \\\\d";

// Copies `source` with every backslash written `n` times, the NUL included.
void RepeatBackslashes(const char* source, char* destination, int n)
{
    for (;; ++source) {
        int times = *source == '\\' ? n : 1;
        for (int i = 0; i < times; ++i) *destination++ = *source;
        if (!*source) return;
    }
}

// Encloses the text in double quotes, in place; the buffer has room for two
// more bytes.
void QuoteString(char* text)
{
    size_t length = std::strlen(text);
    std::memmove(text + 1, text, length);
    text[0] = '"';
    text[length + 1] = '"';
    text[length + 2] = '\0';
}

}  // namespace

int PutLinkedPicture(VelDocRecord* doc, const char* fileName, int width, int height)
{
    if (!fileName) fileName = "";
    bool sized = width >= 1 && height >= 1;
    if (sized && (!BeginRtfGroup(doc) || !PutWordValue(doc, "zqlinkpictw", width) ||
                  !PutWordValue(doc, "zqlinkpicth", height))) {
        return 0;
    }
    if (!BeginRtfGroup(doc) || !PutWord(doc, "field") || !BeginRtfGroup(doc) || !PutWord(doc, "fldinst")) return 0;
    // The instruction is as long as the path needs: each backslash four
    // times, so that the reader, undoing the RTF escapes, finds it doubled as
    // the field's quoted text requires. It is written raw, all on one line:
    // readers keep a line end inside an instruction, and the path is lost.
    size_t length = std::strlen(fileName);
    size_t backslashes = 0;
    for (const char* p = fileName; *p; ++p) backslashes += *p == '\\';
    size_t size = length + 3 * backslashes + 2 + std::strlen(kSwitch);
    if (size > static_cast<size_t>(kMaxBlockSize)) {
        return ReportError(nullptr, ERR_OUT_OF_MEMORY, "OurAlloc");
    }
    auto* instruction = static_cast<char*>(OurAlloc(static_cast<int>(size)));
    if (!instruction) return 0;
    RepeatBackslashes(fileName, instruction, 4);
    QuoteString(instruction);
    std::memcpy(instruction + size - std::strlen(kSwitch), kSwitch, sizeof kSwitch);
    doc->Stream->StreamMode |= MODE_RAW_BACKSLASH;
    int ok = PutRtfString(doc, "INCLUDEPICTURE ") && PutRtfText(doc, instruction, static_cast<int>(size)) &&
             EndRtfGroup(doc);
    doc->Stream->StreamMode &= ~MODE_RAW_BACKSLASH;
    OurFree(instruction);
    if (!ok || !BeginRtfGroup(doc) || !PutWord(doc, "fldrslt") || !EndRtfGroup(doc) || !EndRtfGroup(doc)) return 0;
    return !sized || EndRtfGroup(doc);
}
