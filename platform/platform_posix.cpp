// The POSIX backend: movable memory blocks with the Windows behaviour the
// library relies on, files through POSIX I/O, message boxes on standard
// error, a 96 pixels-per-inch screen and a single-byte ANSI code page.
#include "platform.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <vector>

#include "fonts_posix.h"
#include "seams.h"

// ---- Movable memory -------------------------------------------------------------
//
// A handle is a BlockRecord. Its data starts kDataOffset bytes into storage
// whose first bytes hold a pointer back to the record, so that the handle can
// be found from the data pointer (GlobalHandle). Live handles are kept in a
// registry, so an invalid or freed handle is refused instead of followed.
//
// Small blocks are malloc'd. A block of kMappedFrom bytes or more (a growing
// document's body, a saved document) lives in a mapping of its own: address
// space reserved up front, aligned to and advised for huge pages, and made
// usable in steps of a huge page as the block grows. So a growing block stays
// where it is and is never copied; past its reservation its pages move to a
// larger one (mremap: the page tables move, not the bytes). Fresh memory
// costs one fault per 2 MB instead of one per 4 KB where the system gives
// huge pages, and no more than it did elsewhere. Each step is committed with
// mprotect, which fails as an allocation does when the system keeps strict
// account of memory. The two most recently freed mappings of up to
// kKeptCommitted bytes are kept, their pages handed back lazily (MADV_FREE),
// so that the next documents of a process reuse them instead of faulting in
// fresh memory again, as malloc keeps its heap.

namespace {

struct BlockRecord {
    unsigned char* data;
    size_t size;
    unsigned lockCount;
    size_t reserved;   // 0: malloc'd storage; otherwise the bytes of its mapping
    size_t committed;  // of a mapping: the bytes from its start that are usable
};

constexpr size_t kDataOffset = 16;  // keeps the data 16-byte aligned

constexpr size_t kMappedFrom = size_t{256} << 10;
constexpr size_t kHugePage = size_t{2} << 20;  // the commit step and the alignment
constexpr size_t kLeastReserve = size_t{64} << 20;
constexpr size_t kKeptCommitted = size_t{64} << 20;
constexpr int kKeptMappings = 2;
// Linux, with address space to spare (64-bit pointers). Not under
// AddressSanitizer, which watches malloc'd blocks to their last byte but
// cannot see past a block's end into the rest of its mapping.
#if defined(__SANITIZE_ADDRESS__)
#define VELRTF_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELRTF_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__linux__) && !defined(VELRTF_ADDRESS_SANITIZER)
constexpr bool kMapsLargeBlocks = sizeof(void*) >= 8;
#else
constexpr bool kMapsLargeBlocks = false;
#endif

std::mutex& RegistryLock()
{
    static std::mutex lock;
    return lock;
}

// The live blocks: an open-addressing set of record addresses (linear
// probing; a removal shifts the entries after it back), so that looking a
// handle up costs a multiplication and a probe or two, and adding or
// removing one allocates nothing until the table doubles.
class LiveBlocks {
public:
    bool Contains(const BlockRecord* block) const
    {
        if (slots_.empty()) return false;
        for (size_t i = Home(block);; i = Next(i)) {
            if (slots_[i] == block) return true;
            if (!slots_[i]) return false;
        }
    }

    // May throw std::bad_alloc, with the set as it was.
    void Insert(const BlockRecord* block)
    {
        if ((count_ + 1) * 2 > slots_.size()) Grow();
        size_t i = Home(block);
        while (slots_[i]) i = Next(i);
        slots_[i] = block;
        ++count_;
    }

