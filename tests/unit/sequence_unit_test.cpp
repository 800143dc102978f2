// The call-sequence check: its table of masks, the composed message 48, the
// "already called" and "not allowed" numbers, and the chains of reports that
// the section calls it makes by itself add.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document.h"
#include "core/messages.h"
#include "core/sequence.h"
#include "rtf_test.h"
#include "seam_test.h"

namespace {

// Reports are shown (captured as boxes) for the length of a test.
struct ShowReports {
    explicit ShowReports(HVELDOC doc) : doc_(doc)
    {
        VelSetFlags(doc_, 0, DOCFLAG_QUIET);
        ClearBoxes();
    }
    ~ShowReports() { VelSetFlags(doc_, 1, DOCFLAG_QUIET); }
    HVELDOC doc_;
};

const std::string kHeadLine =
    "This function is valid only if one of the following function(s) has been already called:\n\n";

std::string Message(int number)
{
    char text[300];
    VelResetLastMessage();
    ReportError(nullptr, number, "x");
    VelGetLastMessage(text, nullptr);
    return text;
}

// The boxes as "caption: text" lines.
std::vector<std::string> Shown()
{
    std::vector<std::string> lines;
    for (const ShownBox& box : Boxes()) lines.push_back(box.caption + ": " + box.text);
    return lines;
}

}  // namespace

// Later operations take their masks from this one table; every entry is
// checked here against the numbers the library is specified with.
TEST(SequenceTable, EveryOperationHasItsCaptionAndMasks)
{
    struct Expected {
        SeqOp op;
        const char* caption;
        unsigned already, required, forbidden;
    };
    const Expected expected[] = {
        {OP_INIT_SECT, "VelInitSect", 32, 0, 5},
        {OP_BEGIN_SECT_TEXT, "VelBeginSectText", 1, 32, 128},
        {OP_PAPER, "VelPaper", 0, 0, 133},
        {OP_MARGIN, "VelMargin", 0, 0, 133},
        {OP_SECT_INFO, "VelSectInfo", 0, 32, 128},
        {OP_INSERT_BREAK, "VelInsertBreak", 0, 1, 88},
        {OP_RESET_TEXT_PROP, "VelResetTextProp", 0, 387, 0},
        {OP_RESET_PARA_PROP, "VelResetParaProp", 0, 387, 0},
        {OP_CHAR_STYLE_ID, "VelCharStyleId", 0, 387, 0},
        {OP_PARA_STYLE_ID, "VelParaStyleId", 0, 387, 0},
        {OP_PARA_FLAGS, "VelParaFlags", 0, 387, 0},
        {OP_PARA_INDENT, "VelParaIndent", 0, 387, 0},
        {OP_PARA_SPACE, "VelParaSpace", 0, 387, 0},
        {OP_PARA_SHADE_COLOR, "VelParaShadeColor", 0, 387, 0},
        {OP_PARA_BULLET, "VelParaBullet", 0, 387, 0},
        {OP_PARA_TAB_STOP, "VelParaTabStop", 0, 387, 0},
        {OP_TEXT_COLOR, "VelTextColor", 0, 387, 0},
        {OP_INSERT_PICT_FILE, "VelInsertPictFile", 0, 387, 0},
        {OP_PASTE_PICTURE, "VelPastePicture", 0, 387, 0},
        {OP_TEXT_FONT, "VelTextFont", 0, 387, 2048},
        {OP_BEGIN_SCRIPT_STYLE, "VelBeginScriptStyle", 0, 387, 2048},
        {OP_END_SCRIPT_STYLE, "VelEndScriptStyle", 0, 2048, 0},
        {OP_INSERT_TEXT, "VelInsertText", 0, 385, 0},
        {OP_INSERT_UTEXT, "VelInsertUText", 0, 385, 0},
        {OP_INSERT_BOOKMARK, "VelInsertBookmark", 0, 385, 0},
        {OP_INSERT_FOOTNOTE, "VelInsertFootnote", 0, 385, 0},
        {OP_INSERT_PAGE_FIELD, "VelInsertPageField", 0, 385, 0},
        {OP_INSERT_TOC_FIELD, "VelInsertTocField", 0, 385, 0},
        {OP_INSERT_MERGE_FIELD, "VelInsertMergeField", 0, 385, 0},
        {OP_INSERT_RAW, "VelInsertRaw", 0, 0, 0},
        {OP_BEGIN_HDR_FTR, "VelBeginHdrFtr", 128, 32, 1},
        {OP_END_HDR_FTR, "VelEndHdrFtr", 0, 128, 0},
        {OP_BEGIN_FRAME, "VelBeginFrame", 16, 129, 72},
        {OP_END_FRAME, "VelEndFrame", 0, 16, 72},
        {OP_BEGIN_TEXT_BOX, "VelBeginTextBox", 64, 129, 72},
        {OP_END_TEXT_BOX, "VelEndTextBox", 0, 64, 8},
        {OP_DRAW_RECT, "VelDrawRect", 0, 129, 88},
        {OP_DRAW_LINE, "VelDrawLine", 0, 129, 88},
        {OP_BEGIN_TABLE_ROW, "VelBeginTableRow", 0, 145, 0},
        {OP_NEXT_CELL_INFO, "VelNextCellInfo", 0, 8, 256},
        {OP_BEGIN_CELL_TEXT, "VelBeginCellText", 256, 8, 0},
        {OP_END_CELL_TEXT, "VelEndCellText", 0, 256, 0},
        {OP_END_TABLE_ROW, "VelEndTableRow", 0, 8, 256},
        {OP_BEGIN_STYLE_SHEET, "VelBeginStyleSheet", 4, 0, 129},
        {OP_BEGIN_STYLE_ITEM, "VelBeginStyleItem", 2, 4, 0},
        {OP_END_STYLE_ITEM, "VelEndStyleItem", 0, 2, 0},
        {OP_END_STYLE_SHEET, "VelEndStyleSheet", 0, 4, 2},
    };
    ASSERT_EQ(std::size(expected), static_cast<size_t>(OP_COUNT));
    for (const Expected& e : expected) {
        const SeqRule& rule = SequenceRule(e.op);
        SCOPED_TRACE(e.caption);
        EXPECT_STREQ(rule.Caption, e.caption);
        EXPECT_EQ(rule.Already, e.already);
        EXPECT_EQ(rule.Required, e.required);
        EXPECT_EQ(rule.Forbidden, e.forbidden);
    }
}

