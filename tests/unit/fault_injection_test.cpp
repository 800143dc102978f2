// Every allocation of every operation fails once: the operation gives 0,
// reports error 23, leaks nothing and leaves the document exactly as it was.
#include <gtest/gtest.h>

#include <string>

#include "core/document.h"
#include "core/fonttable.h"
#include "rtf_test.h"
#include "seam_test.h"

namespace {

void Nothing(HVELDOC) {}

// Fills the body up to a few bytes short of its capacity, so that the next
// line grows it.
void NearlyFull(HVELDOC doc)
{
    RtfStream* s = doc->Stream;
    while (s->BodyCapacity - s->BodyLength > 12) {
        int room = s->BodyCapacity - s->BodyLength;
        std::string line(room > 70 ? 60 : static_cast<size_t>(room - 12), 'a');
        VelInsertRaw(doc, line.c_str());
    }
    VelInsertRaw(doc, "");
}

const std::string kLongText = [] {
    std::string text;
    for (int i = 0; i < 400; ++i) text += "Some words {and} \\escapes\\ \xE9\r\n";
    return text;
}();

}  // namespace

TEST(FaultInjection, NewDocumentFailsCleanly)
{
    for (int nth = 1; nth <= 5; ++nth) {
        VelResetLastMessage();
        VelTestFailAllocation(nth);
        HVELDOC doc = VelNewDoc();
        VelTestFailAllocation(0);
        EXPECT_EQ(doc, nullptr) << "allocation " << nth;
        EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 23);
        if (doc) VelEndDoc(doc);
    }
    HVELDOC doc = VelNewDoc();
    EXPECT_TRUE(doc);
    VelEndDoc(doc);
}

TEST(FaultInjection, Text)
{
    EXPECT_GE(SweepAllocationFailures(Nothing, [](HVELDOC d) { return VelInsertText(d, kLongText.c_str()); }), 3);
    EXPECT_GE(SweepAllocationFailures(NearlyFull, [](HVELDOC d) { return VelInsertText(d, "x\r\n"); }), 1);
}

TEST(FaultInjection, UnicodeText)
{
    std::u16string text(3000, u'\u00E9');
    auto* units = reinterpret_cast<const VELWCHAR*>(text.c_str());
    EXPECT_GE(SweepAllocationFailures(Nothing, [&](HVELDOC d) { return VelInsertUText(d, units); }), 3);
}

TEST(FaultInjection, DirectRtf)
{
    auto wordsPending = [](HVELDOC d) {
        NearlyFull(d);
        for (int i = 0; i < 16; ++i) VelInsertControl(d, "cellx", 1, 1000);
    };
    EXPECT_GE(SweepAllocationFailures(wordsPending, [](HVELDOC d) { return VelBeginGroup(d, "pntext", 1); }), 1);
    EXPECT_GE(SweepAllocationFailures(wordsPending, [](HVELDOC d) { return VelEndGroup(d); }), 1);
    std::string raw(5000, 'r');
    EXPECT_GE(SweepAllocationFailures(Nothing, [&](HVELDOC d) { return VelInsertRaw(d, raw.c_str()); }), 1);
    EXPECT_GE(SweepAllocationFailures(wordsPending, [](HVELDOC d) { return VelInsertControl(d, "cellx", 1, 1); }),
              1);
}

// Words of a section, each written when a long line of words is pending.
TEST(FaultInjection, Sections)
{
    auto pending = [](HVELDOC d) {
        NearlyFull(d);
        for (int i = 0; i < 16; ++i) VelInsertControl(d, "cellx", 1, 1000);
    };
    auto textPending = [&](HVELDOC d) {
        VelBeginSectText(d);
        pending(d);
    };
    auto initialised = [&](HVELDOC d) {
        VelInitSect(d);
        pending(d);
    };
    EXPECT_GE(SweepAllocationFailures(textPending, [](HVELDOC d) { return VelInsertBreak(d, BREAK_SECT); }), 1);
    EXPECT_GE(SweepAllocationFailures(textPending, [](HVELDOC d) { return VelInsertBreak(d, BREAK_PAGE); }), 1);
    EXPECT_GE(SweepAllocationFailures(pending, [](HVELDOC d) { return VelInitSect(d); }), 1);
    EXPECT_GE(SweepAllocationFailures(pending, [](HVELDOC d) { return VelPaper(d, 12240, 15840, 1); }), 1);
    EXPECT_GE(SweepAllocationFailures(initialised, [](HVELDOC d) { return VelPaper(d, 12240, 15840, 1); }), 1);
    EXPECT_GE(SweepAllocationFailures(pending, [](HVELDOC d) { return VelMargin(d, 1, 2, 3, 4, 5, 6); }), 1);
    EXPECT_GE(SweepAllocationFailures(pending, [](HVELDOC d) { return VelSectInfo(d, 2, 720, 1, 1); }), 1);
    // The section that the text opens by itself is undone with the text.
    EXPECT_GE(SweepAllocationFailures(pending, [](HVELDOC d) { return VelInsertText(d, "x"); }), 1);
}

TEST(FaultInjection, SaveToMemoryLeavesTheDocumentSaveable)
{
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    VelInsertText(doc, "kept");
    std::string before = SavedRtf(doc);
    VelResetLastMessage();
    VelTestFailAllocationsFrom(1);
    int length = -1;
    EXPECT_EQ(VelGetData(doc, &length), nullptr);
    EXPECT_EQ(LastMessage(), "23 VelSave: Ran Out of Memory");
    EXPECT_EQ(VelSaveFile(doc, ""), 0);
    VelTestFailAllocationsFrom(0);
    EXPECT_EQ(length, -1);
    EXPECT_EQ(SavedRtf(doc), before);
}

TEST(FaultInjection, FontAndColorTablesKeepTheirEntries)
{
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(FindOrAddFont(doc, ("Font" + std::to_string(i)).c_str(), -1), i);
        ASSERT_EQ(FindOrAddColor(doc, static_cast<unsigned>(i)), i);
    }
    VelResetLastMessage();
    VelTestFailAllocation(1);
    EXPECT_EQ(FindOrAddFont(doc, "Font10", -1), -1);
    EXPECT_EQ(LastMessage(), "23 AddToFontTable: Ran Out of Memory");
    VelTestFailAllocation(1);
    EXPECT_EQ(FindOrAddColor(doc, 10), -1);
    EXPECT_EQ(LastMessage(), "23 AddToColorTable: Ran Out of Memory");
    VelTestFailAllocation(0);
    EXPECT_EQ(doc.get()->FontCount, 10);
    EXPECT_EQ(doc.get()->ColorCount, 10);
    EXPECT_EQ(doc.get()->FontCapacity, 10);
    // Growth works again, and every entry kept its index.
    EXPECT_EQ(FindOrAddFont(doc, "Font10", -1), 10);
    EXPECT_EQ(doc.get()->FontCapacity, 13);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(FindOrAddFont(doc, ("font" + std::to_string(i)).c_str(), -1), i);
}

TEST(FaultInjection, ConversionsShowTheirBoxAndGiveZero)
{
    ClearBoxes();
    VelTestFailAllocation(1);
    EXPECT_EQ(VelStrToHandle("abc", 3), nullptr);
    VelTestFailAllocation(1);
    EXPECT_EQ(VelStrToHandleInChunks("abc", 3, nullptr, 0, 3), nullptr);
    VelTestFailAllocation(0);
    std::vector<ShownBox> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Ran Out of Memory");
    EXPECT_EQ(boxes[0].caption, "Error");
}
