// Headers and footers, the stylesheet, fields, footnotes and bookmarks under
// failing allocations, and the chains of reports when the section that a
// call would open by itself is refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document.h"
#include "rtf_test.h"
#include "seam_test.h"

namespace {

// Fills the body up to a few bytes short of its capacity and leaves a long
// line of control words pending, so that the next flush, or the next control
// word, grows the body.
void Pending(HVELDOC doc)
{
    RtfStream* s = doc->Stream;
    while (s->BodyCapacity - s->BodyLength > 12) {
        int room = s->BodyCapacity - s->BodyLength;
        std::string line(room > 70 ? 60 : static_cast<size_t>(room - 12), 'a');
        VelInsertRaw(doc, line.c_str());
    }
    VelInsertRaw(doc, "");
    for (int i = 0; i < 16; ++i) VelInsertControl(doc, "cellx", 1, 1000);
}

void TextPending(HVELDOC doc)
{
    VelBeginSectText(doc);
    Pending(doc);
}

void InitialisedPending(HVELDOC doc)
{
    VelInitSect(doc);
    Pending(doc);
}

const std::string kLongText = [] {
    std::string text;
    for (int i = 0; i < 200; ++i) text += "Note text {with} \\escapes\\ \xE9\x01\r\n";
    return text;
}();

// Shows every report as a box for the length of a test.
struct ShowReports {
    ShowReports()
    {
        VelSetFlags(nullptr, 0, DOCFLAG_QUIET);
        ClearBoxes();
    }
    ~ShowReports() { VelSetFlags(nullptr, 1, DOCFLAG_QUIET); }
};

// The boxes shown, as "caption: text" lines.
std::vector<std::string> Shown()
{
    std::vector<std::string> shown;
    for (const ShownBox& box : Boxes()) shown.push_back(box.caption + ": " + box.text);
    return shown;
}

const std::string kNeeds =
    "This function is valid only if one of the following function(s) has been already called:\n\n";
const std::string kNeedsInitSect = kNeeds + "VelInitSect()          Initialize Section.";
const std::string kNeedsText = kNeeds +
                               "VelBeginSectText()     Begin Section Text,\n"
                               "VelBeginHdrFtr()       Begin Header/Footer,\n"
                               "VelBeginCellText()    Begin Cell Text.";

}  // namespace

TEST(ReportFaults, HeadersAndFooters)
{
    EXPECT_GE(SweepAllocationFailures(InitialisedPending, [](HVELDOC d) { return VelBeginHdrFtr(d, HF_FOOTER_LEFT); }),
              1);
    // The section that the header opens by itself is undone with it.
    EXPECT_GE(SweepAllocationFailures(Pending, [](HVELDOC d) { return VelBeginHdrFtr(d, HF_HEADER_FIRST); }), 1);
    auto headerPending = [](HVELDOC d) {
        VelBeginHdrFtr(d, HF_HEADER);
        Pending(d);
    };
    auto headerEnd = [](HVELDOC d) {
        // Opens the next header again, so that the sweep can repeat the end.
        return VelEndHdrFtr(d) && VelBeginHdrFtr(d, HF_HEADER);
    };
    EXPECT_GE(SweepAllocationFailures(headerPending, headerEnd), 1);
}

TEST(ReportFaults, Stylesheet)
{
    EXPECT_GE(SweepAllocationFailures(Pending, [](HVELDOC d) { return VelBeginStyleSheet(d); }), 1);
    auto sheetPending = [](HVELDOC d) {
        VelBeginStyleSheet(d);
        Pending(d);
    };
    EXPECT_GE(SweepAllocationFailures(sheetPending,
                                      [](HVELDOC d) {
                                          return VelBeginStyleItem(d, 1, 1, "Heading") && VelEndStyleItem(d);
                                      }),
              1);
    auto sheetEnd = [](HVELDOC d) { return VelEndStyleSheet(d) && VelBeginStyleSheet(d); };
    EXPECT_GE(SweepAllocationFailures(sheetPending, sheetEnd), 1);
    // A long name written at the end of the style.
    std::string name(303, 'n');
    auto itemPending = [&](HVELDOC d) {
        VelBeginStyleSheet(d);
        VelBeginStyleItem(d, 0, 10, name.c_str());
        Pending(d);
    };
    EXPECT_GE(SweepAllocationFailures(itemPending,
                                      [&](HVELDOC d) {
                                          return VelEndStyleItem(d) && VelBeginStyleItem(d, 0, 10, name.c_str());
                                      }),
              1);
}