TEST(SequenceCheck, PassingChecksWriteAndReportNothing)
{
    TestDoc doc;
    ShowReports show(doc);
    doc.get()->SeqState = SEQ_STYLESHEET | SEQ_STYLE_ITEM;
    EXPECT_EQ(CheckCallSequence(doc, OP_PARA_FLAGS), 1);  // a style item satisfies 387
    EXPECT_EQ(CheckCallSequence(doc, OP_END_STYLE_ITEM), 1);
    EXPECT_EQ(CheckCallSequence(doc, OP_INSERT_RAW), 1);
    doc.get()->SeqState = SEQ_SECT_TEXT | SEQ_TABLE_ROW | SEQ_CELL_TEXT | SEQ_FRAME | SEQ_SCRIPT_STYLE;
    EXPECT_EQ(CheckCallSequence(doc, OP_INSERT_RAW), 1);
    EXPECT_EQ(CheckCallSequence(doc, OP_INSERT_TEXT), 1);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(SavedRtf(doc), Document(""));
}

// The message that names what must be open: its lines in their order, the
// blanks after each name, and a full stop in place of the last comma.
TEST(SequenceCheck, ComposedMessageListsTheRequiredCalls)
{
    TestDoc doc;
    ShowReports show(doc);
    EXPECT_EQ(CheckCallSequence(doc, OP_END_CELL_TEXT), 0);
    EXPECT_EQ(Shown(), std::vector<std::string>{"VelEndCellText: " + kHeadLine + "VelBeginCellText()    Begin Cell Text."});
    EXPECT_EQ(Message(48), kHeadLine + "VelBeginCellText()    Begin Cell Text.");

    ClearBoxes();
    doc.get()->SeqState = SEQ_STYLESHEET;  // no section can be opened: 387 stays unmet
    EXPECT_EQ(CheckCallSequence(doc, OP_PARA_FLAGS), 0);
    const std::string all = kHeadLine +
                            "VelBeginSectText()     Begin Section Text,\n"
                            "VelBeginHdrFtr()       Begin Header/Footer,\n"
                            "VelBeginStyleItem()    Begin Stylesheet Item,\n"
                            "VelBeginCellText()    Begin Cell Text.";
    EXPECT_EQ(all.size(), 261u);  // the longest the masks can make
    ASSERT_FALSE(Boxes().empty());
    EXPECT_EQ(Boxes().back().text, all);
    EXPECT_EQ(Boxes().back().caption, "VelParaFlags");

    // Every line of the list, in its order, with its own number of blanks.
    ClearBoxes();
    doc.get()->SeqState = 0;
    unsigned objects = SEQ_STYLESHEET | SEQ_TABLE_ROW | SEQ_FRAME | SEQ_SCRIPT_STYLE;
    EXPECT_EQ(CheckCallSequence(doc, "Probe", 0, objects, 0), 0);
    EXPECT_EQ(Message(48), kHeadLine +
                               "VelBeginStylesheet()   Begin Stylesheet Group,\n"
                               "VelBeginTableRow()     Begin a Table Row,\n"
                               "VelBeginFrame()        Begin Frame,\n"
                               "VelBeginScriptStyle()  Begin Script Style Text.");
    EXPECT_EQ(CheckCallSequence(doc, "Probe", 0, SEQ_TEXT_BOX, 0), 0);
    EXPECT_EQ(Message(48), kHeadLine + "VelBeginTextBox()      Begin Text Box.");
    // A list longer than a host's 300-byte buffer keeps its first lines whole.
    unsigned everything = objects | SEQ_TEXT_BOX | SEQ_STYLE_ITEM | SEQ_HDR_FTR | SEQ_CELL_TEXT;
    EXPECT_EQ(CheckCallSequence(doc, "Probe", 0, everything, 0), 0);
    EXPECT_EQ(Message(48), kHeadLine +
                               "VelBeginHdrFtr()       Begin Header/Footer,\n"
                               "VelBeginStyleItem()    Begin Stylesheet Item,\n"
                               "VelBeginStylesheet()   Begin Stylesheet Group,\n"
                               "VelBeginTableRow()     Begin a Table Row.");
    doc.get()->SeqState = SEQ_SECT_TEXT;  // the section cannot be initialised
    EXPECT_EQ(CheckCallSequence(doc, "Probe", 0, SEQ_SECT_INIT, SEQ_SECT_TEXT), 0);
    EXPECT_EQ(Message(48), kHeadLine + "VelInitSect()          Initialize Section.");
}

