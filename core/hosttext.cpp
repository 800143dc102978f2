#include "hosttext.h"

#include <cstddef>

#include "document.h"
#include "writer.h"

namespace {

// The control characters that PutRtfText turns into words or escapes.
bool TranslatedByWriter(unsigned char ch)
{
    switch (ch) {
    case 9:
    case 10:
    case 12:
    case 13:
    case 14:
    case 22:
    case 23:
        return true;
    default:
        return false;
    }
}

// Writes `text` in runs between the control characters that `keep` rejects;
// each rejected byte is escaped (`escape`) or left out.
template <typename Keep>
int PutRuns(VelDocRecord* doc, const char* text, Keep keep, bool escape)
{
    if (!text) return 1;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        const unsigned char* run = p;
        while (*p && (!IsControlByte(*p) || keep(*p))) ++p;
        // A run never passes 2^31 - 1 bytes: strings that long are cut in slices.
        while (run < p) {
            size_t length = static_cast<size_t>(p - run);
            int slice = length > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(length);
            if (!PutRtfText(doc, reinterpret_cast<const char*>(run), slice)) return 0;
            run += slice;
        }
        if (*p) {
            if (escape && !PutEscapedChar(doc, *p)) return 0;
            ++p;
        }
    }
    return 1;
}

}  // namespace

int PutRtfName(VelDocRecord* doc, const char* name)
{
    return PutRuns(doc, name, [](unsigned char) { return false; }, false);
}

bool HasNameText(const char* name)
{
    if (!name) return false;
    for (const auto* p = reinterpret_cast<const unsigned char*>(name); *p; ++p) {
        if (!IsControlByte(*p)) return true;
    }
    return false;
}

int PutRtfTextSafe(VelDocRecord* doc, const char* text)
{
    return PutRuns(doc, text, TranslatedByWriter, true);
}
