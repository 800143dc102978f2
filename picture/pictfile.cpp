// Picture files: VelInsertPictFile, the probe that tells a file's format from
// its first bytes, and one reader per format. Each reader opens, reads and
// closes the file itself; no handle lives on between calls.
#include "bytes.h"
#include "core/document.h"
#include "core/memory.h"
#include "core/messages.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "picture.h"
#include "platform/platform.h"

namespace {

enum PictureKind {
    PICT_OTHER = 0,
    PICT_BMP = 1,
    PICT_WMF = 2,
    PICT_JPEG = 3,
    PICT_EMF = 5,
    PICT_FAILED = 7,
    PICT_MODERN = 8,  // a PNG, or a JPEG without the JFIF marker (DOCFLAG_MODERN_PICTURES)
};

constexpr int kFileHeaderSize = 14;
constexpr int kPlaceableHeaderSize = 22;
constexpr int kMetaHeaderSize = 18;
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"

// An open picture file and its length (-1 when it could not be opened or
// measured), closed when the guard goes.
struct PictureFile {
    PlatFile file;
    int64_t length;
    explicit PictureFile(const char* path) : file(PlatOpenFile(path)), length(file ? PlatFileSize(file) : -1) {}
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;
    ~PictureFile() { PlatCloseFile(file); }
};

// Reads up to `count` bytes from the current position; gives how many came.
int64_t ReadUpTo(PlatFile file, int64_t count, unsigned char* buffer)
{
    int64_t total = 0;
    while (total < count) {
        uint32_t piece = count - total > 0x40000000 ? 0x40000000u : static_cast<uint32_t>(count - total);
        uint32_t got = 0;
        if (!PlatReadFile(file, buffer + total, piece, &got)) return total + got;
        total += got;
        if (got < piece) break;
    }
    return total;
}

// True when exactly `count` bytes arrived.
bool ReadExact(PlatFile file, int64_t count, unsigned char* buffer)
{
    return count >= 0 && ReadUpTo(file, count, buffer) == count;
}

// Reads the first `count` bytes of the file again.
bool ReadFromStart(PlatFile file, int64_t count, unsigned char* buffer)
{
    return PlatSeekFile(file, 0) && ReadExact(file, count, buffer);
}

bool IsJfif(const unsigned char* bytes)
{
    return bytes[6] == 'J' && bytes[7] == 'F' && bytes[8] == 'I' && bytes[9] == 'F';
}

int ProbePictureFile(VelDocRecord* doc, const char* fileName, int report, bool modern)
{
    PictureFile picture(fileName);
    if (!picture.file) {
        if (report) ReportError(doc, ERR_OPEN_PICTURE, fileName);
        return PICT_FAILED;
    }
    unsigned char head[kEmfHeaderSize];
    int64_t got = ReadUpTo(picture.file, kFileHeaderSize, head);
    if (got > 10 && IsJfif(head)) return PICT_JPEG;
    if (modern && (IsAnyJpeg(head, got) || IsPng(head, got))) return PICT_MODERN;
    if (got < kFileHeaderSize) {
        if (report) ReportError(doc, ERR_READ_PICTURE, nullptr);
        return PICT_FAILED;
    }
    if (ReadU16(head) == 0x4D42) return PICT_BMP;  // "BM"
    if (!ReadFromStart(picture.file, 24, head)) {
        if (report) ReportError(doc, ERR_READ_METAFILE, nullptr);
        return PICT_FAILED;
    }
    if (ReadU32(head) == kPlaceableKey) return PICT_WMF;
    if (!ReadFromStart(picture.file, kEmfHeaderSize, head)) {
        if (report) ReportError(doc, ERR_READ_METAFILE, nullptr);
        return PICT_FAILED;
    }
    return ReadU32(head + 40) == kEmfSignature ? PICT_EMF : PICT_OTHER;
}

// The whole file in a block from OurAlloc, or false. A file that cannot be
// read, or that is too large for the document to hold as hex, is reported.
bool ReadWholeFile(VelDocRecord* doc, const char* fileName, OurBlock& block, int64_t* count)
{
    *count = 0;
    PictureFile picture(fileName);
    int64_t length = picture.length;
    if (length < 0) return ReportError(doc, ERR_READ_PICTURE, nullptr);
    if (!PictureFits(doc, length) || !block.Allocate(length)) return false;
    if (!ReadExact(picture.file, length, block.data)) return ReportError(doc, ERR_READ_PICTURE, nullptr);
    *count = length;
    return true;
}

// A bitmap file: the file header, the header block up to the bits, the bits.
int InsertBmpFile(VelDocRecord* doc, const char* fileName, int width, int height)
{
    PictureFile picture(fileName);
    int64_t length = picture.length;
    if (length < 0) return 0;
    unsigned char fileHeader[kFileHeaderSize];
    if (!ReadExact(picture.file, kFileHeaderSize, fileHeader)) return ReportError(doc, ERR_READ_PICTURE, nullptr);
    // The bits must begin after the file header and a core header at least,
    // and within the file.
    int64_t offBits = ReadU32(fileHeader + 10);
    if (ReadU16(fileHeader) != 0x4D42 || offBits < kFileHeaderSize + kCoreHeaderSize || offBits > length) {
        return ReportError(doc, ERR_INVALID_BITMAP, nullptr);
    }
    if (!PictureFits(doc, length)) return 0;
    int headerLength = static_cast<int>(offBits - kFileHeaderSize);
    int bitsLength = static_cast<int>(length - offBits);
    OurBlock bits, header;
    if (!bits.Allocate(bitsLength) || !header.Allocate(headerLength)) {
        ReportError(doc, ERR_OUT_OF_MEMORY, "HulPictureFromDIB");
        return 1;
    }
    if (!ReadExact(picture.file, headerLength, header.data) || !ReadExact(picture.file, bitsLength, bits.data)) {
        ReportError(doc, ERR_OUT_OF_MEMORY, nullptr);
        return 1;
    }
    OurBlock info;
    const unsigned char* headerBlock = header.data;
    if (ReadU32(header.data) == kCoreHeaderSize) {
        // The core header's colour table must lie within the header block.
        if (headerLength < kCoreHeaderSize + 3 * CoreColorCount(ReadU16(header.data + 10))) {
            return ReportError(doc, ERR_INVALID_BITMAP, nullptr);
        }
        info.data = NormalizeDib(doc, header.data, &headerLength);
        if (!info.data) return 1;
        headerBlock = info.data;
    } else if (headerLength < kInfoHeaderSize) {
        return ReportError(doc, ERR_INVALID_BITMAP, nullptr);
    }
    return PutDibPicture(doc, width, height, headerBlock, bits.data, headerLength, bitsLength);
}

// A placeable metafile: its standard metafile, with two records put in
// front of its own that set the window to the placeable bounding box.
int InsertWmfFile(VelDocRecord* doc, const char* fileName, int width, int height)
{
    PictureFile picture(fileName);
    int64_t length = picture.length;
    if (length < 0) return 0;
    unsigned char placeable[kPlaceableHeaderSize];
    if (!ReadExact(picture.file, kPlaceableHeaderSize, placeable)) return ReportError(doc, ERR_READ_METAFILE, nullptr);
    if (ReadU32(placeable) != kPlaceableKey) return ReportError(doc, ERR_INVALID_METAFILE, nullptr);
    if (!PictureFits(doc, length)) return 0;
    // The file less the placeable header, plus two records of 10 bytes.
    int64_t size = length - 2;
    OurBlock block;
    if (!block.Allocate(size)) {
        ReportError(doc, ERR_OUT_OF_MEMORY, "hImage");
        return 1;
    }
    // The standard header, then the file's records after the two new ones.
    constexpr int kRecordsEnd = kMetaHeaderSize + 20;
    if (size < kRecordsEnd || !ReadExact(picture.file, kMetaHeaderSize, block.data) ||
        !ReadExact(picture.file, size - kRecordsEnd, block.data + kRecordsEnd)) {
        ReportError(doc, ERR_READ_METAFILE, nullptr);
        return 1;
    }
    unsigned char* meta = block.data;
    WriteU32(meta + 6, ReadU32(meta + 6) + 10);  // mtSize, in 16-bit words
    int16_t left = ReadI16(placeable + 6), top = ReadI16(placeable + 8);
    int16_t right = ReadI16(placeable + 10), bottom = ReadI16(placeable + 12);
    int inch = ReadU16(placeable + 14);
    // SetWindowOrg and SetWindowExt, their parameters y before x.
    WriteU32(meta + 18, 5);
    WriteU16(meta + 22, 0x020B);
    WriteU16(meta + 24, static_cast<uint16_t>(top));
    WriteU16(meta + 26, static_cast<uint16_t>(left));
    WriteU32(meta + 28, 5);
    WriteU16(meta + 32, 0x020C);
    WriteU16(meta + 34, static_cast<uint16_t>(bottom - top));
    WriteU16(meta + 36, static_cast<uint16_t>(right - left));
    int pixelWidth = PlatMulDiv(right - left, doc->ResX, inch);
    int pixelHeight = PlatMulDiv(bottom - top, doc->ResY, inch);
    return PutWmfPicture(doc, pixelWidth, pixelHeight, width, height, block.data, static_cast<int>(size));
}

// An enhanced metafile: the whole file, measured by its header.
int InsertEmfFile(VelDocRecord* doc, const char* fileName, int width, int height)
{
    PictureFile picture(fileName);
    int64_t length = picture.length;
    if (length < 0) return 0;
    unsigned char header[kEmfHeaderSize];
    if (!ReadExact(picture.file, kEmfHeaderSize, header)) return 0;
    if (!PictureFits(doc, length)) return 0;
    int pixelWidth = 0, pixelHeight = 0;
    GetEmfPixelSize(doc, header, &pixelWidth, &pixelHeight);
    if (width == 0) width = PlatMulDiv(pixelWidth, 1440, doc->ResX);
    if (height == 0) height = PlatMulDiv(pixelHeight, 1440, doc->ResY);
    OurBlock block;
    if (!block.Allocate(length)) {
        ReportError(doc, ERR_OUT_OF_MEMORY, "hImage");
        return 1;
    }
    if (!ReadFromStart(picture.file, length, block.data)) {
        ReportError(doc, ERR_READ_METAFILE, nullptr);
        return 1;
    }
    return PutEmfPicture(doc, pixelWidth, pixelHeight, width, height, block.data, static_cast<int>(length));
}

int InsertJpegFile(VelDocRecord* doc, const char* fileName, int width, int height)
{
    OurBlock block;
    int64_t count = 0;
    if (!ReadWholeFile(doc, fileName, block, &count)) return 0;
    return PutJpegPicture(doc, block.data, static_cast<int>(count), width, height);
}

// A PNG or any JPEG, with the size its header gives.
int InsertModernFile(VelDocRecord* doc, const char* fileName, int width, int height)
{
    OurBlock block;
    int64_t count = 0;
    if (!ReadWholeFile(doc, fileName, block, &count)) return 0;
    return PutModernPicture(doc, block.data, count, width, height);
}

}  // namespace

