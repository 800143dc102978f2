// The section operations and text under the call-sequence check: the
// composed message 48 and the chains of reports that the check's own section
// calls add; random sequences against a model; failed allocations.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/fonttable.h"
#include "core/sequence.h"
#include "rtf_cases.h"
#include "seam_test.h"

static const std::string kInit = Needs({"VelInitSect()          Initialize Section"});
static const std::string kIn34 = "VelInitSect: This function not allowed after calling VelBeginSectText()";

TEST(SequenceCheck, ReportsInTheirOrder)
{
    const std::string text = "VelBeginSectText()     Begin Section Text";
    const std::string hdr = "VelBeginHdrFtr()       Begin Header/Footer";
    const std::string item = "VelBeginStyleItem()    Begin Stylesheet Item";
    const std::string cell = "VelBeginCellText()    Begin Cell Text";
    const std::string row = "VelBeginTableRow()     Begin a Table Row";
    const std::string in34 = "34 " + kIn34;
    const std::string in38 = "38 VelInitSect: This function not allowed after calling VelBeginStylesheet()";
    EXPECT_EQ(Needs({text, hdr, item, cell}).size(), 261u);  // the longest that the masks in use compose
    const unsigned objects = SEQ_TABLE_ROW | SEQ_FRAME | SEQ_TEXT_BOX | SEQ_SCRIPT_STYLE;
    const unsigned every = objects | SEQ_STYLESHEET | SEQ_STYLE_ITEM | SEQ_HDR_FTR | SEQ_CELL_TEXT;
    const struct {
        unsigned state;
        Call call;
        std::vector<std::string> reports;  // "number caption: text", in order
    } cases[] = {
        {0, [](HVELDOC d) { return VelEndCellText(d); }, {"48 VelEndCellText: " + Needs({cell})}},
        {SEQ_STYLESHEET, [](HVELDOC d) { return VelParaFlags(d, 0); },
         {in38, "48 VelBeginSectText: " + kInit, "48 VelParaFlags: " + Needs({text, hdr, item, cell})}},
        {0, [=](HVELDOC d) { return CheckCallSequence(d, "Probe", 0, objects, 0); },
         {"48 Probe: " + Needs({row, "VelBeginFrame()        Begin Frame", "VelBeginTextBox()      Begin Text Box",
                                "VelBeginScriptStyle()  Begin Script Style Text"})}},
        // More than a host's 300-byte buffer would hold: whole lines only.
        {0, [=](HVELDOC d) { return CheckCallSequence(d, "Probe", 0, every, 0); },
         {"48 Probe: " + Needs({hdr, item, "VelBeginStylesheet()   Begin Stylesheet Group", row})}},
        // A required mask gives 48 also when a forbidden or open construct failed the test.
        {SEQ_SECT_TEXT | SEQ_TABLE_ROW, [](HVELDOC d) { return VelInsertBreak(d, BREAK_COL); },
         {in34, "48 VelBeginSectText: " + kInit, "48 VelInsertBreak: " + Needs({text})}},
        {SEQ_SECT_TEXT | SEQ_FRAME, [](HVELDOC d) { return VelBeginFrame(d, 0, 0, 0, 0, 0); },
         {in34, "48 VelBeginSectText: " + kInit, "48 VelBeginFrame: " + Needs({text, hdr})}},
        {SEQ_SECT_INIT | SEQ_HDR_FTR, [](HVELDOC d) { return VelSectInfo(d, 2, 720, 1, 1); },
         {"31 VelInitSect: VelInitSect() already called", "48 VelSectInfo: " + kInit}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reports.back());
        std::vector<std::string> boxes;
        for (const std::string& report : c.reports) boxes.push_back(report.substr(report.find(' ') + 1));
        for (int mode = 0; mode < 3; ++mode) {  // shown, one message only, quiet
            TestDoc doc;
            VelSetFlags(doc, mode == 2, DOCFLAG_QUIET), VelSetFlags(doc, mode == 1, DOCFLAG_ONE_MESSAGE);
            doc.get()->SeqState = c.state;
            ClearBoxes(), VelResetLastMessage();
            EXPECT_EQ(c.call(doc), 0);
            std::vector<std::string> shown;
            for (const ShownBox& box : Boxes()) shown.push_back(box.caption + ": " + box.text);
            if (mode) boxes.resize(2 - mode);
            EXPECT_EQ(shown, boxes);
            EXPECT_EQ(mode == 2 ? LastMessage() : c.reports.back(), c.reports.back());  // quiet: the last stays
            EXPECT_EQ(doc.get()->SeqState & ~SEQ_ERROR_SHOWN, c.state);
            EXPECT_EQ(BodyOf(doc), "");
        }
    }
}

