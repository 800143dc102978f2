// Device-independent bitmaps: where a packed bitmap's bits begin and how long
// they are, and the 40-byte info header made from an old 12-byte core header.
#include <cstdint>
#include <cstring>

#include "bytes.h"
#include "core/memory.h"
#include "core/messages.h"
#include "picture.h"

int64_t RowBytes(int64_t width, int64_t bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

int CoreColorCount(int bitCount)
{
    switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

DibLayout PackedDibLayout(const unsigned char* header)
{
    int32_t width = ReadI32(header + 4);
    int32_t height = ReadI32(header + 8);
    int bitCount = ReadU16(header + 14);
    uint32_t compression = ReadU32(header + 16);
    uint32_t sizeImage = ReadU32(header + 20);
    uint32_t colorsUsed = ReadU32(header + 32);
    DibLayout layout{};
    // Three colour masks follow the header of a bit-field bitmap.
    layout.headerLength = compression == 3 ? 52 : 40;
    if (colorsUsed != 0 && bitCount < 24) {
        layout.headerLength += int64_t{4} * colorsUsed;
    } else {
        layout.headerLength += 4 * CoreColorCount(bitCount);
    }
    if (sizeImage != 0) {
        layout.bitsLength = sizeImage;
    } else if (compression == 0) {
        // Beyond 63 bits the length is only ever too large (or negative).
        int64_t rowBytes = RowBytes(width, bitCount);
        if (__builtin_mul_overflow(rowBytes, int64_t{height}, &layout.bitsLength)) {
            layout.bitsLength = (rowBytes < 0) != (height < 0) ? INT64_MIN : INT64_MAX;
        }
    }
    return layout;
}

unsigned char* NormalizeDib(VelDocRecord* doc, const unsigned char* core, int* length)
{
    int colors = CoreColorCount(ReadU16(core + 10));
    int size = kInfoHeaderSize + 4 * colors;
    auto* info = static_cast<unsigned char*>(OurAlloc(size));
    if (!info) {
        ReportError(doc, ERR_OUT_OF_MEMORY, "hInfo");
        return nullptr;
    }
    std::memset(info, 0, static_cast<size_t>(size));
    WriteU32(info, kInfoHeaderSize);
    WriteU32(info + 4, ReadU16(core + 4));   // width
    WriteU32(info + 8, ReadU16(core + 6));   // height
    WriteU16(info + 12, ReadU16(core + 8));  // planes
    WriteU16(info + 14, ReadU16(core + 10)); // bits per pixel
    for (int i = 0; i < colors; ++i) {
        // Blue, green, red, and a fourth byte of 0.
        std::memcpy(info + kInfoHeaderSize + 4 * i, core + kCoreHeaderSize + 3 * i, 3);
    }
    *length = size;
    return info;
}
