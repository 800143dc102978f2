// The platform layer as the library uses it: on Windows kernel32, user32 and
// gdi32 themselves; elsewhere the POSIX backend, held to the same behaviour.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/document.h"
#include "core/memory.h"
#include "core/messages.h"
#include "platform/platform.h"
#include "rtf_test.h"
#include "seam_test.h"
#include "system_expect.h"

TEST(PlatformMemory, MovableBlocksKeepTheirHandleLocksAndBytes)
{
    const std::string text = "0123456789abcdef";
    HGLOBAL block = PlatGlobalAlloc(16);
    auto* data = static_cast<char*>(PlatGlobalLock(block));
    ASSERT_TRUE(data);
    std::memcpy(data, text.data(), 16);
    EXPECT_EQ(PlatGlobalHandle(data), block);
    EXPECT_EQ(PlatGlobalLock(block), data);
    EXPECT_NE(PlatGlobalUnlock(block), 0);  // locks are counted: still locked once
    EXPECT_EQ(PlatGlobalUnlock(block), 0);
    VelTestFailAllocation(1);
    EXPECT_EQ(PlatGlobalReAlloc(block, 5000), nullptr);  // a failed resize leaves the block as it was
    VelTestFailAllocation(0);
    // Small and large blocks (on Linux, large ones live in mappings of their
    // own, which grow in place and then move to a larger reservation).
    for (size_t size : {16u, 4000u, 300000u, 5000000u, 70000000u, 150000000u, 400000u, 20u, 1u}) {
        ASSERT_EQ(PlatGlobalReAlloc(block, size), block) << size;  // a movable block keeps its handle
#ifdef _WIN32
        EXPECT_GE(PlatGlobalSize(block), size);  // Windows may round up
#else
        EXPECT_EQ(PlatGlobalSize(block), size);
#endif
        char* bytes = static_cast<char*>(PlatGlobalLock(block));
        EXPECT_EQ(bytes ? std::string(bytes, size < 16 ? size : 16) : "<not locked>", text.substr(0, size)) << size;
        if (bytes && size > 16) bytes[size - 1] = 'z';  // all of it is there to write
        PlatGlobalUnlock(block);
    }
    EXPECT_EQ(PlatGlobalFree(block), nullptr);
    // The library's own blocks are locked for life: a failed growth leaves the old pointer good.
    data = static_cast<char*>(OurAlloc(10));
    ASSERT_TRUE(data);
    std::memcpy(data, "abcdefghij", 11);  // the extra byte is there
    VelTestFailAllocation(1);
    EXPECT_EQ(OurRealloc(data, 200000), nullptr);
    VelTestFailAllocation(0);
    data[0] = 'A';
    ASSERT_TRUE(data = static_cast<char*>(OurRealloc(data, 200000)));
    EXPECT_STREQ(data, "Abcdefghij");
    OurFree(data);
    OurFree(nullptr);
}

// Blocks freed in any order leave every other block known by its handle and
// its data pointer.
TEST(PlatformMemory, ManyBlocksFreedInAnyOrder)
{
    std::mt19937 random(3);
    std::vector<HGLOBAL> blocks;
    for (size_t i = 0; i < 3000; ++i) blocks.push_back(PlatGlobalAlloc(i % 50 + 1));
    std::shuffle(blocks.begin(), blocks.end(), random);
    while (!blocks.empty()) {
        ASSERT_EQ(PlatGlobalFree(blocks.back()), nullptr);
        blocks.pop_back();
        for (size_t i = blocks.size() % 7; i < blocks.size(); i += 97) {
            ASSERT_GT(PlatGlobalSize(blocks[i]), 0u);
            void* data = PlatGlobalLock(blocks[i]);
            ASSERT_EQ(PlatGlobalHandle(data), blocks[i]);
            PlatGlobalUnlock(blocks[i]);
        }
    }
}

