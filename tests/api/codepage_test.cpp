// VelMakeMbcs through the library as loaded: the multi-byte flag it follows
// is the one the library read from the system when it was loaded (on
// Windows, GetCPInfo of the ANSI code page in DllMain).
#include <gtest/gtest.h>

#include <cstring>

#include "rtf_test.h"

namespace {

// Whether the system's ANSI code page has characters of more than one byte.
bool MultiByteAnsiCodePage()
{
#ifdef _WIN32
    CPINFO info;
    if (!GetCPInfo(CP_ACP, &info)) return false;
    return info.MaxCharSize > 1;
#else
    return false;  // the POSIX backend's code page is single-byte
#endif
}

}  // namespace

TEST(CodePage, MakeMbcsPutsLeadBytesOnlyOnAMultiByteSystem)
{
    const char chars[] = {'a', 'b', 'c'};
    const char leads[] = {'\x82', 0, '\x83'};
    char out[16];
    std::memset(out, '.', sizeof out);
    if (MultiByteAnsiCodePage()) {
        EXPECT_EQ(VelMakeMbcs(out, chars, leads, 3), 5);
        EXPECT_STREQ(out, "\x82" "ab\x83" "c");
        EXPECT_EQ(VelMakeMbcs(out, chars, leads, -2), 0);  // only the NUL
        EXPECT_STREQ(out, "");
    } else {
        EXPECT_EQ(VelMakeMbcs(out, chars, leads, 3), 3);
        EXPECT_STREQ(out, "abc");
        EXPECT_EQ(VelMakeMbcs(out, chars, leads, -2), -2);  // only the NUL, the count unchanged
        EXPECT_STREQ(out, "");
    }
    // Without lead bytes, a plain copy everywhere.
    EXPECT_EQ(VelMakeMbcs(out, chars, nullptr, 2), 2);
    EXPECT_STREQ(out, "ab");
}
