// The picture groups: the size words of each kind of picture data, then the
// data as hexadecimal digits. Sizes in twips come from pixels at the screen
// resolution the document took when it was made.
#include <cmath>

#include "bytes.h"
#include "core/document.h"
#include "core/memory.h"
#include "core/writer.h"
#include "picture.h"
#include "platform/platform.h"

namespace {

// Twips of `pixels` at `perInch` screen pixels to the inch.
int NaturalSize(int pixels, int perInch)
{
    return PlatMulDiv(pixels, 1440, perInch);
}

// Signed 32-bit arithmetic of the size words, formed in 64 bits so that
// extreme sizes wrap instead of overflowing.
int Wrap32(int64_t value)
{
    return static_cast<int>(static_cast<int32_t>(value));
}

int PutData(VelDocRecord* doc, const unsigned char* data, int length)
{
    return length <= 0 || PutHexBytes(doc, data, length);
}

// \picwgoal (or \pichgoal) and the scale of a metafile: the goal and the
// asked size over it, truncated; a goal below 1 is replaced by the asked
// size at 100 percent.
int PutMetafileAxis(VelDocRecord* doc, RtfWord goalWord, RtfWord scaleWord, int goal, int asked)
{
    if (goal >= 1) {
        return PutWordValue(doc, goalWord, goal) && PutWordValue(doc, scaleWord, Wrap32(int64_t{asked} * 100 / goal));
    }
    return PutWordValue(doc, goalWord, asked) && PutWordValue(doc, scaleWord, 100);
}

// The device resolution of one axis of an enhanced metafile, pixels per
// inch, from its device size in pixels and in millimetres. A device without
// a millimetre size (or one beyond any real device) takes the screen's.
int DeviceResolution(int32_t pixels, int32_t millimetres, int screen)
{
    if (millimetres == 0) return screen;
    double perInch = std::trunc(static_cast<double>(pixels) * 25.4 / millimetres);
    if (!(perInch >= INT32_MIN && perInch <= INT32_MAX)) return screen;
    return static_cast<int>(perInch);
}

}  // namespace

int PutJpegPicture(VelDocRecord* doc, const unsigned char* data, int length, int width, int height)
{
    if (!FlushRtfLine(doc) || !BeginRtfGroup(doc) || !PutWord(doc, "pict") || !PutWordValue(doc, "jpegblip", 0)) {
        return 0;
    }
    if (width > 0 && height > 0 &&
        (!PutWordValue(doc, "picwgoal", width) || !PutWordValue(doc, "pichgoal", height))) {
        return 0;
    }
    return PutData(doc, data, length) && EndRtfGroup(doc) && FlushRtfLine(doc);
}

int PutEmfPicture(VelDocRecord* doc, int pixelWidth, int pixelHeight, int width, int height,
                  const unsigned char* data, int length)
{
    int gw = NaturalSize(pixelWidth, doc->ResX);
    int gh = NaturalSize(pixelHeight, doc->ResY);
    if (!BeginRtfGroup(doc) || !PutWord(doc, "*") || !PutWord(doc, "shppict") || !BeginRtfGroup(doc) ||
        !PutWord(doc, "pict") || !PutWord(doc, "emfblip")) {
        return 0;
    }
    // Hundredths of a millimetre at 2500 to the inch, as enhanced metafiles
    // have always been measured here.
    if (!PutWordValue(doc, "picw", PlatMulDiv(gw, 2500, 1440)) || !PutWordValue(doc, "pich", PlatMulDiv(gh, 2500, 1440))) {
        return 0;
    }
    if (!PutWordValue(doc, "picwgoal", gw >= 1 ? gw : width) || !PutWordValue(doc, "pichgoal", gh >= 1 ? gh : height)) {
        return 0;
    }
    int scaleX = gw >= 1 ? Wrap32(int64_t{width} * 100 / gw) : 100;
    int scaleY = gh >= 1 ? Wrap32(int64_t{height} * 100 / gh) : 100;
    if (!PutWordValue(doc, "picscalex", scaleX) || !PutWordValue(doc, "picscaley", scaleY)) return 0;
    return PutData(doc, data, length) && EndRtfGroup(doc) && EndRtfGroup(doc);
}

