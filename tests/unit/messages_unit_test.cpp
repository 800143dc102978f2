// Message boxes, and the reports a document shows or keeps.
#include <gtest/gtest.h>

#include "core/messages.h"
#include "rtf_test.h"
#include "seam_test.h"

TEST(MessagesUnit, BoxesAndStoredReports)
{
    VelSetFlags(nullptr, 0, DOCFLAG_QUIET);
    ClearBoxes();
    TestDoc doc;
    TestDoc other;
    VelSetFlags(doc, 1, DOCFLAG_ONE_MESSAGE);
    VelSetFlags(other, 1, DOCFLAG_ONE_MESSAGE);
    VelResetLastMessage();
    ReportError(doc, 5, "First");
    ReportError(doc, 6, "Second");  // dropped: the document has shown its box
    ReportError(other, 60, "Other");  // no text: an empty message
    ReportError(nullptr, 23, nullptr);  // the default flags decide; no caption shows "Error"
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes()[0].text + "|" + Boxes()[0].caption, "Could Not Open the File.|First");
    EXPECT_EQ(Boxes()[1].text + "|" + Boxes()[1].caption, "|Other");
    EXPECT_EQ(Boxes()[2].text + "|" + Boxes()[2].caption, "Ran Out of Memory|Error");
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);  // shown reports are not stored
    // Quiet mode stores, also after a box was shown; a null caption is empty.
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    ReportError(doc, 7, "Third");
    EXPECT_EQ(LastMessage(), "7 Third: Error in file seek");
    VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
    ReportError(nullptr, 1, nullptr);
    EXPECT_EQ(LastMessage(), "1 : Invalid Bitmap File");
    ReportError(nullptr, 250, "Far");  // beyond the table: an empty text
    EXPECT_EQ(LastMessage(), "250 Far: ");
    EXPECT_EQ(Boxes().size(), 3u);
}

TEST(MessagesUnit, MultiByteFlagDecidesMakeMbcs)
{
    const char chars[] = {'a', 'b'};
    const char leads[] = {'\x82', 0};
    char out[8];
    VelTestSetMultiByte(1);
    EXPECT_EQ(VelMakeMbcs(out, chars, leads, 2), 3);
    EXPECT_STREQ(out, "\x82" "ab");
    EXPECT_EQ(VelMakeMbcs(out, chars, nullptr, 2), 2);  // no lead bytes: a plain copy
    EXPECT_EQ(VelMakeMbcs(out, chars, leads, -1), 0);
    EXPECT_STREQ(out, "");
    VelTestSetMultiByte(-1);
}
