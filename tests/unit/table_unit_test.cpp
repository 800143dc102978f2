// Tables from the inside: refusals and failed allocations leave every row
// record and count as they were, and a random sequence of table calls keeps
// the output well formed and the counts right.
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <tuple>

#include "core/document.h"
#include "core/sequence.h"
#include "rtf_cases.h"
#include "seam_test.h"

namespace {

static_assert(sizeof(CellInfo) == 11 * sizeof(int));

// Everything a table operation may change, every declared cell included
// (the mark of a shown report aside).
std::vector<long long> Snapshot(HVELDOC d)
{
    std::vector<long long> s{d->TableLevel, d->CellTextCount, d->CellCount,         d->CellEdge,
                             d->ParaClosed, d->ColorCount,    d->Stream->GroupDepth, d->SeqState & ~SEQ_ERROR_SHOWN};
    for (const RowLevel& r : d->RowLevels) {
        s.insert(s.end(), {r.Left, r.Height, r.Flags, r.Header, r.PadLeft, r.PadRight, r.PadTop, r.PadBottom,
                           r.CellCount, r.SavedCellTexts, r.Cells != nullptr});
        const int* cells = reinterpret_cast<const int*>(r.Cells);
        if (cells) s.insert(s.end(), cells, cells + 11 * r.CellCount);
    }
    return s;
}

// A row at the next level with `cells` cells and `texts` cell texts
// written, the text of the next cell open when `open`.
void Row(HVELDOC doc, int cells, int texts = 0, bool open = true)
{
    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    for (int i = 0; i < cells; ++i) VelNextCellInfo(doc, 1500, 0, 0, 0xFFFFFF, 0, 0, 0, 0, 0);
    for (int i = 0; i < texts; ++i) VelBeginCellText(doc), VelInsertText(doc, "t"), VelEndCellText(doc);
    if (open) VelBeginCellText(doc);
}

// Ten colors, so that the next new one grows the color table; the body a
// few bytes short of its capacity and a long line pending, so that the next
// line break grows the body.
void AtTheWall(HVELDOC doc)
{
    for (unsigned c = 1; c <= 10; ++c) VelTextColor2(doc, c, 1, 0);
    RtfStream* s = doc->Stream;
    for (int room; (room = s->BodyCapacity - s->BodyLength) > 12;) {
        VelInsertRaw(doc, std::string(room > 70 ? 60 : static_cast<size_t>(room - 12), 'a').c_str());
    }
    for (int i = 0; i < 18; ++i) VelInsertControl(doc, "fs", 1, 24000);
}

}  // namespace