int PutWmfPicture(VelDocRecord* doc, int pixelWidth, int pixelHeight, int width, int height,
                  const unsigned char* data, int length)
{
    int gw = NaturalSize(pixelWidth, doc->ResX);
    int gh = NaturalSize(pixelHeight, doc->ResY);
    if (width == 0 || height == 0) {
        width = gw;
        height = gh;
    }
    if (!BeginRtfGroup(doc) || !PutWord(doc, "pict") || !PutWordValue(doc, "wmetafile", 8)) return 0;
    if (!PutWordValue(doc, "picw", Wrap32(int64_t{gw} * 2540 / 1440)) ||
        !PutWordValue(doc, "pich", Wrap32(int64_t{gh} * 2540 / 1440))) {
        return 0;
    }
    if (!PutMetafileAxis(doc, "picwgoal", "picscalex", gw, width) ||
        !PutMetafileAxis(doc, "pichgoal", "picscaley", gh, height)) {
        return 0;
    }
    return PutData(doc, data, length) && EndRtfGroup(doc);
}

int PutDibPicture(VelDocRecord* doc, int width, int height, const unsigned char* header,
                  const unsigned char* bits, int headerLength, int bitsLength)
{
    int32_t pixelWidth = ReadI32(header + 4);
    int32_t pixelHeight = ReadI32(header + 8);
    int bitCount = ReadU16(header + 14);
    int gw = NaturalSize(pixelWidth, doc->ResX);
    int gh = NaturalSize(pixelHeight, doc->ResY);
    if (width == 0 || height == 0) {
        width = gw;
        height = gh;
    }
    if (!BeginRtfGroup(doc) || !PutWord(doc, "pict") || !PutWordValue(doc, "dibitmap", 0) ||
        !PutWordValue(doc, "wbmbitpixels", bitCount) || !PutWordValue(doc, "wbmplanes", 1) ||
        !PutWordValue(doc, "wbmwidthbytes", Wrap32(RowBytes(pixelWidth, bitCount))) ||
        !PutWordValue(doc, "picw", pixelWidth) || !PutWordValue(doc, "pich", pixelHeight)) {
        return 0;
    }
    // The scales of a bitmap are rounded, those of a metafile truncated.
    if (!PutWordValue(doc, "picwgoal", gw) || !PutWordValue(doc, "pichgoal", gh) ||
        !PutWordValue(doc, "picscalex", PlatMulDiv(width, 100, gw)) ||
        !PutWordValue(doc, "picscaley", PlatMulDiv(height, 100, gh))) {
        return 0;
    }
    // The header block and the bits are one run of data.
    return PutData(doc, header, headerLength) && PutData(doc, bits, bitsLength) && EndRtfGroup(doc);
}

int GetEmfPixelSize(const VelDocRecord* doc, const unsigned char* header, int* pixelWidth, int* pixelHeight)
{
    if (pixelWidth) *pixelWidth = 0;
    if (pixelHeight) *pixelHeight = 0;
    int rx = DeviceResolution(ReadI32(header + 72), ReadI32(header + 80), doc->ResX);
    int ry = DeviceResolution(ReadI32(header + 76), ReadI32(header + 84), doc->ResY);
    int boundsWidth = Wrap32(int64_t{ReadI32(header + 16)} - ReadI32(header + 8));
    int boundsHeight = Wrap32(int64_t{ReadI32(header + 20)} - ReadI32(header + 12));
    if (pixelWidth) *pixelWidth = PlatMulDiv(boundsWidth, doc->ResX, rx);
    if (pixelHeight) *pixelHeight = PlatMulDiv(boundsHeight, doc->ResY, ry);
    return 1;
}

int PictureFits(VelDocRecord* doc, int64_t bytes)
{
    if (bytes > kMaxBlockSize) bytes = kMaxBlockSize;
    // Two digits a byte and a line end every 51 bytes.
    int64_t needed = doc->Stream->BodyLength + bytes * 2 + (bytes / 51 + 1) * 2;
    if (needed <= kMaxBlockSize) return 1;
    return GrowBody(doc, needed, "FlushRtfLine");
}
