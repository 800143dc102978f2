// Failed allocations in sections, breaks, text and the font and color
// tables: the operation gives 0 after error 23, and the document saves
// exactly what it held before, section state included.
#include <gtest/gtest.h>

#include <string>

#include "core/document.h"
#include "core/fonttable.h"
#include "core/sequence.h"
#include "rtf_test.h"
#include "seam_test.h"

namespace {

// A body a few bytes short of its capacity and a long line of words pending,
// so that the next words or text grow the body.
void WordsPending(HVELDOC doc)
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

const VELWCHAR* U(const std::u16string& text)
{
    return reinterpret_cast<const VELWCHAR*>(text.c_str());
}

}  // namespace

// The section that an operation opens by itself is undone with it.
TEST(LayoutFaults, ImplicitSections)
{
    EXPECT_GE(SweepAllocationFailures(WordsPending, [](HVELDOC d) { return VelBeginSectText(d); }), 1);
    EXPECT_GE(SweepAllocationFailures(WordsPending, [](HVELDOC d) { return VelInsertBreak(d, BREAK_SECT); }), 1);
    EXPECT_GE(SweepAllocationFailures(WordsPending, [](HVELDOC d) { return VelInsertBreak(d, BREAK_COL); }), 1);
    EXPECT_GE(SweepAllocationFailures(WordsPending, [](HVELDOC d) { return VelInsertUText(d, U(u"\u00E9")); }), 1);
    EXPECT_GE(SweepAllocationFailures(WordsPending, [](HVELDOC d) { return VelInsertText(d, "\r\n"); }), 1);
}

TEST(LayoutFaults, SectionWordsWhileInitialised)
{
    auto initialised = [](HVELDOC d) {
        VelInitSect(d);
        WordsPending(d);
    };
    EXPECT_GE(SweepAllocationFailures(initialised, [](HVELDOC d) { return VelMargin(d, 1, 2, 3, 4, 5, 6); }), 1);
    EXPECT_GE(SweepAllocationFailures(initialised, [](HVELDOC d) { return VelSectInfo(d, 3, 360, 0, 2); }), 1);
    auto text = [](HVELDOC d) {
        VelInsertText(d, "x");
        WordsPending(d);
    };
    EXPECT_GE(SweepAllocationFailures(text, [](HVELDOC d) { return VelInsertBreak(d, BREAK_COL); }), 1);
    EXPECT_GE(SweepAllocationFailures(text, [](HVELDOC d) { return VelInsertBreak(d, BREAK_SECT); }), 1);
}

// A failed section break leaves the section open, a failed VelInitSect
// leaves none: the state is the one the saved RTF shows.
TEST(LayoutFaults, StateFollowsTheUndoneOutput)
{
    TestDoc doc;
    VelInsertText(doc, "x");
    WordsPending(doc);
    VelTestFailAllocationsFrom(1);
    EXPECT_EQ(VelInsertBreak(doc, BREAK_SECT), 0);
    VelTestFailAllocationsFrom(0);
    EXPECT_EQ(doc.get()->SeqState & ~SEQ_ERROR_SHOWN, SEQ_SECT_TEXT);
    TestDoc fresh;
    WordsPending(fresh);
    VelTestFailAllocationsFrom(1);
    EXPECT_EQ(VelInitSect(fresh), 0);
    VelTestFailAllocationsFrom(0);
    EXPECT_EQ(fresh.get()->SeqState & ~SEQ_ERROR_SHOWN, 0u);
    EXPECT_EQ(SavedRtf(fresh).find("sectd"), std::string::npos);
    EXPECT_EQ(VelInitSect(fresh), 1);
}

TEST(LayoutFaults, TablesThatCannotGrow)
{
    auto tenFonts = [](HVELDOC d) {
        for (int i = 0; i < 10; ++i) FindOrAddFont(d, ("Face" + std::to_string(i)).c_str(), -1);
    };
    EXPECT_EQ(SweepAllocationFailures(tenFonts, [](HVELDOC d) { return FindOrAddFont(d, "Arial", -1) == 10; }), 1);
    EXPECT_EQ(SweepAllocationFailures(tenFonts, [](HVELDOC d) { return FindOrAddFont(d, "Face3", 204) == 10; }), 1);
    auto tenColors = [](HVELDOC d) {
        for (unsigned i = 0; i < 10; ++i) FindOrAddColor(d, i);
    };
    EXPECT_EQ(SweepAllocationFailures(tenColors, [](HVELDOC d) { return FindOrAddColor(d, 0xFFFFFF) == 10; }), 1);
}
