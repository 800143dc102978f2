// Quiet reports, flags and the last message.
#include <gtest/gtest.h>

#include "rtf_test.h"

namespace {

// Restores the default flags the test program runs with.
struct DefaultFlagsGuard {
    unsigned saved = VelSetFlags(nullptr, 1, 0);
    ~DefaultFlagsGuard()
    {
        VelSetFlags(nullptr, 0, ~0u);
        VelSetFlags(nullptr, 1, saved);
    }
};

}  // namespace

TEST(Messages, DefaultFlagsReachNewDocuments)
{
    DefaultFlagsGuard guard;
    VelSetFlags(nullptr, 0, ~0u);
    EXPECT_EQ(VelSetFlags(nullptr, 1, DOCFLAG_QUIET), DOCFLAG_QUIET);
    TestDoc doc;
    EXPECT_EQ(VelSetFlags(doc, 1, 0), DOCFLAG_QUIET);
    VelResetLastMessage();
    EXPECT_EQ(VelSaveFile(doc, TempPath("velrtf-missing/a.rtf").c_str()), 0);
    char message[300];
    char caption[1000];
    EXPECT_EQ(VelGetLastMessage(message, caption), 5);
    EXPECT_STREQ(message, "Could Not Open the File.");
    EXPECT_STREQ(caption, "VelSave");
}

TEST(Messages, DocumentFlagsLeaveTheDefaultsAlone)
{
    DefaultFlagsGuard guard;
    TestDoc doc;
    unsigned defaults = VelSetFlags(nullptr, 1, 0);
    EXPECT_EQ(VelSetFlags(doc, 1, DOCFLAG_ONE_MESSAGE | 0x100), DOCFLAG_QUIET | DOCFLAG_ONE_MESSAGE | 0x100);
    EXPECT_EQ(VelSetFlags(doc, 0, DOCFLAG_QUIET), DOCFLAG_ONE_MESSAGE | 0x100);
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    EXPECT_EQ(VelSetFlags(nullptr, 1, 0), defaults);
}

TEST(Messages, ResetGivesNoUserError)
{
    TestDoc doc;
    VelSaveFile(doc, TempPath("velrtf-missing/b.rtf").c_str());
    ASSERT_EQ(VelResetLastMessage(), 1);
    char message[300] = "x";
    char caption[1000] = "x";
    EXPECT_EQ(VelGetLastMessage(message, caption), 0);
    EXPECT_STREQ(message, "No User Error");
    EXPECT_STREQ(caption, "");
}

TEST(Messages, NullBuffersJustGiveTheNumber)
{
    TestDoc doc;
    VelSaveFile(doc, TempPath("velrtf-missing/c.rtf").c_str());
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 5);
    char caption[1000];
    EXPECT_EQ(VelGetLastMessage(nullptr, caption), 5);
    EXPECT_STREQ(caption, "VelSave");
}

TEST(Messages, WepDoesNothing)
{
    EXPECT_EQ(WEP(), 1);
}