// A required mask makes the report 48 even when a forbidden or an already
// open construct failed the test.
TEST(SequenceCheck, RequiredMaskAlwaysGives48)
{
    TestDoc doc;
    ShowReports show(doc);
    doc.get()->SeqState = SEQ_SECT_TEXT | SEQ_TABLE_ROW;
    EXPECT_EQ(CheckCallSequence(doc, OP_INSERT_BREAK), 0);  // forbidden inside a row
    ASSERT_FALSE(Boxes().empty());
    EXPECT_EQ(Boxes().back().caption, "VelInsertBreak");
    EXPECT_EQ(Boxes().back().text, kHeadLine + "VelBeginSectText()     Begin Section Text.");
    doc.get()->SeqState = SEQ_SECT_TEXT | SEQ_TABLE_ROW | SEQ_CELL_TEXT;
    ClearBoxes();
    EXPECT_EQ(CheckCallSequence(doc, OP_BEGIN_CELL_TEXT), 0);  // already open
    EXPECT_EQ(Shown(), std::vector<std::string>{"VelBeginCellText: " + kHeadLine + "VelBeginTableRow()     Begin a Table Row."});
}

// Without a required mask the number tells what is open: the last bit, in
// the check's order, that is forbidden or already open decides, and an
// already open construct wins over a forbidden one of the same bit.
TEST(SequenceCheck, AlreadyCalledAndNotAllowedNumbers)
{
    struct Case {
        unsigned state;
        SeqOp op;
        int number;
    };
    const Case cases[] = {
        {SEQ_SECT_INIT, OP_INIT_SECT, 31},
        {SEQ_SECT_TEXT, OP_INIT_SECT, 34},
        {SEQ_STYLESHEET, OP_INIT_SECT, 38},
        {SEQ_SECT_TEXT | SEQ_STYLESHEET, OP_INIT_SECT, 38},
        {SEQ_SECT_INIT | SEQ_STYLESHEET, OP_INIT_SECT, 31},
        {SEQ_SECT_TEXT, OP_PAPER, 34},
        {SEQ_STYLESHEET, OP_MARGIN, 38},
        {SEQ_SECT_INIT | SEQ_HDR_FTR, OP_PAPER, 46},
        {SEQ_SECT_INIT | SEQ_HDR_FTR, OP_MARGIN, 46},
        {SEQ_STYLESHEET, OP_BEGIN_STYLE_SHEET, 37},
        {SEQ_SECT_TEXT, OP_BEGIN_STYLE_SHEET, 34},
        {SEQ_SECT_INIT | SEQ_HDR_FTR, OP_BEGIN_STYLE_SHEET, 46},
    };
    const char* texts[60] = {};
    texts[31] = "VelInitSect() already called";
    texts[34] = "This function not allowed after calling VelBeginSectText()";
    texts[37] = "VelBeginStylesheet() already called";
    texts[38] = "This function not allowed after calling VelBeginStylesheet()";
    texts[46] = "This function not allowed between VelBeginHdrFtr()";
    for (const Case& c : cases) {
        TestDoc doc;
        ShowReports show(doc);
        doc.get()->SeqState = c.state;
        SCOPED_TRACE(SequenceRule(c.op).Caption + std::string(" in state ") + std::to_string(c.state));
        EXPECT_EQ(CheckCallSequence(doc, c.op), 0);
        EXPECT_EQ(Shown(), std::vector<std::string>{SequenceRule(c.op).Caption + std::string(": ") + texts[c.number]});
        EXPECT_EQ(doc.get()->SeqState, c.state | SEQ_ERROR_SHOWN);
        EXPECT_EQ(SavedRtf(doc), Document(""));
    }
}