TEST(PlatformFiles, EveryByteComesBackAndMissingPathsGiveNoFile)
{
    std::string bytes, path = TempPath("velrtf-platform-bytes.bin");
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    bytes += "\r\n\n\r\x1A";
    for (const std::string& content : {std::string(300, 'x'), bytes}) {  // the second replaces the longer first
        PlatFile out = PlatCreateFile(path.c_str());
        ASSERT_TRUE(out);
        EXPECT_EQ(PlatWriteFile(out, content.data(), static_cast<uint32_t>(content.size())), 1);
        EXPECT_EQ(PlatWriteFile(out, content.data(), 0), 1);
        PlatCloseFile(out);
    }
    PlatFile in = PlatOpenFile(path.c_str());
    ASSERT_TRUE(in);
    EXPECT_EQ(PlatFileSize(in), static_cast<int64_t>(bytes.size()));
    auto read = [in](size_t n) {
        std::string buffer(n, '.');
        uint32_t got = 0;
        return PlatReadFile(in, buffer.data(), static_cast<uint32_t>(n), &got) ? buffer.substr(0, got) : "<failed>";
    };
    EXPECT_EQ(read(bytes.size() + 10), bytes);
    EXPECT_EQ(read(4), "");  // at the end: nothing, and no failure
    EXPECT_EQ(PlatSeekFile(in, 256), 1);
    EXPECT_EQ(read(3), "\r\n\n");
    PlatCloseFile(in);
    PlatDeleteFile(path.c_str());
    EXPECT_EQ(PlatOpenFile(path.c_str()), nullptr);
    EXPECT_EQ(PlatCreateFile(TempPath("velrtf-no-such-folder/x.bin").c_str()), nullptr);
    PlatCloseFile(nullptr);
}

// What the library reads from the system, and what each pass of the Windows
// suite expects of it.
TEST(PlatformSystem, ScreenResolutionAndCodePage)
{
    int x = 96, y = 96;      // the POSIX backend's screen
    bool multiByte = false;  // and its single-byte code page
#ifdef _WIN32
    HDC screen = GetDC(nullptr);
    x = GetDeviceCaps(screen, LOGPIXELSX), y = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    CPINFO info;
    ASSERT_TRUE(GetCPInfo(CP_ACP, &info));
    multiByte = info.MaxCharSize > 1;
    const int dpi = ExpectedDpi(), page = ExpectedCodePage();  // 0: the run does not say
    EXPECT_EQ(std::pair(x, y), dpi ? std::pair(dpi, dpi) : std::pair(x, y)) << "not this pass's resolution";
    EXPECT_EQ(GetACP(), page ? UINT(page) : GetACP()) << "not this pass's code page";
#endif
    EXPECT_EQ(MultiByteSystem(), multiByte ? 1 : 0);
    auto resolution = [](const TestDoc& doc) { return std::pair(doc.get()->ResX, doc.get()->ResY); };
    EXPECT_EQ(resolution(TestDoc()), std::pair(x, y));
    VelTestSetScreenResolution(120, 144);  // the seam stands in for the screen, until reset
    EXPECT_EQ(resolution(TestDoc()), std::pair(120, 144));
    VelTestSetScreenResolution(0, 0);
    EXPECT_EQ(resolution(TestDoc()), std::pair(x, y));
}

// The product is formed in 64 bits; -1 for a zero divisor or a result past 32 bits.
TEST(PlatformArithmetic, MulDivRoundsHalvesAwayFromZeroAndFailsWithMinusOne)
{
    for (auto [a, b, c, result] : std::initializer_list<std::tuple<int, int, int, int>>{
             {13, 1440, 96, 195}, {10, 5, 4, 13}, {-10, 5, 4, -13}, {10, -5, 4, -13}, {10, 5, -4, -13},
             {-10, -5, -4, -13}, {-10, -5, 4, 13}, {7, 1, 3, 2}, {8, 1, 3, 3}, {100000, 100000, 100000, 100000},
             {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {5, 7, 0, -1}, {INT_MAX, 2, 1, -1}, {INT_MAX, -3, 1, -1}}) {
        EXPECT_EQ(PlatMulDiv(a, b, c), result) << a << " * " << b << " / " << c;
    }
}

TEST(PlatformStrings, CompareNoCase)
{
    for (auto [a, b, sign] : std::initializer_list<std::tuple<const char*, const char*, int>>{
             {"Arial", "ARIAL", 0}, {"courier new", "Courier New", 0}, {"", "", 0}, {"Arial", "Arial Black", -1},
             {"Arial Black", "arial", 1}, {"arial", "Times", -1}, {"times", "Arial", 1}}) {
        EXPECT_EQ((PlatCompareNoCase(a, b) > 0) - (PlatCompareNoCase(a, b) < 0), sign) << a << " / " << b;
    }
#ifdef _WIN32
    if (GetACP() != 1252) return;  // an accented capital matches its small letter under 1252 only
#endif
    EXPECT_EQ(PlatCompareNoCase("Caf\xC9", "caf\xE9"), 0);
    EXPECT_NE(PlatCompareNoCase("Caf\xC9", "Cafe"), 0);
}
