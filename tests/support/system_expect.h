// What the system under test is expected to report, when the test run says:
// scripts/test-windows runs the Windows suite once per setting and tells the
// tests which one through the environment.
//   VELRTF_EXPECT_CODEPAGE  the ANSI code page (1252, or 932 for Japanese)
//   VELRTF_EXPECT_DPI       the screen's pixels per logical inch (96, 120)
// Both are read by the Windows tests only: the POSIX backend always reports
// a single-byte code page and 96 pixels per inch.
#pragma once

#include <cstdlib>

// The value of the variable, or 0 when it is not set.
inline int ExpectedSystemValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::atoi(value) : 0;
}

inline int ExpectedCodePage()
{
    return ExpectedSystemValue("VELRTF_EXPECT_CODEPAGE");
}

inline int ExpectedDpi()
{
    return ExpectedSystemValue("VELRTF_EXPECT_DPI");
}