    void Erase(const BlockRecord* block)
    {
        if (slots_.empty()) return;
        size_t i = Home(block);
        for (; slots_[i] != block; i = Next(i)) {
            if (!slots_[i]) return;
        }
        // Entries after the gap that could not sit at their home move into it.
        for (size_t j = Next(i); slots_[j]; j = Next(j)) {
            size_t home = Home(slots_[j]);
            bool stays = i <= j ? (i < home && home <= j) : (i < home || home <= j);
            if (!stays) {
                slots_[i] = slots_[j];
                i = j;
            }
        }
        slots_[i] = nullptr;
        --count_;
    }

private:
    size_t Home(const BlockRecord* block) const
    {
        uint64_t key = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(block));
        return static_cast<size_t>((key * 0x9E3779B97F4A7C15u) >> shift_);
    }

    size_t Next(size_t i) const
    {
        return (i + 1) & (slots_.size() - 1);
    }

    void Grow()
    {
        std::vector<const BlockRecord*> old(slots_.empty() ? 64 : slots_.size() * 2, nullptr);
        old.swap(slots_);
        shift_ = 64 - std::countr_zero(slots_.size());
        count_ = 0;
        for (const BlockRecord* block : old) {
            if (block) Insert(block);
        }
    }

    std::vector<const BlockRecord*> slots_;  // a power of two, at most half full
    size_t count_ = 0;
    int shift_ = 64;
};

LiveBlocks& Registry()
{
    static LiveBlocks live;
    return live;
}

bool IsLive(const BlockRecord* block)
{
    return block && Registry().Contains(block);
}

size_t RoundUp(size_t n, size_t step)
{
    return (n + step - 1) / step * step;
}

// A mapping: its start, the bytes reserved, the bytes usable from its start.
struct Mapping {
    unsigned char* base;
    size_t reserved;
    size_t committed;
};

#if defined(__linux__)

// Freed mappings kept for reuse; guarded by the registry lock.
Mapping kept[kKeptMappings];

// Address space for `bytes` (a multiple of a huge page), aligned to a huge
// page and not yet usable; null when none is left.
unsigned char* Reserve(size_t bytes)
{
    size_t span = bytes + kHugePage;
    void* start = ::mmap(nullptr, span, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED) return nullptr;
    auto first = reinterpret_cast<uintptr_t>(start);
    uintptr_t aligned = RoundUp(first, kHugePage);
    if (aligned > first) ::munmap(start, aligned - first);
    if (first + span > aligned + bytes) {
        ::munmap(reinterpret_cast<void*>(aligned + bytes), first + span - aligned - bytes);
    }
    auto* base = reinterpret_cast<unsigned char*>(aligned);
    ::madvise(base, bytes, MADV_HUGEPAGE);  // where the system offers them; harmless elsewhere
    return base;
}

// Reserves room for `needed` bytes and as much again to grow into; null
// when even the bare need cannot be reserved.
unsigned char* ReserveFor(size_t needed, size_t* reserved)
{
    size_t roomy = RoundUp(std::max(kLeastReserve, needed * 2), kHugePage);
    unsigned char* base = Reserve(roomy);
    if (!base) base = Reserve(roomy = RoundUp(needed, kHugePage));
    *reserved = base ? roomy : 0;
    return base;
}

// Makes bytes [from, to) of a mapping usable; false when the system refuses.
bool Commit(unsigned char* base, size_t from, size_t to)
{
    return to <= from || ::mprotect(base + from, to - from, PROT_READ | PROT_WRITE) == 0;
}

