// What the system is expected to report in this pass of the Windows suite:
// scripts/test-windows sets VELRTF_EXPECT_CODEPAGE (1252, or 932) and
// VELRTF_EXPECT_DPI (96, 120). 0 when the run does not say.
#pragma once

#include <cstdlib>

inline int ExpectedSystemValue(const char* name) { return std::getenv(name) ? std::atoi(std::getenv(name)) : 0; }
inline int ExpectedCodePage() { return ExpectedSystemValue("VELRTF_EXPECT_CODEPAGE"); }
inline int ExpectedDpi() { return ExpectedSystemValue("VELRTF_EXPECT_DPI"); }
