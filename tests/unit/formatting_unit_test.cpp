// Formatting with a fixed set of installed fonts, inside frames and table
// rows, and when an allocation fails: the body, the font or the color table
// that cannot grow.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "core/document.h"
#include "core/sequence.h"
#include "rtf_cases.h"
#include "seam_test.h"

// Fills the body to a few bytes short of its capacity, then leaves `words`
// control words pending: a long enough line makes the body grow.
static void Fill(HVELDOC doc, int words)
{
    for (int room; (room = doc->Stream->BodyCapacity - doc->Stream->BodyLength) > 12;)
        VelInsertRaw(doc, std::string(room > 70 ? 60 : static_cast<size_t>(room - 12), 'a').c_str());
    VelInsertRaw(doc, "");
    for (int i = 0; i < words; ++i) VelInsertControl(doc, "cellx", 1, 1000);
}
static void Pending(HVELDOC doc) { VelBeginSectText(doc), Fill(doc, 16); }
// Arial already in the font table.
static void WithArial(HVELDOC doc) { VelTextFont3(doc, "Arial", 0, 0, -1, 0, 0), Pending(doc); }
// Both tables full, no section open: a new font or color grows its table.
static void Full(HVELDOC doc)
{
    for (unsigned i = 0; i < 10; ++i) VelTextColor2(doc, i, 1, 0), VelTextFont3(doc, &"abcdefghij"[i], 0, 0, -1, 0, 0);
}
static void FullPending(HVELDOC doc) { Full(doc), Pending(doc); }

#define OP(call) [](HVELDOC d) { return call; }

TEST(FormattingUnit, FontTable)
{
    TestDoc doc;
    VelTextFont2(doc, "Courier New", 0, 0, 204, 1), VelParaBullet(doc, 1, 3, 0, 0, nullptr, nullptr, 0);
    EXPECT_EQ(SavedRtf(doc), "{\\rtf1\\uc1 \\deff0 {\\fonttbl{\\f0 \\fmodern \\fcharset204 Courier New;}"
                             "{\\f1 \\froman \\fcharset2 Symbol;}\r\n{\\f2 \\fcharset2 Wingdings;}}\\ansi\\ftnbj"
                             "\\sectd\\f0{\\pntext\\pard\\plain\\f1\\fs20 \\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnhang\\pnf2"
                             "{\\pntxtb \r\n\\'a7}}}");
    // A font that a full table cannot take only drops \f from VelTextFont.
    TestDoc full;
    Full(full), VelSetFlags(full, 1, DOCFLAG_QUIET), VelTestFailAllocation(1);
    EXPECT_EQ(VelTextFont(full, "Arial", 12, CHAR_BOLD, 1), 1);
    VelTestFailAllocation(0);
    EXPECT_EQ(LastMessage(), "23 AddToFontTable: Ran Out of Memory");
    EXPECT_EQ(BodyOf(full), "\\sectd\\fs24\\b");
}

TEST(FormattingUnit, BordersInAFrameAndResetsInATable)
{
    TestDoc doc;
    VelBeginSectText(doc), doc.get()->SeqState |= SEQ_FRAME;
    VelParaFlags(doc, PARA_BOX), VelParaFlags(doc, PARA_BOX_TOP | PARA_BOX_THICK), VelParaFlags(doc, PARA_BOX_THICK);
    doc.get()->SeqState = (doc.get()->SeqState & ~SEQ_FRAME) | SEQ_TABLE_ROW | SEQ_CELL_TEXT;
    for (int level : {0, 1, 2}) doc.get()->TableLevel = level, VelResetParaProp(doc);
    doc.get()->SeqState &= ~(SEQ_TABLE_ROW | SEQ_CELL_TEXT), doc.get()->TableLevel = -1, VelResetParaProp(doc);
    // Borders in a frame end with \brsp0, when there are borders; the reset
    // keeps the paragraph in its table, at its depth.
    EXPECT_EQ(BodyOf(doc), "\\sectd\\ql\\box\\brdrs\\brsp0\\ql\\brdrt\\brdrw30\\brdrs\\brsp0\\ql"
                           "\\pard\\intbl\\pard\\intbl\\itap2\\pard\\intbl\\itap3\\pard");
}

// Every allocation fails once: the operation gives 0, reports error 23 and
// leaves the document as it was. With full tables the table's growth fails
// first: the call fails there rather than write a negative index (interning
// alone rather than report success).
TEST(FormattingUnit, EveryAllocationFails)
{
    // The setup, the operation, how many allocations it makes at least.
    const std::tuple<void (*)(HVELDOC), std::function<int(HVELDOC)>, int> cases[] = {
        {WithArial, OP(VelTextFont(d, "arial", 12, ~0u, 1)), 1},
        {WithArial, OP(VelTextFont2(d, "Arial", -21, ~0u, -1, 0)), 1},
        {WithArial, OP(VelTextFont3(d, "Arial", 10, CHAR_CAPS, -1, 1, 1)), 1},
        {FullPending, OP(VelTextFont3(d, "Arial", 0, 0, 204, 0, 0)), 1},
        {Pending, OP(VelTextFont(d, "Courier New", 12, CHAR_BOLD, 1)), 1},  // asks the installed fonts
        {Pending, VelResetTextProp, 1},
        {Pending, OP(VelCharStyleId(d, 12)), 1},
        {FullPending, OP(VelTextColor(d, 0x123456, 0)), 2},
        {FullPending, OP(VelTextColor2(d, 0x123456, 1, 1)), 2},
        {FullPending, OP(VelTextColor2(d, 0x123456, 1, 0)), 1},
        {Full, OP(VelTextColor(d, 0x123456, 1)), 1},  // the section its check opened is taken back
        {Pending, OP(VelBeginScriptStyle(d, 0)), 1},
        // A line of more than 100 characters, which the brace that ends the run breaks.
        {[](HVELDOC d) { VelBeginScriptStyle(d, 1), Fill(d, 12); }, VelEndScriptStyle, 1},
        {[](HVELDOC d) { Pending(d), d->SeqState |= SEQ_FRAME; }, OP(VelParaFlags(d, 0xFFFFFFFFu)), 1},
        {Pending, OP(VelParaIndent(d, 1440, 720, -360)), 1},
        {Pending, OP(VelParaSpace(d, 240, 120, -240)), 1},
        {Pending, OP(VelParaShadeColor(d, 20, 0)), 1},
        {FullPending, OP(VelParaShadeColor(d, -1, 0x123456)), 2},
        {Pending, OP(VelParaStyleId(d, 4)), 1},
        {Pending, OP(VelParaTabStop(d, TAB_DECIMAL, 2880, LEADER_DOT)), 1},
        {[](HVELDOC d) { Pending(d), d->SeqState |= SEQ_TABLE_ROW | SEQ_CELL_TEXT, d->TableLevel = 1; },
         VelResetParaProp, 1},
        {FullPending, OP(VelParaBullet(d, 1, 5, 0, 0, nullptr, nullptr, 0)), 2},  // Symbol, then Wingdings
        {Pending, OP(VelParaBullet(d, 0, NUM_LWR_ROMAN, 2, 4, std::string(400, 'x').c_str(), ")", NUM_CONT)), 1},
    };
    int row = 0;
    for (const auto& [setup, operation, atLeast] : cases) {
        SCOPED_TRACE("row " + std::to_string(row++));
        EXPECT_GE(SweepAllocationFailures(setup, operation), atLeast);
    }
}
