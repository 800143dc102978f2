// The POSIX backend: movable memory blocks with the Windows behaviour the
// library relies on, files through POSIX I/O, message boxes on standard
// error, a 96 pixels-per-inch screen and a single-byte ANSI code page.
#include "platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <unordered_set>

#include "fonts_posix.h"
#include "seams.h"

// ---- Movable memory -------------------------------------------------------------
//
// A handle is a BlockRecord. Its data lives in a separate allocation that
// starts with a pointer back to the record, so that the handle can be found
// from the data pointer (GlobalHandle). Resizing may move the data, as on
// Windows; large blocks usually grow in place, so a growing document does
// not hold two copies of itself. Live handles are kept in a registry, so an invalid or freed handle is
// refused instead of followed.

namespace {

struct BlockRecord {
    unsigned char* data;
    size_t size;
    unsigned lockCount;
};

constexpr size_t kDataOffset = 16;  // keeps the data 16-byte aligned

std::mutex& RegistryLock()
{
    static std::mutex lock;
    return lock;
}

std::unordered_set<const BlockRecord*>& Registry()
{
    static std::unordered_set<const BlockRecord*> live;
    return live;
}

bool IsLive(const BlockRecord* block)
{
    return block && Registry().count(block) != 0;
}

unsigned char* NewData(BlockRecord* owner, size_t bytes)
{
    if (bytes > SIZE_MAX - kDataOffset - 1) return nullptr;
    auto* raw = static_cast<unsigned char*>(std::malloc(bytes + kDataOffset));
    if (!raw) return nullptr;
    std::memcpy(raw, &owner, sizeof owner);
    return raw + kDataOffset;
}

void FreeData(unsigned char* data)
{
    if (data) std::free(data - kDataOffset);
}

}  // namespace

HGLOBAL PlatGlobalAlloc(size_t bytes)
{
    if (SeamFailThisAllocation()) return nullptr;
    auto* block = static_cast<BlockRecord*>(std::malloc(sizeof(BlockRecord)));
    if (!block) return nullptr;
    block->data = NewData(block, bytes);
    block->size = bytes;
    block->lockCount = 0;
    if (!block->data) {
        std::free(block);
        return nullptr;
    }
    try {
        std::lock_guard<std::mutex> guard(RegistryLock());
        Registry().insert(block);
    } catch (...) {
        FreeData(block->data);
        std::free(block);
        return nullptr;
    }
    return block;
}

void* PlatGlobalLock(HGLOBAL handle)
{
    auto* block = static_cast<BlockRecord*>(handle);
    std::lock_guard<std::mutex> guard(RegistryLock());
    if (!IsLive(block)) return nullptr;
    block->lockCount++;
    return block->data;
}

int PlatGlobalUnlock(HGLOBAL handle)
{
    auto* block = static_cast<BlockRecord*>(handle);
    std::lock_guard<std::mutex> guard(RegistryLock());
    if (!IsLive(block) || block->lockCount == 0) return 0;
    block->lockCount--;
    return block->lockCount != 0;
}

HGLOBAL PlatGlobalReAlloc(HGLOBAL handle, size_t bytes)
{
    auto* block = static_cast<BlockRecord*>(handle);
    {
        std::lock_guard<std::mutex> guard(RegistryLock());
        if (!IsLive(block)) return nullptr;
    }
    if (SeamFailThisAllocation() || bytes > SIZE_MAX - kDataOffset - 1) return nullptr;
    // The pointer back to the record travels with the bytes.
    auto* raw = static_cast<unsigned char*>(std::realloc(block->data - kDataOffset, bytes + kDataOffset));
    if (!raw) return nullptr;  // the block is as it was
    std::lock_guard<std::mutex> guard(RegistryLock());
    block->data = raw + kDataOffset;
    block->size = bytes;
    return block;
}

HGLOBAL PlatGlobalHandle(const void* data)
{
    if (!data) return nullptr;
    BlockRecord* owner;
    std::memcpy(&owner, static_cast<const unsigned char*>(data) - kDataOffset, sizeof owner);
    std::lock_guard<std::mutex> guard(RegistryLock());
    if (!IsLive(owner) || owner->data != data) return nullptr;
    return owner;
}

HGLOBAL PlatGlobalFree(HGLOBAL handle)
{
    auto* block = static_cast<BlockRecord*>(handle);
    {
        std::lock_guard<std::mutex> guard(RegistryLock());
        if (!IsLive(block)) return handle;
        Registry().erase(block);
    }
    FreeData(block->data);
    std::free(block);
    return nullptr;
}

size_t PlatGlobalSize(HGLOBAL handle)
{
    auto* block = static_cast<BlockRecord*>(handle);
    std::lock_guard<std::mutex> guard(RegistryLock());
    return IsLive(block) ? block->size : 0;
}

// The Windows names, exported for hosts on this system.
extern "C" {

VELEXPORT HGLOBAL VELAPI GlobalAlloc(unsigned flags, size_t bytes)
{
    HGLOBAL block = PlatGlobalAlloc(bytes);
    if (block && (flags & GMEM_ZEROINIT)) {
        std::memset(static_cast<BlockRecord*>(block)->data, 0, bytes);
    }
    return block;
}

VELEXPORT void* VELAPI GlobalLock(HGLOBAL block)
{
    return PlatGlobalLock(block);
}

VELEXPORT int VELAPI GlobalUnlock(HGLOBAL block)
{
    return PlatGlobalUnlock(block);
}

VELEXPORT size_t VELAPI GlobalSize(HGLOBAL block)
{
    return PlatGlobalSize(block);
}

VELEXPORT HGLOBAL VELAPI GlobalFree(HGLOBAL block)
{
    return PlatGlobalFree(block);
}

}  // extern "C"

