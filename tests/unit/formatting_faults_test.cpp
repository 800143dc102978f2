// Every allocation of every formatting operation fails once: the body that
// cannot grow, and the font or color table that cannot grow. Each time the
// operation gives 0, reports error 23 and leaves the document as it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/document.h"
#include "core/sequence.h"
#include "rtf_test.h"
#include "seam_test.h"

namespace {

using Setup = std::function<void(HVELDOC)>;
using Operation = std::function<int(HVELDOC)>;

// Fills the body to a few bytes short of its capacity, then leaves `words`
// control words pending: a long enough line makes the body grow.
void NearlyFull(HVELDOC doc, int words)
{
    RtfStream* s = doc->Stream;
    while (s->BodyCapacity - s->BodyLength > 12) {
        int room = s->BodyCapacity - s->BodyLength;
        std::string line(room > 70 ? 60 : static_cast<size_t>(room - 12), 'a');
        VelInsertRaw(doc, line.c_str());
    }
    VelInsertRaw(doc, "");
    for (int i = 0; i < words; ++i) VelInsertControl(doc, "cellx", 1, 1000);
}

// Open section text and a line of 160 characters pending in a nearly full
// body: the next control word makes the body grow.
void Pending(HVELDOC doc)
{
    VelBeginSectText(doc);
    NearlyFull(doc, 16);
}

// Pending, with fonts and colors that the operations use already in their
// tables.
void PendingWithTables(HVELDOC doc)
{
    VelTextFont3(doc, "Arial", 0, 0, -1, 0, 0);
    VelTextFont3(doc, "Symbol", 0, 0, -1, 0, 0);
    VelTextFont3(doc, "Wingdings", 0, 0, -1, 0, 0);
    VelTextColor2(doc, 0x0000FF, 1, 0);
    Pending(doc);
}

// Pending, with both tables full: a new font or color makes its table grow.
void PendingFullTables(HVELDOC doc)
{
    for (int i = 0; i < 10; ++i) {
        VelTextFont3(doc, ("Face " + std::to_string(i)).c_str(), 0, 0, -1, 0, 0);
        VelTextColor2(doc, static_cast<unsigned>(i), 1, 0);
    }
    Pending(doc);
}

// Sweeps the operation's allocations: at least `atLeast` of them.
void Sweep(const Setup& setup, const Operation& operation, int atLeast = 1)
{
    EXPECT_GE(SweepAllocationFailures(setup, operation), atLeast);
}

constexpr unsigned kAllCharBits = CHAR_ULINE | CHAR_BOLD | CHAR_ITALIC | CHAR_STRIKE | CHAR_SUPER | CHAR_SUB |
                                  CHAR_HIDDEN | CHAR_ULINED | CHAR_PROTECT | CHAR_HLINK | CHAR_CAPS | CHAR_SCAPS;

}  // namespace

TEST(FormattingFaults, CharacterFormatting)
{
    for (int on : {1, 0}) {
        Sweep(PendingWithTables, [on](HVELDOC d) { return VelTextFont(d, "arial", 12, kAllCharBits, on); });
    }
    Sweep(PendingWithTables, [](HVELDOC d) { return VelTextFont2(d, "Arial", -21, CHAR_BOLD, -1, 1); });
    Sweep(PendingWithTables, [](HVELDOC d) { return VelTextFont3(d, "Arial", 10, CHAR_CAPS, -1, 1, 1); });
    Sweep(Pending, [](HVELDOC d) { return VelResetTextProp(d); });
    Sweep(Pending, [](HVELDOC d) { return VelCharStyleId(d, 12); });
}

TEST(FormattingFaults, FontTableGrowth)
{
    // Interning alone: the table's growth is the only allocation.
    Sweep(PendingFullTables, [](HVELDOC d) { return VelTextFont3(d, "Arial", 0, 0, 204, 0, 0); });
}

TEST(FormattingFaults, Colors)
{
    for (int fore : {1, 0}) {
        Sweep(PendingWithTables, [fore](HVELDOC d) { return VelTextColor(d, 0x0000FF, fore); });
        // The table grows, then the body.
        Sweep(PendingFullTables, [fore](HVELDOC d) { return VelTextColor(d, 0x123456, fore); }, 2);
    }
    Sweep(PendingFullTables, [](HVELDOC d) { return VelTextColor2(d, 0x123456, 1, 1); }, 2);
    Sweep(PendingFullTables, [](HVELDOC d) { return VelTextColor2(d, 0x123456, 1, 0); });
}

