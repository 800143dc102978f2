// The stylesheet: its groups, the style names as written, and the calls
// refused around it.
#include <gtest/gtest.h>

#include <string>

#include "rtf_body.h"
#include "rtf_test.h"

namespace {

// Writes one style without formatting and gives 1 when every call passed.
int Style(HVELDOC doc, int paragraph, int number, const char* name)
{
    return VelBeginStyleItem(doc, paragraph, number, name) == 1 && VelEndStyleItem(doc) == 1;
}

// The RTF of a stylesheet of one style `item`, at the start of a document.
std::string OneStyle(const std::string& item)
{
    return Document("\r\n{\\stylesheet\r\n" + item + "\r\n}\r\n");
}

const std::string kNeedsStylesheet =
    "This function is valid only if one of the following function(s) has been already called:\n\n"
    "VelBeginStylesheet()   Begin Stylesheet Group.";

}  // namespace

TEST(Stylesheet, ParagraphAndCharacterStyles)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(VelBeginStyleItem(doc, 1, 1, "Heading"), 1);
    ASSERT_EQ(VelTextFont(doc, nullptr, 0, CHAR_BOLD, 1), 1);
    ASSERT_EQ(VelEndStyleItem(doc), 1);
    ASSERT_EQ(Style(doc, 0, 10, "Code"), 1);
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\r\n{\\stylesheet\r\n{\\s1\\b Heading;}\r\n{\\cs10 Code;}\r\n}\r\n"));
}

TEST(Stylesheet, StyleNumberZeroHasNoNumberWord)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(Style(doc, 1, 0, "Normal"), 1);
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    EXPECT_EQ(SavedRtf(doc), OneStyle("{Normal;}"));
}

TEST(Stylesheet, StylesCarryParagraphAndCharacterFormatting)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(VelBeginStyleItem(doc, 1, 2, "heading 2"), 1);
    ASSERT_EQ(VelParaSpace(doc, 240, 60, -1), 1);
    ASSERT_EQ(VelParaFlags(doc, PARA_KEEP_NEXT), 1);
    ASSERT_EQ(VelTextFont(doc, "Arial", 14, CHAR_ITALIC, 1), 1);
    ASSERT_EQ(VelEndStyleItem(doc), 1);
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    std::string rtf = SavedRtf(doc);
    EXPECT_NE(rtf.find("{\\stylesheet\r\n{\\s2\\sb240\\sa60\\ql\\keepn\\f0\\fs28\\i heading 2;}\r\n}\r\n"),
              std::string::npos)
        << rtf;
}

TEST(Stylesheet, NamesAreEscaped)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(Style(doc, 1, 2, "A{b}\\c\xE9"), 1);
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    EXPECT_EQ(SavedRtf(doc), OneStyle("{\\s2 A\\{b\\}\\\\c\\'e9;}"));
}

// A CR would write \par into the stylesheet, a TAB \tab; readers even take
// an escaped CR for a paragraph break. A name has no use for them.
TEST(Stylesheet, ControlCharactersAreLeftOutOfNames)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(Style(doc, 1, 3, "\tBody\r\n Text\x01\x1f\x7f"), 1);
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    EXPECT_EQ(SavedRtf(doc), OneStyle("{\\s3 Body Text;}"));
}

TEST(Stylesheet, LongNamesAreCutTo303Bytes)
{
    std::string exact(303, 'x');
    std::string longer(400, 'y');
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(Style(doc, 1, 1, exact.c_str()), 1);
    ASSERT_EQ(Style(doc, 1, 2, longer.c_str()), 1);
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    std::string rtf = FlatBody(doc);  // long names are broken across lines like any text
    EXPECT_NE(rtf.find("{\\s1 " + exact + ";}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\s2 " + std::string(303, 'y') + ";}"), std::string::npos);
    EXPECT_EQ(rtf.find(std::string(304, 'y')), std::string::npos);
}

TEST(Stylesheet, NullNameIsAnEmptyName)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(Style(doc, 0, 5, nullptr), 1);
    ASSERT_EQ(Style(doc, 1, 0, ""), 1);
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\r\n{\\stylesheet\r\n{\\cs5 ;}\r\n{;}\r\n}\r\n"));
}

