// Moving bytes between host buffers and memory handles.
#include <gtest/gtest.h>

#include <cstring>

#include "rtf_test.h"

namespace {

std::string BlockBytes(HGLOBAL block)
{
    const char* data = static_cast<const char*>(GlobalLock(block));
    std::string bytes(data, GlobalSize(block));
    GlobalUnlock(block);
    return bytes;
}

}  // namespace

TEST(Conversion, WholeAndInChunks)
{
    HGLOBAL block = VelStrToHandle("abcdef", 4);
    EXPECT_EQ(GlobalSize(block), 4u);
    EXPECT_EQ(BlockBytes(block), "abcd");
    GlobalFree(block);
    const char source[] = "0123456789";
    block = VelStrToHandleInChunks(source, 10, nullptr, 0, 4);
    EXPECT_EQ(VelStrToHandleInChunks(source + 4, 10, block, 4, 4), block);
    EXPECT_EQ(VelStrToHandleInChunks(source + 8, 10, block, 8, 4), block);  // copies 2
    EXPECT_EQ(VelStrToHandleInChunks(source, 10, block, 10, 4), nullptr);
    EXPECT_EQ(BlockBytes(block), "0123456789");
    char buffer[8] = ".......";
    std::string read;
    for (int offset = 0; offset < 12; offset += 4) {
        ASSERT_EQ(VelHandleToStrInChunks(buffer, 10, block, offset, 4), 1);
        read.append(buffer, 4);
    }
    EXPECT_EQ(read, "012345678967");  // the last chunk copied 2 bytes ("89") and freed the block
    TestDoc doc;
    VelInsertText(doc, "Hi");
    int length = 0;
    block = VelGetData(doc, &length);
    std::string text(static_cast<size_t>(length), 'x');
    ASSERT_EQ(VelHandleToStr(text.data(), length, block), 1);
    EXPECT_EQ(text, std::string("{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj\\sectd Hi}") + '\0');
#ifndef _WIN32
    // Both blocks are gone: freeing them again is refused. (On Windows a freed
    // handle must not be touched at all.)
    EXPECT_EQ(GlobalFree(block), block);
#endif
}

TEST(Conversion, MakeMbcsOnASingleByteSystemCopiesTheCharacters)
{
#ifdef _WIN32
    CPINFO info;
    GetCPInfo(CP_ACP, &info);
    if (info.MaxCharSize > 1) GTEST_SKIP() << "the system code page is multi-byte";
#endif
    char out[8];
    const char chars[] = {'a', 'b'};
    const char leads[] = {'\x82', 0};
    EXPECT_EQ(VelMakeMbcs(out, chars, leads, 2), 2);
    EXPECT_STREQ(out, "ab");
    std::strcpy(out, "keep");
    EXPECT_EQ(VelMakeMbcs(out, chars, leads, 0), 0);
    EXPECT_STREQ(out, "keep");
    EXPECT_EQ(VelMakeMbcs(out, chars, nullptr, -3), -3);
    EXPECT_STREQ(out, "");
}

// Reads and writes never leave the block: a size or chunk beyond it, or a
// negative offset, gives 0 and leaves the block as it was.
TEST(Conversion, OutOfBlockRequestsAreRefused)
{
    HGLOBAL block = VelStrToHandle("0123456789", 10);
    ASSERT_TRUE(block);
    char buffer[32];
    EXPECT_EQ(VelHandleToStr(buffer, 11, block), 0);
    EXPECT_EQ(VelHandleToStr(buffer, -1, block), 0);
    EXPECT_EQ(VelHandleToStrInChunks(buffer, 20, block, 8, 4), 0);   // 8..12 passes the end
    EXPECT_EQ(VelHandleToStrInChunks(buffer, 10, block, -2, 4), 0);
    EXPECT_EQ(VelStrToHandleInChunks("abcd", 20, block, 8, 4), nullptr);
    EXPECT_EQ(VelStrToHandleInChunks("abcd", 10, block, -4, 4), nullptr);
    EXPECT_EQ(VelStrToHandle("abc", -1), nullptr);
    EXPECT_EQ(VelHandleToStr(nullptr, 0, nullptr), 0);
    EXPECT_EQ(BlockBytes(block), "0123456789");
    ASSERT_EQ(VelHandleToStr(buffer, 10, block), 1);  // still whole, still ours
    EXPECT_EQ(std::string(buffer, 10), "0123456789");
}
