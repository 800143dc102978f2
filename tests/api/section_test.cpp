// Sections and page layout: the two phases of a section, paper, margins,
// section information, and the breaks that end sections, columns and pages.
#include <gtest/gtest.h>

#include "rtf_test.h"

TEST(Sections, WorkedExample)
{
    TestDoc doc;
    ASSERT_EQ(VelPaper(doc, 12240, 15840, 0), 1);
    ASSERT_EQ(VelMargin(doc, 1800, 1800, 1440, 1440, 720, 720), 1);
    ASSERT_EQ(VelSectInfo(doc, 2, 720, 1, 1), 1);
    ASSERT_EQ(VelInsertText(doc, "One.\r\n"), 1);
    ASSERT_EQ(VelInsertBreak(doc, BREAK_SECT), 1);
    ASSERT_EQ(VelInitSect(doc), 1);
    ASSERT_EQ(VelPaper(doc, 15840, 12240, 1), 1);
    ASSERT_EQ(VelInsertText(doc, "Two."), 1);
    // The long line of words ends at the first text, after its delimiting space.
    EXPECT_EQ(SavedRtf(doc),
              Document("\\paperw12240\\paperh15840\\margl1800\\margr1800\\margt1440\\margb1440\\headery720\\footery720"
                       "\\sectd\\sbkpage\\pgnstarts1\\pgnrestart\\cols2\\colsx720 \r\nOne.\\par\r\n"
                       "\\sect\\sectd\\lndscpsxn\\pgwsxn15840\\pghsxn12240 Two."));
}

TEST(Sections, PaperWordsFollowThePhase)
{
    TestDoc doc;
    ASSERT_EQ(VelPaper(doc, 11906, 16838, 0), 1);
    ASSERT_EQ(VelInitSect(doc), 1);
    ASSERT_EQ(VelPaper(doc, 11906, 16838, 0), 1);
    ASSERT_EQ(VelBeginSectText(doc), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelPaper(doc, 1, 1, 1), 0);
    EXPECT_EQ(LastMessage(), "34 VelPaper: This function not allowed after calling VelBeginSectText()");
    EXPECT_EQ(SavedRtf(doc), Document("\\paperw11906\\paperh16838\\sectd\\pgwsxn11906\\pghsxn16838"));
}

TEST(Sections, PaperLeavesOutSizesOfZeroOrLess)
{
    TestDoc doc;
    ASSERT_EQ(VelPaper(doc, 0, 0, 1), 1);
    ASSERT_EQ(VelPaper(doc, -5, 100, 0), 1);
    ASSERT_EQ(VelPaper(doc, 0, 0, 0), 1);
    ASSERT_EQ(VelInitSect(doc), 1);
    ASSERT_EQ(VelPaper(doc, 0, -1, 7), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\landscape\\paperh100\\sectd\\lndscpsxn"));
}

TEST(Sections, MarginsLeaveOutOnlyNegativeValues)
{
    TestDoc doc;
    ASSERT_EQ(VelMargin(doc, -1, -1, -1, -1, -1, -1), 1);
    EXPECT_EQ(SavedRtf(doc), Document(""));
    ASSERT_EQ(VelMargin(doc, 0, -1, -7, 0, -1, 0), 1);
    ASSERT_EQ(VelInitSect(doc), 1);
    // Header and footer distances keep their words in a section.
    ASSERT_EQ(VelMargin(doc, 1, 2, 3, 4, 5, 6), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\margl0\\margb0\\footery0\\sectd\\marglsxn1\\margrsxn2\\margtsxn3\\margbsxn4"
                                      "\\headery5\\footery6"));
    ASSERT_EQ(VelInsertText(doc, ""), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelMargin(doc, 1, 1, 1, 1, 1, 1), 0);
    EXPECT_EQ(LastMessage(), "34 VelMargin: This function not allowed after calling VelBeginSectText()");
}

TEST(Sections, SectionInformation)
{
    TestDoc doc;
    // In a new document the section is initialised first.
    ASSERT_EQ(VelSectInfo(doc, 1, 720, 0, 0), 1);
    ASSERT_EQ(VelSectInfo(doc, 3, -10, 5, -4), 1);
    ASSERT_EQ(VelSectInfo(doc, 0, 0, 0, 2), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\\sbknone\\pgncont\\sbkpage\\pgncont\\cols3\\colsx-10"
                                      "\\sbknone\\pgnstarts2\\pgnrestart"));
}

