// Tables from the inside: failed allocations and refusals leave every row
// record and count as it was, a corrupt record is refused, and a random
// sequence of table calls keeps the output well formed and the counts right.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/sequence.h"
#include "rtf_test.h"
#include "seam_test.h"

namespace {

// Everything a table operation may change, row records and cells included.
struct TableState {
    int tableLevel, cellTextCount, cellCount, cellEdge, paraClosed, colorCount, groupDepth;
    unsigned seqState;
    struct Level {
        int left, height, padLeft, padRight, padTop, padBottom, cellCount, savedCellTexts;
        unsigned flags, header;
        bool hasCells;
        std::vector<int> cells;  // every field of every counted cell
        bool operator==(const Level&) const = default;
    };
    std::vector<Level> levels;
    bool operator==(const TableState&) const = default;
};

TableState Snapshot(HVELDOC doc)
{
    TableState s{doc->TableLevel,           doc->CellTextCount, doc->CellCount,
                 doc->CellEdge,             doc->ParaClosed,    doc->ColorCount,
                 doc->Stream->GroupDepth,   doc->SeqState & ~SEQ_ERROR_SHOWN, {}};
    for (const RowLevel& r : doc->RowLevels) {
        TableState::Level level{r.Left,     r.Height,    r.PadLeft,        r.PadRight, r.PadTop,
                                r.PadBottom, r.CellCount, r.SavedCellTexts, r.Flags,    r.Header,
                                r.Cells != nullptr, {}};
        for (int i = 0; r.Cells && i < r.CellCount; ++i) {
            int fields[11];
            static_assert(sizeof fields == sizeof(CellInfo));
            std::memcpy(fields, &r.Cells[i], sizeof fields);
            level.cells.insert(level.cells.end(), fields, fields + 11);
        }
        s.levels.push_back(level);
    }
    return s;
}

int PlainCell(HVELDOC doc, int width)
{
    return VelNextCellInfo(doc, width, CELL_VALIGN_TOP, 0, 0xFFFFFF, 0, 0, 0, 0, 0);
}

int CellText(HVELDOC doc, const char* text)
{
    return VelBeginCellText(doc) && VelInsertText(doc, text) && VelEndCellText(doc);
}

// A row of two plain cells at the current level, its first cell text open.
void RowInFirstCell(HVELDOC doc)
{
    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    PlainCell(doc, 1500);
    PlainCell(doc, 1500);
    VelBeginCellText(doc);
}

// Fills the body to a few bytes short of its capacity and leaves a long line
// of control words pending, so that the next line break grows the body.
void BodyAtTheWall(HVELDOC doc)
{
    RtfStream* s = doc->Stream;
    VelInsertRaw(doc, "");
    while (s->BodyCapacity - s->BodyLength > 12) {
        int room = s->BodyCapacity - s->BodyLength;
        std::string line(room > 70 ? 60 : static_cast<size_t>(room - 12), 'a');
        VelInsertRaw(doc, line.c_str());
    }
    for (int i = 0; i < 18; ++i) VelInsertControl(doc, "fs", 1, 24000);  // 144 characters
}

// Ten colors, so that the next new color grows the color table.
void ColorTableFull(HVELDOC doc)
{
    for (unsigned c = 1; c <= 10; ++c) VelTextColor2(doc, c, 1, 0);
}

// Fails each allocation of `operation` in turn: the operation gives 0 after
// reporting error 23 and leaves the RTF and every table record as they were;
// then it succeeds. Gives the number of allocations swept.
int SweepTable(const std::function<void(HVELDOC)>& setup, const std::function<int(HVELDOC)>& operation)
{
    for (int nth = 1; nth < 100; ++nth) {
        TestDoc doc;
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        setup(doc);
        std::string before = SavedRtf(doc);
        TableState state = Snapshot(doc);
        VelResetLastMessage();
        int64_t start = VelTestAllocationCount();
        VelTestFailAllocation(nth);
        int result = operation(doc);
        VelTestFailAllocation(0);
        if (VelTestAllocationCount() - start < nth) {
            EXPECT_EQ(result, 1);
            return nth - 1;
        }
        SCOPED_TRACE("allocation " + std::to_string(nth) + " failed");
        EXPECT_EQ(result, 0);
        EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 23);
        EXPECT_EQ(SavedRtf(doc), before);
        EXPECT_TRUE(Snapshot(doc) == state) << "a table record changed";
        EXPECT_EQ(operation(doc), 1);
    }
    ADD_FAILURE() << "the sweep does not end";
    return 0;
}

}  // namespace

