// The process-wide state of error reporting. Several threads may report at
// once: the integers are atomic and the texts sit behind one lock, so every
// reader sees a whole message and the last writer wins.
#include "messages.h"

#include <atomic>
#include <cstring>
#include <mutex>

#include "document.h"
#include "platform/platform.h"
#include "platform/seams.h"
#include "sequence.h"

namespace {

const char* const kMessages[] = {
    "No User Error",
    "Invalid Bitmap File",
    "File Does Not Exist, Create a New File?",
    "Error Creating Device Independent Bitmap!",
    "Error getting file length",
    "Could Not Open the File.",
    "File Read Error",
    "Error in file seek",
    "Error writing to file",
    "Error Creating Font",
    "Unable to select the font.",
    "Error Initializing the Bitmap",
    "Could Not Obtain Buffer Lock.",
    "Error accessing meta file data",
    "Invalid Windows Metafile File",
    "Error copying metafile",
    "Error creating metafile DC",
    "Can not Read the Metafile",
    "Error recreating meta file",
    "Invalid Picture File Format!",
    "Can not Open the picture File",
    "Error reading the picture file",
    "Line Too Long!",
    "Ran Out of Memory",
    "Read aborted",
    "Replace This String?",
    "Save not complete!",
    "Unexpected End of File",
    "Unable to access the file",
    "Error accessing enhanced metafile header.",
    "Error retrieving enhanced metafile data.",
    "VelInitSect() already called",
    "This function not allowed between VelInitSect() and VelBeginSectText()",
    "VelBeginSectText() already called",
    "This function not allowed after calling VelBeginSectText()",
    "VelBeginStyleItem() already called",
    "This function not allowed after calling VelBeginStyleItem()",
    "VelBeginStylesheet() already called",
    "This function not allowed after calling VelBeginStylesheet()",
    "VelBeginTableRow() already called",
    "This function not allowed after calling VelBeginTableRow()",
    "VelBeginFrame() already called",
    "This function not allowed after calling VelBeginFrame()",
    "VelBeginTextBox() already called",
    "This function not allowed after calling VelBeginTextBox()",
    "VelBeginHdrFtr() already called",
    "This function not allowed between VelBeginHdrFtr()",
    "Invalid Function Sequence!",
    "Temporary message",
    "VelBeginCellText() already called",
    "This function not allowed between VelBeginCellText()",
    "Must call VelNextCellInfo for all cell in the row before calling a VelBeginCellText function.",
    "The VelNextCellInfo function not called for this VelBeginCellText function.",
    "Must have at least one cell in a table row.",
    "Must call the VelBeginCellText function as many times as the VelNextCellInfo function.",
    "Clipboard in use by another application",
    "Error retrieving the clipboard data",
    "Clipboard does not contain Specified Formatted Data",
    "VelBeginScriptStyle() already called",
    "This function not allowed between VelBeginScriptStyle() and VelEndScriptStyle",
};
constexpr int kFilledMessages = sizeof kMessages / sizeof kMessages[0];
static_assert(kFilledMessages == 60, "messages 0 to 59 are filled at load");

constexpr int kCaptionSize = 1000;

// Texts shared by all threads, behind `textLock`.
std::mutex textLock;
char composedMessage[kComposedMessageSize];  // message 48
char lastErrorCaption[kCaptionSize];

std::atomic<int> lastErrorNumber{0};
std::atomic<unsigned> defaultFlags{0};
std::atomic<int> multiByteSystem{0};

void CopyBounded(char* out, int capacity, const char* text)
{
    if (capacity <= 0) return;
    int n = static_cast<int>(std::strlen(text));
    if (n > capacity - 1) n = capacity - 1;
    std::memcpy(out, text, static_cast<size_t>(n));
    out[n] = '\0';
}

void StoreQuietly(int number, const char* caption)
{
    std::lock_guard<std::mutex> guard(textLock);
    lastErrorNumber.store(number);
    CopyBounded(lastErrorCaption, kCaptionSize, caption ? caption : "");
}

}  // namespace

int LibraryMain(int attach)
{
    if (!attach) return 1;
    multiByteSystem.store(PlatMultiByteCodePage());
    {
        std::lock_guard<std::mutex> guard(textLock);
        CopyBounded(composedMessage, kComposedMessageSize, kMessages[ERR_COMPOSED_SEQUENCE]);
        lastErrorCaption[0] = '\0';
    }
    lastErrorNumber.store(0);
    defaultFlags.store(0);
    return 1;
}

void CopyMessageText(int number, char* out, int capacity)
{
    if (number == ERR_COMPOSED_SEQUENCE) {
        std::lock_guard<std::mutex> guard(textLock);
        CopyBounded(out, capacity, composedMessage);
    } else {
        CopyBounded(out, capacity, number >= 0 && number < kFilledMessages ? kMessages[number] : "");
    }
}

void SetComposedMessage(const char* text)
{
    std::lock_guard<std::mutex> guard(textLock);
    CopyBounded(composedMessage, kComposedMessageSize, text);
}

unsigned DefaultDocFlags()
{
    return defaultFlags.load();
}

int MultiByteSystem()
{
    return multiByteSystem.load();
}

int ReportError(VelDocRecord* doc, int number, const char* caption)
{
    if (doc) {
        if (doc->DocFlags & DOCFLAG_QUIET) {
            StoreQuietly(number, caption);
            return 0;
        }
        if ((doc->SeqState & SEQ_ERROR_SHOWN) && (doc->DocFlags & DOCFLAG_ONE_MESSAGE)) return 0;
    } else if (defaultFlags.load() & DOCFLAG_QUIET) {
        StoreQuietly(number, caption);
        return 0;
    }
    char text[kComposedMessageSize];
    CopyMessageText(number, text, sizeof text);
    PlatMessageBox(text, caption ? caption : "Error");
    if (doc) doc->SeqState |= SEQ_ERROR_SHOWN;
    return 0;
}

void VelTestSetMultiByte(int flag)
{
    multiByteSystem.store(flag < 0 ? PlatMultiByteCodePage() : (flag != 0));
}

extern "C" {

VELEXPORT int VELAPI VelGetLastMessage(char* message, char* caption)
{
    std::lock_guard<std::mutex> guard(textLock);
    int number = lastErrorNumber.load();
    if (message) {
        if (number == ERR_COMPOSED_SEQUENCE) {
            CopyBounded(message, kComposedMessageSize, composedMessage);
        } else {
            CopyBounded(message, kComposedMessageSize,
                        number >= 0 && number < kFilledMessages ? kMessages[number] : "");
        }
    }
    if (caption) CopyBounded(caption, kCaptionSize, lastErrorCaption);
    return number;
}

VELEXPORT int VELAPI VelResetLastMessage(void)
{
    StoreQuietly(0, "");
    return 1;
}

VELEXPORT unsigned VELAPI VelSetFlags(HVELDOC doc, int set, unsigned bits)
{
    if (doc) {
        doc->DocFlags = set ? (doc->DocFlags | bits) : (doc->DocFlags & ~bits);
        return doc->DocFlags;
    }
    if (set) return defaultFlags.fetch_or(bits) | bits;
    return defaultFlags.fetch_and(~bits) & ~bits;
}

VELEXPORT int VELAPI WEP(void)
{
    return 1;
}

}  // extern "C"
