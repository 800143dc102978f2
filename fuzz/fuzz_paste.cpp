// The readers of pictures the host holds: any bytes as a packed bitmap in a
// memory block (CF_DIB), as a metafile picture whose mapping mode and extents
// come from the input and whose metafile holds the rest (CF_METAFILEPICT),
// as an enhanced metafile (CF_ENHMETAFILE), or as a PNG under the registered
// format "PNG" (read by documents that ask for it). The metafiles get a header
// valid enough for the system to make a handle of them; every field the
// reader trusts is still the input's. Each is handed over as a handle or
// through the clipboard, by its format or with format 0, and now and then an
// allocation fails. Nothing may crash, leak or overrun; every save is
// well-formed; a call that gives 0 leaves the document as it was; and the
// data written is the start of the object's bytes.
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "platform/seams.h"
#include "velrtf.h"

namespace {

void Put32(std::string& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

HGLOBAL BlockOf(const void* bytes, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    void* data = block ? GlobalLock(block) : nullptr;
    if (!data) {
        if (block) GlobalFree(block);
        return nullptr;
    }
    if (size) std::memcpy(data, bytes, size);
    GlobalUnlock(block);
    return block;
}

// The host's object and how to release it while the host still owns it.
struct HostObject {
    unsigned format = 0;
    HANDLE handle = nullptr;
    HMETAFILE metafile = nullptr;  // of a metafile picture
    bool metafileInPict = false;   // the picture's block holds the metafile's handle
    std::string bytes;             // what the picture's data is taken from
    bool core = false;             // a core-header bitmap: its header is rewritten

    void Release()
    {
        if (format == CF_ENHMETAFILE) {
            DeleteEnhMetaFile(static_cast<HENHMETAFILE>(handle));
        } else if (handle) {
            GlobalFree(handle);
        }
        if (metafile) DeleteMetaFile(metafile);
        handle = nullptr;
        metafile = nullptr;
    }
};

// Sizes and depths a bitmap's header has.
void PlausibleHeader(FuzzInput& in, std::string& dib, bool core)
{
    static const unsigned kDepths[] = {1, 4, 8, 16, 24, 32};
    unsigned width = in.Byte() % 64, height = in.Byte() % 64, depth = kDepths[in.Byte() % 6];
    if (core) {
        dib[4] = static_cast<char>(width), dib[5] = 0, dib[6] = static_cast<char>(height), dib[7] = 0;
        dib[8] = 1, dib[9] = 0, dib[10] = static_cast<char>(depth), dib[11] = 0;
        return;
    }
    Put32(dib, 4, width);
    Put32(dib, 8, in.Byte() & 1 ? 0u - height : height);  // top-down now and then
    dib[12] = 1, dib[13] = 0, dib[14] = static_cast<char>(depth), dib[15] = 0;
    unsigned compression = in.Byte();
    Put32(dib, 16, compression % 4 == 3 ? 3 : compression % 4 == 2 ? in.Byte() : 0);  // bit fields, other
    Put32(dib, 20, in.Byte() & 1 ? in.Byte() * 16 : 0);                             // the image size
    Put32(dib, 32, in.Byte() & 1 ? in.Byte() % 20 : 0);                              // colours used
}

HostObject PackedDib(FuzzInput& in)
{
    HostObject object;
    object.format = CF_DIB;
    unsigned header = in.Byte() % 5;
    // A core or an info header, of sizes and depths bitmaps have or of any
    // fields, or whatever the input holds.
    object.bytes = in.Bytes(40);
    if (header < 4) Put32(object.bytes, 0, header % 2 == 0 ? 12 : 40);
    if (header < 2) PlausibleHeader(in, object.bytes, header == 0);
    object.bytes += in.Rest();
    object.core = object.bytes.compare(0, 4, std::string("\x0c\0\0\0", 4)) == 0;
    object.handle = BlockOf(object.bytes.data(), object.bytes.size());
    return object;
}

HostObject MetafilePicture(FuzzInput& in)
{
    HostObject object;
    object.format = CF_METAFILEPICT;
    unsigned mode = in.Byte();
    METAFILEPICT pict{};
    pict.mm = mode % 4 == 0 ? static_cast<int>(in.U32()) : mode % 4 == 1 ? 1 : 8;
    pict.xExt = in.Int();
    pict.yExt = in.Int();
    unsigned shape = in.Byte();
    // An 18-byte header that says "metafile" (in memory or on disk, 9 words
    // long); its size word and the records are the input's.
    object.bytes = in.Bytes(18) + in.Rest();
    object.bytes[0] = static_cast<char>(1 + (shape & 1));
    object.bytes[1] = 0;
    object.bytes[2] = 9;
    object.bytes[3] = 0;
    object.metafile = SetMetaFileBitsEx(static_cast<unsigned>(object.bytes.size()),
                                        reinterpret_cast<const unsigned char*>(object.bytes.data()));
    if (shape & 2) pict.hMF = object.metafile;  // otherwise no metafile at all
    // Now and then a block too short for the record.
    size_t blockSize = (shape & 0x1C) == 0x1C ? sizeof pict / 2 : sizeof pict;
    object.handle = BlockOf(&pict, blockSize);
    object.metafileInPict = pict.hMF && blockSize == sizeof pict;
    return object;
}

HostObject EnhancedMetafile(FuzzInput& in)
{
    HostObject object;
    object.format = CF_ENHMETAFILE;
    unsigned shape = in.Byte();
    // A header that says "enhanced metafile" and fits the bytes; its bounds,
    // its device sizes and nBytes are the input's.
    object.bytes = in.Bytes(108) + in.Rest();
    uint32_t headerSize = 108;
    if (shape % 3 == 1) headerSize = 88;
    if (shape % 3 == 2) headerSize = 88 + in.U32() % static_cast<uint32_t>(object.bytes.size() - 87);
    Put32(object.bytes, 0, 1);
    Put32(object.bytes, 4, headerSize);
    Put32(object.bytes, 40, 0x464D4520);
    object.handle = SetEnhMetaFileBits(static_cast<unsigned>(object.bytes.size()),
                                       reinterpret_cast<const unsigned char*>(object.bytes.data()));
    return object;
}

// A PNG in a block under the registered format "PNG": the signature and an
// IHDR chunk whose sizes, like all that follows, are the input's.
HostObject PngBlock(FuzzInput& in)
{
    HostObject object;
    object.format = RegisterClipboardFormatA("PNG");
    object.bytes = std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) + in.Rest();
    object.handle = BlockOf(object.bytes.data(), object.bytes.size());
    return object;
}

// Puts the object on the clipboard, which owns it from then on.
bool ToClipboard(HostObject& object)
{
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    bool taken = SetClipboardData(object.format, object.handle) != nullptr;
    CloseClipboard();
    if (taken) {
        object.handle = nullptr;
        if (object.metafileInPict) object.metafile = nullptr;  // released with the picture's block
    }
    return taken;
}

void EmptyTheClipboard()
{
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

const char* PictureWord(unsigned format)
{
    switch (format) {
    case CF_DIB: return "\\dibitmap";
    case CF_METAFILEPICT: return "\\wmetafile";
    case CF_ENHMETAFILE: return "\\emfblip";
    default: return "\\pngblip";
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QuietReports();
    FuzzInput in{data, size};
    unsigned choice = in.Byte();
    unsigned failure = in.Byte();
    int width = in.Int(), height = in.Int();
    std::string before(in.Byte(), 'x');
    HostObject object = choice % 4 == 0   ? PackedDib(in)
                        : choice % 4 == 1 ? MetafilePicture(in)
                        : choice % 4 == 2 ? EnhancedMetafile(in)
                                          : PngBlock(in);
    // By handle, from the clipboard by format, or from the clipboard with format 0.
    unsigned route = (choice / 4) % 3;
    unsigned format = object.format;
    HANDLE handle = object.handle;
    if (!handle) route = 0;
    if (route != 0) {
        if (!ToClipboard(object)) {
            object.Release();
            return 0;
        }
        handle = nullptr;
        if (route == 2) format = 0;
    }

    HVELDOC doc = VelNewDoc();
    if (!doc) {
        object.Release();
        EmptyTheClipboard();
        return 0;
    }
    // Documents that read PNG now and then (PNG first with format 0).
    VelSetFlags(doc, 1, DOCFLAG_QUIET | ((failure & 0x20) ? DOCFLAG_MODERN_PICTURES : 0));
    VelInsertText(doc, before.c_str());
    std::string was = SavedAndChecked(doc);
    if (failure & 0x80) VelTestFailAllocation(1 + static_cast<int>(failure % 8));
    int result = VelPastePicture(doc, format, handle, width, height);
    VelTestFailAllocation(0);
    std::string rtf = SavedAndChecked(doc);
    if (!result && rtf != was) FuzzFail("a call that gave 0 changed the document", rtf);
    std::string hex;
    if (!object.core && PictureHex(rtf, PictureWord(object.format), &hex) &&
        HexOf(object.bytes).compare(0, hex.size(), hex) != 0) {
        FuzzFail("the picture's data is not the start of the object's bytes", rtf);
    }
    VelInsertText(doc, "after {the} picture");
    SavedAndChecked(doc);
    VelEndDoc(doc);
    object.Release();
    EmptyTheClipboard();
    return 0;
}
