// ANSI and UTF-16 text as hosts write it.
#include <gtest/gtest.h>

#include <string>

#include "rtf_test.h"

namespace {

// UTF-16 text from a literal.
const VELWCHAR* U(const std::u16string& text)
{
    return reinterpret_cast<const VELWCHAR*>(text.c_str());
}

}  // namespace

// The Overview's request: a new document, text, and the save.
TEST(Text, TextOpensItsOwnSection)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "Hi"), 1);
    EXPECT_EQ(SavedRtf(doc), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj\\sectd Hi}");
    TestDoc hello;
    ASSERT_EQ(VelInsertText(hello, "Hello\r\n"), 1);
    EXPECT_EQ(SavedRtf(hello), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj\\sectd Hello\\par\r\n}");
}

TEST(Text, EmptyAndNullTextWriteNothing)
{
    TestDoc doc;
    EXPECT_EQ(VelInsertText(doc, ""), 1);
    EXPECT_EQ(VelInsertText(doc, nullptr), 1);
    EXPECT_EQ(VelInsertUText(doc, U(u"")), 1);
    EXPECT_EQ(VelInsertUText(doc, nullptr), 1);
    EXPECT_EQ(VelInsertText(doc, "\n"), 1);  // a lone line feed vanishes
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd"));
}

TEST(Text, ParagraphsAndEscapes)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "A\r\nB"), 1);
    ASSERT_EQ(VelInsertText(doc, "\r\n"), 1);
    ASSERT_EQ(VelInsertText(doc, "caf\xE9 na\xEFve \x80 5 {x} \\ \xFF\x81"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd A\\par\r\nB\\par\r\ncaf\\'e9 na\\'efve \\'80 5 \\{x\\} \\\\ \\'ff\\'81"));
}

TEST(Text, UnicodeUnitsWithAQuestionMarkEach)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertUText(doc, U(u"abc")), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\\u97 ?\\u98 ?\\u99 ?"));
}

TEST(Text, UnicodeUnitsAreUnsigned)
{
    TestDoc doc;
    // Euro, the replacement character, and a surrogate pair (U+1F600), each
    // unit on its own.
    ASSERT_EQ(VelInsertUText(doc, U(u"\u20AC\uFFFD\U0001F600")), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\\u8364 ?\\u65533 ?\\u55357 ?\\u56832 ?"));
}

TEST(Text, UnicodeLineEndsAreUnitsNotParagraphs)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertUText(doc, U(u"a\r\n\t{")), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\\u97 ?\\u13 ?\\u10 ?\\u9 ?\\u123 ?"));
}

TEST(Text, AnsiAndUnicodeMix)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "x"), 1);
    ASSERT_EQ(VelInsertUText(doc, U(u"\u03A9")), 1);
    ASSERT_EQ(VelInsertText(doc, "y"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd x\\u937 ?y"));
}

TEST(Text, NullDocumentGivesZero)
{
    EXPECT_EQ(VelInsertText(nullptr, "x"), 0);
    EXPECT_EQ(VelInsertUText(nullptr, U(u"x")), 0);
}
