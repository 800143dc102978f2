// Pictures the host holds in memory: VelPastePicture and its three readers,
// for a metafile picture, a packed bitmap and an enhanced metafile, given as
// a handle or taken from the clipboard. The host's objects are only read:
// metafiles through a private copy, blocks locked and unlocked again.
#include <cstring>
#include <initializer_list>

#include "bytes.h"
#include "core/document.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "picture.h"
#include "platform/platform.h"

namespace {

constexpr unsigned kMetafilePict = 3;   // CF_METAFILEPICT
constexpr unsigned kDib = 8;            // CF_DIB
constexpr unsigned kEnhMetafile = 14;   // CF_ENHMETAFILE
constexpr int kMapText = 1;             // MM_TEXT: extents in pixels
constexpr int kMapAnisotropic = 8;      // MM_ANISOTROPIC: extents in 0.01 mm

// The clipboard's METAFILEPICT, laid out as the system lays it out.
struct MetafilePict {
    int32_t mm;
    int32_t xExt;
    int32_t yExt;
    void* hMF;
};

// A memory block locked for as long as the guard lives.
struct LockedBlock {
    HGLOBAL block;
    unsigned char* data;
    explicit LockedBlock(HGLOBAL handle) : block(handle), data(static_cast<unsigned char*>(PlatGlobalLock(handle))) {}
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;
    ~LockedBlock()
    {
        if (data) PlatGlobalUnlock(block);
    }
    // The bytes that may be read: what the block was made with.
    int64_t Size() const { return static_cast<int64_t>(PlatGlobalSize(block)); }
};

// The clipboard, when this call opened it, closed again when the guard goes.
struct ClipboardSession {
    bool opened = false;
    ClipboardSession() = default;
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession()
    {
        if (opened) PlatCloseClipboard();
    }
};

// A picture written by a reader whose outcome the call does not pass on: a
// group that fails half-way is taken back, so the document stays whole.
template <typename Write>
void PutWholeOrNothing(VelDocRecord* doc, Write write)
{
    UndoOnFailure picture(doc);
    if (write()) picture.Commit();
}

// The bytes of a metafile copy in a new movable block; the copy is deleted
// whatever happens. Null on failure.
HGLOBAL GetMetafileBits(void* metafile, uint32_t* length)
{
    uint32_t size = PlatMetafileBits(metafile, 0, nullptr);
    HGLOBAL block = size ? PlatGlobalAlloc(size_t{size} + 1) : nullptr;
    void* data = block ? PlatGlobalLock(block) : nullptr;
    bool fetched = data && PlatMetafileBits(metafile, size, data) == size;
    if (data) PlatGlobalUnlock(block);
    PlatDeleteMetafile(metafile);
    if (!fetched) {
        if (block) PlatGlobalFree(block);
        return nullptr;
    }
    *length = size;
    return block;
}

void PasteMetafilePict(VelDocRecord* doc, HGLOBAL handle, int width, int height)
{
    MetafilePict pict;
    {
        LockedBlock locked(handle);
        if (!locked.data || locked.Size() < static_cast<int64_t>(sizeof pict)) {
            ReportError(doc, ERR_BUFFER_LOCK, "Clipboard");
            return;
        }
        std::memcpy(&pict, locked.data, sizeof pict);
    }
    int pixelWidth, pixelHeight;
    if (pict.mm == kMapText) {
        pixelWidth = pict.xExt;
        pixelHeight = pict.yExt;
    } else if (pict.mm == kMapAnisotropic) {
        // Hundredths of a millimetre at 2500 to the inch; none at all is
        // taken as three inches.
        pixelWidth = static_cast<int32_t>(int64_t{pict.xExt} * doc->ResX / 2500);
        pixelHeight = static_cast<int32_t>(int64_t{pict.yExt} * doc->ResY / 2500);
        if (pixelWidth == 0) pixelWidth = 3 * doc->ResX;
        if (pixelHeight == 0) pixelHeight = 3 * doc->ResY;
    } else {
        return;
    }
    void* copy = PlatCopyMetafile(pict.hMF);
    if (!copy) {
        ReportError(doc, ERR_COPY_METAFILE, nullptr);
        return;
    }
    uint32_t fetched = 0;
    HGLOBAL bits = GetMetafileBits(copy, &fetched);
    {
        LockedBlock locked(bits);
        // The metafile is as long as its header says, and no longer than its bytes.
        int64_t length = fetched >= 18 && locked.data ? int64_t{2} * ReadU32(locked.data + 6) : -1;
        if (length < 0 || length > fetched) {
            ReportError(doc, ERR_METAFILE_DATA, nullptr);
        } else if (PictureFits(doc, length)) {
            if (width == 0) width = PlatMulDiv(pixelWidth, 1440, doc->ResX);
            if (height == 0) height = PlatMulDiv(pixelHeight, 1440, doc->ResY);
            PutWholeOrNothing(doc, [&] {
                return PutWmfPicture(doc, pixelWidth, pixelHeight, width, height, locked.data, static_cast<int>(length));
            });
        }
    }
    if (bits) PlatGlobalFree(bits);
}

void PasteDib(VelDocRecord* doc, HGLOBAL handle, int width, int height)
{
    LockedBlock locked(handle);
    if (!locked.data) {
        ReportError(doc, ERR_BUFFER_LOCK, "Clipboard");
        return;
    }
    const unsigned char* dib = locked.data;
    int64_t size = locked.Size();
    // The header must be there, and the bits it promises within the block.
    if (size >= kCoreHeaderSize && ReadU32(dib) == kCoreHeaderSize) {
        int colors = CoreColorCount(ReadU16(dib + 10));
        int64_t bitsAt = kCoreHeaderSize + 3 * colors;
        int64_t bitsLength = RowBytes(ReadU16(dib + 4), ReadU16(dib + 10)) * ReadU16(dib + 6);
        if (bitsAt + bitsLength > size) {
            ReportError(doc, ERR_INVALID_BITMAP, nullptr);
            return;
        }
        if (!PictureFits(doc, kInfoHeaderSize + 4 * colors + bitsLength)) return;
        OurBlock info;
        int infoLength = 0;
        info.data = NormalizeDib(doc, dib, &infoLength);
        if (!info.data) return;
        PutWholeOrNothing(doc, [&] {
            return PutDibPicture(doc, width, height, info.data, dib + bitsAt, infoLength, static_cast<int>(bitsLength));
        });
        return;
    }
    if (size < kInfoHeaderSize) {
        ReportError(doc, ERR_INVALID_BITMAP, nullptr);
        return;
    }
    DibLayout layout = PackedDibLayout(dib);
    // Bits stored top-down without a size have a negative length: none are written.
    int64_t bitsLength = layout.bitsLength > 0 ? layout.bitsLength : 0;
    if (layout.headerLength > size || bitsLength > size - layout.headerLength) {
        ReportError(doc, ERR_INVALID_BITMAP, nullptr);
        return;
    }
    if (!PictureFits(doc, layout.headerLength + bitsLength)) return;
    PutWholeOrNothing(doc, [&] {
        return PutDibPicture(doc, width, height, dib, dib + layout.headerLength, static_cast<int>(layout.headerLength),
                             static_cast<int>(bitsLength));
    });
}

// The bytes of an enhanced-metafile copy in a block from OurAlloc; the copy
// is deleted whatever happens. False on failure.
bool GetEmfBits(void* metafile, OurBlock& block, uint32_t* length)
{
    uint32_t size = PlatEnhMetafileBits(metafile, 0, nullptr);
    bool fetched = size && block.Allocate(size) && PlatEnhMetafileBits(metafile, size, block.data) == size;
    PlatDeleteEnhMetafile(metafile);
    *length = size;
    return fetched;
}

// A PNG in a memory block, as programs put it on the clipboard under the
// registered format "PNG". 1, or 0 after a report.
int PastePng(VelDocRecord* doc, HGLOBAL handle, int width, int height)
{
    LockedBlock locked(handle);
    if (!locked.data) return ReportError(doc, ERR_BUFFER_LOCK, "Clipboard");
    if (!IsPng(locked.data, locked.Size())) return ReportError(doc, ERR_READ_PICTURE, nullptr);
    return PutModernPicture(doc, locked.data, locked.Size(), width, height);
}

int VelPasteEmf(VelDocRecord* doc, void* handle, int width, int height)
{
    void* copy = PlatCopyEnhMetafile(handle);
    if (!copy) return ReportError(doc, ERR_COPY_METAFILE, "VelPasteEmf");
    unsigned char header[kEmfHeaderSize] = {};
    if (!PlatEnhMetafileHeader(copy, sizeof header, header)) {
        PlatDeleteEnhMetafile(copy);
        return ReportError(doc, ERR_EMF_HEADER, "VelPasteEmf");
    }
    uint32_t length = ReadU32(header + 48);  // nBytes
    int pixelWidth = 0, pixelHeight = 0;
    GetEmfPixelSize(doc, header, &pixelWidth, &pixelHeight);
    OurBlock block;
    uint32_t fetched = 0;
    // The header may not promise more bytes than the metafile has.
    if (!GetEmfBits(copy, block, &fetched) || length > fetched) {
        return ReportError(doc, ERR_METAFILE_DATA, "VelPasteEmf");
    }
    if (width == 0) width = PlatMulDiv(pixelWidth, 1440, doc->ResX);
    if (height == 0) height = PlatMulDiv(pixelHeight, 1440, doc->ResY);
    return PutEmfPicture(doc, pixelWidth, pixelHeight, width, height, block.data, static_cast<int>(length));
}

}  // namespace

