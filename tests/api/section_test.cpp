// Sections and page layout as hosts write them, and the refusals of the
// call-sequence check they meet. The page words of every phase, the breaks
// and text are checked against a model in the unit test of random sequences.
#include <gtest/gtest.h>

#include "rtf_cases.h"

TEST(Sections, HostRequestsAndTheWorkedExample)
{
    // A new document, text, the save: the text opens its own section.
    TestDoc hello, hi, doc, raw;
    VelInsertText(hello, "Hello\r\n"), VelInsertText(hi, "Hi");
    EXPECT_EQ(SavedRtf(hello), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj\\sectd Hello\\par\r\n}");
    EXPECT_EQ(SavedRtf(hi), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj\\sectd Hi}");
    // Document-level page words, an implicit section with its information,
    // then a second section in landscape. The long line of words ends at the
    // first text, after its delimiting space.
    VelPaper(doc, 12240, 15840, 0), VelMargin(doc, 1800, 1800, 1440, 1440, 720, 720), VelSectInfo(doc, 2, 720, 1, 1);
    VelInsertText(doc, "One.\r\n"), VelInsertBreak(doc, BREAK_SECT), VelInitSect(doc), VelPaper(doc, 15840, 12240, 1);
    VelInsertText(doc, "Two.");
    EXPECT_EQ(SavedRtf(doc),
              Document("\\paperw12240\\paperh15840\\margl1800\\margr1800\\margt1440\\margb1440\\headery720\\footery720"
                       "\\sectd\\sbkpage\\pgnstarts1\\pgnrestart\\cols2\\colsx720 \r\nOne.\\par\r\n"
                       "\\sect\\sectd\\lndscpsxn\\pgwsxn15840\\pghsxn12240 Two."));
    // Raw RTF passes in every state.
    VelInsertRaw(raw, "{a}"), VelInitSect(raw), VelInsertRaw(raw, "{b}"), VelBeginStyleSheet(raw);
    VelInsertRaw(raw, "{c}"), VelEndStyleSheet(raw), VelBeginHdrFtr(raw, HF_FOOTER), VelInsertRaw(raw, "{d}");
    VelEndHdrFtr(raw), VelBeginSectText(raw), VelInsertRaw(raw, "{e}");
    EXPECT_EQ(BodyOf(raw), "{a}\\sectd{b}{\\stylesheet{c}}{\\footer{d}}{e}");
}

TEST(Sections, Refusals)
{
    Calls none = [](HVELDOC) {}, text = [](HVELDOC d) { VelInsertText(d, "x"); };
    Calls init = [](HVELDOC d) { VelInitSect(d); }, sheet = [](HVELDOC d) { VelBeginStyleSheet(d); };
    Calls header = [](HVELDOC d) { VelBeginHdrFtr(d, HF_HEADER); };
    Calls initSheet = [](HVELDOC d) { VelInitSect(d), VelBeginStyleSheet(d); };
    Call initSect = [](HVELDOC d) { return VelInitSect(d); }, sectText = [](HVELDOC d) { return VelBeginSectText(d); };
    Call paper = [](HVELDOC d) { return VelPaper(d, 1, 1, 1); };
    Call newSheet = [](HVELDOC d) { return VelBeginStyleSheet(d); };
    ExpectRefusals({
        {"init twice", init, initSect, 31, "VelInitSect"},
        {"init after text", text, initSect, 34, "VelInitSect"},
        {"init in a stylesheet", sheet, initSect, 38, "VelInitSect"},
        {"init twice in a stylesheet: the later bit decides", initSheet, initSect, 31, "VelInitSect"},
        {"stylesheet twice", sheet, newSheet, 37, "VelBeginStyleSheet"},
        {"stylesheet after text", text, newSheet, 34, "VelBeginStyleSheet"},
        {"paper after text", text, paper, 34, "VelPaper"},
        {"margins in a stylesheet", sheet, [](HVELDOC d) { return VelMargin(d, 1, 1, 1, 1, 1, 1); }, 38, "VelMargin"},
        {"paper in a header", header, paper, 46, "VelPaper"},
        {"section text twice", text, sectText, 48, "VelBeginSectText"},
        {"section text in a header", header, sectText, 48, "VelBeginSectText"},
        {"section text in an initialised section's stylesheet", initSheet, sectText, 47, "VelBeginSectText"},
        {"section information in a stylesheet", sheet, [](HVELDOC d) { return VelSectInfo(d, 2, 720, 1, 1); }, 48,
         "VelSectInfo"},
        {"section break in a header", header, [](HVELDOC d) { return VelInsertBreak(d, BREAK_SECT); }, 48,
         "VelInsertBreak"},
        {"break in a table row", [](HVELDOC d) { VelBeginTableRow(d, 0, 0, 0, 0, 0); },
         [](HVELDOC d) { return VelInsertBreak(d, BREAK_COL); }, 48, "VelInsertBreak"},
        // Not even the section that a known break would open.
        {"unknown break", none, [](HVELDOC d) { return VelInsertBreak(d, 3) + VelInsertBreak(d, -1); }, 0, ""},
        {"text in a style item", [](HVELDOC d) { VelBeginStyleSheet(d), VelBeginStyleItem(d, 1, 1, "S"); },
         [](HVELDOC d) { return VelInsertText(d, "x"); }, 48, "VelInsertText"},
    });
    const VELWCHAR x[] = {'x', 0};
    EXPECT_EQ(VelInitSect(nullptr) + VelBeginSectText(nullptr) + VelPaper(nullptr, 1, 1, 1) +
                  VelMargin(nullptr, 1, 1, 1, 1, 1, 1) + VelSectInfo(nullptr, 2, 1, 1, 1) +
                  VelInsertBreak(nullptr, BREAK_SECT) + VelInsertText(nullptr, "x") + VelInsertUText(nullptr, x),
              0);
}