// ---- Files --------------------------------------------------------------------------
// A PlatFile carries the descriptor plus one, so that no descriptor is null.

namespace {

PlatFile ToFile(int fd)
{
    return reinterpret_cast<PlatFile>(static_cast<intptr_t>(fd) + 1);
}

int ToDescriptor(PlatFile file)
{
    return static_cast<int>(reinterpret_cast<intptr_t>(file) - 1);
}

}  // namespace

PlatFile PlatCreateFile(const char* path)
{
    int fd;
    do {
        fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd < 0 ? nullptr : ToFile(fd);
}

PlatFile PlatOpenFile(const char* path)
{
    int fd;
    do {
        fd = ::open(path, O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd < 0 ? nullptr : ToFile(fd);
}

int PlatWriteFile(PlatFile file, const void* data, uint32_t length)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    int fd = ToDescriptor(file);
    while (length > 0) {
        ssize_t n = ::write(fd, bytes, length);
        if (n < 0) {
            if (errno == EINTR) continue;
            return 0;
        }
        if (n == 0) return 0;
        bytes += n;
        length -= static_cast<uint32_t>(n);
    }
    return 1;
}

int PlatReadFile(PlatFile file, void* data, uint32_t length, uint32_t* got)
{
    if (SeamFailThisRead()) {
        *got = 0;
        return 0;
    }
    auto* bytes = static_cast<unsigned char*>(data);
    int fd = ToDescriptor(file);
    uint32_t total = 0;
    while (total < length) {
        ssize_t n = ::read(fd, bytes + total, length - total);
        if (n < 0) {
            if (errno == EINTR) continue;
            *got = total;
            return 0;
        }
        if (n == 0) break;
        total += static_cast<uint32_t>(n);
    }
    *got = total;
    return 1;
}

int64_t PlatFileSize(PlatFile file)
{
    struct stat info;
    if (::fstat(ToDescriptor(file), &info) != 0) return -1;
    return static_cast<int64_t>(info.st_size);
}

int PlatSeekFile(PlatFile file, int64_t offset)
{
    return ::lseek(ToDescriptor(file), static_cast<off_t>(offset), SEEK_SET) == offset;
}

void PlatCloseFile(PlatFile file)
{
    if (file) ::close(ToDescriptor(file));
}

void PlatDeleteFile(const char* path)
{
    ::unlink(path);
}

// ---- User interface and display ----------------------------------------------------

void PlatMessageBox(const char* text, const char* caption)
{
    if (SeamTakeMessageBox(text, caption)) return;
    // A library has no place for a modal box here: the report goes to standard
    // error as one line, "caption: text", line feeds of the text turned into
    // spaces.
    char line[1400];
    size_t n = 0;
    for (const char* p = caption; *p && n < 1000; ++p) line[n++] = *p;
    line[n++] = ':';
    line[n++] = ' ';
    for (const char* p = text; *p && n < sizeof line - 2; ++p) line[n++] = (*p == '\n' || *p == '\r') ? ' ' : *p;
    line[n++] = '\n';
    std::fwrite(line, 1, n, stderr);
    std::fflush(stderr);
}

void PlatScreenResolution(int* x, int* y)
{
    if (SeamScreenResolution(x, y)) return;
    *x = 96;
    *y = 96;
}

int PlatMultiByteCodePage()
{
    return 0;
}

// ---- Arithmetic and strings ------------------------------------------------------------

int PlatMulDiv(int a, int b, int c)
{
    if (c == 0) return -1;
    int64_t product = static_cast<int64_t>(a) * b;
    bool negative = (product < 0) != (c < 0);
    uint64_t magnitude = product < 0 ? 0 - static_cast<uint64_t>(product) : static_cast<uint64_t>(product);
    uint64_t divisor = c < 0 ? 0 - static_cast<uint64_t>(static_cast<int64_t>(c)) : static_cast<uint64_t>(c);
    uint64_t quotient = (magnitude + divisor / 2) / divisor;
    if (!negative && quotient > static_cast<uint64_t>(INT32_MAX)) return -1;
    if (negative && quotient > static_cast<uint64_t>(INT32_MAX) + 1) return -1;
    return negative ? static_cast<int>(0 - static_cast<int64_t>(quotient)) : static_cast<int>(quotient);
}

namespace {

// Lower case of a Windows-1252 byte.
unsigned char FoldCase(unsigned char c)
{
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

}  // namespace

int PlatCompareNoCase(const char* a, const char* b)
{
    const auto* p = reinterpret_cast<const unsigned char*>(a);
    const auto* q = reinterpret_cast<const unsigned char*>(b);
    for (;; ++p, ++q) {
        unsigned char x = FoldCase(*p), y = FoldCase(*q);
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
}

// ---- Fonts ---------------------------------------------------------------------------------

void PlatEnumFonts(const char* face, PlatFontCallback callback, intptr_t user)
{
    int family = 0, charset = 0, installed = 0;
    if (!SeamLookUpFont(face, &family, &charset, &installed)) {
        installed = PosixLookUpFont(face, &family, &charset);
    }
    if (!installed) return;
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfCharSet = static_cast<uint8_t>(charset);
    font.lfPitchAndFamily = static_cast<uint8_t>(family);
    std::strncpy(font.lfFaceName, face, sizeof font.lfFaceName - 1);
    TEXTMETRICA metric;
    std::memset(&metric, 0, sizeof metric);
    metric.tmCharSet = font.lfCharSet;
    metric.tmPitchAndFamily = font.lfPitchAndFamily;
    callback(&font, &metric, 0, user);
}

// ---- Library entry ---------------------------------------------------------------------------

namespace {

__attribute__((constructor)) void OnLibraryLoad()
{
    LibraryMain(1);
}

}  // namespace