TEST(Sections, SectionInformationAfterTextIsRefused)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "x"), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelSectInfo(doc, 2, 720, 1, 1), 0);
    EXPECT_EQ(LastMessage(),
              "48 VelSectInfo: This function is valid only if one of the following function(s) has been already "
              "called:\n\nVelInitSect()          Initialize Section.");
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd x"));
}

TEST(Sections, BeginningTheTextWritesNothing)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginSectText(doc), 1);  // the section it needs writes \sectd
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd"));
    TestDoc other;
    ASSERT_EQ(VelInitSect(other), 1);
    ASSERT_EQ(VelBeginSectText(other), 1);
    EXPECT_EQ(SavedRtf(other), Document("\\sectd"));
    VelResetLastMessage();
    EXPECT_EQ(VelBeginSectText(other), 0);
    EXPECT_EQ(LastMessage(),
              "48 VelBeginSectText: This function is valid only if one of the following function(s) has been "
              "already called:\n\nVelInitSect()          Initialize Section.");
    EXPECT_EQ(SavedRtf(other), Document("\\sectd"));
}

TEST(Sections, InitialisingTwiceIs31AndAfterTextIs34)
{
    TestDoc doc;
    ASSERT_EQ(VelInitSect(doc), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelInitSect(doc), 0);
    EXPECT_EQ(LastMessage(), "31 VelInitSect: VelInitSect() already called");
    ASSERT_EQ(VelBeginSectText(doc), 1);
    EXPECT_EQ(VelInitSect(doc), 0);
    EXPECT_EQ(LastMessage(), "34 VelInitSect: This function not allowed after calling VelBeginSectText()");
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd"));
}

TEST(Sections, SectionBreakStartsTheNextSection)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "a"), 1);
    ASSERT_EQ(VelInsertBreak(doc, BREAK_SECT), 1);
    // Back before any section: page words are the document's again.
    ASSERT_EQ(VelPaper(doc, 100, 200, 0), 1);
    ASSERT_EQ(VelInitSect(doc), 1);
    ASSERT_EQ(VelPaper(doc, 300, 400, 0), 1);
    ASSERT_EQ(VelInsertText(doc, "b"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd a\\sect\\paperw100\\paperh200\\sectd\\pgwsxn300\\pghsxn400 b"));
}

TEST(Sections, TwoSectionBreaksInARow)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertBreak(doc, BREAK_SECT), 1);
    ASSERT_EQ(VelInsertBreak(doc, BREAK_SECT), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\\sect\\sectd\\sect"));
}

TEST(Sections, ColumnAndPageBreaksStayInTheSection)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "a"), 1);
    ASSERT_EQ(VelInsertBreak(doc, BREAK_COL), 1);
    ASSERT_EQ(VelInsertText(doc, "b"), 1);
    ASSERT_EQ(VelInsertBreak(doc, BREAK_PAGE), 1);
    ASSERT_EQ(VelInsertText(doc, "c"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd a\\column b\\page c"));
    VelResetLastMessage();
    EXPECT_EQ(VelPaper(doc, 1, 1, 0), 0);  // still in the section's text
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 34);
}

TEST(Sections, UnknownBreakWritesNothingAtAll)
{
    TestDoc doc;
    VelResetLastMessage();
    for (int type : {3, -1, 1000}) EXPECT_EQ(VelInsertBreak(doc, type), 0);
    // Not even the section a known break would have opened, and no report.
    EXPECT_EQ(SavedRtf(doc), Document(""));
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);
    ASSERT_EQ(VelInitSect(doc), 1);  // the document still has no section
}

TEST(Sections, NullDocumentGivesZero)
{
    EXPECT_EQ(VelInitSect(nullptr), 0);
    EXPECT_EQ(VelBeginSectText(nullptr), 0);
    EXPECT_EQ(VelPaper(nullptr, 1, 1, 1), 0);
    EXPECT_EQ(VelMargin(nullptr, 1, 1, 1, 1, 1, 1), 0);
    EXPECT_EQ(VelSectInfo(nullptr, 2, 1, 1, 1), 0);
    EXPECT_EQ(VelInsertBreak(nullptr, BREAK_SECT), 0);
}
