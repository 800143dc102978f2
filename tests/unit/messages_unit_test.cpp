// Message boxes, and the reports a document shows or keeps.
#include <gtest/gtest.h>

#include "core/messages.h"
#include "rtf_test.h"
#include "seam_test.h"

namespace {

// Shows reports for the length of a test: documents made inside it, and
// reports without a document.
struct ShowReports {
    ShowReports()
    {
        VelSetFlags(nullptr, 0, DOCFLAG_QUIET);
        ClearBoxes();
    }
    ~ShowReports() { VelSetFlags(nullptr, 1, DOCFLAG_QUIET); }
};

}  // namespace

TEST(MessagesUnit, ShownReportsLeaveTheLastMessageAlone)
{
    ShowReports show;
    TestDoc doc;
    VelResetLastMessage();
    EXPECT_EQ(ReportError(doc, 5, "VelSave"), 0);
    std::vector<ShownBox> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Could Not Open the File.");
    EXPECT_EQ(boxes[0].caption, "VelSave");
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);
}

TEST(MessagesUnit, OneMessagePerDocument)
{
    ShowReports show;
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_ONE_MESSAGE);
    ReportError(doc, 5, "First");
    ReportError(doc, 6, "Second");
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].caption, "First");
    // Quiet mode still stores reports after a box has been shown.
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    ReportError(doc, 7, "Third");
    EXPECT_EQ(LastMessage(), "7 Third: Error in file seek");
    // Another document shows its own first box.
    TestDoc other;
    VelSetFlags(other, 1, DOCFLAG_ONE_MESSAGE);
    ReportError(other, 8, "Other");
    EXPECT_EQ(Boxes().size(), 2u);
}

TEST(MessagesUnit, ReportsWithoutDocumentFollowTheDefaults)
{
    ShowReports show;
    ReportError(nullptr, 23, "OurAlloc");
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "Ran Out of Memory");
    VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
    ReportError(nullptr, 23, "OurRealloc");
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(LastMessage(), "23 OurRealloc: Ran Out of Memory");
}

TEST(MessagesUnit, NullCaptionShowsErrorAndStoresNothing)
{
    {
        ShowReports show;
        ReportError(nullptr, 1, nullptr);
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].caption, "Error");
    }
    ReportError(nullptr, 1, nullptr);
    EXPECT_EQ(LastMessage(), "1 : Invalid Bitmap File");
}

TEST(MessagesUnit, NumbersWithoutTextAreEmpty)
{
    {
        ShowReports show;
        ReportError(nullptr, 60, "VelEndTableRow");
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].text, "");
    }
    ReportError(nullptr, 60, "VelEndTableRow");
    char message[300] = "x";
    EXPECT_EQ(VelGetLastMessage(message, nullptr), 60);
    EXPECT_STREQ(message, "");
    ReportError(nullptr, 250, "Far");  // beyond the table
    EXPECT_EQ(VelGetLastMessage(message, nullptr), 250);
    EXPECT_STREQ(message, "");
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
    VelTestSetMultiByte(0);
    EXPECT_EQ(VelMakeMbcs(out, chars, leads, 2), 2);
    EXPECT_STREQ(out, "ab");
    VelTestSetMultiByte(-1);
}