// ---- Failed allocations ------------------------------------------------------------

TEST(TableFaults, RowBegins)
{
    auto atWall = [](HVELDOC d) {
        VelBeginSectText(d);
        VelInsertText(d, "open paragraph");
        BodyAtTheWall(d);
    };
    EXPECT_GE(SweepTable(atWall, [](HVELDOC d) { return VelBeginTableRow(d, 0, 0, 0, 0, 0); }), 1);
    auto inCell = [](HVELDOC d) {
        RowInFirstCell(d);
        VelInsertText(d, "text");
        BodyAtTheWall(d);
    };
    EXPECT_GE(SweepTable(inCell, [](HVELDOC d) { return VelBeginTableRow2(d, 0, 0, 0, 0, 1, 2, 3, 4); }), 1);
    // Nothing to grow: no section text to open, the line is short.
    auto nested = [](HVELDOC d) { RowInFirstCell(d); };
    EXPECT_EQ(SweepTable(nested, [](HVELDOC d) { return VelBeginTableRow(d, 0, 0, 0, 0, 0); }), 0);
}

TEST(TableFaults, CellDeclarations)
{
    // The first cell allocates the array; the fifth doubles it.
    auto row = [](HVELDOC d) { VelBeginTableRow(d, 0, 0, 0, 0, 0); };
    EXPECT_EQ(SweepTable(row, [](HVELDOC d) { return PlainCell(d, 100); }), 1);
    auto fourCells = [](HVELDOC d) {
        VelBeginTableRow(d, 0, 0, 0, 0, 0);
        for (int i = 0; i < 4; ++i) PlainCell(d, 100);
        ColorTableFull(d);
        BodyAtTheWall(d);
    };
    // The array, the color table and the body, each failing in turn.
    EXPECT_EQ(SweepTable(fourCells,
                         [](HVELDOC d) { return VelNextCellInfo2(d, 1, 0, 0, 0xFFFFFF, 1, 1, 1, 1, 0xABCDEF, 0); }),
              3);
    EXPECT_EQ(SweepTable(fourCells, [](HVELDOC d) { return VelNextCellInfo(d, 1, 0, 0, 0xABCDEF, 0, 0, 0, 0, 0); }),
              3);
    // A nested cell only grows the array.
    auto nestedRow = [](HVELDOC d) {
        RowInFirstCell(d);
        VelBeginTableRow(d, 0, 0, 0, 0, 0);
        ColorTableFull(d);
        BodyAtTheWall(d);
    };
    EXPECT_EQ(SweepTable(nestedRow,
                         [](HVELDOC d) { return VelNextCellInfo2(d, 1, 0, 0, 0xFFFFFF, 1, 1, 1, 1, 0xABCDEF, 0); }),
              1);
}

TEST(TableFaults, CellTexts)
{
    auto topCell = [](HVELDOC d) {
        VelBeginTableRow(d, 0, 0, 0, 0, 0);
        PlainCell(d, 100);
        BodyAtTheWall(d);
    };
    EXPECT_GE(SweepTable(topCell, VelBeginCellText), 1);
    auto nestedCell = [](HVELDOC d) {
        RowInFirstCell(d);
        RowInFirstCell(d);
        BodyAtTheWall(d);
    };
    EXPECT_GE(SweepTable(nestedCell, VelEndCellText), 1);
    auto nestedCellOpen = [](HVELDOC d) {
        RowInFirstCell(d);
        VelBeginTableRow(d, 0, 0, 0, 0, 0);
        PlainCell(d, 100);
        BodyAtTheWall(d);
    };
    EXPECT_GE(SweepTable(nestedCellOpen, VelBeginCellText), 1);
}

