// Headers and footers: the eight kinds, their place in the section, and the
// calls refused while one is open.
#include <gtest/gtest.h>

#include <string>

#include "rtf_test.h"

namespace {

const std::string kNeedsInitSect =
    "This function is valid only if one of the following function(s) has been already called:\n\n"
    "VelInitSect()          Initialize Section.";

}  // namespace

TEST(HdrFtr, FirstPageFooterOpensTheSectionAndStartsALine)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_FOOTER_FIRST), 1);
    ASSERT_EQ(VelInsertText(doc, "Page "), 1);
    ASSERT_EQ(VelInsertPageField(doc, 1), 1);
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 1);
    ASSERT_EQ(VelInsertText(doc, "Report"), 1);
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    ASSERT_EQ(VelInsertText(doc, "Body\r\n"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n"
                                      "\\titlepg{\\footerf Page {\\field{\\fldinst PAGE}{\\fldrslt 1}}}\r\n"
                                      "{\\header Report}\r\n"
                                      "Body\\par\r\n"));
}

TEST(HdrFtr, EachKindWritesItsPageWordAndDestination)
{
    const struct {
        int kind;
        const char* rtf;
    } kinds[] = {
        {HF_HEADER, "{\\header}"},
        {HF_HEADER_FIRST, "\\titlepg{\\headerf}"},
        {HF_HEADER_LEFT, "\\facingp{\\headerl}"},
        {HF_HEADER_RIGHT, "\\facingp{\\headerr}"},
        {HF_FOOTER, "{\\footer}"},
        {HF_FOOTER_FIRST, "\\titlepg{\\footerf}"},
        {HF_FOOTER_LEFT, "\\facingp{\\footerl}"},
        {HF_FOOTER_RIGHT, "\\facingp{\\footerr}"},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        TestDoc doc;
        ASSERT_EQ(VelInitSect(doc), 1);
        ASSERT_EQ(VelBeginHdrFtr(doc, k.kind), 1);
        ASSERT_EQ(VelEndHdrFtr(doc), 1);
        EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n" + std::string(k.rtf) + "\r\n"));
    }
}

TEST(HdrFtr, PageWordsAreWrittenForEveryKindThatNeedsThem)
{
    TestDoc doc;
    for (int kind : {HF_HEADER_FIRST, HF_FOOTER_FIRST}) {
        ASSERT_EQ(VelBeginHdrFtr(doc, kind), 1);
        ASSERT_EQ(VelEndHdrFtr(doc), 1);
    }
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n\\titlepg{\\headerf}\r\n\\titlepg{\\footerf}\r\n"));
}

TEST(HdrFtr, UnknownKindWritesNothingAndIsNotReported)
{
    TestDoc doc;
    VelResetLastMessage();
    for (int kind : {0, 9, -1}) EXPECT_EQ(VelBeginHdrFtr(doc, kind), 0);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);
    EXPECT_EQ(SavedRtf(doc), Document(""));  // not even the section
    // No header is open: the next one is accepted.
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_FOOTER), 1);
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\footer}\r\n"));
}

TEST(HdrFtr, NextSectionGetsItsOwnHeaders)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "One"), 1);
    ASSERT_EQ(VelInsertBreak(doc, BREAK_SECT), 1);
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 1);
    ASSERT_EQ(VelInsertText(doc, "Two's header"), 1);
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    ASSERT_EQ(VelInsertText(doc, "Two"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd One\\sect\\sectd\r\n{\\header Two's header}\r\nTwo"));
}

TEST(HdrFtr, RefusedAfterTheSectionTextBegan)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "x"), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 0);
    EXPECT_EQ(LastMessage(), "48 VelBeginHdrFtr: " + kNeedsInitSect);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd x"));
}

TEST(HdrFtr, HeadersDoNotNest)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelBeginHdrFtr(doc, HF_FOOTER), 0);
    EXPECT_EQ(LastMessage(), "48 VelBeginHdrFtr: " + kNeedsInitSect);
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\header}\r\n"));
}

TEST(HdrFtr, EndWithoutHeaderIsRefused)
{
    TestDoc doc;
    VelResetLastMessage();
    EXPECT_EQ(VelEndHdrFtr(doc), 0);
    EXPECT_EQ(LastMessage(),
              "48 VelEndHdrFtr: This function is valid only if one of the following function(s) has been "
              "already called:\n\nVelBeginHdrFtr()       Begin Header/Footer.");
    EXPECT_EQ(SavedRtf(doc), Document(""));
}

TEST(HdrFtr, PageLayoutIsRefusedInsideAHeader)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelPaper(doc, 12240, 15840, 0), 0);
    EXPECT_EQ(LastMessage(), "46 VelPaper: This function not allowed between VelBeginHdrFtr()");
    EXPECT_EQ(VelMargin(doc, 1, 1, 1, 1, 1, 1), 0);
    EXPECT_EQ(LastMessage(), "46 VelMargin: This function not allowed between VelBeginHdrFtr()");
    EXPECT_EQ(VelSectInfo(doc, 1, 0, 1, 0), 0);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 48);
    EXPECT_EQ(VelBeginSectText(doc), 0);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 48);
    EXPECT_EQ(VelBeginStyleSheet(doc), 0);
    EXPECT_EQ(LastMessage(), "46 VelBeginStyleSheet: This function not allowed between VelBeginHdrFtr()");
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\header}\r\n"));
}

// A header opened in an open stylesheet would land inside the stylesheet's
// group and be lost there.
TEST(HdrFtr, RefusedWhileAStylesheetIsOpen)
{
    TestDoc doc;
    ASSERT_EQ(VelInitSect(doc), 1);
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 0);
    EXPECT_EQ(LastMessage(), "38 VelBeginHdrFtr: This function not allowed after calling VelBeginStylesheet()");
    ASSERT_EQ(VelBeginStyleItem(doc, 1, 1, "A"), 1);
    EXPECT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 0);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 38);
    ASSERT_EQ(VelEndStyleItem(doc), 1);
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 1);
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\stylesheet\r\n{\\s1 A;}\r\n}\r\n{\\header}\r\n"));
}

// The header's closing brace would close the run's group instead, and the
// rest of the document would run on inside the header.
TEST(HdrFtr, EndRefusedWhileAScriptRunIsOpenInside)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_FOOTER), 1);
    ASSERT_EQ(VelBeginScriptStyle(doc, 1), 1);
    ASSERT_EQ(VelInsertText(doc, "2"), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelEndHdrFtr(doc), 0);
    EXPECT_EQ(LastMessage(),
              "59 VelEndHdrFtr: This function not allowed between VelBeginScriptStyle() and VelEndScriptStyle");
    ASSERT_EQ(VelEndScriptStyle(doc), 1);
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    ASSERT_EQ(VelInsertText(doc, "Body"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\footer{\\super 2}}\r\nBody"));
}

TEST(HdrFtr, NullDocumentGivesZero)
{
    EXPECT_EQ(VelBeginHdrFtr(nullptr, HF_HEADER), 0);
    EXPECT_EQ(VelEndHdrFtr(nullptr), 0);
}
