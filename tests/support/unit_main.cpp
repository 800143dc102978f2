// The entry of the tests that link the static library with its test seams.
// Message boxes are captured, never shown; reports stay quiet unless a test
// asks otherwise; fonts come from a fixed list unless a test asks for the
// system's.
#include <gtest/gtest.h>

#include "seam_test.h"

void CaptureBox(const char* text, const char* caption, void*);

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    VelTestSetMessageHook(CaptureBox, nullptr);
    VelTestSetFontSource(FixedFontSource);
    VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
    return RUN_ALL_TESTS();
}
