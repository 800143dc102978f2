// Whether the text just written closed its paragraph.
#include <gtest/gtest.h>

#include <string>

#include "core/document.h"
#include "core/sequence.h"
#include "rtf_test.h"

namespace {

const VELWCHAR* U(const std::u16string& text)
{
    return reinterpret_cast<const VELWCHAR*>(text.c_str());
}

}  // namespace

TEST(ParaClosed, TextEndingInCrLfClosesTheParagraph)
{
    TestDoc doc;
    EXPECT_EQ(doc.get()->ParaClosed, 1);  // a new document stands at a paragraph boundary
    struct Case {
        const char* text;
        int closed;
    };
    const Case cases[] = {
        {"Hi\r\n", 1}, {"Hi", 0},    {"\r\n", 1},   {"", 0},      {"\n", 0},
        {"\r\n", 1},   {"\n\r", 0},  {"A\r\nB", 0}, {"\r", 0},    {nullptr, 0},
        {"x\r\n", 1},  {"\r\n\r\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        ASSERT_EQ(VelInsertText(doc, c.text), 1);
        EXPECT_EQ(doc.get()->ParaClosed, c.closed);
    }
}

TEST(ParaClosed, UnicodeTextCountsUnits)
{
    TestDoc doc;
    struct Case {
        std::u16string text;
        int closed;
    };
    const Case cases[] = {
        {u"\u00E9\r\n", 1}, {u"\r\n", 1}, {u"", 0}, {u"\n", 0}, {u"\n\r", 0}, {u"\u20AC", 0}, {u"\r\n", 1},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(VelInsertUText(doc, U(c.text)), 1);
        EXPECT_EQ(doc.get()->ParaClosed, c.closed);
    }
    ASSERT_EQ(VelInsertUText(doc, nullptr), 1);
    EXPECT_EQ(doc.get()->ParaClosed, 0);
}

TEST(ParaClosed, RefusedTextLeavesItAlone)
{
    TestDoc doc;
    doc.get()->SeqState = SEQ_STYLESHEET | SEQ_STYLE_ITEM;  // text is not allowed in a style
    EXPECT_EQ(VelInsertText(doc, "x"), 0);
    EXPECT_EQ(VelInsertUText(doc, U(u"x")), 0);
    EXPECT_EQ(doc.get()->ParaClosed, 1);
    EXPECT_EQ(SavedRtf(doc), Document(""));
    EXPECT_EQ(doc.get()->SeqState & ~SEQ_ERROR_SHOWN, SEQ_STYLESHEET | SEQ_STYLE_ITEM);
}

TEST(ParaClosed, TextInAHeaderOrCellNeedsNoSection)
{
    for (unsigned open : {SEQ_SECT_INIT | SEQ_HDR_FTR, SEQ_SECT_TEXT | SEQ_TABLE_ROW | SEQ_CELL_TEXT}) {
        TestDoc doc;
        doc.get()->SeqState = open;
        EXPECT_EQ(VelInsertText(doc, "x"), 1);
        EXPECT_EQ(VelInsertUText(doc, U(u"y")), 1);
        EXPECT_EQ(doc.get()->SeqState, open);
        EXPECT_EQ(SavedRtf(doc), Document(" x\\u121 ?"));
    }
}
