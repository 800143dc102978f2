// The test seams, shared by both platform backends. All state is atomic, so
// documents on several threads may run while a test turns a switch.
#include "seams.h"

#include <atomic>

namespace {

std::atomic<int64_t> allocationCount{0};
std::atomic<int64_t> failOnlyAt{0};   // absolute count that fails, 0 = none
std::atomic<int64_t> failFrom{0};     // absolute count from which all fail, 0 = none

std::atomic<int64_t> readCount{0};
std::atomic<int64_t> failReadAt{0};  // absolute count that fails, 0 = none

std::atomic<VelTestMessageHook> messageHook{nullptr};
std::atomic<void*> messageHookUser{nullptr};

std::atomic<int> resolutionX{0};
std::atomic<int> resolutionY{0};

std::atomic<VelTestFontSource> fontSource{nullptr};

}  // namespace

void VelTestFailAllocation(int nth)
{
    failOnlyAt.store(nth > 0 ? allocationCount.load() + nth : 0);
}

void VelTestFailAllocationsFrom(int nth)
{
    failFrom.store(nth > 0 ? allocationCount.load() + nth : 0);
}

int64_t VelTestAllocationCount()
{
    return allocationCount.load();
}

void VelTestFailFileRead(int nth)
{
    failReadAt.store(nth > 0 ? readCount.load() + nth : 0);
}

void VelTestSetMessageHook(VelTestMessageHook hook, void* user)
{
    messageHookUser.store(user);
    messageHook.store(hook);
}

void VelTestSetScreenResolution(int x, int y)
{
    resolutionX.store(x);
    resolutionY.store(y);
}

void VelTestSetFontSource(VelTestFontSource source)
{
    fontSource.store(source);
}

bool SeamFailThisAllocation()
{
    int64_t n = allocationCount.fetch_add(1) + 1;
    int64_t only = failOnlyAt.load();
    if (only != 0 && n == only) return true;
    int64_t from = failFrom.load();
    return from != 0 && n >= from;
}

bool SeamFailThisRead()
{
    int64_t n = readCount.fetch_add(1) + 1;
    return n == failReadAt.load();
}

bool SeamTakeMessageBox(const char* text, const char* caption)
{
    VelTestMessageHook hook = messageHook.load();
    if (!hook) return false;
    hook(text, caption, messageHookUser.load());
    return true;
}

bool SeamScreenResolution(int* x, int* y)
{
    int rx = resolutionX.load(), ry = resolutionY.load();
    if (rx == 0 && ry == 0) return false;
    *x = rx;
    *y = ry;
    return true;
}

bool SeamLookUpFont(const char* face, int* family, int* charset, int* installed)
{
    VelTestFontSource source = fontSource.load();
    if (!source) return false;
    *family = 0;
    *charset = 0;
    // A lookup allocates, so the stand-in counts as one allocation too.
    *installed = SeamFailThisAllocation() ? -1 : source(face, family, charset);
    return true;
}
