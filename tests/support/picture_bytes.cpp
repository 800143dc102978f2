#include "picture_bytes.h"

#include <cstdio>
#include <cstring>

#include "rtf_test.h"
#include "system_expect.h"

std::string Le16(unsigned value)
{
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

std::string Le32(uint32_t value)
{
    return Le16(value & 0xFFFF) + Le16(value >> 16);
}

std::string Be16(unsigned value)
{
    return {static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
}

std::string Be32(uint32_t value)
{
    return Be16(value >> 16) + Be16(value & 0xFFFF);
}

int Dpi()
{
    return ExpectedDpi() ? ExpectedDpi() : 96;
}

int Twips(int pixels)
{
    return (pixels * 1440 + Dpi() / 2) / Dpi();
}

std::string PackedDib(int width, int height, int bitCount, bool core, uint32_t colorsUsed, uint32_t compression,
                      uint32_t sizeImage)
{
    int colors = colorsUsed ? static_cast<int>(colorsUsed) : bitCount <= 8 ? 1 << bitCount : 0;
    std::string dib;
    if (core) {
        dib = Le32(12) + Le16(width) + Le16(height) + Le16(1) + Le16(bitCount);
        for (int i = 0; i < colors; ++i) dib += std::string{static_cast<char>(i), static_cast<char>(2 * i), '\x7f'};
    } else {
        dib = Le32(40) + Le32(width) + Le32(height) + Le16(1) + Le16(bitCount) + Le32(compression) + Le32(sizeImage) +
              Le32(2835) + Le32(2835) + Le32(colorsUsed) + Le32(0);
        if (compression == 3) dib += Le32(0xF800) + Le32(0x07E0) + Le32(0x001F);
        for (int i = 0; i < colors; ++i) dib += Le32(0x7F0000u | static_cast<uint32_t>(i * 0x201));
    }
    int rowBytes = (width * bitCount + 31) / 32 * 4;
    for (int i = 0; i < rowBytes * (height < 0 ? -height : height); ++i) dib += static_cast<char>(i * 7 + 1);
    return dib;
}

std::string BitmapFile(const std::string& packedDib, int headerBlockLength)
{
    uint32_t offBits = 14 + static_cast<uint32_t>(headerBlockLength);
    return "BM" + Le32(static_cast<uint32_t>(14 + packedDib.size())) + Le32(0) + Le32(offBits) + packedDib;
}

std::string Metafile(const std::string& records)
{
    std::string end = Le32(3) + Le16(0);
    uint32_t words = static_cast<uint32_t>(18 + records.size() + end.size()) / 2;
    return Le16(1) + Le16(9) + Le16(0x300) + Le32(words) + Le16(0) + Le32(3) + Le16(0) + records + end;
}

std::string PlaceableMetafile(int left, int top, int right, int bottom, unsigned inch, const std::string& metafile)
{
    std::string head = Le32(0x9AC6CDD7) + Le16(0) + Le16(static_cast<unsigned>(left)) +
                       Le16(static_cast<unsigned>(top)) + Le16(static_cast<unsigned>(right)) +
                       Le16(static_cast<unsigned>(bottom)) + Le16(inch) + Le32(0);
    unsigned checksum = 0;
    for (size_t i = 0; i < head.size(); i += 2) {
        checksum ^= static_cast<unsigned char>(head[i]) | (static_cast<unsigned char>(head[i + 1]) << 8);
    }
    return head + Le16(checksum) + metafile;
}

std::string EnhMetafile(int boundsRight, int boundsBottom, int deviceWidth, int deviceHeight, int millimetresWidth,
                        int millimetresHeight, const std::string& records, uint32_t nBytes)
{
    std::string end = Le32(14) + Le32(20) + Le32(0) + Le32(16) + Le32(20);
    uint32_t total = static_cast<uint32_t>(108 + records.size() + end.size());
    auto i32 = [](int v) { return Le32(static_cast<uint32_t>(v)); };
    std::string header = Le32(1) + Le32(108) + i32(0) + i32(0) + i32(boundsRight) + i32(boundsBottom) +
                         i32(0) + i32(0) + i32(boundsRight * 26) + i32(boundsBottom * 26) + Le32(0x464D4520) +
                         Le32(0x10000) + Le32(nBytes ? nBytes : total) + Le32(2) + Le16(1) + Le16(0) + Le32(0) +
                         Le32(0) + Le32(0) + i32(deviceWidth) + i32(deviceHeight) + i32(millimetresWidth) +
                         i32(millimetresHeight) + Le32(0) + Le32(0) + Le32(0) + i32(millimetresWidth * 1000) +
                         i32(millimetresHeight * 1000);
    return header + records + end;
}

std::string JfifJpeg(size_t size)
{
    std::string jpeg = std::string("\xFF\xD8\xFF\xE0", 4) + Le16(0x1000) + "JFIF" + std::string(1, '\0');
    for (size_t i = 0; i < size; ++i) jpeg += static_cast<char>(i * 13 + 5);
    return jpeg + "\xFF\xD9";
}

namespace {

uint32_t Crc32(const std::string& bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

std::string PngChunk(const char* type, const std::string& data)
{
    std::string typed = type + data;
    return Be32(static_cast<uint32_t>(data.size())) + typed + Be32(Crc32(typed));
}

}  // namespace

std::string Png(uint32_t width, uint32_t height, const std::string& data)
{
    return std::string("\x89PNG\r\n\x1a\n", 8) +
           PngChunk("IHDR", Be32(width) + Be32(height) + std::string("\x08\x02\x00\x00\x00", 5)) +
           PngChunk("IDAT", data) + PngChunk("IEND", "");
}

std::string RgbPng(int width, int height)
{
    std::string raw;  // each row: filter 0, then red, green, blue
    for (int y = 0; y < height; ++y) {
        raw += '\0';
        for (int x = 0; x < width; ++x) {
            raw += static_cast<char>(x * 255 / (width > 1 ? width - 1 : 1));
            raw += static_cast<char>(y * 255 / (height > 1 ? height - 1 : 1));
            raw += static_cast<char>((x / 8 + y / 8) % 2 ? 200 : 60);
        }
    }
    std::string zlib = "\x78\x01";
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        size_t n = raw.size() - at < 65535 ? raw.size() - at : 65535;
        zlib += static_cast<char>(at + n >= raw.size() ? 1 : 0);
        zlib += Le16(static_cast<unsigned>(n)) + Le16(static_cast<unsigned>(~n & 0xFFFF));
        zlib += raw.substr(at, n);
        if (raw.empty()) break;
    }
    zlib += Be32((b << 16) | a);
    return Png(static_cast<uint32_t>(width), static_cast<uint32_t>(height), zlib);
}

std::string Hex(const std::string& bytes)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char b : bytes) hex += {kDigits[b >> 4], kDigits[b & 15]};
    return hex;
}

