// Quiet reports, flags and the last message.
#include <gtest/gtest.h>

#include "rtf_test.h"

TEST(Messages, FlagsAndTheLastMessage)
{
    unsigned saved = VelSetFlags(nullptr, 1, 0);
    VelSetFlags(nullptr, 0, ~0u);
    EXPECT_EQ(VelSetFlags(nullptr, 1, DOCFLAG_QUIET), DOCFLAG_QUIET);  // the defaults reach new documents
    TestDoc doc;
    EXPECT_EQ(VelSetFlags(doc, 1, DOCFLAG_ONE_MESSAGE | 0x100), DOCFLAG_QUIET | DOCFLAG_ONE_MESSAGE | 0x100);
    EXPECT_EQ(VelSetFlags(doc, 0, DOCFLAG_ONE_MESSAGE | 0x100), DOCFLAG_QUIET);
    EXPECT_EQ(VelSetFlags(nullptr, 1, 0), DOCFLAG_QUIET);  // a document's flags leave the defaults alone
    VelSaveFile(doc, TempPath("velrtf-missing/a.rtf").c_str());
    char message[300];
    char caption[1000];
    EXPECT_EQ(VelGetLastMessage(message, caption), 5);
    EXPECT_STREQ(message, "Could Not Open the File.");
    EXPECT_STREQ(caption, "VelSave");
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 5);
    EXPECT_EQ(VelResetLastMessage(), 1);
    EXPECT_EQ(VelGetLastMessage(message, caption), 0);
    EXPECT_STREQ(message, "No User Error");
    EXPECT_STREQ(caption, "");
    EXPECT_EQ(WEP(), 1);
    VelSetFlags(nullptr, 0, ~0u);
    VelSetFlags(nullptr, 1, saved);
}