TEST(TableFaults, RowEnds)
{
    auto topRowDone = [](HVELDOC d) {
        VelBeginTableRow(d, 0, 0, 0, 0, 0);
        PlainCell(d, 100);
        CellText(d, "a");
        BodyAtTheWall(d);
    };
    EXPECT_GE(SweepTable(topRowDone, VelEndTableRow), 1);
    // The deferred definitions: new colors in a full table, a body at its end.
    auto nestedRowDone = [](HVELDOC d) {
        RowInFirstCell(d);
        RowInFirstCell(d);
        VelBeginTableRow(d, 50, 300, ROW_CENTER, 1, 10);
        for (int i = 0; i < 5; ++i) VelNextCellInfo2(d, 300, 1, 10, 0x00FF00, 2, 2, 2, 2, 0xABCDEF, 0);
        for (int i = 0; i < 5; ++i) CellText(d, "cell");
        ColorTableFull(d);
        BodyAtTheWall(d);
    };
    EXPECT_GE(SweepTable(nestedRowDone, VelEndTableRow), 2);
}

// ---- Refusals change nothing ---------------------------------------------------------

namespace {

// The call gives 0, reports `number` (0: nothing), writes nothing and changes
// no count, record or state bit.
void ExpectRefused(HVELDOC doc, int number, const std::function<int(HVELDOC)>& call)
{
    std::string before = SavedRtf(doc);
    TableState state = Snapshot(doc);
    VelResetLastMessage();
    EXPECT_EQ(call(doc), 0);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), number);
    EXPECT_EQ(SavedRtf(doc), before);
    EXPECT_TRUE(Snapshot(doc) == state) << "a table record changed";
}

}  // namespace

TEST(TableRefusalsUnit, EveryRefusalLeavesTheTableAsItWas)
{
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    VelBeginSectText(doc);
    auto endRow = [](HVELDOC d) { return VelEndTableRow(d); };
    auto beginCell = [](HVELDOC d) { return VelBeginCellText(d); };
    auto endCell = [](HVELDOC d) { return VelEndCellText(d); };
    auto cell = [](HVELDOC d) { return PlainCell(d, 700); };
    auto row = [](HVELDOC d) { return VelBeginTableRow(d, 0, 0, 0, 0, 0); };

    ExpectRefused(doc, 48, cell);
    ExpectRefused(doc, 48, beginCell);
    ExpectRefused(doc, 48, endCell);
    ExpectRefused(doc, 48, endRow);
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
    ExpectRefused(doc, 51, beginCell);
    ExpectRefused(doc, 53, endRow);
    ExpectRefused(doc, 48, row);  // nested, outside a cell text
    ASSERT_EQ(PlainCell(doc, 700), 1);
    ASSERT_EQ(PlainCell(doc, 700), 1);
    ASSERT_EQ(VelBeginCellText(doc), 1);
    ExpectRefused(doc, 48, cell);
    ExpectRefused(doc, 48, beginCell);
    ExpectRefused(doc, 48, endRow);
    ASSERT_EQ(VelEndCellText(doc), 1);
    ExpectRefused(doc, 48, cell);
    ExpectRefused(doc, 54, endRow);
    ExpectRefused(doc, 48, endCell);
    ASSERT_EQ(CellText(doc, "b"), 1);
    ExpectRefused(doc, 52, beginCell);

    // Down to the deepest level; the limit changes nothing either.
    ASSERT_EQ(VelEndTableRow(doc), 1);
    for (int level = 0; level < 19; ++level) RowInFirstCell(doc);
    ASSERT_EQ(doc.get()->TableLevel, 18);
    ExpectRefused(doc, 0, row);
    ExpectRefused(doc, 0, [](HVELDOC d) { return VelBeginTableRow2(d, 1, 2, 3, 4, 5, 6, 7, 8); });
}

TEST(TableRefusalsUnit, RowWhileAStylesheetIsOpen)
{
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    doc.get()->SeqState = SEQ_STYLESHEET;
    ExpectRefused(doc, 48, [](HVELDOC d) { return VelBeginTableRow(d, 0, 0, 0, 0, 0); });
    EXPECT_EQ(LastMessage(),
              "48 VelBeginTableRow: This function is valid only if one of the following function(s) has been "
              "already called:\n\nVelBeginSectText()     Begin Section Text,\nVelBeginHdrFtr()       Begin "
              "Header/Footer,\nVelBeginFrame()        Begin Frame.");
}

