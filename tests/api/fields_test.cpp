// Page-number, page-count, merge and table-of-contents fields.
#include <gtest/gtest.h>

#include <string>

#include "rtf_body.h"
#include "rtf_test.h"

namespace {

// A document whose section text is open and whose pending line is empty,
// so that a field's RTF starts a line of its own.
void OnEmptyLine(HVELDOC doc)
{
    ASSERT_EQ(VelBeginSectText(doc), 1);
    ASSERT_EQ(VelInsertRaw(doc, ""), 1);
}

// The flat body of a table of contents after the section's start. Long
// fields are compared without the writer's line breaks: their soft breaks
// fall at whatever space passes the 76th character.
std::string Toc(const char* levels)
{
    return std::string("\\sectd{\\field\\fldedit{\\fldinst TOC \\\\o \"") + levels +
           "\" }{\\fldrslt Update this field to view Table-of-Content.\\par}}}";
}

}  // namespace

TEST(Fields, PageNumberAndPageCount)
{
    TestDoc doc;
    OnEmptyLine(doc);
    ASSERT_EQ(VelInsertPageField(doc, 1), 1);
    ASSERT_EQ(VelInsertText(doc, "/"), 1);
    ASSERT_EQ(VelInsertPageField(doc, 0), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\field{\\fldinst PAGE}{\\fldrslt 1}}/"
                                      "{\\field{\\fldinst NUMPAGES}{\\fldrslt 1}}"));
}

TEST(Fields, FieldOpensTheSectionByItself)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertPageField(doc, 7), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd{\\field{\\fldinst PAGE}{\\fldrslt 1}}"));
}

TEST(Fields, MergeField)
{
    TestDoc doc;
    OnEmptyLine(doc);
    ASSERT_EQ(VelInsertMergeField(doc, "Address", "Street"), 1);
    ASSERT_EQ(VelInsertMergeField(doc, "City", nullptr), 1);
    ASSERT_EQ(VelInsertMergeField(doc, "Zip", ""), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd{\\field\\fldlock{\\fldinst MERGEFIELD Address}{\\fldrslt Street}}"
                             "{\\field\\fldlock{\\fldinst MERGEFIELD City}{\\fldrslt}}"
                             "{\\field\\fldlock{\\fldinst MERGEFIELD Zip}{\\fldrslt}}}");
}

TEST(Fields, MergeFieldNameAndResultAreEscaped)
{
    TestDoc doc;
    OnEmptyLine(doc);
    // The name's backslash stays a switch of the instruction; its control
    // characters are left out, the result's are escaped or translated.
    ASSERT_EQ(VelInsertMergeField(doc, "Na{m}e\r\n\t\xE9 \\* Upper", "R\x01\xE9\tx"), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd{\\field\\fldlock{\\fldinst MERGEFIELD Na\\{m\\}e\\'e9 \\\\* Upper}"
                             "{\\fldrslt R\\'01\\'e9\\tab x}}}");
}

TEST(Fields, MergeFieldWithoutNameIsRefusedQuietly)
{
    TestDoc doc;
    VelResetLastMessage();
    EXPECT_EQ(VelInsertMergeField(doc, nullptr, "x"), 0);
    EXPECT_EQ(VelInsertMergeField(doc, "", "x"), 0);
    EXPECT_EQ(VelInsertMergeField(doc, "\r\n\t", "x"), 0);  // nothing but control characters
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);
    EXPECT_EQ(SavedRtf(doc), Document(""));  // not even a section
}

TEST(Fields, TableOfContents)
{
    TestDoc doc;
    OnEmptyLine(doc);
    ASSERT_EQ(VelInsertTocField(doc, 1, 3), 1);
    EXPECT_EQ(FlatBody(doc), Toc("1-3"));
}

TEST(Fields, TableOfContentsLevelsAreClamped)
{
    const struct {
        int first, last;
        const char* levels;
    } cases[] = {
        {0, 20, "1-9"},  {5, 2, "2-2"},    {3, 0, "0-0"},  {-4, 9, "1-9"},
        {1, -7, "-7--7"}, {12, 30, "9-9"}, {2, 2, "2-2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + ", " + std::to_string(c.last));
        TestDoc doc;
        OnEmptyLine(doc);
        ASSERT_EQ(VelInsertTocField(doc, c.first, c.last), 1);
        EXPECT_EQ(FlatBody(doc), Toc(c.levels));
    }
}

TEST(Fields, AcceptedInHeadersAndFooters)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_FOOTER), 1);
    ASSERT_EQ(VelInsertPageField(doc, 1), 1);
    ASSERT_EQ(VelInsertMergeField(doc, "Company", "ACME"), 1);
    ASSERT_EQ(VelEndHdrFtr(doc), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd{\\footer{\\field{\\fldinst PAGE}{\\fldrslt 1}}"
                             "{\\field\\fldlock{\\fldinst MERGEFIELD Company}{\\fldrslt ACME}}}}");
}

TEST(Fields, RefusedInsideAStyle)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(VelBeginStyleItem(doc, 1, 1, "A"), 1);
    VelResetLastMessage();
    EXPECT_EQ(VelInsertPageField(doc, 1), 0);
    const std::string needs =
        ": This function is valid only if one of the following function(s) has been already called:\n\n"
        "VelBeginSectText()     Begin Section Text,\n"
        "VelBeginHdrFtr()       Begin Header/Footer,\n"
        "VelBeginCellText()    Begin Cell Text.";
    EXPECT_EQ(LastMessage(), "48 VelInsertPageField" + needs);
    EXPECT_EQ(VelInsertMergeField(doc, "A", nullptr), 0);
    EXPECT_EQ(LastMessage(), "48 VelInsertMergeField" + needs);
    EXPECT_EQ(VelInsertTocField(doc, 1, 3), 0);
    EXPECT_EQ(LastMessage(), "48 VelInsertTocField" + needs);
}

TEST(Fields, NullDocumentGivesZero)
{
    EXPECT_EQ(VelInsertPageField(nullptr, 1), 0);
    EXPECT_EQ(VelInsertMergeField(nullptr, "A", "B"), 0);
    EXPECT_EQ(VelInsertTocField(nullptr, 1, 3), 0);
}
