// Saving to memory and to files.
#include <gtest/gtest.h>

#include <cstring>

#include "rtf_test.h"

TEST(Save, NewDocumentToMemory)
{
    TestDoc doc;
    int length = 0;
    HGLOBAL block = VelGetData(doc, &length);
    ASSERT_TRUE(block);
    EXPECT_EQ(length, 31);
#ifdef _WIN32
    EXPECT_GE(GlobalSize(block), 53u);
#else
    EXPECT_EQ(GlobalSize(block), 53u);  // the size bound of the save
#endif
    const char* text = static_cast<const char*>(GlobalLock(block));
    ASSERT_TRUE(text);
    EXPECT_STREQ(text, "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj}");
    GlobalUnlock(block);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(Save, NewDocumentToFileHasNoNul)
{
    TestDoc doc;
    std::string path = TempPath("velrtf-save-new.rtf");
    ASSERT_EQ(VelSaveFile(doc, path.c_str()), 1);
    EXPECT_EQ(ReadFileBytes(path), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj}");
    std::remove(path.c_str());
}

TEST(Save, ParagraphEndsTheBodyLine)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "Hello\r\n"), 1);
    EXPECT_EQ(SavedRtf(doc), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj\\sectd Hello\\par\r\n}");
}

TEST(Save, EmptyOrNullPathSavesToMemory)
{
    TestDoc doc;
    for (const char* path : {"", static_cast<const char*>(nullptr)}) {
        intptr_t result = VelSaveFile(doc, path);
        ASSERT_NE(result, 0);
        ASSERT_NE(result, 1);
        auto block = reinterpret_cast<HGLOBAL>(result);
        EXPECT_STREQ(static_cast<const char*>(GlobalLock(block)), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj}");
        GlobalUnlock(block);
        GlobalFree(block);
    }
}

TEST(Save, OpenGroupsAreClosedInTheOutputOnly)
{
    TestDoc doc;
    VelBeginGroup(doc, "a", 0);
    VelBeginGroup(doc, "b", 0);
    std::string once = SavedRtf(doc);
    EXPECT_EQ(once, Document("\r\n{\\a\r\n{\\b}}"));
    EXPECT_EQ(SavedRtf(doc), once);  // saving changes nothing
    VelInsertText(doc, "more");
    EXPECT_EQ(SavedRtf(doc), Document("\r\n{\\a\r\n{\\b\\sectd more}}"));
}

TEST(Save, MoreClosedThanOpenedGroupsStillSave)
{
    TestDoc doc;
    VelEndGroup(doc);
    VelEndGroup(doc);
    EXPECT_EQ(SavedRtf(doc), Document("}\r\n}\r\n"));
    std::string path = TempPath("velrtf-save-underflow.rtf");
    ASSERT_EQ(VelSaveFile(doc, path.c_str()), 1);
    EXPECT_EQ(ReadFileBytes(path), Document("}\r\n}\r\n"));
    std::remove(path.c_str());
}

TEST(Save, FileReplacesAnExistingFile)
{
    TestDoc doc;
    std::string path = TempPath("velrtf-save-replace.rtf");
    std::FILE* old = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(old);
    std::string junk(5000, 'j');
    std::fwrite(junk.data(), 1, junk.size(), old);
    std::fclose(old);
    VelInsertText(doc, "x");
    ASSERT_EQ(VelSaveFile(doc, path.c_str()), 1);
    EXPECT_EQ(ReadFileBytes(path), SavedRtf(doc));
    std::remove(path.c_str());
}

TEST(Save, MissingFolderReportsFive)
{
    TestDoc doc;
    VelResetLastMessage();
    std::string path = TempPath("velrtf-no-such-folder/x/y.rtf");
    EXPECT_EQ(VelSaveFile(doc, path.c_str()), 0);
    EXPECT_EQ(LastMessage(), "5 VelSave: Could Not Open the File.");
    // The document is intact and saves elsewhere.
    EXPECT_EQ(SavedRtf(doc), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj}");
}

TEST(Save, NullDocumentGivesZero)
{
    int length = 7;
    EXPECT_EQ(VelGetData(nullptr, &length), nullptr);
    EXPECT_EQ(length, 7);
    EXPECT_EQ(VelSaveFile(nullptr, TempPath("velrtf-null.rtf").c_str()), 0);
    EXPECT_EQ(VelEndDoc(nullptr), 0);
}

TEST(Save, LargeDocumentRoundTripsThroughFileAndMemory)
{
    TestDoc doc;
    std::string chunk = "The quick brown fox jumps over the lazy dog.\r\n";
    for (int i = 0; i < 20000; ++i) ASSERT_EQ(VelInsertText(doc, chunk.c_str()), 1);
    std::string memory = SavedRtf(doc);
    EXPECT_GT(memory.size(), 900000u);
    std::string path = TempPath("velrtf-save-large.rtf");
    ASSERT_EQ(VelSaveFile(doc, path.c_str()), 1);
    EXPECT_EQ(ReadFileBytes(path), memory);
    std::remove(path.c_str());
}