// A refused call gives 0, reports its number under its caption, writes
// nothing and changes no count, record or state bit.
TEST(TableUnit, RefusalsChangeNothing)
{
    const std::string row = ": " + Needs({"VelBeginTableRow()     Begin a Table Row"});
    const std::string cellText = ": " + Needs({"VelBeginCellText()    Begin Cell Text"});
    auto beginRow = [](HVELDOC d) { return VelBeginTableRow(d, 0, 0, 0, 0, 0); };
    auto cell = [](HVELDOC d) { return VelNextCellInfo(d, 700, 0, 0, 0xFFFFFF, 0, 0, 0, 0, 0); };
    auto at = [](int cells, int texts, bool open = false) { return [=](HVELDOC d) { Row(d, cells, texts, open); }; };
    auto corrupt = [](int level) { return [=](HVELDOC d) { Row(d, 1, 0, false), d->TableLevel = level; }; };
    // What, setup, call, the start of the report ("number caption: text").
    const std::vector<std::tuple<const char*, Calls, Call, std::string>> cases = {
        {"cell without a row", [](HVELDOC) {}, cell, "48 VelNextCellInfo" + row},
        {"cell between two cell texts", at(2, 1), cell, "48 VelNextCellInfo" + row},
        {"cell text while one is open", at(2, 0, true), VelBeginCellText, "48 VelBeginCellText" + row},
        {"cell end without a cell text", at(2, 1), VelEndCellText, "48 VelEndCellText" + cellText},
        {"row end while a cell text is open", at(2, 1, true), VelEndTableRow, "48 VelEndTableRow" + row},
        {"nested row outside a cell text", at(2, 1), beginRow, "48 VelBeginTableRow" + cellText},
        {"row in a stylesheet", [](HVELDOC d) { d->SeqState = SEQ_STYLESHEET; }, beginRow,
         "48 VelBeginTableRow: " + Needs({"VelBeginSectText()     Begin Section Text",
                                          "VelBeginHdrFtr()       Begin Header/Footer",
                                          "VelBeginFrame()        Begin Frame"})},
        // A script run's group and a row's may not cross.
        {"row in a script run", [](HVELDOC d) { VelBeginScriptStyle(d, 1); }, beginRow, "59 VelBeginTableRow"},
        {"nested row in a script run", [](HVELDOC d) { Row(d, 1), VelBeginScriptStyle(d, 0); }, beginRow,
         "59 VelBeginTableRow"},
        {"row end in a script run", [](HVELDOC d) { Row(d, 1), VelBeginScriptStyle(d, 1), VelEndCellText(d); },
         VelEndTableRow, "59 VelEndTableRow"},
        {"cell text before any cell", at(0, 0), VelBeginCellText, "51 VelBeginCellText: Must call VelNextCellInfo"},
        {"a third cell text in a row of two", at(2, 2), VelBeginCellText, "52 VelBeginCellText: The VelNextCellInfo"},
        {"row end without cell texts", at(2, 0), VelEndTableRow, "53 VelEndTableRow: Must have at least one cell"},
        {"row end with a cell text missing", at(2, 1), VelEndTableRow, "54 VelEndTableRow: Must call the"},
        // The outer row's counts come back when a nested row ends.
        {"outer row end with a cell text missing",
         [](HVELDOC d) { Row(d, 2), Row(d, 1, 1, false), VelEndTableRow(d), VelEndCellText(d); }, VelEndTableRow,
         "54 VelEndTableRow"},
        {"row at a level below -1", corrupt(-5), beginRow, "60 VelBeginTableRow: "},
        {"row end at level -1", corrupt(-1), VelEndTableRow, "60 VelEndTableRow: "},
        {"cell past the deepest level", corrupt(kRowLevels), cell, "60 VelNextCellInfo: "},
        {"a twentieth level", [](HVELDOC d) { for (int i = 0; i < 19; ++i) Row(d, 2); },
         [](HVELDOC d) { return VelBeginTableRow2(d, 1, 2, 3, 4, 5, 6, 7, 8); }, "0 : No User Error"},
    };
    for (const auto& [what, setup, call, message] : cases) {
        TestDoc doc;
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        setup(doc);
        std::string rtf = SavedRtf(doc);
        std::vector<long long> state = Snapshot(doc);
        VelResetLastMessage();
        EXPECT_EQ(call(doc), 0) << what;
        EXPECT_EQ(LastMessage().substr(0, message.size()), message) << what;
        EXPECT_EQ(SavedRtf(doc), rtf) << what;
        EXPECT_EQ(Snapshot(doc), state) << what;
        // Shown, the report leaves its mark, whatever state the check saw.
        VelSetFlags(doc, 0, DOCFLAG_QUIET);
        EXPECT_EQ(call(doc), 0) << what;
        EXPECT_EQ(doc.get()->SeqState & SEQ_ERROR_SHOWN, message[0] == '0' ? 0 : SEQ_ERROR_SHOWN) << what;
    }
}

// Each allocation of each operation fails in turn: the operation gives 0
// after error 23 and leaves the RTF and every table record as they were.
TEST(TableUnit, FailedAllocationsChangeNothing)
{
    // What, setup, operation, its allocations.
    const std::vector<std::tuple<const char*, Calls, Call, int>> sweeps = {
        {"row ending a paragraph", [](HVELDOC d) { VelInsertText(d, "text"), AtTheWall(d); },
         [](HVELDOC d) { return VelBeginTableRow2(d, 0, 0, 0, 0, 1, 2, 3, 4); }, 1},
        // The ninth cell doubles the cells, adds a color, breaks the line.
        {"ninth cell, new border color", [](HVELDOC d) { Row(d, 8, 0, false), AtTheWall(d); },
         [](HVELDOC d) { return VelNextCellInfo3(d, 1, 0, 0, 0xFFFFFF, 1, 1, 1, 1, 0xABCDEF, 0, 90); }, 3},
        {"ninth cell, new background", [](HVELDOC d) { Row(d, 8, 0, false), AtTheWall(d); },
         [](HVELDOC d) { return VelNextCellInfo2(d, 1, 0, 0, 0xABCDEF, 0, 0, 0, 0, 0, 0); }, 3},
        // A nested cell's first: the cells, not the color or the body.
        {"nested cell", [](HVELDOC d) { Row(d, 1), Row(d, 0, 0, false), AtTheWall(d); },
         [](HVELDOC d) { return VelNextCellInfo(d, 1, 0, 0, 0xABCDEF, 1, 1, 1, 1, 0); }, 1},
        {"cell text", [](HVELDOC d) { Row(d, 1, 0, false), AtTheWall(d); }, VelBeginCellText, 1},
        {"nested cell end", [](HVELDOC d) { Row(d, 1), Row(d, 1), AtTheWall(d); }, VelEndCellText, 1},
        {"row end", [](HVELDOC d) { Row(d, 1, 1, false), AtTheWall(d); }, VelEndTableRow, 1},
        // The deferred definitions with their new colors, the body.
        {"nested row end",
         [](HVELDOC d) {
             Row(d, 2), Row(d, 2), VelBeginTableRow(d, 50, 300, ROW_CENTER, 1, 10);
             for (int i = 0; i < 5; ++i) VelNextCellInfo2(d, 300, 1, 10, 0x00FF00, 2, 2, 2, 2, 0xABCDEF, 0);
             for (int i = 0; i < 5; ++i) VelBeginCellText(d), VelEndCellText(d);
             AtTheWall(d);
         },
         VelEndTableRow, 5},
    };
    for (const auto& sweep : sweeps) {
        Call kept = [&](HVELDOC d) {
            std::vector<long long> state = Snapshot(d);
            int result = std::get<2>(sweep)(d);
            EXPECT_TRUE(result || Snapshot(d) == state) << std::get<0>(sweep) << ": a table record changed";
            return result;
        };
        EXPECT_EQ(SweepAllocationFailures(std::get<1>(sweep), kept), std::get<3>(sweep)) << std::get<0>(sweep);
    }
}