TEST(Stylesheet, MayBeWrittenWhileASectionIsInitialised)
{
    TestDoc doc;
    ASSERT_EQ(VelInitSect(doc), 1);
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelBeginSectText(doc), 0);
    EXPECT_EQ(LastMessage(), "47 VelBeginSectText: Invalid Function Sequence!");
    ASSERT_EQ(Style(doc, 1, 1, "A"), 1);
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    ASSERT_EQ(VelInsertText(doc, "x"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\stylesheet\r\n{\\s1 A;}\r\n}\r\nx"));
}

TEST(Stylesheet, RefusedAfterTheFirstTextAndWhenOpen)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelBeginStyleSheet(doc), 0);
    EXPECT_EQ(LastMessage(), "37 VelBeginStyleSheet: VelBeginStylesheet() already called");
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    ASSERT_EQ(VelInsertText(doc, "x"), 1);
    EXPECT_EQ(VelBeginStyleSheet(doc), 0);
    EXPECT_EQ(LastMessage(), "34 VelBeginStyleSheet: This function not allowed after calling VelBeginSectText()");
    EXPECT_EQ(SavedRtf(doc), Document("\r\n{\\stylesheet}\r\n\\sectd x"));
}

TEST(Stylesheet, ItemsNeedAStylesheetAndDoNotNest)
{
    TestDoc doc;
    VelResetLastMessage();
    EXPECT_EQ(VelBeginStyleItem(doc, 1, 1, "A"), 0);
    EXPECT_EQ(LastMessage(), "48 VelBeginStyleItem: " + kNeedsStylesheet);
    EXPECT_EQ(VelEndStyleItem(doc), 0);
    EXPECT_EQ(LastMessage(),
              "48 VelEndStyleItem: This function is valid only if one of the following function(s) has been "
              "already called:\n\nVelBeginStyleItem()    Begin Stylesheet Item.");
    EXPECT_EQ(VelEndStyleSheet(doc), 0);
    EXPECT_EQ(LastMessage(), "48 VelEndStyleSheet: " + kNeedsStylesheet);
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(VelBeginStyleItem(doc, 1, 1, "A"), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelBeginStyleItem(doc, 1, 2, "B"), 0);
    EXPECT_EQ(LastMessage(), "48 VelBeginStyleItem: " + kNeedsStylesheet);
    // The stylesheet stays open while its item is.
    EXPECT_EQ(VelEndStyleSheet(doc), 0);
    EXPECT_EQ(LastMessage(), "48 VelEndStyleSheet: " + kNeedsStylesheet);
    ASSERT_EQ(VelEndStyleItem(doc), 1);  // the refused item did not replace the name
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    EXPECT_EQ(SavedRtf(doc), OneStyle("{\\s1 A;}"));
}

TEST(Stylesheet, TextIsRefusedInsideAStyle)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(VelBeginStyleItem(doc, 1, 1, "A"), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelInsertText(doc, "text"), 0);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 48);
    for (int result : {VelInsertPageField(doc, 1), VelInsertMergeField(doc, "Name", "x"),
                       VelInsertTocField(doc, 1, 3), VelInsertFootnote(doc, nullptr, "n"),
                       VelInsertBookmark(doc, "b", 1)}) {
        EXPECT_EQ(result, 0);
    }
    ASSERT_EQ(VelEndStyleItem(doc), 1);
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    EXPECT_EQ(SavedRtf(doc), OneStyle("{\\s1 A;}"));
}

// The style's closing brace would close the run's group instead, and the
// stylesheet would swallow the rest of the document.
TEST(Stylesheet, ItemEndRefusedWhileAScriptRunIsOpen)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(VelBeginStyleItem(doc, 0, 11, "Sup"), 1);
    ASSERT_EQ(VelBeginScriptStyle(doc, 1), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelEndStyleItem(doc), 0);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 59);
    ASSERT_EQ(VelEndScriptStyle(doc), 1);
    ASSERT_EQ(VelEndStyleItem(doc), 1);
    ASSERT_EQ(VelEndStyleSheet(doc), 1);
    EXPECT_EQ(SavedRtf(doc), OneStyle("{\\cs11{\\super}Sup;}"));
}

TEST(Stylesheet, NullDocumentGivesZero)
{
    EXPECT_EQ(VelBeginStyleSheet(nullptr), 0);
    EXPECT_EQ(VelBeginStyleItem(nullptr, 1, 1, "A"), 0);
    EXPECT_EQ(VelEndStyleItem(nullptr), 0);
    EXPECT_EQ(VelEndStyleSheet(nullptr), 0);
}
