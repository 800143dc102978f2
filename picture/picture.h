// Pictures: the RTF picture groups, and the readers that take pictures from
// files, memory blocks, metafile handles and the clipboard and hand their
// bytes to the groups.
#pragma once

#include <cstdint>

#include "core/memory.h"
#include "core/messages.h"
#include "core/writer.h"

struct VelDocRecord;

// ---- Picture groups ---------------------------------------------------------
// Each writes one whole {\pict ...} group, its data as hexadecimal digits,
// and gives 1, or 0 when the body could not grow (reported there). Sizes are
// twips; a width or height of 0 asks for the picture's natural size.

// JPEG data, the whole file.
int PutJpegPicture(VelDocRecord* doc, const unsigned char* data, int length, int width, int height);
// An enhanced metafile, whole; callers have replaced a width or height of 0
// by the natural one.
int PutEmfPicture(VelDocRecord* doc, int pixelWidth, int pixelHeight, int width, int height,
                  const unsigned char* data, int length);
// A Windows metafile: its standard header and its records.
int PutWmfPicture(VelDocRecord* doc, int pixelWidth, int pixelHeight, int width, int height,
                  const unsigned char* data, int length);
// A bitmap as its header block (at least an info header's 40 bytes, then
// its masks and colour table) and its bits.
int PutDibPicture(VelDocRecord* doc, int width, int height, const unsigned char* header,
                  const unsigned char* bits, int headerLength, int bitsLength);
// The size in screen pixels of an enhanced metafile from its 108-byte
// header; either out-parameter may be null. Always 1.
int GetEmfPixelSize(const VelDocRecord* doc, const unsigned char* header, int* pixelWidth, int* pixelHeight);

// ---- Bitmap headers -----------------------------------------------------------

constexpr int kCoreHeaderSize = 12;
constexpr int kInfoHeaderSize = 40;
constexpr int kEmfHeaderSize = 108;

// Bytes of one bitmap row: width x bits per pixel, rounded up to 32 bits.
int64_t RowBytes(int64_t width, int64_t bitsPerPixel);
// Colour entries after a core header: 2, 16 or 256 for 1, 4 or 8 bits per
// pixel, none otherwise.
int CoreColorCount(int bitCount);
// The header block and bits lengths of a packed bitmap whose info header
// (40 bytes) starts at `header`.
struct DibLayout {
    int64_t headerLength;
    int64_t bitsLength;
};
DibLayout PackedDibLayout(const unsigned char* header);
// A 40-byte info header with 4-byte colour entries made from a core header
// and its `coreLength` - 12 bytes of 3-byte entries, which must hold them all.
// The new block comes from OurAlloc, its length in `length`; null after
// reporting error 23 under "hInfo".
unsigned char* NormalizeDib(VelDocRecord* doc, const unsigned char* core, int* length);

// ---- PNG and every JPEG -------------------------------------------------------------
// Read only for documents with DOCFLAG_MODERN_PICTURES.

// A JPEG of any kind: it starts with the SOI marker and another marker.
bool IsAnyJpeg(const unsigned char* data, int64_t length);
// The 8-byte PNG signature.
bool IsPng(const unsigned char* data, int64_t length);
// The size in pixels from the JPEG's frame header, or from the PNG's IHDR;
// false when there is none, or a dimension is 0 or beyond a million.
bool JpegPixelSize(const unsigned char* data, int64_t length, int* width, int* height);
bool PngPixelSize(const unsigned char* data, int64_t length, int* width, int* height);
// The PNG's bytes up to the end of its IEND chunk (all of them without one).
int64_t PngLength(const unsigned char* data, int64_t length);
// {\pict\<blip> with the pixel size and the goal size: the asked one when
// both are positive, otherwise the natural one at the screen resolution.
int PutSizedPicture(VelDocRecord* doc, RtfWord blip, const unsigned char* data, int length, int pixelWidth,
                    int pixelHeight, int width, int height);
// A PNG or a JPEG with its size; one without a readable size reports 21
// ("Error reading the picture file") and gives 0.
int PutModernPicture(VelDocRecord* doc, const unsigned char* data, int64_t length, int width, int height);

// ---- Linked pictures ------------------------------------------------------------

// An INCLUDEPICTURE field for `fileName`, the size kept in the library's own
// words when both are 1 or more. 1, or 0 when a write failed.
int PutLinkedPicture(VelDocRecord* doc, const char* fileName, int width, int height);

// ---- Limits -----------------------------------------------------------------------

// 1 when `bytes` of picture data written as hex can still fit in the
// document; otherwise reports what a body that cannot grow reports and
// gives 0, so that nothing is read or allocated for a picture that cannot be
// written.
int PictureFits(VelDocRecord* doc, int64_t bytes);

// ---- Scope guards -------------------------------------------------------------------

// A block from OurAlloc, released when the guard goes.
struct OurBlock {
    unsigned char* data = nullptr;
    OurBlock() = default;
    OurBlock(const OurBlock&) = delete;
    OurBlock& operator=(const OurBlock&) = delete;
    ~OurBlock() { OurFree(data); }
    // Takes a new block of `size` bytes; false after OurAlloc's report.
    bool Allocate(int64_t size)
    {
        OurFreeAndClear(data);
        if (size < 0 || size > kMaxBlockSize) return ReportError(nullptr, ERR_OUT_OF_MEMORY, "OurAlloc");
        data = static_cast<unsigned char*>(OurAlloc(static_cast<int>(size)));
        return data != nullptr;
    }
};
