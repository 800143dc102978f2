// Footnotes with automatic and text marks, and bookmarks.
#include <gtest/gtest.h>

#include <string>

#include "rtf_test.h"

namespace {

// The RTF of one footnote written in a new document's section text.
std::string Footnote(const char* mark, const char* text)
{
    TestDoc doc;
    if (VelBeginSectText(doc) != 1 || VelInsertRaw(doc, "") != 1) return "<section>";
    if (VelInsertFootnote(doc, mark, text) != 1) return "<refused>";
    std::string rtf = SavedRtf(doc);
    std::string start = kHead + kPrologue + "\\sectd\r\n";
    if (rtf.compare(0, start.size(), start) != 0) return rtf;
    return rtf.substr(start.size(), rtf.size() - start.size() - 1);
}

}  // namespace

TEST(Footnotes, AutomaticMark)
{
    EXPECT_EQ(Footnote(nullptr, "Note"), "{{\\super\\chftn}{\\footnote{\\super\\chftn}Note}}");
    EXPECT_EQ(Footnote("", "Note"), "{{\\super\\chftn}{\\footnote{\\super\\chftn}Note}}");
}

TEST(Footnotes, TextMarks)
{
    EXPECT_EQ(Footnote("ab", "Note"), "{{\\super a}{\\footnote{\\super ab}Note}{\\super b}}");
    EXPECT_EQ(Footnote("x", "Note"), "{{\\super x}{\\footnote{\\super x}Note}}");
    EXPECT_EQ(Footnote("*", "Note"), "{{\\super *}{\\footnote{\\super *}Note}}");
}

TEST(Footnotes, MarkBytesAreEscaped)
{
    // The space after \\super delimits the word, even before an escape.
    EXPECT_EQ(Footnote("\xE9", "N"), "{{\\super \\'e9}{\\footnote{\\super \\'e9}N}}");
    EXPECT_EQ(Footnote("{\\", "N"), "{{\\super \\{}{\\footnote{\\super \\{\\\\}N}{\\super \\\\}}");
    // A double-byte character is split around the note.
    EXPECT_EQ(Footnote("\x82\xA0", "N"), "{{\\super \\'82}{\\footnote{\\super \\'82\\'a0}N}{\\super \\'a0}}");
}

// A CR in the mark would break the paragraph at the reference.
TEST(Footnotes, ControlCharactersAreLeftOutOfMarks)
{
    EXPECT_EQ(Footnote("\r\na\tb\x01", "N"), "{{\\super a}{\\footnote{\\super ab}N}{\\super b}}");
    EXPECT_EQ(Footnote("c\r\n", "N"), "{{\\super c}{\\footnote{\\super c}N}}");
    // Nothing left to show: the automatic mark.
    EXPECT_EQ(Footnote("\r\n", "N"), "{{\\super\\chftn}{\\footnote{\\super\\chftn}N}}");
}

TEST(Footnotes, NoteText)
{
    EXPECT_EQ(Footnote(nullptr, nullptr), "{{\\super\\chftn}{\\footnote{\\super\\chftn}}}");
    EXPECT_EQ(Footnote(nullptr, "{x}\\ \xE9\x01"),
              "{{\\super\\chftn}{\\footnote{\\super\\chftn}\\{x\\}\\\\ \\'e9\\'01}}");
    // A CR starts another paragraph of the note.
    EXPECT_EQ(Footnote(nullptr, "One\r\nTwo"), "{{\\super\\chftn}{\\footnote{\\super\\chftn}One\\par\r\nTwo}}");
}

TEST(Footnotes, InTextHeadersAndSections)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 1);
    ASSERT_EQ(VelInsertFootnote(doc, nullptr, "H"), 1);
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    ASSERT_EQ(VelInsertText(doc, "Text"), 1);
    ASSERT_EQ(VelInsertFootnote(doc, nullptr, "Note"), 1);
    ASSERT_EQ(VelInsertText(doc, " goes on.\r\n"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\header{{\\super\\chftn}{\\footnote{\\super\\chftn}H}}}\r\n"
                                      "Text{{\\super\\chftn}{\\footnote{\\super\\chftn}Note}} goes on.\\par\r\n"));
}

TEST(Footnotes, RefusedInsideAStyle)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(VelBeginStyleItem(doc, 1, 1, "A"), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelInsertFootnote(doc, "a", "b"), 0);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 48);
    EXPECT_EQ(VelInsertBookmark(doc, "a", 1), 0);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 48);
    char caption[1000];
    VelGetLastMessage(nullptr, caption);
    EXPECT_STREQ(caption, "VelInsertBookmark");
}

TEST(Bookmarks, StartAndEnd)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertBookmark(doc, "Intro", 1), 1);
    ASSERT_EQ(VelInsertText(doc, "Introduction"), 1);
    ASSERT_EQ(VelInsertBookmark(doc, "Intro", 0), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd{\\*\\bkmkstart Intro}Introduction{\\*\\bkmkend Intro}"));
}

TEST(Bookmarks, NullAndEscapedNames)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertBookmark(doc, nullptr, 1), 1);
    ASSERT_EQ(VelInsertBookmark(doc, "", 0), 1);
    ASSERT_EQ(VelInsertBookmark(doc, "a{b}\\c\xE9\r\n\td\x1f", 5), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd{\\*\\bkmkstart}{\\*\\bkmkend}{\\*\\bkmkstart a\\{b\\}\\\\c\\'e9d}"));
}

TEST(Footnotes, NullDocumentGivesZero)
{
    EXPECT_EQ(VelInsertFootnote(nullptr, "a", "b"), 0);
    EXPECT_EQ(VelInsertBookmark(nullptr, "a", 1), 0);
}