// Gives bytes [from, to) of a mapping back to the system, still reserved.
void Decommit(unsigned char* base, size_t from, size_t to)
{
    if (to <= from) return;
    if (::mmap(base + from, to - from, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != MAP_FAILED) {
        ::madvise(base + from, to - from, MADV_HUGEPAGE);
    }
}

// A mapping with `needed` usable bytes: a kept one, or a new one.
bool NewMapping(size_t needed, Mapping* out)
{
    size_t commit = RoundUp(needed, kHugePage);
    *out = Mapping{};
    {
        std::lock_guard<std::mutex> guard(RegistryLock());
        for (Mapping& mapping : kept) {
            if (mapping.base && mapping.reserved >= commit) {
                std::swap(*out, mapping);
                break;
            }
        }
    }
    if (!out->base && !(out->base = ReserveFor(needed, &out->reserved))) return false;
    if (!Commit(out->base, out->committed, commit)) {
        ::munmap(out->base, out->reserved);
        return false;
    }
    out->committed = std::max(out->committed, commit);
    return true;
}

// Frees a mapping, or keeps it for the next one.
void ReleaseMapping(Mapping mapping)
{
    if (mapping.committed <= kKeptCommitted) {
        ::madvise(mapping.base, mapping.committed, MADV_FREE);  // the system may take the pages back
        std::lock_guard<std::mutex> guard(RegistryLock());
        Mapping* slot = std::find_if(kept, kept + kKeptMappings, [](const Mapping& m) { return !m.base; });
        std::swap(mapping, slot != kept + kKeptMappings ? *slot : kept[0]);  // the newest is kept
        if (!mapping.base) return;
    }
    ::munmap(mapping.base, mapping.reserved);
}

// Resizes a mapping to `needed` usable bytes, contents kept; false with the
// mapping as it was. A block that shrinks gives the pages past its new end
// back; one that grows keeps them (a reused mapping may have more usable
// pages than the block had yet used, and they are the ones it grows into).
bool ResizeMapping(Mapping* mapping, size_t needed, bool shrinks)
{
    size_t commit = RoundUp(needed, kHugePage);
    if (commit <= mapping->reserved) {
        if (!Commit(mapping->base, mapping->committed, commit)) return false;
        if (shrinks) {
            Decommit(mapping->base, commit, mapping->committed);
            mapping->committed = commit;
        } else {
            mapping->committed = std::max(mapping->committed, commit);
        }
        return true;
    }
    // Past the reservation: a larger one, made usable first, then the pages
    // move into it (copied only where they cannot move).
    Mapping fresh{};
    if (!(fresh.base = ReserveFor(needed, &fresh.reserved))) return false;
    if (!Commit(fresh.base, mapping->committed, commit)) {
        ::munmap(fresh.base, fresh.reserved);
        return false;
    }
    unsigned char* base = mapping->base;
    if (::mremap(base, mapping->committed, mapping->committed, MREMAP_MAYMOVE | MREMAP_FIXED, fresh.base) ==
        MAP_FAILED) {
        if (!Commit(fresh.base, 0, mapping->committed)) {
            ::munmap(fresh.base, fresh.reserved);
            return false;
        }
        std::memcpy(fresh.base, base, mapping->committed);
        ::munmap(base, mapping->committed);
    }
    ::munmap(base + mapping->committed, mapping->reserved - mapping->committed);
    fresh.committed = commit;
    *mapping = fresh;
    return true;
}

#else

bool NewMapping(size_t, Mapping*)
{
    return false;
}

void ReleaseMapping(Mapping) {}

bool ResizeMapping(Mapping*, size_t, bool)
{
    return false;
}

#endif

// The largest block: far below any size whose arithmetic could overflow.
constexpr size_t kLargestData = SIZE_MAX / 4;

// Fresh storage for `bytes` of data, with the pointer back to `owner`, into
// `fields` (the owner's record, or a copy of it).
bool NewData(BlockRecord* owner, size_t bytes, BlockRecord* fields)
{
    if (bytes > kLargestData) return false;
    size_t needed = bytes + kDataOffset;
    Mapping mapping{};
    if (kMapsLargeBlocks && needed >= kMappedFrom) {
        if (!NewMapping(needed, &mapping)) return false;
    } else if (!(mapping.base = static_cast<unsigned char*>(std::malloc(needed)))) {
        return false;
    }
    std::memcpy(mapping.base, &owner, sizeof owner);
    fields->data = mapping.base + kDataOffset;
    fields->reserved = mapping.reserved;
    fields->committed = mapping.committed;
    return true;
}

Mapping MappingOf(const BlockRecord& fields)
{
    return {fields.data - kDataOffset, fields.reserved, fields.committed};
}

void FreeData(const BlockRecord& fields)
{
    if (fields.reserved) ReleaseMapping(MappingOf(fields));
    else std::free(fields.data - kDataOffset);
}

// Resizes the storage of `owner`, whose fields are in `fields`, for `bytes`
// of data, contents kept; false with the storage as it was.
bool ResizeData(BlockRecord* owner, size_t bytes, BlockRecord* fields)
{
    if (bytes > kLargestData) return false;
    size_t needed = bytes + kDataOffset;
    unsigned char* base = fields->data - kDataOffset;
    if (fields->reserved) {
        Mapping mapping = MappingOf(*fields);
        if (!ResizeMapping(&mapping, needed, bytes < fields->size)) return false;
        fields->data = mapping.base + kDataOffset;
        fields->reserved = mapping.reserved;
        fields->committed = mapping.committed;
        return true;
    }
    if (!kMapsLargeBlocks || needed < kMappedFrom) {
        // The pointer back to the record travels with the bytes.
        auto* raw = static_cast<unsigned char*>(std::realloc(base, needed));
        if (!raw) return false;
        fields->data = raw + kDataOffset;
        return true;
    }
    // Grown large: into a mapping, copied this once.
    BlockRecord moved = *fields;
    if (!NewData(owner, bytes, &moved)) return false;
    std::memcpy(moved.data, fields->data, std::min(fields->size, bytes));
    std::free(base);
    *fields = moved;
    return true;
}

}  // namespace