TEST(ReportFaults, Fields)
{
    EXPECT_GE(SweepAllocationFailures(TextPending, [](HVELDOC d) { return VelInsertPageField(d, 1); }), 1);
    EXPECT_GE(SweepAllocationFailures(TextPending, [](HVELDOC d) { return VelInsertPageField(d, 0); }), 1);
    EXPECT_GE(SweepAllocationFailures(TextPending,
                                      [](HVELDOC d) { return VelInsertMergeField(d, "Name", kLongText.c_str()); }),
              2);
    EXPECT_GE(SweepAllocationFailures(TextPending, [](HVELDOC d) { return VelInsertTocField(d, 1, 3); }), 1);
    // The section opened by itself goes with the failed field.
    EXPECT_GE(SweepAllocationFailures(Pending, [](HVELDOC d) { return VelInsertTocField(d, 1, 3); }), 1);
}

TEST(ReportFaults, FootnotesAndBookmarks)
{
    EXPECT_GE(SweepAllocationFailures(TextPending, [](HVELDOC d) { return VelInsertFootnote(d, nullptr, "Note"); }), 1);
    EXPECT_GE(SweepAllocationFailures(TextPending,
                                      [](HVELDOC d) { return VelInsertFootnote(d, "\xE9xy", kLongText.c_str()); }),
              2);
    EXPECT_GE(SweepAllocationFailures(TextPending, [](HVELDOC d) { return VelInsertBookmark(d, "Intro", 1); }), 1);
    EXPECT_GE(SweepAllocationFailures(Pending, [](HVELDOC d) { return VelInsertBookmark(d, "Intro", 0); }), 1);
}

TEST(ReportFaults, TableOfContentsClosesTheParagraph)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "open"), 1);
    ASSERT_EQ(doc.get()->ParaClosed, 0);
    ASSERT_EQ(VelInsertTocField(doc, 1, 3), 1);
    EXPECT_EQ(doc.get()->ParaClosed, 1);
    // Other fields leave the paragraph as it was.
    ASSERT_EQ(VelInsertText(doc, "x"), 1);
    ASSERT_EQ(VelInsertPageField(doc, 1), 1);
    ASSERT_EQ(VelInsertFootnote(doc, nullptr, "n"), 1);
    EXPECT_EQ(doc.get()->ParaClosed, 0);
}

TEST(ReportFaults, HeaderAfterTheTextBegan)
{
    ShowReports show;
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "x"), 1);
    EXPECT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 0);
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           "VelInitSect: This function not allowed after calling VelBeginSectText()",
                           "VelBeginHdrFtr: " + kNeedsInitSect,
                       }));
}

TEST(ReportFaults, HeaderInsideAHeader)
{
    ShowReports show;
    TestDoc doc;
    ASSERT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 1);
    ClearBoxes();
    EXPECT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 0);
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           "VelInitSect: VelInitSect() already called",
                           "VelBeginHdrFtr: " + kNeedsInitSect,
                       }));
}

TEST(ReportFaults, HeaderInsideAStylesheet)
{
    ShowReports show;
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    EXPECT_EQ(VelBeginHdrFtr(doc, HF_HEADER), 0);
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           "VelInitSect: This function not allowed after calling VelBeginStylesheet()",
                           "VelBeginHdrFtr: " + kNeedsInitSect,
                       }));
    EXPECT_EQ(SavedRtf(doc), Document("\r\n{\\stylesheet}"));  // the save closes the open group
}

TEST(ReportFaults, FieldInsideAStyle)
{
    ShowReports show;
    TestDoc doc;
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(VelBeginStyleItem(doc, 1, 1, "A"), 1);
    EXPECT_EQ(VelInsertPageField(doc, 1), 0);
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           "VelInitSect: This function not allowed after calling VelBeginStylesheet()",
                           "VelBeginSectText: " + kNeedsInitSect,
                           "VelInsertPageField: " + kNeedsText,
                       }));
}

TEST(ReportFaults, FootnoteInsideAStyleOfAnInitialisedSection)
{
    ShowReports show;
    TestDoc doc;
    ASSERT_EQ(VelInitSect(doc), 1);
    ASSERT_EQ(VelBeginStyleSheet(doc), 1);
    ASSERT_EQ(VelBeginStyleItem(doc, 1, 1, "A"), 1);
    EXPECT_EQ(VelInsertFootnote(doc, nullptr, "n"), 0);
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           "VelBeginSectText: Invalid Function Sequence!",
                           "VelInsertFootnote: " + kNeedsText,
                       }));
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\stylesheet\r\n{\\s1}}"));
}

