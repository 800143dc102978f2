// The platform layer as the library uses it, on whichever system the tests
// run: movable memory, files, the screen resolution and the code page read
// by the library, MulDiv and the case-blind comparison. On Windows these are
// kernel32, user32 and gdi32 themselves; the same tests hold the POSIX
// backend to the same behaviour.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "core/document.h"
#include "core/memory.h"
#include "core/messages.h"
#include "platform/platform.h"
#include "rtf_test.h"
#include "seam_test.h"
#include "system_expect.h"

namespace {

// Whether the system's ANSI code page is Windows-1252 (the POSIX backend's
// is, always).
bool AnsiIs1252()
{
#ifdef _WIN32
    return GetACP() == 1252;
#else
    return true;
#endif
}

std::string LockedBytes(HGLOBAL block, size_t n)
{
    const char* data = static_cast<const char*>(PlatGlobalLock(block));
    if (!data) return "<not locked>";
    std::string bytes(data, n);
    PlatGlobalUnlock(block);
    return bytes;
}

}  // namespace

// ---- Movable memory -------------------------------------------------------------

TEST(PlatformMemory, ResizesKeepTheHandleAndTheBytes)
{
    HGLOBAL block = PlatGlobalAlloc(16);
    ASSERT_TRUE(block);
    auto* data = static_cast<char*>(PlatGlobalLock(block));
    ASSERT_TRUE(data);
    std::memcpy(data, "0123456789abcdef", 16);
    EXPECT_EQ(PlatGlobalHandle(data), block);
    EXPECT_EQ(PlatGlobalUnlock(block), 0);
    for (size_t size : {4000u, 300000u, 20u, 1u}) {
        SCOPED_TRACE("resized to " + std::to_string(size));
        ASSERT_EQ(PlatGlobalReAlloc(block, size), block);  // a movable block keeps its handle
#ifdef _WIN32
        EXPECT_GE(PlatGlobalSize(block), size);  // Windows may round up
#else
        EXPECT_EQ(PlatGlobalSize(block), size);
#endif
        size_t kept = size < 16 ? size : 16;
        EXPECT_EQ(LockedBytes(block, kept), std::string("0123456789abcdef", kept));
    }
    EXPECT_EQ(PlatGlobalFree(block), nullptr);
}

TEST(PlatformMemory, LocksAreCounted)
{
    HGLOBAL block = PlatGlobalAlloc(8);
    ASSERT_TRUE(block);
    void* first = PlatGlobalLock(block);
    void* second = PlatGlobalLock(block);
    ASSERT_TRUE(first);
    EXPECT_EQ(first, second);
    EXPECT_NE(PlatGlobalUnlock(block), 0);  // still locked once
    EXPECT_EQ(PlatGlobalUnlock(block), 0);
    EXPECT_EQ(PlatGlobalFree(block), nullptr);
}

TEST(PlatformMemory, FailedResizeLeavesTheBlockAsItWas)
{
    HGLOBAL block = PlatGlobalAlloc(5);
    ASSERT_TRUE(block);
    std::memcpy(PlatGlobalLock(block), "kept!", 5);
    PlatGlobalUnlock(block);
    VelTestFailAllocation(1);
    EXPECT_EQ(PlatGlobalReAlloc(block, 5000), nullptr);
    VelTestFailAllocation(0);
    EXPECT_EQ(LockedBytes(block, 5), "kept!");
    EXPECT_EQ(PlatGlobalFree(block), nullptr);
}

// The library's own blocks: locked for life, found again from the pointer.
TEST(PlatformMemory, OwnBlocksGrowAndSurviveAFailedGrowth)
{
    auto* data = static_cast<char*>(OurAlloc(10));
    ASSERT_TRUE(data);
    std::memcpy(data, "abcdefghij", 11);  // the extra byte is there
    data = static_cast<char*>(OurRealloc(data, 100000));
    ASSERT_TRUE(data);
    EXPECT_STREQ(data, "abcdefghij");
    VelTestFailAllocation(1);
    EXPECT_EQ(OurRealloc(data, 200000), nullptr);
    VelTestFailAllocation(0);
    // The old pointer is still good and still locked: it can be written and
    // grown again.
    data[0] = 'A';
    data = static_cast<char*>(OurRealloc(data, 200000));
    ASSERT_TRUE(data);
    EXPECT_STREQ(data, "Abcdefghij");
    OurFree(data);
    OurFree(nullptr);
}

// ---- Files --------------------------------------------------------------------------

TEST(PlatformFiles, EveryByteComesBackExactly)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    bytes += "\r\n\n\r\x1A";
    std::string path = TempPath("velrtf-platform-bytes.bin");
    PlatFile out = PlatCreateFile(path.c_str());
    ASSERT_TRUE(out);
    EXPECT_EQ(PlatWriteFile(out, bytes.data(), static_cast<uint32_t>(bytes.size())), 1);
    EXPECT_EQ(PlatWriteFile(out, bytes.data(), 0), 1);
    PlatCloseFile(out);

    PlatFile in = PlatOpenFile(path.c_str());
    ASSERT_TRUE(in);
    EXPECT_EQ(PlatFileSize(in), static_cast<int64_t>(bytes.size()));
    std::string read(bytes.size() + 10, '.');
    uint32_t got = 0;
    EXPECT_EQ(PlatReadFile(in, read.data(), static_cast<uint32_t>(read.size()), &got), 1);
    EXPECT_EQ(got, bytes.size());
    EXPECT_EQ(read.substr(0, got), bytes);
    EXPECT_EQ(PlatReadFile(in, read.data(), 4, &got), 1);  // at the end: nothing, and no failure
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(PlatSeekFile(in, 256), 1);
    EXPECT_EQ(PlatReadFile(in, read.data(), 3, &got), 1);
    EXPECT_EQ(read.substr(0, got), "\r\n\n");
    PlatCloseFile(in);
    PlatDeleteFile(path.c_str());
}

