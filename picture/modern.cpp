// PNG and every JPEG, at their true size: the pixel size read from a JPEG's
// frame header or a PNG's IHDR, and the picture group that carries it. Hosts
// opt in with DOCFLAG_MODERN_PICTURES; without it only the classic kinds are
// read.
#include "core/document.h"
#include "core/writer.h"
#include "picture.h"
#include "platform/platform.h"

namespace {

// A dimension a picture can really have; anything else is taken as a
// damaged header.
constexpr uint32_t kMaxPixels = 1000000;

uint32_t BigEndian16(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0] << 8 | p[1]);
}

uint32_t BigEndian32(const unsigned char* p)
{
    return BigEndian16(p) << 16 | BigEndian16(p + 2);
}

bool Plausible(uint32_t width, uint32_t height)
{
    return width >= 1 && height >= 1 && width <= kMaxPixels && height <= kMaxPixels;
}

// Start-of-frame markers: C0 to CF, less DHT (C4), JPG (C8) and DAC (CC).
bool IsFrameMarker(unsigned marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers that stand alone, without a length: TEM, RST0 to RST7, SOI.
bool StandsAlone(unsigned marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

}  // namespace

bool IsAnyJpeg(const unsigned char* data, int64_t length)
{
    return length >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

bool IsPng(const unsigned char* data, int64_t length)
{
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (length < 8) return false;
    for (int i = 0; i < 8; ++i) {
        if (data[i] != kSignature[i]) return false;
    }
    return true;
}

bool JpegPixelSize(const unsigned char* data, int64_t length, int* width, int* height)
{
    if (!IsAnyJpeg(data, length)) return false;
    // Segment after segment: FF, any fill bytes FF, the marker, then the
    // segment's length (which counts itself) unless the marker stands alone.
    int64_t at = 2;
    while (at < length) {
        if (data[at] != 0xFF) return false;
        while (at < length && data[at] == 0xFF) ++at;
        if (at >= length) return false;
        unsigned marker = data[at++];
        if (StandsAlone(marker)) continue;
        // The end of the picture, or its scan, before any frame header.
        if (marker == 0xD9 || marker == 0xDA || at + 2 > length) return false;
        uint32_t segment = BigEndian16(data + at);
        if (segment < 2) return false;
        if (IsFrameMarker(marker)) {
            // Length, precision, then the height and the width.
            if (segment < 7 || at + 7 > length) return false;
            uint32_t h = BigEndian16(data + at + 3), w = BigEndian16(data + at + 5);
            if (!Plausible(w, h)) return false;
            *width = static_cast<int>(w);
            *height = static_cast<int>(h);
            return true;
        }
        at += segment;
    }
    return false;
}

bool PngPixelSize(const unsigned char* data, int64_t length, int* width, int* height)
{
    // The signature, then the IHDR chunk first: its length (13), its type,
    // the width and the height.
    if (!IsPng(data, length) || length < 24) return false;
    if (BigEndian32(data + 8) != 13 || data[12] != 'I' || data[13] != 'H' || data[14] != 'D' || data[15] != 'R') {
        return false;
    }
    uint32_t w = BigEndian32(data + 16), h = BigEndian32(data + 20);
    if (!Plausible(w, h)) return false;
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

int64_t PngLength(const unsigned char* data, int64_t length)
{
    int64_t at = 8;
    while (at + 12 <= length) {
        int64_t chunk = int64_t{12} + BigEndian32(data + at);
        bool end = data[at + 4] == 'I' && data[at + 5] == 'E' && data[at + 6] == 'N' && data[at + 7] == 'D';
        if (chunk > length - at) break;
        at += chunk;
        if (end) return at;
    }
    return length;
}

int PutSizedPicture(VelDocRecord* doc, RtfWord blip, const unsigned char* data, int length, int pixelWidth,
                    int pixelHeight, int width, int height)
{
    if (width <= 0 || height <= 0) {
        width = PlatMulDiv(pixelWidth, 1440, doc->ResX);
        height = PlatMulDiv(pixelHeight, 1440, doc->ResY);
    }
    if (!FlushRtfLine(doc) || !BeginRtfGroup(doc) || !PutWord(doc, "pict") || !PutWord(doc, blip)) return 0;
    if (!PutWordValue(doc, "picw", pixelWidth) || !PutWordValue(doc, "pich", pixelHeight) ||
        !PutWordValue(doc, "picwgoal", width) || !PutWordValue(doc, "pichgoal", height)) {
        return 0;
    }
    return (length <= 0 || PutHexBytes(doc, data, length)) && EndRtfGroup(doc) && FlushRtfLine(doc);
}

int PutModernPicture(VelDocRecord* doc, const unsigned char* data, int64_t length, int width, int height)
{
    int pixelWidth = 0, pixelHeight = 0;
    if (IsPng(data, length)) {
        if (!PngPixelSize(data, length, &pixelWidth, &pixelHeight)) return ReportError(doc, ERR_READ_PICTURE, nullptr);
        length = PngLength(data, length);
        if (!PictureFits(doc, length)) return 0;
        return PutSizedPicture(doc, "pngblip", data, static_cast<int>(length), pixelWidth, pixelHeight, width, height);
    }
    if (!JpegPixelSize(data, length, &pixelWidth, &pixelHeight)) return ReportError(doc, ERR_READ_PICTURE, nullptr);
    if (!PictureFits(doc, length)) return 0;
    return PutSizedPicture(doc, "jpegblip0", data, static_cast<int>(length), pixelWidth, pixelHeight, width, height);
}
