// The entry of the tests that run against the shared library. Reports are
// kept quiet: on Windows a shown report is a modal box that would block.
#include <gtest/gtest.h>

#include "velrtf.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
    return RUN_ALL_TESTS();
}