TEST(TableRefusalsUnit, CorruptLevelsAreRefusedWithError60)
{
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    VelBeginSectText(doc);
    doc.get()->TableLevel = -5;
    ExpectRefused(doc, 60, [](HVELDOC d) { return VelBeginTableRow(d, 0, 0, 0, 0, 0); });
    EXPECT_EQ(LastMessage(), "60 VelBeginTableRow: ");
    doc.get()->SeqState |= SEQ_TABLE_ROW;
    doc.get()->CellTextCount = 1;
    doc.get()->TableLevel = -1;
    ExpectRefused(doc, 60, VelEndTableRow);
    doc.get()->CellTextCount = 0;
    doc.get()->TableLevel = kRowLevels;
    ExpectRefused(doc, 60, [](HVELDOC d) { return PlainCell(d, 1); });
    ExpectRefused(doc, 60, VelEndTableRow);
    doc.get()->SeqState |= SEQ_CELL_TEXT;
    ExpectRefused(doc, 0, [](HVELDOC d) { return VelBeginTableRow(d, 0, 0, 0, 0, 0); });
}

TEST(TableRefusalsUnit, CellCheckPutsTheRealStateBack)
{
    // The check sees a cell text open once one has begun; the state keeps
    // only the shown-box mark of the refusal.
    VelSetFlags(nullptr, 0, DOCFLAG_QUIET);
    ClearBoxes();
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_ONE_MESSAGE);
    VelBeginSectText(doc);
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(PlainCell(doc, 700), 1);
    ASSERT_EQ(PlainCell(doc, 700), 1);
    ASSERT_EQ(CellText(doc, "a"), 1);
    unsigned state = doc.get()->SeqState;
    EXPECT_EQ(PlainCell(doc, 700), 0);
    VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].caption, "VelNextCellInfo");
    EXPECT_EQ(doc.get()->SeqState, state | SEQ_ERROR_SHOWN);
    EXPECT_FALSE(doc.get()->SeqState & SEQ_CELL_TEXT);
    EXPECT_EQ(CellText(doc, "b"), 1);
    EXPECT_EQ(VelEndTableRow(doc), 1);
}

// ---- Records ---------------------------------------------------------------------------

TEST(TableRecords, CellsKeepTheirDeclaredOrderAndGoWithTheRow)
{
    TestDoc doc;
    VelBeginSectText(doc);
    RowInFirstCell(doc);
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(VelNextCellInfo3(doc, 10 + i, 1, i, 0xFFFFFF, 0, 0, 0, 0, 0, 0, i % 2 ? 90 : 0), 1);
    }
    const RowLevel& nested = doc.get()->RowLevels[1];
    ASSERT_EQ(nested.CellCount, 100);
    EXPECT_EQ(doc.get()->CellCount, 100);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(nested.Cells[i].Width, 10 + i);
        EXPECT_EQ(nested.Cells[i].Shading, i);
        EXPECT_EQ(nested.Cells[i].Rotation, i % 2 ? 90 : 0);
    }
    EXPECT_EQ(doc.get()->RowLevels[0].SavedCellTexts, 1);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(CellText(doc, ""), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    EXPECT_EQ(nested.Cells, nullptr);
    EXPECT_EQ(nested.CellCount, 0);
    // Back in the outer row's first cell.
    EXPECT_EQ(doc.get()->TableLevel, 0);
    EXPECT_EQ(doc.get()->CellCount, 2);
    EXPECT_EQ(doc.get()->CellTextCount, 1);
    EXPECT_EQ(doc.get()->SeqState & (SEQ_TABLE_ROW | SEQ_CELL_TEXT), SEQ_TABLE_ROW | SEQ_CELL_TEXT);
    ASSERT_EQ(VelEndCellText(doc), 1);
    ASSERT_EQ(CellText(doc, ""), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    EXPECT_EQ(doc.get()->RowLevels[0].Cells, nullptr);
    EXPECT_EQ(doc.get()->TableLevel, -1);
    EXPECT_FALSE(doc.get()->SeqState & (SEQ_TABLE_ROW | SEQ_CELL_TEXT));
}

// ---- A random sequence of table calls ------------------------------------------------

namespace {

struct Token {
    enum Kind { OPEN, CLOSE, WORD } kind;
    std::string word;
    int value = 0;
    bool hasValue = false;
};

// The groups and control words of RTF; text and escapes are skipped.
std::vector<Token> Tokens(const std::string& rtf)
{
    std::vector<Token> tokens;
    for (size_t i = 0; i < rtf.size(); ++i) {
        char c = rtf[i];
        if (c == '{') {
            tokens.push_back({Token::OPEN, ""});
        } else if (c == '}') {
            tokens.push_back({Token::CLOSE, ""});
        } else if (c == '\\' && i + 1 < rtf.size()) {
            char n = rtf[i + 1];
            if (!std::isalpha(static_cast<unsigned char>(n))) {
                i += n == '\'' ? 3 : 1;
                continue;
            }
            Token t{Token::WORD, ""};
            size_t j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) t.word += rtf[j++];
            size_t digits = j;
            if (j < rtf.size() && (rtf[j] == '-' || std::isdigit(static_cast<unsigned char>(rtf[j])))) ++j;
            while (j < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[j]))) ++j;
            if (j > digits) {
                t.hasValue = true;
                t.value = std::stoi(rtf.substr(digits, j - digits));
            }
            tokens.push_back(t);
            i = j - 1;
        }
    }
    return tokens;
}