TEST(PlatformFiles, CreateReplacesAndDeleteRemoves)
{
    std::string path = TempPath("velrtf-platform-replace.bin");
    for (const char* content : {"a longer first content", "short"}) {
        PlatFile out = PlatCreateFile(path.c_str());
        ASSERT_TRUE(out);
        EXPECT_EQ(PlatWriteFile(out, content, static_cast<uint32_t>(std::strlen(content))), 1);
        PlatCloseFile(out);
    }
    EXPECT_EQ(ReadFileBytes(path), "short");
    PlatDeleteFile(path.c_str());
    EXPECT_EQ(PlatOpenFile(path.c_str()), nullptr);
    EXPECT_EQ(ReadFileBytes(path), "<missing>");
}

TEST(PlatformFiles, MissingFileOrFolderGivesNoFile)
{
    EXPECT_EQ(PlatOpenFile(TempPath("velrtf-no-such-file.bin").c_str()), nullptr);
    EXPECT_EQ(PlatCreateFile(TempPath("velrtf-no-such-folder/x.bin").c_str()), nullptr);
    PlatCloseFile(nullptr);
}

// ---- Screen resolution and code page, as read by the library -----------------------

TEST(PlatformDisplay, NewDocumentsTakeTheScreenResolution)
{
#ifdef _WIN32
    HDC screen = GetDC(nullptr);
    ASSERT_TRUE(screen);
    int x = GetDeviceCaps(screen, LOGPIXELSX);
    int y = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (int dpi = ExpectedDpi()) {
        EXPECT_EQ(x, dpi) << "the test run expected another screen resolution";
        EXPECT_EQ(y, dpi);
    }
#else
    int x = 96, y = 96;
#endif
    TestDoc doc;
    EXPECT_EQ(doc.get()->ResX, x);
    EXPECT_EQ(doc.get()->ResY, y);
}

TEST(PlatformDisplay, TheSeamStandsInForTheScreen)
{
    TestDoc before;
    VelTestSetScreenResolution(120, 144);
    TestDoc during;
    VelTestSetScreenResolution(0, 0);
    TestDoc after;
    EXPECT_EQ(during.get()->ResX, 120);
    EXPECT_EQ(during.get()->ResY, 144);
    EXPECT_EQ(after.get()->ResX, before.get()->ResX);
    EXPECT_EQ(after.get()->ResY, before.get()->ResY);
}

TEST(PlatformCodePage, MultiByteFlagFollowsTheAnsiCodePage)
{
#ifdef _WIN32
    CPINFO info;
    ASSERT_TRUE(GetCPInfo(CP_ACP, &info));
    bool multiByte = info.MaxCharSize > 1;
    if (int codePage = ExpectedCodePage()) {
        EXPECT_EQ(GetACP(), static_cast<UINT>(codePage)) << "the test run expected another code page";
        CPINFO expected;
        ASSERT_TRUE(GetCPInfo(static_cast<UINT>(codePage), &expected));
        EXPECT_EQ(multiByte, expected.MaxCharSize > 1);
    }
#else
    bool multiByte = false;
#endif
    EXPECT_EQ(MultiByteSystem(), multiByte ? 1 : 0);
    EXPECT_EQ(PlatMultiByteCodePage(), multiByte ? 1 : 0);
}

// ---- Arithmetic and strings ---------------------------------------------------------

TEST(PlatformArithmetic, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(PlatMulDiv(13, 1440, 96), 195);
    EXPECT_EQ(PlatMulDiv(10, 5, 4), 13);  // 12.5
    EXPECT_EQ(PlatMulDiv(-10, 5, 4), -13);
    EXPECT_EQ(PlatMulDiv(10, -5, 4), -13);
    EXPECT_EQ(PlatMulDiv(10, 5, -4), -13);
    EXPECT_EQ(PlatMulDiv(-10, -5, -4), -13);
    EXPECT_EQ(PlatMulDiv(-10, -5, 4), 13);
    EXPECT_EQ(PlatMulDiv(7, 1, 3), 2);
    EXPECT_EQ(PlatMulDiv(8, 1, 3), 3);
    EXPECT_EQ(PlatMulDiv(100000, 100000, 100000), 100000);  // the product passes 32 bits
    EXPECT_EQ(PlatMulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
}

TEST(PlatformArithmetic, MulDivGivesMinusOneWhenItCannot)
{
    EXPECT_EQ(PlatMulDiv(5, 7, 0), -1);
    EXPECT_EQ(PlatMulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(PlatMulDiv(INT_MAX, -3, 1), -1);
}

TEST(PlatformStrings, CompareNoCase)
{
    EXPECT_EQ(PlatCompareNoCase("Arial", "ARIAL"), 0);
    EXPECT_EQ(PlatCompareNoCase("courier new", "Courier New"), 0);
    EXPECT_EQ(PlatCompareNoCase("", ""), 0);
    EXPECT_LT(PlatCompareNoCase("Arial", "Arial Black"), 0);
    EXPECT_GT(PlatCompareNoCase("Arial Black", "arial"), 0);
    EXPECT_LT(PlatCompareNoCase("arial", "Times"), 0);
    EXPECT_GT(PlatCompareNoCase("times", "Arial"), 0);
    if (AnsiIs1252()) {
        EXPECT_EQ(PlatCompareNoCase("Caf\xC9", "caf\xE9"), 0);
        EXPECT_NE(PlatCompareNoCase("Caf\xC9", "Cafe"), 0);
    }
}
