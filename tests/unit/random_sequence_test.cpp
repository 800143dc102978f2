// Random sequences of the section operations and text, checked after every
// call against a model of the section's phase: the result, the reports in
// their order, the sequence state and the RTF written so far.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/sequence.h"
#include "rtf_test.h"
#include "seam_test.h"

namespace {

enum class Phase { Document, Initialised, Text };

const std::string kInitList =
    "This function is valid only if one of the following function(s) has been already called:\n\n"
    "VelInitSect()          Initialize Section.";
const std::string kAlready31 = "VelInitSect: VelInitSect() already called";
const std::string kAfterText34 = "VelInitSect: This function not allowed after calling VelBeginSectText()";

// What the document should hold: the body without the writer's line breaks
// (which carry no meaning), and whether a control word is owed its space.
struct Model {
    Phase phase = Phase::Document;
    std::string body = "\\ansi\\ftnbj";
    bool owed = true;

    void Word(const std::string& word)
    {
        body += word;
        owed = true;
    }
    // A run of output as the writer gives it: `startsWithText` when its first
    // character is text rather than a control word, `endsOwing` when it ends
    // in a control word, `endsLine` when it ends in a paragraph mark.
    void Run(const std::string& text, bool startsWithText, bool endsOwing, bool endsLine)
    {
        if (text.empty()) return;
        if (startsWithText && owed) body += ' ';
        body += text;
        owed = endsLine ? false : endsOwing;
    }
    // Content needs section text: the check opens what is missing.
    void OpenText()
    {
        if (phase == Phase::Document) Word("\\sectd");
        phase = Phase::Text;
    }
    unsigned State() const
    {
        return phase == Phase::Initialised ? SEQ_SECT_INIT : phase == Phase::Text ? SEQ_SECT_TEXT : 0u;
    }
};

struct AnsiSample {
    const char* text;
    const char* written;
    bool startsWithText, endsOwing, endsLine;
};

const AnsiSample kAnsi[] = {
    {"Hello", "Hello", true, false, false},
    {"", "", false, false, false},
    {"caf\xE9 {ok}\r\n", "caf\\'e9 \\{ok\\}\\par", true, false, true},
    {"\tx", "\\tab x", false, false, false},
    {"end\t", "end\\tab", true, true, false},
    {"\r\n", "\\par", false, false, true},
    // The output line that \par ends delimits it; without the line breaks
    // the two run together.
    {"a\r\nb", "a\\parb", true, false, false},
};

struct UnicodeSample {
    std::u16string text;
    const char* written;
};

const UnicodeSample kUnicode[] = {
    {u"a\u03A9", "\\u97 ?\\u937 ?"},
    {u"", ""},
    {u"\U0001F600\r\n", "\\u55357 ?\\u56832 ?\\u13 ?\\u10 ?"},
};

std::string WithoutLineBreaks(std::string rtf)
{
    std::string out;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\r' && i + 1 < rtf.size() && rtf[i + 1] == '\n') {
            ++i;
            continue;
        }
        out += rtf[i];
    }
    return out;
}

std::string Number(int value)
{
    return std::to_string(value);
}

class RandomSequence {
public:
    explicit RandomSequence(unsigned seed) : random_(seed) {}

    // One random call; gives a description for failure messages.
    std::string Step(HVELDOC doc)
    {
        ClearBoxes();
        expectedBoxes_.clear();
        switch (Pick(8)) {
        case 0: return InitSect(doc);
        case 1: return BeginSectText(doc);
        case 2: return Paper(doc);
        case 3: return Margin(doc);
        case 4: return SectInfo(doc);
        case 5: return InsertBreak(doc);
        case 6: return InsertText(doc);
        default: return InsertUText(doc);
        }
    }

    const Model& model() const { return model_; }
    const std::vector<std::string>& expectedBoxes() const { return expectedBoxes_; }
    int expectedResult() const { return expectedResult_; }
    int result() const { return result_; }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    int Length() { return Pick(4) == 0 ? -Pick(3) : Pick(20000); }

    void Refuse(std::vector<std::string> boxes)
    {
        expectedResult_ = 0;
        expectedBoxes_ = std::move(boxes);
    }

    std::string InitSect(HVELDOC doc)
    {
        result_ = VelInitSect(doc);
        expectedResult_ = 1;
        if (model_.phase == Phase::Initialised) {
            Refuse({kAlready31});
        } else if (model_.phase == Phase::Text) {
            Refuse({kAfterText34});
        } else {
            model_.Word("\\sectd");
            model_.phase = Phase::Initialised;
        }
        return "VelInitSect";
    }

    std::string BeginSectText(HVELDOC doc)
    {
        result_ = VelBeginSectText(doc);
        expectedResult_ = 1;
        if (model_.phase == Phase::Text) {
            Refuse({kAfterText34, "VelBeginSectText: " + kInitList});
        } else {
            model_.OpenText();
        }
        return "VelBeginSectText";
    }

    std::string Paper(HVELDOC doc)
    {
        int width = Length(), height = Length(), landscape = Pick(3) == 0 ? 0 : Pick(2);
        result_ = VelPaper(doc, width, height, landscape);
        expectedResult_ = 1;
        std::string call = "VelPaper(" + Number(width) + ", " + Number(height) + ", " + Number(landscape) + ")";
        if (model_.phase == Phase::Text) {
            Refuse({"VelPaper: This function not allowed after calling VelBeginSectText()"});
            return call;
        }
        bool section = model_.phase == Phase::Initialised;
        if (landscape) model_.Word(section ? "\\lndscpsxn" : "\\landscape");
        if (width > 0) model_.Word((section ? "\\pgwsxn" : "\\paperw") + Number(width));
        if (height > 0) model_.Word((section ? "\\pghsxn" : "\\paperh") + Number(height));
        return call;
    }

