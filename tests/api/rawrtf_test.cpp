// Groups, control words and ready-made RTF from the host.
#include <gtest/gtest.h>

#include "rtf_test.h"

TEST(RawRtf, StarredGroupStandsOnItsOwnLine)
{
    TestDoc doc;
    VelBeginSectText(doc);
    ASSERT_EQ(VelBeginGroup(doc, "pntext", 1), 1);
    ASSERT_EQ(VelInsertText(doc, "x"), 1);
    ASSERT_EQ(VelEndGroup(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\*\\pntext x}\r\n"));
}

TEST(RawRtf, GroupWithoutWord)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginGroup(doc, nullptr, 0), 1);
    ASSERT_EQ(VelBeginGroup(doc, "", 0), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\r\n{\r\n{}}"));
}

TEST(RawRtf, ControlWordWithAndWithoutParameter)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertControl(doc, "fs", 1, 24), 1);
    ASSERT_EQ(VelInsertControl(doc, "fs", 0, 24), 1);
    EXPECT_EQ(VelInsertControl(doc, "", 0, 0), 0);  // a bare backslash would corrupt what follows
    EXPECT_EQ(VelInsertControl(doc, nullptr, 1, 0), 0);
    EXPECT_EQ(SavedRtf(doc), Document("\\fs24\\fs"));
}

TEST(RawRtf, RawTextGoesInUnchanged)
{
    TestDoc doc;
    VelBeginSectText(doc);
    ASSERT_EQ(VelInsertRaw(doc, "{\\b bold}"), 1);
    ASSERT_EQ(VelInsertText(doc, "x"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\b bold}x"));
    ASSERT_EQ(VelInsertRaw(doc, ""), 1);  // only flushes
    ASSERT_EQ(VelInsertRaw(doc, nullptr), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\b bold}x\r\n"));
}

TEST(RawRtf, RawTextIsAcceptedInEveryState)
{
    TestDoc doc;
    ASSERT_EQ(VelInitSect(doc), 1);
    ASSERT_EQ(VelInsertRaw(doc, "\\pard "), 1);
    ASSERT_EQ(VelBeginSectText(doc), 1);
    ASSERT_EQ(VelInsertRaw(doc, "x"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n\\pard x"));
}

TEST(RawRtf, NullDocumentGivesZero)
{
    EXPECT_EQ(VelBeginGroup(nullptr, "a", 1), 0);
    EXPECT_EQ(VelEndGroup(nullptr), 0);
    EXPECT_EQ(VelInsertControl(nullptr, "a", 0, 0), 0);
    EXPECT_EQ(VelInsertRaw(nullptr, "a"), 0);
}