// The section calls of the check run their own checks and report first:
// here VelBeginSectText, which finds text already begun, calls VelInitSect.
TEST(SequenceCheck, FrameTwiceInSectionTextGivesThreeReports)
{
    const std::string textOrHeader = kHeadLine +
                                     "VelBeginSectText()     Begin Section Text,\n"
                                     "VelBeginHdrFtr()       Begin Header/Footer.";
    const std::vector<std::string> chain = {
        "VelInitSect: This function not allowed after calling VelBeginSectText()",
        "VelBeginSectText: " + kHeadLine + "VelInitSect()          Initialize Section.",
        "VelBeginFrame: " + textOrHeader,
    };
    {
        TestDoc doc;
        ShowReports show(doc);
        doc.get()->SeqState = SEQ_SECT_TEXT | SEQ_FRAME;
        EXPECT_EQ(CheckCallSequence(doc, OP_BEGIN_FRAME), 0);
        EXPECT_EQ(Shown(), chain);
        EXPECT_EQ(doc.get()->SeqState, SEQ_SECT_TEXT | SEQ_FRAME | SEQ_ERROR_SHOWN);
    }
    {
        TestDoc doc;
        ShowReports show(doc);
        VelSetFlags(doc, 1, DOCFLAG_ONE_MESSAGE);
        doc.get()->SeqState = SEQ_SECT_TEXT | SEQ_FRAME;
        EXPECT_EQ(CheckCallSequence(doc, OP_BEGIN_FRAME), 0);
        EXPECT_EQ(Shown(), std::vector<std::string>{chain[0]});
    }
    {
        TestDoc doc;  // quiet: the last report is what stays
        doc.get()->SeqState = SEQ_SECT_TEXT | SEQ_FRAME;
        ClearBoxes();
        EXPECT_EQ(CheckCallSequence(doc, OP_BEGIN_FRAME), 0);
        EXPECT_TRUE(Boxes().empty());
        EXPECT_EQ(LastMessage(), "48 VelBeginFrame: " + textOrHeader);
    }
}