extern "C" {

VELEXPORT int VELAPI VelPastePicture(HVELDOC doc, unsigned format, HANDLE handle, int width, int height)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_PASTE_PICTURE)) return undo.Refused();
    // Documents that read PNG take it first: it is lossless, the best the
    // clipboard offers.
    unsigned png = (doc->DocFlags & DOCFLAG_MODERN_PICTURES) ? PlatRegisterClipboardFormat("PNG") : 0;
    if (format == 0) {
        if (handle) return 0;
        for (unsigned choice : {png, kMetafilePict, kDib, kEnhMetafile}) {
            if (choice && PlatClipboardHasFormat(choice)) {
                format = choice;
                break;
            }
        }
        if (format == 0) return 0;
    }
    ClipboardSession clipboard;
    if (!handle) {
        if (!PlatOpenClipboard()) return ReportError(doc, ERR_CLIPBOARD_BUSY, "");
        clipboard.opened = true;
    }
    bool known = format == kMetafilePict || format == kDib || format == kEnhMetafile || (png && format == png);
    void* object = handle ? handle : known ? PlatClipboardData(format) : nullptr;
    if (known && !object) return ReportError(doc, ERR_CLIPBOARD_DATA, "");
    int64_t before = int64_t{doc->Stream->BodyLength} + doc->Stream->LineLength;
    if (format == kMetafilePict) PasteMetafilePict(doc, object, width, height);
    if (format == kDib) PasteDib(doc, object, width, height);
    if (format == kEnhMetafile && !VelPasteEmf(doc, object, width, height)) return 0;
    if (png && format == png && !PastePng(doc, object, width, height)) return 0;
    // A picture stands in the paragraph, which is open from now on.
    if (int64_t{doc->Stream->BodyLength} + doc->Stream->LineLength != before) doc->ParaClosed = 0;
    return undo.Commit();
}

}  // extern "C"
