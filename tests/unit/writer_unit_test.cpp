// The writer's own operations: hex bytes, escapes, raw backslashes, growth.
#include <gtest/gtest.h>

#include <string>

#include "core/document.h"
#include "core/writer.h"
#include "rtf_test.h"

namespace {

std::string Pending(HVELDOC doc)
{
    return std::string(doc->Stream->Line, static_cast<size_t>(doc->Stream->LineLength));
}

std::string BodyText(HVELDOC doc)
{
    return std::string(doc->Stream->Body, static_cast<size_t>(doc->Stream->BodyLength));
}

// A document whose pending line is empty.
void Empty(HVELDOC doc)
{
    ASSERT_EQ(FlushRtfLine(doc), 1);
}

}  // namespace

TEST(WriterUnit, HexRunsGive102DigitLines)
{
    TestDoc doc;
    Empty(doc);
    for (int i = 0; i < 200; ++i) ASSERT_EQ(PutHexByte(doc, static_cast<unsigned char>(i)), 1);
    std::string body = BodyText(doc);
    // The prologue line, then full lines of 51 bytes.
    size_t first = body.find("\r\n");
    size_t second = body.find("\r\n", first + 2);
    size_t third = body.find("\r\n", second + 2);
    EXPECT_EQ(second - first - 2, 102u);
    EXPECT_EQ(third - second - 2, 102u);
    EXPECT_EQ(Pending(doc).size(), 400u - 3 * 102);
    EXPECT_EQ(body.substr(first + 2, 6), "000102");
}

TEST(WriterUnit, HexPairsAreNeverSplit)
{
    TestDoc doc;
    Empty(doc);
    ASSERT_EQ(PutRtfText(doc, std::string(100, 'x').c_str(), 100), 1);
    ASSERT_EQ(PutHexByte(doc, 0xAB), 1);  // 100 characters: no break before the first digit
    EXPECT_EQ(Pending(doc), std::string(100, 'x') + "ab");
    ASSERT_EQ(PutHexByte(doc, 0xCD), 1);  // 102 > 100: a new line before it
    EXPECT_EQ(Pending(doc), "cd");
}

TEST(WriterUnit, EscapedByteIsNeverSplit)
{
    TestDoc doc;
    Empty(doc);
    ASSERT_EQ(PutRtfText(doc, std::string(100, 'x').c_str(), 100), 1);
    ASSERT_EQ(PutEscapedChar(doc, 0xE9), 1);
    EXPECT_EQ(Pending(doc), std::string(100, 'x') + "\\'e9");
}

TEST(WriterUnit, RawBackslashesGoOutAsTheyAre)
{
    TestDoc doc;
    Empty(doc);
    doc.get()->Stream->StreamMode |= MODE_RAW_BACKSLASH;
    ASSERT_EQ(PutRtfText(doc, "c:\\\\x{", 6), 1);
    doc.get()->Stream->StreamMode &= ~MODE_RAW_BACKSLASH;
    EXPECT_EQ(Pending(doc), "c:\\\\x\\{");
}

TEST(WriterUnit, RawBackslashesIgnoreTheRuleOf151)
{
    TestDoc doc;
    Empty(doc);
    RtfStream* s = doc.get()->Stream;
    s->NoBreak = 1;  // as inside a long instruction of control words
    ASSERT_EQ(PutRtfText(doc, std::string(160, 'a').c_str(), 160), 1);
    s->StreamMode |= MODE_RAW_BACKSLASH;
    ASSERT_EQ(PutRtfText(doc, "\\", 1), 1);
    EXPECT_EQ(s->LineLength, 161);
    s->StreamMode &= ~MODE_RAW_BACKSLASH;
    ASSERT_EQ(PutRtfText(doc, "\\", 1), 1);  // escaped: breaks before its first backslash
    EXPECT_EQ(Pending(doc), "\\\\");
    s->NoBreak = 0;
}

TEST(WriterUnit, HardLimitKeepsLinesAt300)
{
    TestDoc doc;
    Empty(doc);
    RtfStream* s = doc.get()->Stream;
    s->NoBreak = 1;
    ASSERT_EQ(PutRtfText(doc, std::string(700, 'a').c_str(), 700), 1);
    s->NoBreak = 0;
    std::string body = BodyText(doc);
    EXPECT_NE(body.find("\r\n" + std::string(299, 'a') + "\r\n"), std::string::npos);
    EXPECT_EQ(s->LineLength, 700 - 2 * 299);
}

TEST(WriterUnit, BodyGrowsByAQuarterOrToWhatIsNeeded)
{
    EXPECT_EQ(NextBodyCapacity(1000, 1010), 1250);
    EXPECT_EQ(NextBodyCapacity(1000, 5000), 5000);
    EXPECT_EQ(NextBodyCapacity(2000000000, 2000000001), 0x7FFFFFFE);  // held at the largest block
    EXPECT_EQ(NextBodyCapacity(2000000000, 0x7FFFFFFF), -1);          // beyond 32-bit lengths
    TestDoc doc;
    RtfStream* s = doc.get()->Stream;
    EXPECT_EQ(s->BodyCapacity, 1000);
    Empty(doc);
    std::string line(98, 'a');
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(PutRtfText(doc, line.c_str(), 98), 1);
        ASSERT_EQ(FlushRtfLine(doc), 1);
    }
    // The prologue (13) and ten lines of 100 pass 1000 once: 1250.
    EXPECT_EQ(s->BodyLength, 1013);
    EXPECT_EQ(s->BodyCapacity, 1250);
}

TEST(WriterUnit, GroupDepthFollowsTheBraces)
{
    TestDoc doc;
    RtfStream* s = doc.get()->Stream;
    ASSERT_EQ(BeginRtfGroup(doc), 1);
    ASSERT_EQ(BeginRtfGroup(doc), 1);
    EXPECT_EQ(s->GroupDepth, 2);
    ASSERT_EQ(EndRtfGroup(doc), 1);
    ASSERT_EQ(EndRtfGroup(doc), 1);
    ASSERT_EQ(EndRtfGroup(doc), 1);
    EXPECT_EQ(s->GroupDepth, -1);
    EXPECT_EQ(Pending(doc), "\\ansi\\ftnbj{{}}}");
}