// Two reports when the implicit VelInitSect is refused, in their order; with
// one message only the first, in quiet mode the last.
TEST(SequenceCheck, ImplicitSectionCallsReportFirst)
{
    const std::string initList = kHeadLine + "VelInitSect()          Initialize Section.";
    struct Case {
        const char* what;
        unsigned state;
        int (*call)(HVELDOC);
        std::vector<std::string> chain;
    };
    const Case cases[] = {
        {"section info in a header", SEQ_SECT_INIT | SEQ_HDR_FTR,
         [](HVELDOC d) { return VelSectInfo(d, 2, 720, 1, 1); },
         {"VelInitSect: VelInitSect() already called", "VelSectInfo: " + initList}},
        {"section info after text", SEQ_SECT_TEXT, [](HVELDOC d) { return VelSectInfo(d, 1, 0, 0, 0); },
         {"VelInitSect: This function not allowed after calling VelBeginSectText()", "VelSectInfo: " + initList}},
        {"section text twice", SEQ_SECT_TEXT, [](HVELDOC d) { return VelBeginSectText(d); },
         {"VelInitSect: This function not allowed after calling VelBeginSectText()",
          "VelBeginSectText: " + initList}},
        {"section text in a stylesheet", SEQ_STYLESHEET, [](HVELDOC d) { return VelBeginSectText(d); },
         {"VelInitSect: This function not allowed after calling VelBeginStylesheet()",
          "VelBeginSectText: " + initList}},
        {"section text in a header", SEQ_SECT_INIT | SEQ_HDR_FTR, [](HVELDOC d) { return VelBeginSectText(d); },
         {"VelInitSect: VelInitSect() already called", "VelBeginSectText: " + initList}},
        // Text in a stylesheet: three reports, the last from the text.
        {"text in a style item", SEQ_STYLESHEET | SEQ_STYLE_ITEM, [](HVELDOC d) { return VelInsertText(d, "x"); },
         {"VelInitSect: This function not allowed after calling VelBeginStylesheet()",
          "VelBeginSectText: " + initList,
          "VelInsertText: " + kHeadLine +
              "VelBeginSectText()     Begin Section Text,\n"
              "VelBeginHdrFtr()       Begin Header/Footer,\n"
              "VelBeginCellText()    Begin Cell Text."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        {
            TestDoc doc;
            ShowReports show(doc);
            doc.get()->SeqState = c.state;
            EXPECT_EQ(c.call(doc), 0);
            EXPECT_EQ(Shown(), c.chain);
            EXPECT_EQ(doc.get()->SeqState, c.state | SEQ_ERROR_SHOWN);
            EXPECT_EQ(SavedRtf(doc), Document(""));
        }
        {
            TestDoc doc;
            ShowReports show(doc);
            VelSetFlags(doc, 1, DOCFLAG_ONE_MESSAGE);
            doc.get()->SeqState = c.state;
            EXPECT_EQ(c.call(doc), 0);
            EXPECT_EQ(Shown(), std::vector<std::string>{c.chain.front()});
        }
        {
            TestDoc doc;
            doc.get()->SeqState = c.state;
            ClearBoxes();
            VelResetLastMessage();
            EXPECT_EQ(c.call(doc), 0);
            EXPECT_TRUE(Boxes().empty());
            std::string last = c.chain.back();
            EXPECT_EQ(LastMessage(), "48 " + last);
        }
    }
}

// Section text is refused while a stylesheet or a style item is open, after
// its own check has passed.
TEST(SequenceCheck, SectionTextInsideAStylesheetIs47)
{
    for (unsigned open : {SEQ_STYLESHEET, SEQ_STYLE_ITEM, SEQ_STYLESHEET | SEQ_STYLE_ITEM}) {
        TestDoc doc;
        ShowReports show(doc);
        doc.get()->SeqState = SEQ_SECT_INIT | open;
        EXPECT_EQ(VelBeginSectText(doc), 0);
        EXPECT_EQ(Shown(), std::vector<std::string>{"VelBeginSectText: Invalid Function Sequence!"});
        EXPECT_EQ(doc.get()->SeqState, SEQ_SECT_INIT | open | SEQ_ERROR_SHOWN);
    }
}

// Content before any section opens one: \sectd, then the section's text.
TEST(SequenceCheck, ContentOpensItsSection)
{
    TestDoc doc;
    ShowReports show(doc);
    EXPECT_EQ(CheckCallSequence(doc, OP_PARA_FLAGS), 1);
    EXPECT_EQ(doc.get()->SeqState, SEQ_SECT_TEXT);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd"));
    // Headers and section information need only an initialised section.
    TestDoc other;
    EXPECT_EQ(CheckCallSequence(other, OP_BEGIN_HDR_FTR), 1);
    EXPECT_EQ(other.get()->SeqState, SEQ_SECT_INIT);
    EXPECT_EQ(SavedRtf(other), Document("\\sectd"));
    EXPECT_TRUE(Boxes().empty());
}