namespace {

// The first fault of table RTF: a brace that closes a group never opened,
// unbalanced braces, or a \cell or \nestcell outside a top-level row's group.
std::string TableFault(const std::string& rtf)
{
    int depth = 0, rowDepth = -1;
    auto letter = [&](size_t at) { return at < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[at])); };
    for (size_t i = 0; i < rtf.size(); ++i) {
        std::string word;
        if (rtf[i] == '\\') {
            while (letter(i + 1)) word += rtf[++i];
            if (word.empty()) ++i;  // an escaped character
        } else if (rtf[i] == '{') {
            ++depth;
            if (rowDepth < 0 && rtf.compare(i + 1, 6, "\\trowd") == 0) rowDepth = depth;
        } else if (rtf[i] == '}') {
            if (depth == rowDepth) rowDepth = -1;
            if (--depth < 0) return "a brace closes a group never opened";
        }
        if ((word == "cell" || word == "nestcell") && rowDepth < 0) return "\\" + word + " outside a row";
    }
    return depth == 0 ? "" : "unbalanced braces";
}

}  // namespace

// Rows, cells, cell texts, text and nested rows in any order: each call
// gives what a model of the open rows expects, the counts agree with the
// model, and every save is well formed. Documents end with rows open.
TEST(TableUnit, RandomSequences)
{
    for (unsigned seed = 1; seed <= 100; ++seed) {
        std::mt19937 random(seed);
        auto chance = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        const Call calls[6] = {
            [&](HVELDOC d) { return VelBeginTableRow2(d, chance(500), chance(2), chance(4), 0, chance(99), 9, 0, 0); },
            [&](HVELDOC d) {
                return VelNextCellInfo3(d, 900, chance(4), chance(30), 0xFFFFFF - chance(2), 1, chance(2), 0, 0,
                                        chance(3), chance(16), chance(3) * 90);
            },
            VelBeginCellText,
            [&](HVELDOC d) { return chance(2) ? VelInsertText(d, chance(2) ? "x{}" : "y\r\n") : VelResetParaProp(d); },
            VelEndCellText,
            VelEndTableRow,
        };
        TestDoc doc;
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        std::vector<std::pair<int, int>> rows;  // cells and cell texts of each open row
        bool open = false;                      // a cell text
        for (int step = 0; step < 300; ++step) {
            auto* top = rows.empty() ? nullptr : &rows.back();
            const bool fits[6] = {rows.empty() || (open && rows.size() < 19), top && top->second == 0 && !open,
                                  top && !open && top->second < top->first, true, open,
                                  top && !open && top->second > 0 && top->second >= top->first};
            // Mostly a call that fits, sometimes any, to be refused.
            int op = chance(6);
            while (!fits[op] && chance(5)) op = chance(6);
            std::string where = "seed " + std::to_string(seed) + ", step " + std::to_string(step);
            ASSERT_EQ(calls[op](doc), fits[op]) << where << ", operation " << op;
            if (fits[op] && op == 0) rows.push_back({0, 0}), open = false;
            if (fits[op] && op == 1) ++top->first;
            if (fits[op] && op == 2) ++top->second, open = true;
            if (op == 4) open = false;
            if (fits[op] && op == 5) rows.pop_back(), open = !rows.empty();
            auto [cells, texts] = rows.empty() ? std::pair(0, 0) : rows.back();
            unsigned seq = (rows.empty() ? 0 : SEQ_TABLE_ROW) | (open ? SEQ_CELL_TEXT : 0);
            unsigned bits = doc.get()->SeqState & (SEQ_TABLE_ROW | SEQ_CELL_TEXT);
            ASSERT_EQ(std::tuple(doc.get()->TableLevel, bits, doc.get()->CellCount, doc.get()->CellTextCount),
                      std::tuple(int(rows.size()) - 1, seq, cells, texts)) << where;
            ASSERT_EQ(TableFault(SavedRtf(doc)), "") << where;
        }
    }
}