// Random sequences, checked after every call against a model of the
// section's phase: the result, the reports in their order, the sequence
// state, the paragraph end and the RTF so far.
TEST(RandomSequence, StateReportsAndOutputFollowTheModel)
{
    auto A = [](const char* text) -> Call { return [=](HVELDOC d) { return VelInsertText(d, text); }; };
    auto U = [](const char16_t* text) -> Call {
        return [=](HVELDOC d) { return VelInsertUText(d, reinterpret_cast<const VELWCHAR*>(text)); };
    };
    // Texts, what they write and whether they close the paragraph: at least
    // two units, the last CR LF. UTF-16 CR and LF are units like any other.
    const struct {
        Call insert;
        std::string written;
        int closed, owing = 0;  // owing: ends in a control word that text must be kept apart from
    } texts[] = {
        {A("Hello"), "Hello", 0},   {A(""), "", 0},            {A(nullptr), "", 0},         {A("\n"), "", 0},
        {A("\r\n"), "\\par", 1},    {A("x\n\r"), "x\\par", 0}, {A("end\t"), "end\\tab", 0, 1}, {U(u""), "", 0},
        {A("A\r\nB"), "A\\parB", 0},  // the line end delimits \par
        {A("caf\xE9 {ok} \\\r\n"), "caf\\'e9 \\{ok\\} \\\\\\par", 1},
        {U(u"abc"), "\\u97 ?\\u98 ?\\u99 ?", 0}, {U(nullptr), "", 0}, {U(u"\n\r"), "\\u10 ?\\u13 ?", 0},
        {U(u"\u20AC\uFFFD\U0001F600"), "\\u8364 ?\\u65533 ?\\u55357 ?\\u56832 ?", 0},  // unsigned, unit by unit
        {U(u"\t{\r\n"), "\\u9 ?\\u123 ?\\u13 ?\\u10 ?", 1},
    };
    const char* breaks[] = {"\\sect", "\\column", "\\page"};
    const char* pageWords[2][8] = {
        {"\\paperw", "\\paperh", "\\margl", "\\margr", "\\margt", "\\margb", "\\headery", "\\footery"},
        {"\\pgwsxn", "\\pghsxn", "\\marglsxn", "\\margrsxn", "\\margtsxn", "\\margbsxn", "\\headery", "\\footery"}};
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        auto length = [&] { return pick(4) == 0 ? -pick(3) : pick(20000); };
        TestDoc doc;
        VelSetFlags(doc, 0, DOCFLAG_QUIET);  // every report is a captured box
        unsigned state = 0;  // the model: the state, the body, the paragraph end, and a word owed its space
        std::string body;
        int closed = 1, owed = 1;
        auto word = [&](const std::string& w) { body += w, owed = 1; };
        auto open = [&](unsigned to) { state = state ? to : (word("\\sectd"), to); };
        for (int step = 0; step < 150; ++step) {
            int op = pick(8), n[6] = {length(), length(), length(), length(), length(), length()};
            int c = pick(2), columns = pick(4), first = pick(5) - 2, type = pick(5) - 1;
            const auto& t = texts[pick(static_cast<int>(std::size(texts)))];
            const Call calls[] = {
                VelInitSect, VelBeginSectText, [&](HVELDOC d) { return VelPaper(d, n[0], n[1], c); },
                [&](HVELDOC d) { return VelMargin(d, n[0], n[1], n[2], n[3], n[4], n[5]); },
                [&](HVELDOC d) { return VelSectInfo(d, columns, n[0], c, first); },
                [&](HVELDOC d) { return VelInsertBreak(d, type); }, t.insert, t.insert};
            const bool text = state == SEQ_SECT_TEXT, sect = state == SEQ_SECT_INIT;
            const char* caption[] = {"VelInitSect", "VelBeginSectText", "VelPaper", "VelMargin", "VelSectInfo"};
            std::vector<std::string> reports;
            if (text && op == 0) reports = {kIn34};
            if (text && (op == 1 || op == 4)) reports = {kIn34, caption[op] + (": " + kInit)};
            if (text && (op == 2 || op == 3)) reports = {caption[op] + kIn34.substr(11)};
            if (sect && op == 0) reports = {"VelInitSect: VelInitSect() already called"};
            ClearBoxes();
            int result = calls[op](doc), expected = !(op == 5 && (type < 0 || type > 2));  // no break: 0, silently
            if (!reports.empty() || !expected) {
                // refused: nothing changes
            } else if (op == 0 || op == 1) {
                open(op == 0 ? SEQ_SECT_INIT : SEQ_SECT_TEXT);
            } else if (op == 2 || op == 3) {  // paper leaves out sizes of 0, margins only negative values
                if (op == 2 && c) word(sect ? "\\lndscpsxn" : "\\landscape");
                for (int i = 0; i < (op == 2 ? 2 : 6); ++i) {
                    if (n[i] > (op == 2 ? 0 : -1)) word(pageWords[sect][i + (op == 2 ? 0 : 2)] + std::to_string(n[i]));
                }
            } else if (op == 4) {
                open(SEQ_SECT_INIT);
                word(c ? "\\sbkpage" : "\\sbknone");
                word(first >= 1 ? "\\pgnstarts" + std::to_string(first) + "\\pgnrestart" : "\\pgncont");
                if (columns >= 2) word("\\cols" + std::to_string(columns) + "\\colsx" + std::to_string(n[0]));
            } else if (op == 5) {
                open(SEQ_SECT_TEXT), word(breaks[type]);
                if (type == BREAK_SECT) state = 0;
            } else {
                open(SEQ_SECT_TEXT), closed = t.closed;
                body += (!t.written.empty() && t.written[0] != '\\' && owed ? " " : "") + t.written;
                owed = t.written.empty() ? owed : t.owing;
            }
            SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step));
            ASSERT_EQ(result, reports.empty() ? expected : 0);
            std::vector<std::string> shown;
            for (const ShownBox& box : Boxes()) shown.push_back(box.caption + ": " + box.text);
            ASSERT_EQ(shown, reports);
            ASSERT_EQ(doc.get()->SeqState & ~SEQ_ERROR_SHOWN, state);
            ASSERT_EQ(doc.get()->ParaClosed, closed);
            ASSERT_EQ(BodyOf(doc), body);
        }
    }
}