HGLOBAL PlatGlobalAlloc(size_t bytes)
{
    if (SeamFailThisAllocation()) return nullptr;
    auto* block = static_cast<BlockRecord*>(std::malloc(sizeof(BlockRecord)));
    if (!block) return nullptr;
    *block = BlockRecord{};
    if (!NewData(block, bytes, block)) {
        std::free(block);
        return nullptr;
    }
    block->size = bytes;
    try {
        std::lock_guard<std::mutex> guard(RegistryLock());
        Registry().Insert(block);
    } catch (...) {
        FreeData(*block);
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
    BlockRecord fields;
    {
        std::lock_guard<std::mutex> guard(RegistryLock());
        if (!IsLive(block)) return nullptr;
        fields = *block;
    }
    if (SeamFailThisAllocation()) return nullptr;
    // The storage changes outside the lock (a block belongs to one thread at
    // a time); the record changes under it.
    if (!ResizeData(block, bytes, &fields)) return nullptr;  // the block is as it was
    std::lock_guard<std::mutex> guard(RegistryLock());
    block->data = fields.data;
    block->size = bytes;
    block->reserved = fields.reserved;
    block->committed = fields.committed;
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
        Registry().Erase(block);
    }
    FreeData(*block);
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
    PlatPiece piece{data, length};
    return PlatWritePieces(file, &piece, 1);
}