// Checks that the RTF is well formed as a table writer must keep it: braces
// balanced and never below zero; every \cell and \nestcell inside a top-level
// row's group; every finished row with as many cell marks at its depth as
// its definition has \cellx words. The last `saveBraces` braces are those the
// save adds for groups still open, which may close an unfinished row. Gives
// a description of the first fault.
std::string TableFault(const std::string& rtf, int saveBraces = 1)
{
    std::vector<Token> tokens = Tokens(rtf);
    int depth = 0;
    int rowGroup = -1;      // depth of the open top-level row group
    int propsGroup = -1;    // depth of the open \nesttableprops group
    int paragraphLevel = 1; // \itap of the last cell paragraph
    int rowEdges = 0;       // \cellx words of the top-level row's definition
    int propsEdges = 0;     // \cellx words of the nested row's definition
    int marks[kRowLevels + 2] = {};
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.kind == Token::OPEN) {
            ++depth;
            if (i + 1 < tokens.size() && tokens[i + 1].word == "trowd" && rowGroup < 0) {
                rowGroup = depth;
                rowEdges = 0;
            }
            if (i + 1 < tokens.size() && tokens[i + 1].word == "nesttableprops") {
                if (rowGroup < 0) return "nested row properties outside a row";
                propsGroup = depth;
                propsEdges = 0;
            }
            continue;
        }
        if (t.kind == Token::CLOSE) {
            bool bySave = tokens.size() - i <= static_cast<size_t>(saveBraces);
            if (depth == rowGroup) {
                if (tokens[i - 1].word != "row" && !bySave) return "a row group ends without \\row";
                rowGroup = -1;
            }
            if (depth == propsGroup) propsGroup = -1;
            if (--depth < 0) return "a brace closes more groups than were opened";
            continue;
        }
        if (t.word == "cellx") ++(propsGroup >= 0 ? propsEdges : rowEdges);
        if (t.word == "intbl") paragraphLevel = 1;
        if (t.word == "itap") paragraphLevel = t.value;
        if (t.word == "cell" || t.word == "nestcell") {
            if (rowGroup < 0) return "\\" + t.word + " outside a row";
            if ((t.word == "cell") != (paragraphLevel == 1)) return "\\" + t.word + " at the wrong depth";
            if (paragraphLevel > kRowLevels) return "a depth past the deepest level";
            ++marks[paragraphLevel];
        }
        if (t.word == "nestrow") {
            if (propsGroup < 0) return "\\nestrow outside its properties";
            if (marks[paragraphLevel] != propsEdges) return "a nested row's cells disagree with its definition";
            marks[paragraphLevel] = 0;
        }
        if (t.word == "row") {
            if (rowGroup != depth) return "\\row outside its row group";
            if (marks[1] != rowEdges) return "a row's cells disagree with its definition";
            marks[1] = 0;
        }
    }
    if (depth != 0) return "unbalanced braces";
    return "";
}

