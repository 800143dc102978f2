// Frames, text boxes and drawing objects with the test seams: every failed
// allocation undone, and the chain of reports a refused call makes.
#include <gtest/gtest.h>

#include <string>

#include "core/document.h"
#include "rtf_cases.h"
#include "seam_test.h"

namespace {

// The body filled to a few bytes short of its capacity and a line of words
// pending, so that the next flush grows the body.
void NearlyFull(HVELDOC doc)
{
    RtfStream* s = doc->Stream;
    for (int room; (room = s->BodyCapacity - s->BodyLength) > 12;)
        VelInsertRaw(doc, std::string(room > 70 ? 60 : static_cast<size_t>(room - 12), 'a').c_str());
    for (int i = 0; i < 16; ++i) VelInsertControl(doc, "cellx", 1, 1000);
}
void Open(HVELDOC doc) { VelInsertText(doc, "open paragraph"), NearlyFull(doc); }

int Frame(HVELDOC d) { return VelBeginFrame(d, 0, 1440, 2880, 4320, 1440); }
int Box(HVELDOC d) { return VelBeginTextBox2(d, 1, 1440, 1440, 2880, 1440, 4, 0xFFFFFF, 0xFF, 10, 1, 270); }
int Rect(HVELDOC d) { return VelDrawRect(d, 0, 100, 200, 3000, 1500, 2, 0xFF8040, 0, 15, 0); }

}  // namespace

TEST(ObjectsUnit, FailedAllocationsAreUndone)
{
    const struct { const char* what; Calls setup; Call operation; } sweeps[] = {
        {"frame opening the section, which is undone with it", NearlyFull, Frame},
        {"frame after an open paragraph", [](HVELDOC d) { VelBeginSectText(d), Open(d); }, Frame},
        {"frame end", [](HVELDOC d) { Frame(d), Open(d); }, VelEndFrame},
        {"paragraph reset in a frame", [](HVELDOC d) { Frame(d), Open(d); }, VelResetParaProp},
        {"text box", Open, Box},
        {"text box end in a frame", [](HVELDOC d) { Frame(d), Box(d), Open(d); }, VelEndTextBox},
        {"rectangle", Open, Rect},
        {"line", Open, [](HVELDOC d) { return VelDrawLine(d, 1, 1000, 2000, 500, 2500, 3, 0xFF, 20); }},
    };
    for (const auto& sweep : sweeps) {
        SCOPED_TRACE(sweep.what);
        EXPECT_GE(SweepAllocationFailures(sweep.setup, sweep.operation), 1);
    }
}

// A refused object first runs the implicit section start, whose refusals are
// shown before its own; DOCFLAG_ONE_MESSAGE shows only the first of them.
TEST(ObjectsUnit, ChainOfReports)
{
    VelSetFlags(nullptr, 0, DOCFLAG_QUIET);
    TestDoc doc, one;
    VelSetFlags(one, 1, DOCFLAG_ONE_MESSAGE);
    Frame(doc), Box(one), ClearBoxes();
    EXPECT_EQ(Frame(doc), 0);
    EXPECT_EQ(Rect(one), 0);
    VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
    std::vector<std::string> shown;
    for (const ShownBox& box : Boxes()) shown.push_back(box.caption + ": " + box.text);
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "VelInitSect: This function not allowed after calling VelBeginSectText()",
                         "VelBeginSectText: " + Needs({"VelInitSect()          Initialize Section"}),
                         "VelBeginFrame: " + Needs({"VelBeginSectText()     Begin Section Text",
                                                    "VelBeginHdrFtr()       Begin Header/Footer"}),
                         "VelInitSect: This function not allowed after calling VelBeginSectText()"}));
}
