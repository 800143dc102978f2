// The call-sequence check as hosts meet it: refusals of the section and page
// calls inside other constructs, and the report that stays in quiet mode.
#include <gtest/gtest.h>

#include <string>

#include "rtf_test.h"

namespace {

const std::string kNeedsInitSect =
    "This function is valid only if one of the following function(s) has been already called:\n\n"
    "VelInitSect()          Initialize Section.";

}  // namespace

TEST(Sequence, PageCallsAreRefusedInAStylesheet)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    std::string before = SavedRtf(doc);
    VelResetLastMessage();
    EXPECT_EQ(VelInitSect(doc), 0);
    EXPECT_EQ(LastMessage(), "38 VelInitSect: This function not allowed after calling VelBeginStylesheet()");
    EXPECT_EQ(VelPaper(doc, 12240, 15840, 0), 0);
    EXPECT_EQ(LastMessage(), "38 VelPaper: This function not allowed after calling VelBeginStylesheet()");
    EXPECT_EQ(VelMargin(doc, 1, 1, 1, 1, 1, 1), 0);
    EXPECT_EQ(LastMessage(), "38 VelMargin: This function not allowed after calling VelBeginStylesheet()");
    // The section these need cannot be initialised: VelInitSect reports
    // first, the caller last.
    EXPECT_EQ(VelSectInfo(doc, 2, 360, 1, 1), 0);
    EXPECT_EQ(LastMessage(), "48 VelSectInfo: " + kNeedsInitSect);
    EXPECT_EQ(VelBeginSectText(doc), 0);
    EXPECT_EQ(LastMessage(), "48 VelBeginSectText: " + kNeedsInitSect);
    EXPECT_EQ(VelInsertBreak(doc, BREAK_PAGE), 0);
    EXPECT_EQ(LastMessage(),
              "48 VelInsertBreak: This function is valid only if one of the following function(s) has been "
              "already called:\n\nVelBeginSectText()     Begin Section Text.");
    EXPECT_EQ(SavedRtf(doc), before);
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    EXPECT_EQ(VelInitSect(doc), 1);  // and after it, the section begins
}

TEST(Sequence, SectionInformationInAHeaderIsRefused)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 1);
    std::string before = SavedRtf(doc);
    VelResetLastMessage();
    EXPECT_EQ(VelSectInfo(doc, 2, 360, 1, 1), 0);
    EXPECT_EQ(LastMessage(), "48 VelSectInfo: " + kNeedsInitSect);
    EXPECT_EQ(VelInitSect(doc), 0);
    EXPECT_EQ(LastMessage(), "31 VelInitSect: VelInitSect() already called");
    EXPECT_EQ(VelInsertBreak(doc, BREAK_SECT), 0);  // a header holds no section break
    EXPECT_EQ(SavedRtf(doc), before);
    // Text is at home in a header, and opens no section text.
    EXPECT_EQ(VelInsertText(doc, "Page header"), 1);
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    ASSERT_EQ(VelSectInfo(doc, 1, 0, 0, 0), 1);
}

TEST(Sequence, RawRtfPassesInEveryState)
{
    TestDoc doc;
    EXPECT_EQ(VelInsertRaw(doc, "{\\*\\a}"), 1);
    ASSERT_EQ(VelInitSect(doc), 1);
    EXPECT_EQ(VelInsertRaw(doc, "{\\*\\b}"), 1);
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    EXPECT_EQ(VelInsertRaw(doc, "{\\*\\c}"), 1);
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_FOOTER), 1);
    EXPECT_EQ(VelInsertRaw(doc, "{\\*\\d}"), 1);
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    ASSERT_EQ(VelBeginSectText(doc), 1);
    EXPECT_EQ(VelInsertRaw(doc, "{\\*\\e}"), 1);
    std::string rtf = SavedRtf(doc);
    for (const char* raw : {"{\\*\\a}", "{\\*\\b}", "{\\*\\c}", "{\\*\\d}", "{\\*\\e}"}) {
        EXPECT_NE(rtf.find(raw), std::string::npos) << raw;
    }
}
