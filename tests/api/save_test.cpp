// Saving to memory and to files.
#include <gtest/gtest.h>

#include <cstdio>

#include "rtf_cases.h"

TEST(Save, NewDocumentToMemoryAndToFile)
{
    TestDoc doc;
    int length = 0;
    HGLOBAL block = VelGetData(doc, &length);
    ASSERT_TRUE(block);
    EXPECT_EQ(length, 31);  // the text and its NUL
#ifndef _WIN32
    EXPECT_EQ(GlobalSize(block), 53u);  // the size bound of the save
#endif
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(block)), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj}");
    GlobalUnlock(block);
    GlobalFree(block);
    for (const char* path : {"", static_cast<const char*>(nullptr)}) {  // memory again, the handle returned
        auto handle = reinterpret_cast<HGLOBAL>(VelSaveFile(doc, path));
        ASSERT_NE(reinterpret_cast<intptr_t>(handle), 1);
        EXPECT_STREQ(static_cast<const char*>(GlobalLock(handle)), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj}");
        GlobalUnlock(handle);
        GlobalFree(handle);
    }
    std::string path = TempPath("velrtf-save.rtf");
    std::FILE* old = std::fopen(path.c_str(), "wb");  // replaced, not appended to
    std::fputs(std::string(5000, 'j').c_str(), old);
    std::fclose(old);
    ASSERT_EQ(VelSaveFile(doc, path.c_str()), 1);
    EXPECT_EQ(ReadFileBytes(path), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj}");  // 30 bytes, no NUL
    std::remove(path.c_str());
}

TEST(Save, SavingChangesNothingAndClosesOpenGroups)
{
    TestDoc doc;
    VelInsertText(doc, "Hello\r\n");
    EXPECT_EQ(SavedRtf(doc), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj\\sectd Hello\\par\r\n}");
    VelBeginGroup(doc, "a", 0), VelBeginGroup(doc, "b", 0);
    std::string once = SavedRtf(doc);
    EXPECT_EQ(once, Document("\\sectd Hello\\par\r\n{\\a\r\n{\\b}}"));
    EXPECT_EQ(SavedRtf(doc), once);
    VelInsertText(doc, "more");
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd Hello\\par\r\n{\\a\r\n{\\b more}}"));
    // More groups closed than opened: only the final brace, and the save works.
    TestDoc under;
    VelEndGroup(under), VelEndGroup(under);
    EXPECT_EQ(SavedRtf(under), Document("}\r\n}\r\n"));
}

TEST(Save, FailuresAndLargeDocuments)
{
    TestDoc doc;
    VelResetLastMessage();
    EXPECT_EQ(VelSaveFile(doc, TempPath("velrtf-no-such-folder/y.rtf").c_str()), 0);
    EXPECT_EQ(LastMessage(), "5 VelSave: Could Not Open the File.");
    int length = 7;
    EXPECT_EQ(VelGetData(nullptr, &length), nullptr);
    EXPECT_EQ(length, 7);
    EXPECT_EQ(VelSaveFile(nullptr, "x.rtf") + VelEndDoc(nullptr), 0);
    for (int i = 0; i < 20000; ++i) VelInsertText(doc, "The quick brown fox jumps over the lazy dog.\r\n");
    std::string memory = SavedRtf(doc);
    EXPECT_GT(memory.size(), 900000u);
    std::string path = TempPath("velrtf-save-large.rtf");
    ASSERT_EQ(VelSaveFile(doc, path.c_str()), 1);
    EXPECT_EQ(ReadFileBytes(path), memory);
    std::remove(path.c_str());
}
