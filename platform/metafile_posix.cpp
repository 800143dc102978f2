// Metafile handles on POSIX systems. Windows hosts hand pictures over as
// metafiles and enhanced metafiles; here a handle holds the metafile's bytes,
// made with SetMetaFileBitsEx or SetEnhMetaFileBits and released with
// DeleteMetaFile or DeleteEnhMetaFile, as on Windows. Live handles are kept
// in a registry, so a deleted or invalid handle is refused, not followed.
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_set>

#include "platform.h"
#include "seams.h"

namespace {

enum class MetafileKind { Windows, Enhanced };

struct MetafileRecord {
    MetafileKind kind;
    uint32_t size;
    unsigned char* bytes;
};

constexpr uint32_t kMetaHeaderSize = 18;
constexpr uint32_t kEmfMinHeaderSize = 88;  // the first header records were this short
constexpr uint32_t kEmfSignature = 0x464D4520;

std::mutex& MetafileLock()
{
    static std::mutex lock;
    return lock;
}

std::unordered_set<const MetafileRecord*>& LiveMetafiles()
{
    static std::unordered_set<const MetafileRecord*> live;
    return live;
}

uint32_t Field32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

unsigned Field16(const unsigned char* p)
{
    return static_cast<unsigned>(p[0] | (p[1] << 8));
}

// The bytes look like a metafile of that kind: its header is there and says so.
bool LooksLike(MetafileKind kind, uint32_t size, const unsigned char* data)
{
    if (!data) return false;
    if (kind == MetafileKind::Windows) {
        // A memory or disk metafile whose header is 9 words long.
        return size >= kMetaHeaderSize && (Field16(data) == 1 || Field16(data) == 2) && Field16(data + 2) == 9;
    }
    if (size < kEmfMinHeaderSize || Field32(data) != 1 || Field32(data + 40) != kEmfSignature) return false;
    uint32_t headerSize = Field32(data + 4);
    return headerSize >= kEmfMinHeaderSize && headerSize <= size;
}

// A new handle holding a copy of the bytes, or null when memory runs out.
MetafileRecord* NewMetafile(MetafileKind kind, uint32_t size, const unsigned char* data)
{
    if (SeamFailThisAllocation()) return nullptr;
    auto* record = static_cast<MetafileRecord*>(std::malloc(sizeof(MetafileRecord)));
    auto* bytes = static_cast<unsigned char*>(std::malloc(size ? size : 1));
    if (!record || !bytes) {
        std::free(record);
        std::free(bytes);
        return nullptr;
    }
    std::memcpy(bytes, data, size);
    *record = MetafileRecord{kind, size, bytes};
    try {
        std::lock_guard<std::mutex> guard(MetafileLock());
        LiveMetafiles().insert(record);
    } catch (...) {
        std::free(bytes);
        std::free(record);
        return nullptr;
    }
    return record;
}

// The live record of a handle of that kind; call with the lock held.
MetafileRecord* Find(const void* handle, MetafileKind kind)
{
    auto* record = static_cast<MetafileRecord*>(const_cast<void*>(handle));
    if (!record || !LiveMetafiles().count(record) || record->kind != kind) return nullptr;
    return record;
}

MetafileRecord* Copy(void* handle, MetafileKind kind)
{
    uint32_t size;
    unsigned char* bytes;
    {
        std::lock_guard<std::mutex> guard(MetafileLock());
        MetafileRecord* record = Find(handle, kind);
        if (!record) return nullptr;
        size = record->size;
        bytes = static_cast<unsigned char*>(std::malloc(size ? size : 1));
        if (!bytes) return nullptr;
        std::memcpy(bytes, record->bytes, size);
    }
    MetafileRecord* copy = NewMetafile(kind, size, bytes);
    std::free(bytes);
    return copy;
}

uint32_t Bits(void* handle, MetafileKind kind, uint32_t size, void* buffer)
{
    std::lock_guard<std::mutex> guard(MetafileLock());
    MetafileRecord* record = Find(handle, kind);
    if (!record) return 0;
    if (!buffer) return record->size;
    if (size < record->size) return 0;
    std::memcpy(buffer, record->bytes, record->size);
    return record->size;
}

int Delete(void* handle, MetafileKind kind)
{
    MetafileRecord* record;
    {
        std::lock_guard<std::mutex> guard(MetafileLock());
        record = Find(handle, kind);
        if (!record) return 0;
        LiveMetafiles().erase(record);
    }
    std::free(record->bytes);
    std::free(record);
    return 1;
}

}  // namespace

void* PlatCopyMetafile(void* metafile)
{
    return Copy(metafile, MetafileKind::Windows);
}

uint32_t PlatMetafileBits(void* metafile, uint32_t size, void* buffer)
{
    return Bits(metafile, MetafileKind::Windows, size, buffer);
}

void PlatDeleteMetafile(void* metafile)
{
    Delete(metafile, MetafileKind::Windows);
}

void* PlatCopyEnhMetafile(void* metafile)
{
    return Copy(metafile, MetafileKind::Enhanced);
}

uint32_t PlatEnhMetafileHeader(void* metafile, uint32_t size, void* header)
{
    return GetEnhMetaFileHeader(static_cast<HENHMETAFILE>(metafile), size, static_cast<ENHMETAHEADER*>(header));
}

uint32_t PlatEnhMetafileBits(void* metafile, uint32_t size, void* buffer)
{
    return Bits(metafile, MetafileKind::Enhanced, size, buffer);
}

void PlatDeleteEnhMetafile(void* metafile)
{
    Delete(metafile, MetafileKind::Enhanced);
}

// The Windows names, exported for hosts on this system.
extern "C" {

VELEXPORT HMETAFILE VELAPI SetMetaFileBitsEx(unsigned size, const unsigned char* data)
{
    if (!LooksLike(MetafileKind::Windows, size, data)) return nullptr;
    return reinterpret_cast<HMETAFILE>(NewMetafile(MetafileKind::Windows, size, data));
}

VELEXPORT unsigned VELAPI GetMetaFileBitsEx(HMETAFILE metafile, unsigned size, void* data)
{
    return Bits(metafile, MetafileKind::Windows, size, data);
}

VELEXPORT int VELAPI DeleteMetaFile(HMETAFILE metafile)
{
    return Delete(metafile, MetafileKind::Windows);
}

VELEXPORT HENHMETAFILE VELAPI SetEnhMetaFileBits(unsigned size, const unsigned char* data)
{
    if (!LooksLike(MetafileKind::Enhanced, size, data)) return nullptr;
    return reinterpret_cast<HENHMETAFILE>(NewMetafile(MetafileKind::Enhanced, size, data));
}

VELEXPORT unsigned VELAPI GetEnhMetaFileBits(HENHMETAFILE metafile, unsigned size, unsigned char* data)
{
    return Bits(metafile, MetafileKind::Enhanced, size, data);
}

VELEXPORT unsigned VELAPI GetEnhMetaFileHeader(HENHMETAFILE metafile, unsigned size, ENHMETAHEADER* header)
{
    std::lock_guard<std::mutex> guard(MetafileLock());
    MetafileRecord* record = Find(metafile, MetafileKind::Enhanced);
    if (!record) return 0;
    uint32_t headerSize = Field32(record->bytes + 4);
    if (!header) return headerSize;
    uint32_t count = size < headerSize ? size : headerSize;
    std::memset(header, 0, size);
    std::memcpy(header, record->bytes, count);
    return count;
}

VELEXPORT int VELAPI DeleteEnhMetaFile(HENHMETAFILE metafile)
{
    return Delete(metafile, MetafileKind::Enhanced);
}

}  // extern "C"
