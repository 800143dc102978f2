// The save: the header, the font and color tables, the body, the pending line
// and the closing braces, into a file or a movable memory block. The document
// is not changed by it.
#include <cstring>

#include "document.h"
#include "messages.h"
#include "platform/platform.h"

namespace {

// Where the RTF goes: a memory block of a size fixed in advance, or a file.
// For a file, small pieces are copied into a staging buffer and the body and
// the pending line are referred to where they are, so that a document
// usually goes out in one gathered write: the header, the body, the rest.
struct SaveSink {
    char* memory;
    int64_t capacity;
    int64_t count;
    PlatFile file;
    char stage[4096];
    int staged;     // bytes in the stage
    int stagedAt;   // where the staged bytes not yet in a piece begin
    PlatPiece pieces[kPlatMaxPieces];
    int pieceCount;
    int failed;
};

// Makes the staged bytes not yet in a piece the next piece.
void CloseStaged(SaveSink& sink)
{
    if (sink.staged > sink.stagedAt) {
        sink.pieces[sink.pieceCount++] = {sink.stage + sink.stagedAt, static_cast<size_t>(sink.staged - sink.stagedAt)};
        sink.stagedAt = sink.staged;
    }
}

// Writes every piece so far, and empties the stage.
void Flush(SaveSink& sink)
{
    CloseStaged(sink);
    if (sink.pieceCount > 0 && !sink.failed && !PlatWritePieces(sink.file, sink.pieces, sink.pieceCount)) {
        sink.failed = 1;
    }
    sink.pieceCount = 0;
    sink.staged = sink.stagedAt = 0;
}

// Copies a piece of any lifetime into the output.
void Put(SaveSink& sink, const char* data, int64_t length)
{
    if (sink.failed || length <= 0) return;
    if (sink.memory) {
        if (sink.count + length > sink.capacity) {
            sink.failed = 1;
            return;
        }
        std::memcpy(sink.memory + sink.count, data, static_cast<size_t>(length));
        sink.count += length;
        return;
    }
    sink.count += length;
    while (length > 0 && !sink.failed) {
        if (sink.staged == static_cast<int>(sizeof sink.stage)) Flush(sink);
        int64_t room = static_cast<int64_t>(sizeof sink.stage) - sink.staged;
        int64_t part = length < room ? length : room;
        std::memcpy(sink.stage + sink.staged, data, static_cast<size_t>(part));
        sink.staged += static_cast<int>(part);
        data += part;
        length -= part;
    }
}

// A piece of the document, which stays where it is until the save ends: a
// file refers to it instead of copying it.
void PutInPlace(SaveSink& sink, const char* data, int64_t length)
{
    if (sink.memory || sink.failed || length <= 0) {
        Put(sink, data, length);
        return;
    }
    CloseStaged(sink);
    if (sink.pieceCount >= kPlatMaxPieces - 1) Flush(sink);
    sink.pieces[sink.pieceCount++] = {data, static_cast<size_t>(length)};
    sink.count += length;
}

void PutText(SaveSink& sink, const char* text)
{
    Put(sink, text, static_cast<int64_t>(std::strlen(text)));
}

void PutNumber(SaveSink& sink, long long value)
{
    char digits[24];
    int n = 0;
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    do {
        digits[sizeof digits - 1 - n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) digits[sizeof digits - 1 - n++] = '-';
    Put(sink, digits + sizeof digits - n, n);
}

const char* FamilyWord(int family)
{
    switch (family) {
    case 0x10: return "\\froman ";
    case 0x20: return "\\fswiss ";
    case 0x30: return "\\fmodern ";
    case 0x40: return "\\fscript ";
    case 0x50: return "\\fdecor ";
    default: return "";
    }
}

// How a byte of a face name is written: as it is (0), after a backslash
// (1: the characters RTF reserves), or as \'hh (3: the name's terminator,
// control characters and bytes of 128 and above), so that no name can end
// the table's groups or its own entry early.
int FaceByteExtra(unsigned char ch)
{
    if (ch == '\\' || ch == '{' || ch == '}') return 1;
    if (ch == ';' || ch < 0x20 || ch >= 0x80) return 3;
    return 0;
}

void PutFaceName(SaveSink& sink, const char* name, size_t length)
{
    static const char kHex[] = "0123456789abcdef";
    for (size_t i = 0; i < length; ++i) {
        auto ch = static_cast<unsigned char>(name[i]);
        switch (FaceByteExtra(ch)) {
        case 0:
            Put(sink, name + i, 1);
            break;
        case 1: {
            const char escaped[2] = {'\\', static_cast<char>(ch)};
            Put(sink, escaped, 2);
            break;
        }
        default: {
            const char escaped[4] = {'\\', '\'', kHex[ch >> 4], kHex[ch & 15]};
            Put(sink, escaped, 4);
            break;
        }
        }
    }
}

// Bytes that escaping adds to the names of the font table.
int64_t FaceNameExtras(const VelDocRecord* doc)
{
    int64_t extra = 0;
    for (int i = 0; i < doc->FontCount; ++i) {
        const FontEntry& font = doc->FontTable[i];
        for (size_t k = 0; k < sizeof font.Name && font.Name[k]; ++k) {
            extra += FaceByteExtra(static_cast<unsigned char>(font.Name[k]));
        }
    }
    return extra;
}

// Entries 2, 5, 8, ... of a table start a new line: the first line holds two
// entries, every later line three.
bool StartsTableLine(int index)
{
    return index >= 2 && (index - 2) % 3 == 0;
}

void WriteDocument(SaveSink& sink, const VelDocRecord* doc)
{
    const RtfStream* s = doc->Stream;
    PutText(sink, "{\\rtf1\\uc1 ");
    PutText(sink, "\\deff0 ");
    if (doc->FontCount > 0) {
        PutText(sink, "{\\fonttbl");
        for (int i = 0; i < doc->FontCount; ++i) {
            const FontEntry& font = doc->FontTable[i];
            if (StartsTableLine(i)) PutText(sink, "\r\n");
            PutText(sink, "{\\f");
            PutNumber(sink, i);
            PutText(sink, " ");
            PutText(sink, FamilyWord(font.Family));
            if (font.Charset != 1) {
                PutText(sink, "\\fcharset");
                PutNumber(sink, font.Charset);
                PutText(sink, " ");
            }
            PutFaceName(sink, font.Name, strnlen(font.Name, sizeof font.Name - 1));
            PutText(sink, ";}");
        }
        PutText(sink, "}");
    }
    if (doc->ColorCount > 0) {
        PutText(sink, "{\\colortbl");
        for (int i = 0; i < doc->ColorCount; ++i) {
            unsigned color = doc->ColorTable[i];
            if (StartsTableLine(i)) PutText(sink, "\r\n");
            PutText(sink, "\\red");
            PutNumber(sink, color & 0xFF);
            PutText(sink, "\\green");
            PutNumber(sink, (color >> 8) & 0xFF);
            PutText(sink, "\\blue");
            PutNumber(sink, (color >> 16) & 0xFF);
            PutText(sink, ";");
        }
        PutText(sink, "}");
    }
    PutInPlace(sink, s->Body, s->BodyLength);
    PutInPlace(sink, s->Line, s->LineLength);
    for (int i = 0; i < s->GroupDepth && !sink.failed; ++i) PutText(sink, "}");
    PutText(sink, "}");
}

intptr_t SaveToMemory(VelDocRecord* doc, int* length)
{
    const RtfStream* s = doc->Stream;
    // Room for every piece: 80 bytes a font entry and what escaping adds to
    // its name, 30 a color entry, 42 for the fixed text and the NUL. A
    // negative depth writes no braces.
    int64_t size = static_cast<int64_t>(doc->FontCount) * 80 + FaceNameExtras(doc) +
                   static_cast<int64_t>(doc->ColorCount) * 30 +
                   (s->GroupDepth > 0 ? s->GroupDepth : 0) + s->LineLength + s->BodyLength + 42;
    HGLOBAL block = size <= 0x7FFFFFFF ? PlatGlobalAlloc(static_cast<size_t>(size)) : nullptr;
    char* memory = block ? static_cast<char*>(PlatGlobalLock(block)) : nullptr;
    if (!memory) {
        if (block) PlatGlobalFree(block);
        return ReportError(doc, ERR_OUT_OF_MEMORY, "VelSave");
    }
    SaveSink sink{};
    sink.memory = memory;
    sink.capacity = size - 1;  // the NUL follows the text
    WriteDocument(sink, doc);
    if (sink.failed) {
        PlatGlobalUnlock(block);
        PlatGlobalFree(block);
        return 0;
    }
    memory[sink.count] = '\0';
    PlatGlobalUnlock(block);
    if (length) *length = static_cast<int>(sink.count + 1);
    return reinterpret_cast<intptr_t>(block);
}

// Writes the whole RTF into an open file; 1 when every byte went out.
int WriteToFile(const VelDocRecord* doc, PlatFile file)
{
    SaveSink sink{};
    sink.file = file;
    WriteDocument(sink, doc);
    Flush(sink);
    return !sink.failed;
}

// A regular file, or a new one, is never truncated: the RTF goes whole into a
// temporary file beside it, reaches stable storage, and then takes the file's
// place in one step. A failure on the way removes only the temporary file, so
// the previous document outlives a full disk, a file-size limit, an I/O error
// or a power cut. What cannot be replaced so (a device, a FIFO, a terminal, a
// file in a folder that takes no new file or that another user's file may not
// leave) is written in place, as it always was, and only a file that the save
// itself created is removed after a failed write.
intptr_t SaveToFile(VelDocRecord* doc, const char* path)
{
    PlatReplacement replacement{};
    if (PlatBeginReplace(path, &replacement)) {
        if (!WriteToFile(doc, replacement.file) || !PlatFlushFile(replacement.file)) {
            PlatAbandonReplace(&replacement);
            return 0;
        }
        if (PlatCommitReplace(&replacement)) return 1;
    }
    PlatFile file = PlatCreateFile(path);
    if (!file) return ReportError(doc, ERR_COULD_NOT_OPEN_FILE, "VelSave");
    int written = WriteToFile(doc, file);
    PlatCloseFile(file);
    // A truncated RTF file must not pass for a document.
    if (!written && !replacement.existed) PlatDeleteFile(path);
    return written;
}

intptr_t Save(VelDocRecord* doc, const char* path, int* length)
{
    if (!doc) return 0;
    if (!path || !path[0]) return SaveToMemory(doc, length);
    return SaveToFile(doc, path);
}

}  // namespace

extern "C" {

VELEXPORT intptr_t VELAPI VelSaveFile(HVELDOC doc, const char* path)
{
    return Save(doc, path, nullptr);
}

VELEXPORT HGLOBAL VELAPI VelGetData(HVELDOC doc, int* length)
{
    return reinterpret_cast<HGLOBAL>(Save(doc, nullptr, length));
}

}  // extern "C"