std::string WriteTempFile(const std::string& name, const std::string& bytes)
{
    std::string path = TempPath(name);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    return path;
}

HGLOBAL BlockOf(const std::string& bytes)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (void* data = GlobalLock(block)) {
        std::memcpy(data, bytes.data(), bytes.size());
        GlobalUnlock(block);
    }
    return block;
}

HMETAFILE MetafileOf(const std::string& bytes)
{
    return SetMetaFileBitsEx(static_cast<unsigned>(bytes.size()), reinterpret_cast<const unsigned char*>(bytes.data()));
}

HENHMETAFILE EnhMetafileOf(const std::string& bytes)
{
    return SetEnhMetaFileBits(static_cast<unsigned>(bytes.size()), reinterpret_cast<const unsigned char*>(bytes.data()));
}

HGLOBAL MetafilePictOf(int mapMode, int xExt, int yExt, HMETAFILE metafile)
{
    METAFILEPICT pict{mapMode, xExt, yExt, metafile};
    return BlockOf(std::string(reinterpret_cast<const char*>(&pict), sizeof pict));
}

int PasteBlock(HVELDOC doc, unsigned format, const std::string& bytes, int width, int height)
{
    HGLOBAL block = BlockOf(bytes);
    int result = VelPastePicture(doc, format, block, width, height);
    GlobalFree(block);
    return result;
}
