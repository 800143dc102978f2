// Line breaking, delimiting spaces and escaping, as hosts see them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rtf_cases.h"

namespace {

// The lengths of the saved RTF's lines, without their CR LF.
std::vector<size_t> LineLengths(HVELDOC doc)
{
    std::string rtf = SavedRtf(doc);
    std::vector<size_t> lengths;
    size_t start = 0;
    for (size_t at; (at = rtf.find("\r\n", start)) != std::string::npos; start = at + 2) {
        lengths.push_back(at - start);
    }
    lengths.push_back(rtf.size() - start);
    return lengths;
}

}  // namespace

TEST(Writer, DelimitersEscapesAndControlCharacters)
{
    ExpectBodies({
        {"a word owes a space to text only",
         [](HVELDOC d) {
             VelBeginSectText(d), VelInsertControl(d, "b", 0, 0), VelInsertText(d, "x");
             VelInsertControl(d, "b", 0, 0), VelInsertControl(d, "i", 0, 0), VelInsertControl(d, "fs", 1, -20);
             VelInsertControl(d, "fs", 1, 0), VelEndGroup(d);
         },
         "\\sectd\\b x\\b\\i\\fs-20\\fs0}"},
        {"reserved, high and control bytes", [](HVELDOC d) { VelInsertText(d, "{a}\\b\xE9\x0E\x17\tc\x0C\x16"); },
         "\\sectd \\{a\\}\\\\b\\'e9\\~\\_\\tab c\\page\\column"},
        {"CR is \\par, LF vanishes", [](HVELDOC d) { VelInsertText(d, "x\ny\rz"); }, "\\sectd xy\\parz"},
    });
    TestDoc doc;
    VelInsertText(doc, "a\r\nb");  // the paragraph mark ends the line
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd a\\par\r\nb"));
}

TEST(Writer, LinesBreakByTheirRules)
{
    std::string words;
    for (int i = 0; i < 40; ++i) words += "word ";
    struct {
        std::function<void(HVELDOC)> write;
        std::vector<size_t> lines;  // after the head and prologue line
    } cases[] = {
        {[](HVELDOC d) { VelInsertText(d, std::string(200, 'x').c_str()); }, {101, 100}},  // 99 and the brace
        {[&](HVELDOC d) { VelInsertText(d, words.c_str()); }, {80, 80, 41}},  // after a space from 76 on
        {[](HVELDOC d) {
             for (int i = 0; i < 30; ++i) VelInsertControl(d, "cellx", 1, 1000);  // before a backslash from 151
         },
         {160, 141}},
    };
    for (auto& c : cases) {
        TestDoc doc;
        VelBeginSectText(doc), VelInsertRaw(doc, "");  // an empty pending line
        c.write(doc);
        std::vector<size_t> lengths = LineLengths(doc);
        EXPECT_EQ(std::vector<size_t>(lengths.begin() + 1, lengths.end()), c.lines);
    }
}