// What the calls should have done, kept beside the document.
struct Model {
    struct Row {
        int cells = 0;
        int texts = 0;
    };
    std::vector<Row> rows;
    bool cellOpen = false;
};

void ExpectAgrees(HVELDOC doc, const Model& m)
{
    ASSERT_EQ(doc->TableLevel, static_cast<int>(m.rows.size()) - 1);
    ASSERT_EQ((doc->SeqState & SEQ_TABLE_ROW) != 0, !m.rows.empty());
    ASSERT_EQ((doc->SeqState & SEQ_CELL_TEXT) != 0, m.cellOpen);
    for (size_t level = 0; level < m.rows.size(); ++level) {
        const RowLevel& r = doc->RowLevels[level];
        ASSERT_EQ(r.CellCount, m.rows[level].cells);
        ASSERT_EQ(r.Cells != nullptr, m.rows[level].cells > 0);
        if (level + 1 < m.rows.size()) {
            ASSERT_EQ(r.SavedCellTexts, m.rows[level].texts);
        }
    }
    for (size_t level = m.rows.size(); level < kRowLevels; ++level) {
        ASSERT_EQ(doc->RowLevels[level].Cells, nullptr);
    }
    if (!m.rows.empty()) {
        ASSERT_EQ(doc->CellCount, m.rows.back().cells);
        ASSERT_EQ(doc->CellTextCount, m.rows.back().texts);
    }
}

}  // namespace

TEST(TableRandom, AnyOrderOfCallsKeepsTheOutputWellFormed)
{
    int endedAt[kRowLevels] = {};
    int limitRefusals = 0;
    for (unsigned seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        auto chance = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        TestDoc doc;
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        Model m;
        // Some runs lean towards nesting, some towards finishing rows.
        int nestWeight = 1 + chance(4);
        int endWeight = 1 + chance(3);
        for (int step = 0; step < 300; ++step) {
            Model::Row* top = m.rows.empty() ? nullptr : &m.rows.back();
            // Mostly a call that fits, so that tables grow deep and rows end;
            // otherwise any call, to be refused.
            bool fits[9] = {
                m.rows.empty() || (m.cellOpen && m.rows.size() < 19),
                top && top->texts == 0 && !m.cellOpen,
                top && top->texts == 0 && !m.cellOpen,
                top && !m.cellOpen && top->cells > 0 && top->texts < top->cells,
                true,
                true,
                m.cellOpen,
                top && !m.cellOpen && top->texts > 0 && top->texts >= top->cells,
                true,
            };
            int weights[9] = {nestWeight, 2, 1, 2, 1, 1, 2, endWeight * 2, 1};
            int op = 0;
            if (chance(4) != 0) {
                int total = 0;
                for (int i = 0; i < 9; ++i) total += fits[i] ? weights[i] : 0;
                int pick = chance(total);
                while (!fits[op] || pick >= weights[op]) {
                    if (fits[op]) pick -= weights[op];
                    ++op;
                }
            } else {
                op = chance(9);
            }
            int result = 0;
            int expected = 0;
            switch (op) {
            case 0: {
                expected = m.rows.empty() || (m.cellOpen && m.rows.size() < 19);
                result = VelBeginTableRow2(doc, chance(500), chance(3) ? 0 : 300, static_cast<unsigned>(chance(4)),
                                           static_cast<unsigned>(chance(2)), chance(200), chance(200), 0, 0);
                if (expected) {
                    m.rows.push_back({});
                    m.cellOpen = false;
                }
                break;
            }
            case 1:
            case 2: {
                expected = top && top->texts == 0 && !m.cellOpen;
                result = VelNextCellInfo3(doc, 200 + chance(2000), static_cast<unsigned>(chance(4)), chance(30),
                                          chance(2) ? 0xFFFFFF : static_cast<unsigned>(chance(4)), chance(3),
                                          chance(3), chance(3), chance(3), static_cast<unsigned>(chance(3)),
                                          static_cast<unsigned>(chance(16)), chance(3) * 90);
                if (expected) ++top->cells;
                break;
            }
            case 3: {
                expected = top && !m.cellOpen && top->cells > 0 && top->texts < top->cells;
                result = VelBeginCellText(doc);
                if (expected) {
                    ++top->texts;
                    m.cellOpen = true;
                }
                break;
            }
            case 4:
            case 5: {
                const char* texts[] = {"x", "y\r\n", "", "{z}"};
                expected = 1;
                result = VelInsertText(doc, texts[chance(4)]);
                break;
            }
            case 6: {
                expected = m.cellOpen;
                result = VelEndCellText(doc);
                if (expected) m.cellOpen = false;
                break;
            }
            case 7: {
                expected = top && !m.cellOpen && top->texts > 0 && top->texts >= top->cells;
                result = VelEndTableRow(doc);
                if (expected) {
                    ++endedAt[m.rows.size() - 1];
                    m.rows.pop_back();
                    m.cellOpen = !m.rows.empty();
                }
                break;
            }
            default:
                expected = 1;
                result = VelResetParaProp(doc);
                break;
            }
            ASSERT_EQ(result, expected) << "operation " << op << " at step " << step;
            ASSERT_EQ(expected, static_cast<int>(fits[op]));
            if (op == 0 && m.rows.size() == 19 && m.cellOpen) ++limitRefusals;
            std::string where = "after operation " + std::to_string(op) + " at step " + std::to_string(step);
            ASSERT_NO_FATAL_FAILURE(ExpectAgrees(doc, m)) << where;
            ASSERT_EQ(TableFault(SavedRtf(doc), doc.get()->Stream->GroupDepth + 1), "") << where;
        }
        // The host finishes what it left open: every table ends.
        while (!m.rows.empty()) {
            Model::Row& top = m.rows.back();
            if (m.cellOpen) {
                ASSERT_EQ(VelEndCellText(doc), 1);
                m.cellOpen = false;
            }
            if (top.cells == 0) {
                ASSERT_EQ(PlainCell(doc, 100), 1);
                top.cells = 1;
            }
            while (top.texts < top.cells) {
                ASSERT_EQ(CellText(doc, "last"), 1);
                ++top.texts;
            }
            ASSERT_EQ(VelEndTableRow(doc), 1);
            m.rows.pop_back();
            m.cellOpen = !m.rows.empty();
        }
        ASSERT_NO_FATAL_FAILURE(ExpectAgrees(doc, m));
        EXPECT_EQ(doc.get()->Stream->GroupDepth, 0);
        EXPECT_EQ(TableFault(SavedRtf(doc)), "");
    }
    // The runs reached what they are there for.
    EXPECT_GE(endedAt[0], 50);
    EXPECT_GE(endedAt[1], 50);
    EXPECT_GE(endedAt[10], 10);
    EXPECT_GE(endedAt[18], 1);
    EXPECT_GE(limitRefusals, 1);
}