    std::string Margin(HVELDOC doc)
    {
        int values[6];
        for (int& v : values) v = Length();
        result_ = VelMargin(doc, values[0], values[1], values[2], values[3], values[4], values[5]);
        expectedResult_ = 1;
        if (model_.phase == Phase::Text) {
            Refuse({"VelMargin: This function not allowed after calling VelBeginSectText()"});
            return "VelMargin";
        }
        bool section = model_.phase == Phase::Initialised;
        const char* words[6] = {section ? "\\marglsxn" : "\\margl", section ? "\\margrsxn" : "\\margr",
                                section ? "\\margtsxn" : "\\margt", section ? "\\margbsxn" : "\\margb",
                                "\\headery",                        "\\footery"};
        for (int i = 0; i < 6; ++i) {
            if (values[i] >= 0) model_.Word(words[i] + Number(values[i]));
        }
        return "VelMargin";
    }

    std::string SectInfo(HVELDOC doc)
    {
        int columns = Pick(4), space = Pick(5) == 0 ? -Pick(100) : Pick(1000), newPage = Pick(2) * Pick(3),
            first = Pick(5) - 2;
        result_ = VelSectInfo(doc, columns, space, newPage, first);
        expectedResult_ = 1;
        std::string call = "VelSectInfo(" + Number(columns) + ", " + Number(space) + ", " + Number(newPage) + ", " +
                           Number(first) + ")";
        if (model_.phase == Phase::Text) {
            Refuse({kAfterText34, "VelSectInfo: " + kInitList});
            return call;
        }
        if (model_.phase == Phase::Document) {
            model_.Word("\\sectd");
            model_.phase = Phase::Initialised;
        }
        model_.Word(newPage ? "\\sbkpage" : "\\sbknone");
        if (first >= 1) {
            model_.Word("\\pgnstarts" + Number(first));
            model_.Word("\\pgnrestart");
        } else {
            model_.Word("\\pgncont");
        }
        if (columns >= 2) {
            model_.Word("\\cols" + Number(columns));
            model_.Word("\\colsx" + Number(space));
        }
        return call;
    }

    std::string InsertBreak(HVELDOC doc)
    {
        int type = Pick(5) - 1;  // -1 and 3 are no breaks
        result_ = VelInsertBreak(doc, type);
        expectedResult_ = 1;
        if (type < 0 || type > 2) {
            expectedResult_ = 0;  // silently, before anything
        } else {
            model_.OpenText();
            model_.Word(type == BREAK_SECT ? "\\sect" : type == BREAK_COL ? "\\column" : "\\page");
            if (type == BREAK_SECT) model_.phase = Phase::Document;
        }
        return "VelInsertBreak(" + Number(type) + ")";
    }

    std::string InsertText(HVELDOC doc)
    {
        const AnsiSample& sample = kAnsi[Pick(static_cast<int>(std::size(kAnsi)))];
        result_ = VelInsertText(doc, sample.text);
        expectedResult_ = 1;
        model_.OpenText();
        model_.Run(sample.written, sample.startsWithText, sample.endsOwing, sample.endsLine);
        return std::string("VelInsertText \"") + sample.written + "\"";
    }

    std::string InsertUText(HVELDOC doc)
    {
        const UnicodeSample& sample = kUnicode[Pick(static_cast<int>(std::size(kUnicode)))];
        result_ = VelInsertUText(doc, reinterpret_cast<const VELWCHAR*>(sample.text.c_str()));
        expectedResult_ = 1;
        model_.OpenText();
        model_.Run(sample.written, false, false, false);
        return std::string("VelInsertUText \"") + sample.written + "\"";
    }

    std::mt19937 random_;
    Model model_;
    std::vector<std::string> expectedBoxes_;
    int expectedResult_ = 0;
    int result_ = 0;
};

}  // namespace

TEST(RandomSequence, StateAndOutputFollowTheModel)
{
    for (unsigned seed = 1; seed <= 60; ++seed) {
        TestDoc doc;
        VelSetFlags(doc, 0, DOCFLAG_QUIET);  // every report is a captured box
        RandomSequence run(seed);
        std::string history;
        for (int step = 0; step < 150; ++step) {
            std::string call = run.Step(doc);
            history += call + "\n";
            SCOPED_TRACE("seed " + std::to_string(seed) + ", calls:\n" + history);
            ASSERT_EQ(run.result(), run.expectedResult());
            std::vector<std::string> shown;
            for (const ShownBox& box : Boxes()) shown.push_back(box.caption + ": " + box.text);
            ASSERT_EQ(shown, run.expectedBoxes());
            ASSERT_EQ(doc.get()->SeqState & ~SEQ_ERROR_SHOWN, run.model().State());
            ASSERT_EQ(WithoutLineBreaks(SavedRtf(doc)), kHead + run.model().body + "}");
        }
        // The writer's own rules held throughout: no line beyond 300
        // characters, and the saved RTF is what the model says.
        std::string rtf = SavedRtf(doc);
        size_t start = 0;
        for (size_t at; (at = rtf.find("\r\n", start)) != std::string::npos; start = at + 2) {
            ASSERT_LE(at - start, 300u);
        }
    }
}
