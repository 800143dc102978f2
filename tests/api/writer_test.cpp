// Line breaking, delimiting spaces and escaping, as hosts see them through
// text, control words and groups.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "rtf_test.h"

namespace {

// The lines of the saved RTF, each without its CR LF.
std::vector<std::string> Lines(const std::string& rtf)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at; (at = rtf.find("\r\n", start)) != std::string::npos; start = at + 2) {
        lines.push_back(rtf.substr(start, at - start));
    }
    lines.push_back(rtf.substr(start));
    return lines;
}

// A document whose section is open and whose pending line is empty.
void StartOnEmptyLine(HVELDOC doc)
{
    ASSERT_EQ(VelBeginSectText(doc), 1);
    ASSERT_EQ(VelInsertRaw(doc, ""), 1);
}

}  // namespace

TEST(Writer, ParagraphMarkEndsTheLineAndLineFeedsVanish)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "a\r\nb"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd a\\par\r\nb"));
    TestDoc lone;
    ASSERT_EQ(VelInsertText(lone, "x\ny\rz"), 1);
    EXPECT_EQ(SavedRtf(lone), Document("\\sectd xy\\par\r\nz"));
}

TEST(Writer, ControlWordsOweOneSpaceOnlyToText)
{
    TestDoc doc;
    VelBeginSectText(doc);
    VelInsertControl(doc, "b", 0, 0);
    VelInsertText(doc, "x");
    VelInsertControl(doc, "b", 0, 0);
    VelInsertControl(doc, "i", 0, 0);
    VelInsertControl(doc, "fs", 1, -20);
    VelInsertControl(doc, "fs", 1, 0);
    VelInsertControl(doc, "ul", 0, 99);
    VelEndGroup(doc);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\\b x\\b\\i\\fs-20\\fs0\\ul}\r\n"));
}

TEST(Writer, EscapesReservedAndHighBytes)
{
    TestDoc doc;
    VelInsertText(doc, "{a}\\b\xE9\x0E\x17\tc\x0C\x16");
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd \\{a\\}\\\\b\\'e9\\~\\_\\tab c\\page\\column"));
}

TEST(Writer, LongWordBreaksAfter101Characters)
{
    TestDoc doc;
    StartOnEmptyLine(doc);
    VelInsertText(doc, std::string(200, 'x').c_str());
    std::vector<std::string> lines = Lines(SavedRtf(doc));
    ASSERT_EQ(lines.size(), 3u);  // head and prologue, 101, then 99 and the closing brace
    EXPECT_EQ(lines[1].size(), 101u);
    EXPECT_EQ(lines[2], std::string(99, 'x') + "}");
}

TEST(Writer, TextBreaksAfterTheFirstSpaceBeyond76Characters)
{
    TestDoc doc;
    StartOnEmptyLine(doc);
    std::string words;
    for (int i = 0; i < 40; ++i) words += "word ";
    VelInsertText(doc, words.c_str());
    std::vector<std::string> lines = Lines(SavedRtf(doc));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].size(), 80u);
    EXPECT_EQ(lines[2].size(), 80u);
    EXPECT_EQ(lines[3].size(), 41u);  // 40 and the closing brace
    EXPECT_EQ(lines[1].back(), ' ');
    EXPECT_EQ(lines[2].back(), ' ');
}

TEST(Writer, ControlWordRunsBreakBeforeABackslashAt151)
{
    TestDoc doc;
    StartOnEmptyLine(doc);
    for (int i = 0; i < 30; ++i) VelInsertControl(doc, "cellx", 1, 1000);
    std::vector<std::string> lines = Lines(SavedRtf(doc));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].size(), 160u);
    EXPECT_EQ(lines[2].size(), 141u);  // 140 and the closing brace
    EXPECT_EQ(lines[2].substr(0, 10), "\\cellx1000");
}

TEST(Writer, FlushOfAnEmptyLineAddsNothing)
{
    TestDoc doc;
    VelBeginSectText(doc);
    VelInsertRaw(doc, "");
    VelInsertRaw(doc, "");
    VelInsertRaw(doc, "");
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n"));
}

// Whatever the text, no line passes 302 bytes with its CR LF, and no escape
// is split across lines.
TEST(Writer, RandomTextKeepsLinesShortAndEscapesWhole)
{
    std::mt19937 random(20261206);
    const char alphabet[] = "ab cd{}\\\t\r\n\x0E\x17\xE9\xFF";
    for (int round = 0; round < 20; ++round) {
        TestDoc doc;
        std::string text;
        for (int i = 0; i < 5000; ++i) text += alphabet[random() % (sizeof alphabet - 1)];
        ASSERT_EQ(VelInsertText(doc, text.c_str()), 1);
        for (int i = 0; i < 50; ++i) VelInsertControl(doc, "word", static_cast<int>(random() % 3), -12345);
        std::string rtf = SavedRtf(doc);
        size_t start = 0;
        for (size_t at; (at = rtf.find("\r\n", start)) != std::string::npos; start = at + 2) {
            std::string line = rtf.substr(start, at - start);
            EXPECT_LE(line.size() + 2, 302u);
            // A line ending in an odd run of backslashes, or in \' or \'h,
            // would split an escape.
            size_t slashes = 0;
            while (slashes < line.size() && line[line.size() - 1 - slashes] == '\\') ++slashes;
            EXPECT_EQ(slashes % 2, 0u) << line;
            size_t quote = line.rfind("\\'");
            if (quote != std::string::npos && (quote == 0 || line[quote - 1] != '\\')) {
                EXPECT_LE(quote + 4, line.size()) << line;
            }
        }
    }
}
