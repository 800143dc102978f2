#include "memory.h"

#include "messages.h"
#include "platform/platform.h"

void* OurAlloc(int size)
{
    HGLOBAL block = (size >= 0 && size <= kMaxBlockSize) ? PlatGlobalAlloc(static_cast<size_t>(size) + 1) : nullptr;
    void* data = block ? PlatGlobalLock(block) : nullptr;
    if (!data) {
        if (block) PlatGlobalFree(block);
        ReportError(nullptr, ERR_OUT_OF_MEMORY, "OurAlloc");
        return nullptr;
    }
    return data;
}

void* OurRealloc(void* data, int size)
{
    HGLOBAL block = PlatGlobalHandle(data);
    if (!block || size < 0 || size > kMaxBlockSize) {
        ReportError(nullptr, ERR_OUT_OF_MEMORY, "OurRealloc");
        return nullptr;
    }
    PlatGlobalUnlock(block);
    HGLOBAL resized = PlatGlobalReAlloc(block, static_cast<size_t>(size) + 1);
    void* moved = resized ? PlatGlobalLock(resized) : nullptr;
    if (!moved) {
        // The old block is intact; lock it again so the caller's pointer stays good.
        void* again = PlatGlobalLock(resized ? resized : block);
        (void)again;
        ReportError(nullptr, ERR_OUT_OF_MEMORY, "OurRealloc");
        return nullptr;
    }
    return moved;
}

void OurFree(void* data)
{
    if (!data) return;
    HGLOBAL block = PlatGlobalHandle(data);
    if (!block) return;
    PlatGlobalUnlock(block);
    PlatGlobalFree(block);
}