// Failed allocations in every operation: error 23, result 0, the document
// saves what it held before, and its section state, paragraph end and fonts
// are as they were.
TEST(SectionFaults, EveryOperationUndoesItself)
{
    // A body a few bytes short of its capacity and a long line of words
    // pending, so that the next words or text grow the body.
    Calls pending = [](HVELDOC d) {
        for (RtfStream* s = d->Stream; s->BodyCapacity - s->BodyLength > 12;)
            VelInsertRaw(d, std::string(std::min(60, s->BodyCapacity - s->BodyLength - 12), 'a').c_str());
        VelInsertRaw(d, "");
        for (int i = 0; i < 16; ++i) VelInsertControl(d, "cellx", 1, 1000);
    };
    Calls initialised = [&](HVELDOC d) { VelInitSect(d), pending(d); };
    Calls text = [&](HVELDOC d) { VelInsertText(d, "x\r\n"), pending(d); };
    Calls tables = [](HVELDOC d) {
        for (int i = 0; i < 10; ++i) FindOrAddFont(d, ("Face" + std::to_string(i)).c_str(), -1), FindOrAddColor(d, i);
    };
    const VELWCHAR e[] = {0xE9, 0};
    const std::pair<Calls, Call> sweeps[] = {
        {pending, [](HVELDOC d) { return VelInitSect(d); }},
        {pending, [](HVELDOC d) { return VelBeginSectText(d); }},  // and the section it opens
        {initialised, [](HVELDOC d) { return VelPaper(d, 12240, 15840, 1); }},
        {initialised, [](HVELDOC d) { return VelMargin(d, 1, 2, 3, 4, 5, 6); }},
        {initialised, [](HVELDOC d) { return VelSectInfo(d, 3, 360, 0, 2); }},
        {text, [](HVELDOC d) { return VelInsertBreak(d, BREAK_SECT); }},
        {text, [](HVELDOC d) { return VelInsertBreak(d, BREAK_COL); }},
        {pending, [](HVELDOC d) { return VelInsertBreak(d, BREAK_PAGE); }},
        {text, [](HVELDOC d) { return VelInsertText(d, "y"); }},
        {pending, [&](HVELDOC d) { return VelInsertUText(d, e); }},
        {tables, [](HVELDOC d) { return static_cast<int>(FindOrAddFont(d, "Arial", -1) == 10); }},
        {tables, [](HVELDOC d) { return static_cast<int>(FindOrAddColor(d, 0xFFFFFF) == 10); }},
    };
    auto snapshot = [](HVELDOC d) {
        return std::vector<unsigned>{d->SeqState & ~SEQ_ERROR_SHOWN, unsigned(d->ParaClosed), unsigned(d->FontCount)};
    };
    for (const auto& [setup, call] : sweeps) {
        EXPECT_GE(SweepAllocationFailures(setup, [&, &call = call](HVELDOC d) {
                      auto before = snapshot(d);
                      int result = call(d);
                      EXPECT_EQ(result ? before : snapshot(d), before);
                      return result;
                  }), 1);
    }
}
