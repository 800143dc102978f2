// Moving bytes between a host's buffers and movable memory handles, whole or
// in chunks, and building multi-byte strings. No document is involved.
//
// Every copy is checked against the block's real size: a size or chunk that
// reaches beyond the block, a negative size or offset, or a missing buffer
// gives 0 and touches nothing.
#include <cstdint>
#include <cstring>

#include "messages.h"
#include "platform/platform.h"

namespace {

// The conversions' own report: a box with message 23 and the system's
// default title, shown even for quiet documents.
int ShowOutOfMemory()
{
    char text[64];
    CopyMessageText(ERR_OUT_OF_MEMORY, text, sizeof text);
    PlatMessageBox(text, "Error");
    return 0;
}

bool FitsBlock(HGLOBAL block, int64_t offset, int64_t length)
{
    return offset >= 0 && length >= 0 && offset + length <= static_cast<int64_t>(PlatGlobalSize(block));
}

}  // namespace

extern "C" {

VELEXPORT HGLOBAL VELAPI VelStrToHandle(const char* source, int size)
{
    if (size < 0 || (size > 0 && !source)) return nullptr;
    HGLOBAL block = PlatGlobalAlloc(static_cast<size_t>(size));
    if (!block) return ShowOutOfMemory(), nullptr;
    if (size > 0) {
        void* data = PlatGlobalLock(block);
        if (!data) {
            PlatGlobalFree(block);
            return ShowOutOfMemory(), nullptr;
        }
        std::memcpy(data, source, static_cast<size_t>(size));
        PlatGlobalUnlock(block);
    }
    return block;
}

VELEXPORT HGLOBAL VELAPI VelStrToHandleInChunks(const char* chunk, int total, HGLOBAL block, int offset,
                                               int length)
{
    if (offset < 0 || total < 0) return nullptr;
    int64_t n = length;
    if (static_cast<int64_t>(offset) + n > total) n = static_cast<int64_t>(total) - offset;
    if (n <= 0 || !chunk) return nullptr;
    bool made = false;
    if (offset == 0) {
        block = PlatGlobalAlloc(static_cast<size_t>(total));
        if (!block) return ShowOutOfMemory(), nullptr;
        made = true;
    } else if (!FitsBlock(block, offset, n)) {
        return nullptr;
    }
    auto* data = static_cast<char*>(PlatGlobalLock(block));
    if (!data) {
        if (made) PlatGlobalFree(block);
        return ShowOutOfMemory(), nullptr;
    }
    std::memcpy(data + offset, chunk, static_cast<size_t>(n));
    PlatGlobalUnlock(block);
    return block;
}

VELEXPORT int VELAPI VelHandleToStr(char* dest, int size, HGLOBAL block)
{
    if (!block || size < 0 || (size > 0 && !dest) || !FitsBlock(block, 0, size)) return 0;
    if (size > 0) {
        void* data = PlatGlobalLock(block);
        if (!data) return ShowOutOfMemory();
        std::memcpy(dest, data, static_cast<size_t>(size));
        PlatGlobalUnlock(block);
    }
    PlatGlobalFree(block);
    return 1;
}

VELEXPORT int VELAPI VelHandleToStrInChunks(char* dest, int total, HGLOBAL block, int offset, int length)
{
    if (!dest || !block || offset < 0) return 0;
    int64_t n = length;
    if (static_cast<int64_t>(offset) + n > total) n = static_cast<int64_t>(total) - offset;
    if (n <= 0 || !FitsBlock(block, offset, n)) return 0;
    auto* data = static_cast<const char*>(PlatGlobalLock(block));
    if (!data) return ShowOutOfMemory();
    std::memcpy(dest, data + offset, static_cast<size_t>(n));
    PlatGlobalUnlock(block);
    if (offset + n >= total) PlatGlobalFree(block);  // the last chunk has been read
    return 1;
}

VELEXPORT int VELAPI VelMakeMbcs(char* dest, const char* chars, const char* leads, int count)
{
    if (count == 0 || !dest) return 0;
    if (count > 0 && !chars) {
        dest[0] = '\0';
        return 0;
    }
    if (MultiByteSystem() && leads) {
        int n = 0;
        for (int i = 0; i < count; ++i) {
            if (leads[i]) dest[n++] = leads[i];
            dest[n++] = chars[i];
        }
        dest[n] = '\0';
        return n;
    }
    if (count > 0) std::memcpy(dest, chars, static_cast<size_t>(count));
    dest[count > 0 ? count : 0] = '\0';
    return count;
}

}  // extern "C"
