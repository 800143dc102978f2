// VelMakeMbcs through the library as loaded: it puts lead bytes only when the
// system's ANSI code page is multi-byte, as the library read it when loaded
// (on Windows, GetCPInfo in DllMain).
#include <gtest/gtest.h>

#include "rtf_test.h"

TEST(CodePage, MakeMbcsPutsLeadBytesOnlyOnAMultiByteSystem)
{
    bool multiByte = false;  // the POSIX backend's code page is single-byte
#ifdef _WIN32
    CPINFO info;
    ASSERT_TRUE(GetCPInfo(CP_ACP, &info));
    multiByte = info.MaxCharSize > 1;
#endif
    const char chars[] = {'a', 'b', 'c'}, leads[] = {'\x82', 0, '\x83'};
    char out[16];
    EXPECT_EQ(VelMakeMbcs(out, chars, leads, 3), multiByte ? 5 : 3);
    EXPECT_STREQ(out, multiByte ? "\x82" "ab\x83" "c" : "abc");
    EXPECT_EQ(VelMakeMbcs(out, chars, leads, -2), multiByte ? 0 : -2);  // only the NUL; single-byte keeps the count
    EXPECT_STREQ(out, "");
    EXPECT_EQ(VelMakeMbcs(out, chars, nullptr, 2), 2);  // without lead bytes, a plain copy everywhere
    EXPECT_STREQ(out, "ab");
}