extern "C" {

VELEXPORT int VELAPI VelInsertPictFile(HVELDOC doc, const char* fileName, int width, int height, int link)
{
    if (!doc) return 0;
    if (!fileName) fileName = "";
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_INSERT_PICT_FILE)) return undo.Refused();
    int64_t before = int64_t{doc->Stream->BodyLength} + doc->Stream->LineLength;
    int result;
    if (link) {
        result = PutLinkedPicture(doc, fileName, width, height);
    } else {
        bool modern = doc->DocFlags & DOCFLAG_MODERN_PICTURES;
        switch (ProbePictureFile(doc, fileName, 1, modern)) {
        case PICT_BMP: result = InsertBmpFile(doc, fileName, width, height); break;
        case PICT_WMF: result = InsertWmfFile(doc, fileName, width, height); break;
        case PICT_EMF: result = InsertEmfFile(doc, fileName, width, height); break;
        case PICT_JPEG:
            result = modern ? InsertModernFile(doc, fileName, width, height)
                            : InsertJpegFile(doc, fileName, width, height);
            break;
        case PICT_MODERN: result = InsertModernFile(doc, fileName, width, height); break;
        default: result = 0; break;
        }
    }
    if (!result) return 0;
    // A picture stands in the paragraph, which is open from now on.
    if (int64_t{doc->Stream->BodyLength} + doc->Stream->LineLength != before) doc->ParaClosed = 0;
    return undo.Commit();
}

}  // extern "C"