TEST(FormattingFaults, ScriptRuns)
{
    for (int super : {1, 0}) {
        // The run is not left open by a failed start.
        Sweep(Pending, [super](HVELDOC d) { return VelBeginScriptStyle(d, super); });
    }
    // A line of more than 100 characters: the brace that ends the run
    // breaks it.
    auto open = [](HVELDOC d) {
        VelBeginScriptStyle(d, 1);
        NearlyFull(d, 12);
    };
    // The run stays open after a failed end.
    Sweep(open, [](HVELDOC d) { return VelEndScriptStyle(d); });
}

TEST(FormattingFaults, ParagraphProperties)
{
    Sweep(Pending, [](HVELDOC d) { return VelParaFlags(d, 0xFFFFFFFFu); });
    // The borders are part of the call: their failure fails it.
    Sweep(Pending, [](HVELDOC d) {
        return VelParaFlags(d, PARA_BOX_TOP | PARA_BOX_BOT | PARA_BOX_LEFT | PARA_BOX_THICK | PARA_BOX_DOUBLE);
    });
    auto inFrame = [](HVELDOC d) {
        Pending(d);
        d->SeqState |= SEQ_FRAME;
    };
    Sweep(inFrame, [](HVELDOC d) { return VelParaFlags(d, PARA_BOX); });
    Sweep(Pending, [](HVELDOC d) { return VelParaIndent(d, 1440, 720, -360); });
    Sweep(Pending, [](HVELDOC d) { return VelParaSpace(d, 240, 120, -240); });
    Sweep(Pending, [](HVELDOC d) { return VelParaShadeColor(d, 20, 0); });
    Sweep(PendingWithTables, [](HVELDOC d) { return VelParaShadeColor(d, -1, 0x0000FF); });
    Sweep(PendingFullTables, [](HVELDOC d) { return VelParaShadeColor(d, -1, 0x123456); }, 2);
    Sweep(Pending, [](HVELDOC d) { return VelParaStyleId(d, 4); });
    Sweep(Pending, [](HVELDOC d) { return VelParaTabStop(d, TAB_DECIMAL, 2880, LEADER_DOT); });
}

TEST(FormattingFaults, ResetInsideATable)
{
    Sweep(Pending, [](HVELDOC d) { return VelResetParaProp(d); });
    auto nestedRow = [](HVELDOC d) {
        Pending(d);
        d->SeqState |= SEQ_TABLE_ROW | SEQ_CELL_TEXT;
        d->TableLevel = 1;
    };
    Sweep(nestedRow, [](HVELDOC d) { return VelResetParaProp(d); });
}

TEST(FormattingFaults, BulletsAndNumbers)
{
    for (int style : {0, 5}) {
        Sweep(PendingWithTables, [style](HVELDOC d) { return VelParaBullet(d, 1, style, 0, 0, nullptr, nullptr, 0); });
        // Symbol, then Wingdings, make the full font table grow.
        Sweep(PendingFullTables, [style](HVELDOC d) { return VelParaBullet(d, 1, style, 0, 0, nullptr, nullptr, 0); },
              2);
    }
    Sweep(PendingWithTables, [](HVELDOC d) { return VelParaBullet(d, 1, 0, 0, 0, nullptr, nullptr, NUM_CONT); });
    Sweep(Pending, [](HVELDOC d) { return VelParaBullet(d, 0, NUM_LWR_ROMAN, 2, 4, "(", ")", 0); });
    Sweep(Pending, [](HVELDOC d) { return VelParaBullet(d, 0, NUM_DEC, 0, 1, nullptr, ".", NUM_CONT); });
    std::string longText(400, 'x');
    const char* text = longText.c_str();
    Sweep(Pending, [text](HVELDOC d) { return VelParaBullet(d, 0, NUM_DEC, 0, 1, text, text, 0); });
}

// A fresh document: the section that the check opens is undone with the
// failed call, so the document saves as it did before.
TEST(FormattingFaults, ImplicitSectionIsUndone)
{
    auto full = [](HVELDOC d) {
        for (unsigned i = 0; i < 10; ++i) VelTextColor2(d, i, 1, 0);
    };
    EXPECT_EQ(SweepAllocationFailures(full, [](HVELDOC d) { return VelTextColor(d, 0x123456, 1); }), 1);
}