// The checker itself finds the faults it is there for.
TEST(TableRandom, TheCheckerSeesFaults)
{
    EXPECT_EQ(TableFault("{\\rtf1 {\\trowd\\cellx100\\intbl a\\cell\\row}}"), "");
    EXPECT_EQ(TableFault("{\\rtf1 \\intbl a\\cell}"), "\\cell outside a row");
    EXPECT_EQ(TableFault("{\\rtf1 {\\trowd\\cellx100\\intbl a\\cell\\cell\\row}}"),
              "a row's cells disagree with its definition");
    EXPECT_EQ(TableFault("{\\rtf1 {\\trowd\\cellx100\\intbl a\\cell}}"), "a row group ends without \\row");
    EXPECT_EQ(TableFault("{\\rtf1 {\\trowd\\cellx1\\intbl\\itap2 a\\cell\\row}}"), "\\cell at the wrong depth");
    EXPECT_EQ(TableFault("{\\rtf1 {\\trowd\\cellx100\\intbl{\\*\\nesttableprops\\trowd\\cellx9\\nestrow}\\cell\\row}}"),
              "a nested row's cells disagree with its definition");
    EXPECT_EQ(TableFault("{\\rtf1 {\\trowd\\cellx100\\intbl\\nestrow\\cell\\row}}"),
              "\\nestrow outside its properties");
    EXPECT_EQ(TableFault("{\\rtf1 }}"), "a brace closes more groups than were opened");
    EXPECT_EQ(TableFault("{\\rtf1 {"), "unbalanced braces");
}