int PlatWritePieces(PlatFile file, const PlatPiece* pieces, int count)
{
    iovec vectors[kPlatMaxPieces];
    int left = 0;
    for (int i = 0; i < count && i < kPlatMaxPieces; ++i) {
        if (pieces[i].length) vectors[left++] = {const_cast<void*>(pieces[i].data), pieces[i].length};
    }
    int fd = ToDescriptor(file);
    iovec* at = vectors;
    while (left > 0) {
        ssize_t n = ::writev(fd, at, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return 0;
        }
        if (n == 0) return 0;
        // A short write: on from where it stopped.
        auto done = static_cast<size_t>(n);
        while (left > 0 && done >= at->iov_len) {
            done -= at->iov_len;
            ++at;
            --left;
        }
        if (left > 0) {
            at->iov_base = static_cast<char*>(at->iov_base) + done;
            at->iov_len -= done;
        }
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

int PlatFlushFile(PlatFile file)
{
    int result;
    do {
        result = ::fsync(ToDescriptor(file));
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

namespace {

// Copies `text` (its first `length` bytes) after `out`'s first `at` bytes;
// false when it does not fit.
bool PutPath(char* out, size_t at, const char* text, size_t length)
{
    if (at + length >= kPlatPathCapacity) return false;
    std::memcpy(out + at, text, length);
    out[at + length] = '\0';
    return true;
}

// The length of the folder part of `path`, its last slash included; 0 for
// a name in the current folder.
size_t FolderLength(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return slash ? static_cast<size_t>(slash - path) + 1 : 0;
}

// Follows the symbolic links that `target` names, up to the final file,
// which `info` then describes; `exists` is false when that file is missing.
bool FollowLinks(char* target, struct stat* info, bool* exists)
{
    for (int hops = 0; hops < 40; ++hops) {
        if (::lstat(target, info) != 0) {
            *exists = false;
            return errno == ENOENT;
        }
        if (!S_ISLNK(info->st_mode)) {
            *exists = true;
            return true;
        }
        char link[kPlatPathCapacity];
        ssize_t n = ::readlink(target, link, sizeof link);
        if (n <= 0 || static_cast<size_t>(n) >= sizeof link) return false;
        size_t at = link[0] == '/' ? 0 : FolderLength(target);  // a relative link starts in the link's folder
        if (!PutPath(target, at, link, static_cast<size_t>(n))) return false;
    }
    return false;  // a loop of links
}

}  // namespace

int PlatBeginReplace(const char* path, PlatReplacement* replacement)
{
    struct stat info;
    replacement->existed = ::lstat(path, &info) == 0 || errno != ENOENT;
    bool exists = false;
    if (!PutPath(replacement->target, 0, path, std::strlen(path)) ||
        !FollowLinks(replacement->target, &info, &exists)) {
        return 0;
    }
    if (exists && (!S_ISREG(info.st_mode) || ::faccessat(AT_FDCWD, replacement->target, W_OK, AT_EACCESS) != 0)) {
        return 0;
    }
    static std::atomic<unsigned> serial{0};
    size_t folder = FolderLength(replacement->target);
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        char name[64];
        int n = std::snprintf(name, sizeof name, ".velrtf-%ld-%u.tmp", static_cast<long>(::getpid()),
                              serial.fetch_add(1));
        if (!PutPath(replacement->temp, 0, replacement->target, folder) ||
            !PutPath(replacement->temp, folder, name, static_cast<size_t>(n))) {
            return 0;
        }
        fd = ::open(replacement->temp, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST && errno != EINTR) return 0;
    }
    if (fd < 0) return 0;
    if (exists) {
        // The target's owner where this process may give it away, else this
        // process's; then its mode (a change of owner clears the set-id bits).
        if (::fchown(fd, info.st_uid, info.st_gid) != 0) {
            // Not this process's to give: the new file stays its own.
        }
        ::fchmod(fd, info.st_mode & 07777);
    }
    replacement->file = ToFile(fd);
    return 1;
}

int PlatCommitReplace(PlatReplacement* replacement)
{
    ::close(ToDescriptor(replacement->file));
    replacement->file = nullptr;
    if (::rename(replacement->temp, replacement->target) != 0) {
        ::unlink(replacement->temp);
        return 0;
    }
    // The new name itself reaches stable storage with its folder.
    char folder[kPlatPathCapacity];
    size_t length = FolderLength(replacement->target);
    if (length == 0) PutPath(folder, 0, ".", 1);
    else PutPath(folder, 0, replacement->target, length);
    int fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return 1;
}

void PlatAbandonReplace(PlatReplacement* replacement)
{
    PlatCloseFile(replacement->file);
    replacement->file = nullptr;
    ::unlink(replacement->temp);
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

int PlatEnumFonts(const char* face, PlatFontCallback callback, intptr_t user)
{
    int family = 0, charset = 0, installed = 0;
    if (!SeamLookUpFont(face, &family, &charset, &installed)) {
        installed = PosixLookUpFont(face, &family, &charset);
    }
    if (installed < 0) return 0;
    if (installed == 0) return 1;
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
    return 1;
}

// ---- Library entry ---------------------------------------------------------------------------

namespace {

__attribute__((constructor)) void OnLibraryLoad()
{
    LibraryMain(1);
}

}  // namespace
