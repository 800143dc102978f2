// Headers and footers, the stylesheet, fields, footnotes and bookmarks under
// failing allocations; the chains of reports when the section that a call
// would open by itself is refused; the paragraph a table of contents ends.
#include <gtest/gtest.h>

#include "core/document.h"
#include "rtf_cases.h"
#include "seam_test.h"

namespace {

using D = HVELDOC;

// Fills the body up to a few bytes short of its capacity and leaves a long
// line of control words pending, so that the next flush, or the next control
// word, grows the body.
void Pending(HVELDOC doc)
{
    for (RtfStream* s = doc->Stream; s->BodyCapacity - s->BodyLength > 12;) {
        VelInsertRaw(doc, std::string(static_cast<size_t>(s->BodyCapacity - s->BodyLength - 12), 'a').c_str());
    }
    for (int i = 0; i < 16; ++i) VelInsertControl(doc, "cellx", 1, 1000);
}

void None(D) {}
void Sheet(D d) { VelBeginStyleSheet(d); }
void InStyle(D d) { VelBeginStyleSheet(d), VelBeginStyleItem(d, 1, 1, "A"); }
int Header(D d) { return VelBeginHdrFtr(d, HF_HEADER); }

}  // namespace

TEST(ReportFaults, EveryOperationUndoesAFailedAllocation)
{
    std::string note, name(303, 'n');
    for (int i = 0; i < 200; ++i) note += "Note text {with} \\escapes\\ \xE9\x01\r\n";
    Calls none = None, text = [](D d) { VelBeginSectText(d); };
    const struct { const char* what; Calls setup; Call operation; } cases[] = {
        {"header opening its section", none, [](D d) { return VelBeginHdrFtr(d, HF_FOOTER_LEFT); }},
        {"header end", Header, [](D d) { return VelEndHdrFtr(d); }},
        {"stylesheet", none, [](D d) { return VelBeginStyleSheet(d); }},
        {"style", Sheet, [](D d) { return VelBeginStyleItem(d, 1, 1, "Heading"); }},
        {"style end, long name", [&](D d) { Sheet(d), VelBeginStyleItem(d, 0, 9, name.c_str()); },
         [](D d) { return VelEndStyleItem(d); }},
        {"stylesheet end", Sheet, [](D d) { return VelEndStyleSheet(d); }},
        {"page number", text, [](D d) { return VelInsertPageField(d, 1); }},
        {"merge field", text, [&](D d) { return VelInsertMergeField(d, "Name", note.c_str()); }},
        {"toc opening its section", none, [](D d) { return VelInsertTocField(d, 1, 3); }},
        {"footnote with a mark", text, [&](D d) { return VelInsertFootnote(d, "\xE9xy", note.c_str()); }},
        {"bookmark opening its section", none, [](D d) { return VelInsertBookmark(d, "Intro", 1); }},
    };
    for (const auto& c : cases) {
        EXPECT_GE(SweepAllocationFailures([&](D d) { c.setup(d), Pending(d); }, c.operation), 1) << c.what;
    }
}

// The reports of a refused call, in order, with the text of message 48.
TEST(ReportFaults, ReportsShown)
{
    const std::string initSect = Needs({"VelInitSect()          Initialize Section"});
    const std::string hdrFtr = "VelBeginHdrFtr()       Begin Header/Footer";
    const char* item = "VelBeginStyleItem()    Begin Stylesheet Item";
    const char* sheet = "VelBeginStylesheet()   Begin Stylesheet Group";
    const std::string text =
        Needs({"VelBeginSectText()     Begin Section Text", hdrFtr, "VelBeginCellText()    Begin Cell Text"});
    const std::string inSheet = "VelInitSect: This function not allowed after calling VelBeginStylesheet()";
    const struct { Calls setup; Call call; std::vector<std::string> shown; } cases[] = {
        {[](D d) { VelInsertText(d, "x"); }, Header,
         {"VelInitSect: This function not allowed after calling VelBeginSectText()", "VelBeginHdrFtr: " + initSect}},
        {Header, Header, {"VelInitSect: VelInitSect() already called", "VelBeginHdrFtr: " + initSect}},
        {Sheet, Header, {inSheet, "VelBeginHdrFtr: " + initSect}},
        {InStyle, [](D d) { return VelInsertPageField(d, 1); },
         {inSheet, "VelBeginSectText: " + initSect, "VelInsertPageField: " + text}},
        {[](D d) { VelInitSect(d), InStyle(d); }, [](D d) { return VelInsertFootnote(d, nullptr, "n"); },
         {"VelBeginSectText: Invalid Function Sequence!", "VelInsertFootnote: " + text}},
        {None, [](D d) { return VelEndHdrFtr(d); }, {"VelEndHdrFtr: " + Needs({hdrFtr})}},
        {Sheet, [](D d) { return VelEndStyleItem(d); }, {"VelEndStyleItem: " + Needs({item})}},
        {None, [](D d) { return VelEndStyleSheet(d); }, {"VelEndStyleSheet: " + Needs({sheet})}},
    };
    VelSetFlags(nullptr, 0, DOCFLAG_QUIET);  // new documents show their reports
    for (const auto& c : cases) {
        TestDoc doc;
        c.setup(doc), ClearBoxes();
        EXPECT_EQ(c.call(doc), 0);
        std::vector<std::string> shown;
        for (const ShownBox& box : Boxes()) shown.push_back(box.caption + ": " + box.text);
        EXPECT_EQ(shown, c.shown);
    }
    VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
}

TEST(ReportFaults, TableOfContentsEndsTheParagraph)
{
    TestDoc doc;
    VelInsertText(doc, "open"), VelInsertTocField(doc, 1, 3);
    EXPECT_EQ(doc.get()->ParaClosed, 1);
}
