// Every allocation of the core's operations fails once: the operation gives
// 0, reports error 23, leaks nothing and leaves the document exactly as it
// was (the sweep in seam_test.cpp checks all of that).
#include <gtest/gtest.h>

#include <string>

#include "core/document.h"
#include "core/fonttable.h"
#include "rtf_test.h"
#include "seam_test.h"

namespace {

// Fills the body to a few bytes short of its capacity and leaves a line of
// control words pending, so that the next flush grows the body.
void NearlyFull(HVELDOC doc)
{
    RtfStream* s = doc->Stream;
    while (s->BodyCapacity - s->BodyLength > 12) {
        int room = s->BodyCapacity - s->BodyLength;
        VelInsertRaw(doc, std::string(room > 70 ? 60 : static_cast<size_t>(room - 12), 'a').c_str());
    }
    for (int i = 0; i < 16; ++i) VelInsertControl(doc, "cellx", 1, 1000);
}

}  // namespace

TEST(FaultInjection, CoreOperations)
{
    std::string text, prose;
    for (int i = 0; i < 400; ++i) text += "Some words {and} \\escapes\\ \xE9\r\n";
    for (int i = 0; i < 100; ++i) prose += "The quick brown fox jumps over the lazy dog. ";  // many lines at once
    std::u16string unicode(3000, u'\u00E9');
    std::string raw(5000, 'r');
    auto nothing = [](HVELDOC) {};
    const struct {
        const char* what;
        std::function<void(HVELDOC)> setup;
        std::function<int(HVELDOC)> operation;
    } sweeps[] = {
        {"text", nothing, [&](HVELDOC d) { return VelInsertText(d, text.c_str()); }},
        {"prose", nothing, [&](HVELDOC d) { return VelInsertText(d, prose.c_str()); }},
        {"unicode", nothing,
         [&](HVELDOC d) { return VelInsertUText(d, reinterpret_cast<const VELWCHAR*>(unicode.c_str())); }},
        {"raw", nothing, [&](HVELDOC d) { return VelInsertRaw(d, raw.c_str()); }},
        {"group", NearlyFull, [](HVELDOC d) { return VelBeginGroup(d, "pntext", 1); }},
        {"group end", NearlyFull, [](HVELDOC d) { return VelEndGroup(d); }},
        {"control word", NearlyFull, [](HVELDOC d) { return VelInsertControl(d, "cellx", 1, 1); }},
    };
    for (const auto& sweep : sweeps) {
        SCOPED_TRACE(sweep.what);
        EXPECT_GE(SweepAllocationFailures(sweep.setup, sweep.operation), 1);
    }
}

TEST(FaultInjection, NewDocumentAndSave)
{
    for (int nth = 1; nth <= 5; ++nth) {
        VelResetLastMessage();
        VelTestFailAllocation(nth);
        HVELDOC doc = VelNewDoc();
        VelTestFailAllocation(0);
        EXPECT_EQ(doc, nullptr) << "allocation " << nth;
        EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 23);
    }
    // With memory gone for good, the first failure is the only report.
    VelSetFlags(nullptr, 0, DOCFLAG_QUIET);
    for (int nth = 1; nth <= 5; ++nth) {
        ClearBoxes();
        VelTestFailAllocationsFrom(nth);
        HVELDOC doc = VelNewDoc();
        VelTestFailAllocationsFrom(0);
        EXPECT_EQ(doc, nullptr) << "allocations from " << nth;
        ASSERT_EQ(Boxes().size(), 1u) << "allocations from " << nth;
        EXPECT_EQ(Boxes()[0].caption, "OurAlloc");
    }
    VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    VelInsertText(doc, "kept");
    std::string before = SavedRtf(doc);
    VelTestFailAllocationsFrom(1);
    int length = -1;
    EXPECT_EQ(VelGetData(doc, &length), nullptr);
    EXPECT_EQ(LastMessage(), "23 VelSave: Ran Out of Memory");
    EXPECT_EQ(VelSaveFile(doc, ""), 0);
    VelTestFailAllocationsFrom(0);
    EXPECT_EQ(length, -1);
    EXPECT_EQ(SavedRtf(doc), before);
}

TEST(FaultInjection, TablesKeepTheirEntriesAndConversionsShowTheirBox)
{
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    for (int i = 0; i < 10; ++i) {
        FindOrAddFont(doc, ("Font" + std::to_string(i)).c_str(), -1);
        FindOrAddColor(doc, static_cast<unsigned>(i));
    }
    VelTestFailAllocation(1);
    EXPECT_EQ(FindOrAddFont(doc, "Font10", -1), -1);
    EXPECT_EQ(LastMessage(), "23 AddToFontTable: Ran Out of Memory");
    VelTestFailAllocation(1);
    EXPECT_EQ(FindOrAddColor(doc, 10), -1);
    EXPECT_EQ(LastMessage(), "23 AddToColorTable: Ran Out of Memory");
    VelTestFailAllocation(0);
    EXPECT_EQ(doc.get()->FontCount + doc.get()->ColorCount, 20);
    EXPECT_EQ(FindOrAddFont(doc, "Font10", -1), 10);  // growth works again; indexes kept
    for (int i = 0; i < 11; ++i) EXPECT_EQ(FindOrAddFont(doc, ("font" + std::to_string(i)).c_str(), -1), i);
    // The conversions show their own box, quiet or not.
    ClearBoxes();
    VelTestFailAllocation(1);
    EXPECT_EQ(VelStrToHandle("abc", 3), nullptr);
    VelTestFailAllocation(1);
    EXPECT_EQ(VelStrToHandleInChunks("abc", 3, nullptr, 0, 3), nullptr);
    VelTestFailAllocation(0);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text + "|" + Boxes()[0].caption, "Ran Out of Memory|Error");
}
