// Tables: rows, cell definitions, cell texts, row ends and nested tables,
// as exact RTF through the public API.
#include <gtest/gtest.h>

#include <string>

#include "rtf_body.h"
#include "rtf_test.h"

namespace {

const std::string kSect = "\\sectd\r\n";

// The composed report of a call made before the one it needs.
std::string Needs(const std::string& call, const std::string& description)
{
    return "This function is valid only if one of the following function(s) has been already called:\n\n" + call +
           description;
}
const std::string kNeedsRow = Needs("VelBeginTableRow()     ", "Begin a Table Row.");
const std::string kNeedsCellText = Needs("VelBeginCellText()    ", "Begin Cell Text.");

// A plain cell: top-aligned, no shading, background, borders or merge.
int PlainCell(HVELDOC doc, int width)
{
    return VelNextCellInfo(doc, width, CELL_VALIGN_TOP, 0, 0xFFFFFF, 0, 0, 0, 0, 0);
}

int CellText(HVELDOC doc, const char* text)
{
    return VelBeginCellText(doc) && VelInsertText(doc, text) && VelEndCellText(doc);
}

// A row of plain cells of `width`, each holding one of `texts`.
int SimpleRow(HVELDOC doc, int width, std::initializer_list<const char*> texts)
{
    if (!VelBeginTableRow(doc, 0, 0, 0, 0, 108)) return 0;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (!PlainCell(doc, width)) return 0;
    }
    for (const char* text : texts) {
        if (!CellText(doc, text)) return 0;
    }
    return VelEndTableRow(doc);
}

// The saved RTF without its CR LF pairs: for runs of control words whose
// line breaks belong to the writer.
std::string Unbroken(const std::string& rtf)
{
    std::string out;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf.compare(i, 2, "\r\n") == 0) {
            ++i;
            continue;
        }
        out += rtf[i];
    }
    return out;
}

// What the declarations of an open row write in a document of their own,
// between the row's "{" and the save's closing braces.
std::string OpenRowWords(HVELDOC doc)
{
    std::string body = FlatBody(doc);
    const std::string head = "\\sectd{";
    if (body.compare(0, head.size(), head) != 0 || body.size() < head.size() + 2) return "<no open row> " + body;
    return body.substr(head.size(), body.size() - head.size() - 2);
}

std::string RowWords(void (*declare)(HVELDOC))
{
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    VelBeginSectText(doc);
    declare(doc);
    return OpenRowWords(doc);
}

}  // namespace

// ---- The worked examples ----------------------------------------------------------

TEST(Tables, RowAndCellDefinitionsOfTheWorkedExample)
{
    TestDoc doc;
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, ROW_CENTER, 0, 108), 1);
    ASSERT_EQ(VelNextCellInfo2(doc, 2000, CELL_VALIGN_CENTER, 25, 0xFFFFFF, 10, 10, 10, 10, 0x0000FF, 0), 1);
    ASSERT_EQ(VelNextCellInfo(doc, 3000, 0, 0, 0xFFFFFF, 0, 0, 0, 0, 0), 1);
    std::string rtf = SavedRtf(doc);
    // Red becomes color 0; the row starts on a new line, its group stays open.
    const std::string head = "{\\rtf1\\uc1 \\deff0 {\\colortbl\\red255\\green0\\blue0;}\\ansi\\ftnbj\\sectd\r\n{";
    ASSERT_EQ(rtf.substr(0, head.size()), head);
    EXPECT_EQ(Unbroken(rtf.substr(head.size())),
              "\\trowd\\trqc\\trgaph108\\trleft0\\clvertalc\\clbrdrt\\brdrs\\brdrw10\\brdrcf0\\clbrdrb\\brdrs"
              "\\brdrw10\\brdrcf0\\clbrdrl\\brdrs\\brdrw10\\brdrcf0\\clbrdrr\\brdrs\\brdrw10\\brdrcf0\\clshdng2500"
              "\\cellx2000\\clvertalt\\cellx5000}}");
}

TEST(Tables, OneLevel)
{
    TestDoc doc;
    VelBeginSectText(doc);
    ASSERT_EQ(SimpleRow(doc, 2000, {"A", "B"}), 1);
    EXPECT_EQ(SavedRtf(doc), Document(kSect +
                                      "{\\trowd\\trgaph108\\trleft0\\clvertalt\\cellx2000\\clvertalt\\cellx4000\r\n"
                                      "\\intbl A\\cell\r\n"
                                      "\\intbl B\\cell\r\n"
                                      "\\row}\r\n"));
}

TEST(Tables, TwoLevels)
{
    TestDoc doc;
    VelBeginSectText(doc);
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 108), 1);
    ASSERT_EQ(PlainCell(doc, 3000), 1);
    ASSERT_EQ(PlainCell(doc, 3000), 1);
    ASSERT_EQ(CellText(doc, "A"), 1);
    ASSERT_EQ(VelBeginCellText(doc), 1);
    ASSERT_EQ(VelInsertText(doc, "B"), 1);
    ASSERT_EQ(SimpleRow(doc, 1500, {"E", "F"}), 1);
    ASSERT_EQ(VelEndCellText(doc), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    EXPECT_EQ(SavedRtf(doc),
              Document(kSect +
                       "{\\trowd\\trgaph108\\trleft0\\clvertalt\\cellx3000\\clvertalt\\cellx6000\r\n"
                       "\\intbl A\\cell\r\n"
                       "\\intbl B\\par\r\n"
                       "\\intbl\\itap2 E\\nestcell\r\n"
                       "{\\nonesttables\\par}\r\n"
                       "\\intbl\\itap2 F\\nestcell\r\n"
                       "{\\nonesttables\\par}\r\n"
                       "{\r\n"
                       "{\\*\\nesttableprops\\trowd\\trgaph108\\trleft0\\clvertalt\\cellx1500\\clvertalt\\cellx3000"
                       "\\nestrow}\r\n"
                       "{\\nonesttables\\par}}\\pard\\intbl\r\n"
                       "\\cell\r\n"
                       "\\row}\r\n"));
}

TEST(Tables, NestedTwice)
{
    TestDoc doc;
    VelBeginSectText(doc);
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 108), 1);
    ASSERT_EQ(PlainCell(doc, 6000), 1);
    ASSERT_EQ(VelBeginCellText(doc), 1);
    ASSERT_EQ(VelBeginTableRow(doc, 100, 0, 0, 0, 0), 1);
    ASSERT_EQ(PlainCell(doc, 4000), 1);
    ASSERT_EQ(VelBeginCellText(doc), 1);
    ASSERT_EQ(SimpleRow(doc, 1000, {"X"}), 1);
    ASSERT_EQ(VelInsertText(doc, "after"), 1);
    ASSERT_EQ(VelEndCellText(doc), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    ASSERT_EQ(VelEndCellText(doc), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    EXPECT_EQ(SavedRtf(doc),
              Document(kSect +
                       "{\\trowd\\trgaph108\\trleft0\\clvertalt\\cellx6000\r\n"
                       "\\intbl\r\n"
                       "\\intbl\\itap2\r\n"
                       "\\intbl\\itap3 X\\nestcell\r\n"
                       "{\\nonesttables\\par}\r\n"
                       "{\r\n"
                       "{\\*\\nesttableprops\\trowd\\trgaph108\\trleft0\\clvertalt\\cellx1000\\nestrow}\r\n"
                       "{\\nonesttables\\par}}\\pard\\intbl\\itap2\r\n"
                       "after\\nestcell\r\n"
                       "{\\nonesttables\\par}\r\n"
                       "{\r\n"
                       "{\\*\\nesttableprops\\trowd\\trgaph60\\trleft100\\clvertalt\\cellx4100\\nestrow}\r\n"
                       "{\\nonesttables\\par}}\\pard\\intbl\r\n"
                       "\\cell\r\n"
                       "\\row}\r\n"));
}

// ---- Row and cell definitions -------------------------------------------------------

TEST(Tables, RowPaddingAlignmentHeightAndHeader)
{
    auto gap = [](int margin) {
        TestDoc doc;
        VelBeginSectText(doc);
        VelBeginTableRow(doc, 0, 0, 0, 0, margin);
        return SavedRtf(doc);
    };
    EXPECT_EQ(gap(0), Document(kSect + "{\\trowd\\trgaph60\\trleft0}"));
    EXPECT_EQ(gap(-5), Document(kSect + "{\\trowd\\trgaph60\\trleft0}"));
    EXPECT_EQ(gap(108), Document(kSect + "{\\trowd\\trgaph108\\trleft0}"));

    EXPECT_EQ(RowWords([](HVELDOC d) { VelBeginTableRow2(d, 0, 0, 0, 0, 100, 100, 0, 0); }),
              "\\trowd\\trgaph100\\trleft0");
    EXPECT_EQ(RowWords([](HVELDOC d) { VelBeginTableRow2(d, 0, 0, 0, 0, 100, 120, 0, 0); }),
              "\\trowd\\trpaddl100\\trpaddfl3\\trpaddr120\\trpaddfr3\\trpaddt0\\trpaddft3\\trpaddb0\\trpaddfb3"
              "\\trleft0");
    // Equal sides but a top padding: the eight words, zeros and negatives as given.
    EXPECT_EQ(RowWords([](HVELDOC d) { VelBeginTableRow2(d, 0, 0, 0, 0, -10, -10, 50, 0); }),
              "\\trowd\\trpaddl-10\\trpaddfl3\\trpaddr-10\\trpaddfr3\\trpaddt50\\trpaddft3\\trpaddb0\\trpaddfb3"
              "\\trleft0");
    EXPECT_EQ(RowWords([](HVELDOC d) { VelBeginTableRow(d, 0, 0, ROW_CENTER | ROW_RIGHT, 0, 0); }),
              "\\trowd\\trqc\\trgaph60\\trleft0");
    EXPECT_EQ(RowWords([](HVELDOC d) { VelBeginTableRow(d, -200, 400, ROW_RIGHT, 1, 0); }),
              "\\trowd\\trqr\\trgaph60\\trleft-200\\trrh400\\trhdr");
    EXPECT_EQ(RowWords([](HVELDOC d) { VelBeginTableRow(d, 0, -400, 0, 0, 0); }),
              "\\trowd\\trgaph60\\trleft0\\trrh-400");
}

TEST(Tables, CellAlignmentMergesAndDirection)
{
    auto cell = [](unsigned valign, unsigned merge, int rotation) {
        TestDoc doc;
        VelBeginSectText(doc);
        VelBeginTableRow(doc, 0, 0, 0, 0, 0);
        VelNextCellInfo3(doc, 1000, valign, 0, 0xFFFFFF, 0, 0, 0, 0, 0, merge, rotation);
        std::string words = OpenRowWords(doc);
        return words.substr(words.find("\\trleft0") + 8);
    };
    EXPECT_EQ(cell(CELL_VALIGN_TOP, 0, 0), "\\clvertalt\\cellx1000");
    EXPECT_EQ(cell(CELL_VALIGN_CENTER, 0, 0), "\\clvertalc\\cellx1000");
    EXPECT_EQ(cell(CELL_VALIGN_BOTTOM, 0, 0), "\\clvertalb\\cellx1000");
    EXPECT_EQ(cell(7, 0, 0), "\\clvertalt\\cellx1000");
    EXPECT_EQ(cell(0, CELL_VMERGE_FIRST | CELL_HMERGE_FIRST, 0), "\\clvertalt\\clvmgf\\clmgf\\cellx1000");
    EXPECT_EQ(cell(0, CELL_HMERGE_FIRST | CELL_HMERGE, 0), "\\clvertalt\\clmgf\\cellx1000");
    EXPECT_EQ(cell(0, CELL_VMERGE_FIRST | CELL_VMERGE, 0), "\\clvertalt\\clvmgf\\cellx1000");
    EXPECT_EQ(cell(0, CELL_HMERGE, 0), "\\clvertalt\\clmrg\\cellx1000");
    EXPECT_EQ(cell(0, CELL_VMERGE | CELL_HMERGE, 0), "\\clvertalt\\clvmrg\\clmrg\\cellx1000");
    EXPECT_EQ(cell(0, 0, 90), "\\clvertalt\\cltxbtlr\\cellx1000");
    EXPECT_EQ(cell(0, 0, 270), "\\clvertalt\\cltxtbrl\\cellx1000");
    EXPECT_EQ(cell(0, 0, 180), "\\clvertalt\\cellx1000");
}

TEST(Tables, CellBordersShadingAndBackground)
{
    auto cell = [](int shading, unsigned background, int l, int r, int t, int b, unsigned color) {
        TestDoc doc;
        VelBeginSectText(doc);
        VelBeginTableRow(doc, 0, 0, 0, 0, 0);
        VelNextCellInfo2(doc, 1000, 0, shading, background, l, r, t, b, color, 0);
        std::string words = OpenRowWords(doc);
        return words.substr(words.find("\\clvertalt") + 10);
    };
    EXPECT_EQ(cell(0, 0xFFFFFF, 0, -1, 0, 0, 0x00FF00), "\\cellx1000");
    EXPECT_EQ(cell(0, 0xFFFFFF, 5, 0, 0, 0, 0), "\\clbrdrl\\brdrs\\brdrw5\\cellx1000");
    // Top, bottom, left, right, whatever order the arguments come in.
    EXPECT_EQ(cell(0, 0xFFFFFF, 1, 2, 3, 4, 0),
              "\\clbrdrt\\brdrs\\brdrw3\\clbrdrb\\brdrs\\brdrw4\\clbrdrl\\brdrs\\brdrw1\\clbrdrr\\brdrs\\brdrw2"
              "\\cellx1000");
    EXPECT_EQ(cell(-5, 0xFFFFFF, 0, 0, 0, 0, 0), "\\cellx1000");
    EXPECT_EQ(cell(10, 0xFFFFFF, 0, 0, 0, 0, 0), "\\clshdng1000\\cellx1000");
    EXPECT_EQ(cell(250, 0xFFFFFF, 0, 0, 0, 0, 0), "\\clshdng10000\\cellx1000");  // at most all of it
    // Black is a color like any other.
    EXPECT_EQ(cell(0, 0x000000, 0, 0, 0, 0, 0), "\\clcbpat0\\cellx1000");
}

TEST(Tables, BorderAndBackgroundShareOneColorEntry)
{
    TestDoc doc;
    VelBeginSectText(doc);
    ASSERT_EQ(VelTextColor2(doc, 0x0000FF, 1, 0), 1);  // red is color 0 already
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(VelNextCellInfo2(doc, 1000, 0, 0, 0x00FF00, 0, 0, 10, 0, 0x00FF00, 0), 1);
    ASSERT_EQ(VelNextCellInfo2(doc, 1000, 0, 0, 0x0000FF, 0, 0, 0, 0, 0x123456, 0), 1);
    EXPECT_EQ(SavedRtf(doc),
              "{\\rtf1\\uc1 \\deff0 {\\colortbl\\red255\\green0\\blue0;\\red0\\green255\\blue0;\r\n"
              "\\red86\\green52\\blue18;}\\ansi\\ftnbj\\sectd\r\n"
              "{\\trowd\\trgaph60\\trleft0\\clvertalt\\clbrdrt\\brdrs\\brdrw10\\brdrcf1\\clcbpat1\\cellx1000"
              "\\clvertalt\\clcbpat0\\cellx2000}}");
}

TEST(Tables, CellEdgesCountFromTheRowsLeftEdge)
{
    TestDoc doc;
    VelBeginSectText(doc);
    ASSERT_EQ(VelBeginTableRow(doc, 500, 0, 0, 0, 0), 1);
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(PlainCell(doc, 2000), 1);
    EXPECT_EQ(SavedRtf(doc), Document(kSect + "{\\trowd\\trgaph60\\trleft500\\clvertalt\\cellx1500"
                                              "\\clvertalt\\cellx3500}"));
}

TEST(Tables, CellEdgesStayWithin32Bits)
{
    TestDoc doc;
    VelBeginSectText(doc);
    ASSERT_EQ(VelBeginTableRow(doc, 2000000000, 0, 0, 0, 0), 1);
    ASSERT_EQ(PlainCell(doc, 2000000000), 1);
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 0);  // needs a cell text: refused
    EXPECT_EQ(SavedRtf(doc), Document(kSect + "{\\trowd\\trgaph60\\trleft2000000000\\clvertalt"
                                              "\\cellx2147483647}"));
}

// ---- Rows in their surroundings -----------------------------------------------------

TEST(Tables, RowClosesAnOpenParagraphFirst)
{
    TestDoc doc;
    ASSERT_EQ(VelInsertText(doc, "Before"), 1);
    ASSERT_EQ(SimpleRow(doc, 1000, {"A"}), 1);
    ASSERT_EQ(SimpleRow(doc, 1000, {"B"}), 1);  // directly after a row: no \par
    ASSERT_EQ(VelInsertText(doc, "After\r\n"), 1);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd Before\\par\r\n"
                                      "{\\trowd\\trgaph108\\trleft0\\clvertalt\\cellx1000\r\n"
                                      "\\intbl A\\cell\r\n"
                                      "\\row}\r\n"
                                      "{\\trowd\\trgaph108\\trleft0\\clvertalt\\cellx1000\r\n"
                                      "\\intbl B\\cell\r\n"
                                      "\\row}\r\n"
                                      "After\\par\r\n"));
}

TEST(Tables, NestedRowWritesNothingWhenDeclared)
{
    TestDoc doc;
    VelBeginSectText(doc);
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(VelBeginCellText(doc), 1);
    ASSERT_EQ(VelInsertText(doc, "x"), 1);
    std::string before = SavedRtf(doc);
    ASSERT_EQ(VelBeginTableRow2(doc, 0, 500, ROW_CENTER, 1, 1, 2, 3, 4), 1);
    ASSERT_EQ(VelNextCellInfo3(doc, 900, 1, 20, 0x00FF00, 5, 5, 5, 5, 0xFF0000, CELL_HMERGE_FIRST, 90), 1);
    // The paragraph mark and the line break, nothing else; no color yet.
    EXPECT_EQ(SavedRtf(doc), Document(kSect + "{\\trowd\\trgaph60\\trleft0\\clvertalt\\cellx1000\r\n"
                                              "\\intbl x\\par\r\n}"));
    ASSERT_EQ(CellText(doc, "y"), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    // The kept definitions, written at the end with their colors.
    std::string rtf = Unbroken(SavedRtf(doc));
    EXPECT_NE(rtf.find("{\\colortbl\\red0\\green0\\blue255;\\red0\\green255\\blue0;}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\*\\nesttableprops\\trowd\\trqc\\trpaddl1\\trpaddfl3\\trpaddr2\\trpaddfr3\\trpaddt3"
                       "\\trpaddft3\\trpaddb4\\trpaddfb3\\trleft0\\trrh500\\trhdr\\clvertalc\\clmgf\\clbrdrt\\brdrs"
                       "\\brdrw5\\brdrcf0\\clbrdrb\\brdrs\\brdrw5\\brdrcf0\\clbrdrl\\brdrs\\brdrw5\\brdrcf0\\clbrdrr"
                       "\\brdrs\\brdrw5\\brdrcf0\\clshdng2000\\clcbpat1\\cltxbtlr\\cellx900\\nestrow}"),
              std::string::npos)
        << rtf;
}

TEST(Tables, FormattingAndParagraphsInsideCells)
{
    TestDoc doc;
    VelBeginSectText(doc);
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(VelBeginCellText(doc), 1);
    ASSERT_EQ(VelTextFont(doc, nullptr, 0, CHAR_BOLD, 1), 1);
    ASSERT_EQ(VelInsertText(doc, "one\r\n"), 1);
    ASSERT_EQ(VelResetParaProp(doc), 1);
    ASSERT_EQ(VelParaFlags(doc, PARA_CENTER), 1);
    ASSERT_EQ(VelInsertText(doc, "two"), 1);
    ASSERT_EQ(VelEndCellText(doc), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document(kSect + "{\\trowd\\trgaph60\\trleft0\\clvertalt\\cellx1000\r\n"
                                              "\\intbl\\b one\\par\r\n"
                                              "\\pard\\intbl\\qc two\\cell\r\n"
                                              "\\row}\r\n"));
}

TEST(Tables, CellBegunAfterAnUnendedCellHasNoEmptyParagraph)
{
    // The \cell of the first cell ends its paragraph, so a nested row at the
    // start of the second cell writes no \par of its own.
    TestDoc doc;
    VelBeginSectText(doc);
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(CellText(doc, "A"), 1);
    ASSERT_EQ(VelBeginCellText(doc), 1);
    ASSERT_EQ(SimpleRow(doc, 500, {"N"}), 1);
    ASSERT_EQ(VelEndCellText(doc), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    std::string rtf = SavedRtf(doc);
    EXPECT_NE(rtf.find("\\intbl A\\cell\r\n\\intbl\r\n\\intbl\\itap2 N\\nestcell"), std::string::npos) << rtf;
}

// Levels 0 to 18 open at once; the twentieth row is refused without a
// message and leaves the table as it was, so the host goes on with it.
TEST(Tables, NineteenLevels)
{
    TestDoc doc;
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    VelBeginSectText(doc);
    for (int level = 0; level < 19; ++level) {
        ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1) << level;
        ASSERT_EQ(PlainCell(doc, 1000), 1);
        ASSERT_EQ(VelBeginCellText(doc), 1);
    }
    std::string open = SavedRtf(doc);
    EXPECT_NE(open.find("\\intbl\\itap19}"), std::string::npos);
    VelResetLastMessage();
    EXPECT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);
    EXPECT_EQ(SavedRtf(doc), open);
    // The deepest cell goes on as before.
    ASSERT_EQ(VelInsertText(doc, "deep"), 1);
    for (int level = 18; level >= 0; --level) {
        ASSERT_EQ(VelEndCellText(doc), 1) << level;
        ASSERT_EQ(VelEndTableRow(doc), 1) << level;
    }
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);
    std::string rtf = SavedRtf(doc);
    EXPECT_NE(rtf.find("\\intbl\\itap19 deep\\nestcell"), std::string::npos);
    EXPECT_EQ(rtf.substr(rtf.size() - 8), "\\row}\r\n}");
    // A new table starts at the top again.
    ASSERT_EQ(SimpleRow(doc, 1000, {"top"}), 1);
    EXPECT_NE(SavedRtf(doc).find("\\row}\r\n{\\trowd"), std::string::npos);
}

// ---- Refusals -------------------------------------------------------------------------

class TableRefusals : public ::testing::Test {
protected:
    void SetUp() override
    {
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        VelBeginSectText(doc);
    }

    // The call is refused with `expected` ("number caption: text") and
    // writes nothing.
    void ExpectRefused(int result, const std::string& before, const std::string& expected)
    {
        EXPECT_EQ(result, 0);
        EXPECT_EQ(LastMessage(), expected);
        EXPECT_EQ(SavedRtf(doc), before);
        VelResetLastMessage();
    }

    TestDoc doc;
};

TEST_F(TableRefusals, CellsWithoutARow)
{
    std::string before = SavedRtf(doc);
    ExpectRefused(PlainCell(doc, 1000), before, "48 VelNextCellInfo: " + kNeedsRow);
    ExpectRefused(VelNextCellInfo2(doc, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0), before, "48 VelNextCellInfo: " + kNeedsRow);
    ExpectRefused(VelNextCellInfo3(doc, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), before,
                  "48 VelNextCellInfo: " + kNeedsRow);
    ExpectRefused(VelBeginCellText(doc), before, "48 VelBeginCellText: " + kNeedsRow);
    ExpectRefused(VelEndCellText(doc), before, "48 VelEndCellText: " + kNeedsCellText);
    ExpectRefused(VelEndTableRow(doc), before, "48 VelEndTableRow: " + kNeedsRow);
}

TEST_F(TableRefusals, CellsAfterTheFirstCellText)
{
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(VelBeginCellText(doc), 1);
    std::string before = SavedRtf(doc);
    ExpectRefused(PlainCell(doc, 1000), before, "48 VelNextCellInfo: " + kNeedsRow);
    ASSERT_EQ(VelEndCellText(doc), 1);
    // Between two cell texts as well.
    before = SavedRtf(doc);
    ExpectRefused(PlainCell(doc, 1000), before, "48 VelNextCellInfo: " + kNeedsRow);
    // The row goes on with its two cells.
    ASSERT_EQ(CellText(doc, "b"), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);
}

TEST_F(TableRefusals, CellTextWithoutDeclaredCell)
{
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
    std::string before = SavedRtf(doc);
    ExpectRefused(VelBeginCellText(doc), before,
                  "51 VelBeginCellText: Must call VelNextCellInfo for all cell in the row before calling a "
                  "VelBeginCellText function.");
    // The row can still declare its cells: no cell text was counted.
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(CellText(doc, "a"), 1);
    ASSERT_EQ(VelBeginCellText(doc), 1);
    before = SavedRtf(doc);
    ExpectRefused(VelBeginCellText(doc), before, "48 VelBeginCellText: " + kNeedsRow);
    ASSERT_EQ(VelEndCellText(doc), 1);
    before = SavedRtf(doc);
    ExpectRefused(VelBeginCellText(doc), before,
                  "52 VelBeginCellText: The VelNextCellInfo function not called for this VelBeginCellText "
                  "function.");
    ASSERT_EQ(VelEndTableRow(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document(kSect + "{\\trowd\\trgaph60\\trleft0\\clvertalt\\cellx1000\\clvertalt"
                                              "\\cellx2000\r\n\\intbl a\\cell\r\n\\intbl\\cell\r\n\\row}\r\n"));
}

TEST_F(TableRefusals, RowEndBeforeItsCells)
{
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
    std::string before = SavedRtf(doc);
    ExpectRefused(VelEndTableRow(doc), before, "53 VelEndTableRow: Must have at least one cell in a table row.");
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    before = SavedRtf(doc);
    ExpectRefused(VelEndTableRow(doc), before, "53 VelEndTableRow: Must have at least one cell in a table row.");
    ASSERT_EQ(VelBeginCellText(doc), 1);
    before = SavedRtf(doc);
    ExpectRefused(VelEndTableRow(doc), before, "48 VelEndTableRow: " + kNeedsRow);
    ASSERT_EQ(VelEndCellText(doc), 1);
    before = SavedRtf(doc);
    const std::string missing =
        "54 VelEndTableRow: Must call the VelBeginCellText function as many times as the VelNextCellInfo "
        "function.";
    ExpectRefused(VelEndTableRow(doc), before, missing);
    // The row stays open: the missing text, and the row ends.
    ASSERT_EQ(CellText(doc, "b"), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    EXPECT_EQ(SavedRtf(doc), Document(kSect + "{\\trowd\\trgaph60\\trleft0\\clvertalt\\cellx1000\\clvertalt"
                                              "\\cellx2000\r\n\\intbl\\cell\r\n\\intbl b\\cell\r\n\\row}\r\n"));
}

TEST_F(TableRefusals, NestedRowOutsideACellText)
{
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
    std::string before = SavedRtf(doc);
    ExpectRefused(VelBeginTableRow(doc, 0, 0, 0, 0, 0), before, "48 VelBeginTableRow: " + kNeedsCellText);
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(CellText(doc, "a"), 1);
    before = SavedRtf(doc);
    ExpectRefused(VelBeginTableRow2(doc, 0, 0, 0, 0, 1, 1, 1, 1), before, "48 VelBeginTableRow: " + kNeedsCellText);
    // The outer row is untouched: its second cell and its end.
    ASSERT_EQ(CellText(doc, "b"), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);
}

TEST_F(TableRefusals, NestedRowRefusalsLeaveTheOuterCountsAlone)
{
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(PlainCell(doc, 1000), 1);
    ASSERT_EQ(VelBeginCellText(doc), 1);
    ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
    std::string before = SavedRtf(doc);
    // The nested row's own refusals.
    ExpectRefused(VelBeginCellText(doc), before,
                  "51 VelBeginCellText: Must call VelNextCellInfo for all cell in the row before calling a "
                  "VelBeginCellText function.");
    ExpectRefused(VelEndTableRow(doc), before, "53 VelEndTableRow: Must have at least one cell in a table row.");
    ASSERT_EQ(PlainCell(doc, 500), 1);
    ASSERT_EQ(PlainCell(doc, 500), 1);
    ASSERT_EQ(CellText(doc, "n"), 1);
    before = SavedRtf(doc);
    ExpectRefused(VelEndTableRow(doc), before,
                  "54 VelEndTableRow: Must call the VelBeginCellText function as many times as the "
                  "VelNextCellInfo function.");
    ASSERT_EQ(CellText(doc, "m"), 1);
    ASSERT_EQ(VelEndTableRow(doc), 1);
    // Back in the first outer cell: one text counted, two cells declared.
    before = SavedRtf(doc);
    ExpectRefused(PlainCell(doc, 1000), before, "48 VelNextCellInfo: " + kNeedsRow);
    ASSERT_EQ(VelEndCellText(doc), 1);
    before = SavedRtf(doc);
    ExpectRefused(VelEndTableRow(doc), before,
                  "54 VelEndTableRow: Must call the VelBeginCellText function as many times as the "
                  "VelNextCellInfo function.");
    ASSERT_EQ(CellText(doc, "b"), 1);
    before = SavedRtf(doc);
    ExpectRefused(VelBeginCellText(doc), before,
                  "52 VelBeginCellText: The VelNextCellInfo function not called for this VelBeginCellText "
                  "function.");
    ASSERT_EQ(VelEndTableRow(doc), 1);
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);
}

TEST(Tables, NullDocumentGivesZero)
{
    EXPECT_EQ(VelBeginTableRow(nullptr, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(VelBeginTableRow2(nullptr, 0, 0, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(VelNextCellInfo(nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(VelNextCellInfo2(nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(VelNextCellInfo3(nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(VelBeginCellText(nullptr), 0);
    EXPECT_EQ(VelEndCellText(nullptr), 0);
    EXPECT_EQ(VelEndTableRow(nullptr), 0);
}

TEST(Tables, EndingADocumentWithRowsOpenAtEveryLevel)
{
    // Nothing leaks (the sanitizer build checks), and the save closes groups.
    HVELDOC doc = VelNewDoc();
    for (int level = 0; level < 5; ++level) {
        ASSERT_EQ(VelBeginTableRow(doc, 0, 0, 0, 0, 0), 1);
        for (int i = 0; i < 3; ++i) ASSERT_EQ(PlainCell(doc, 700), 1);
        ASSERT_EQ(VelBeginCellText(doc), 1);
    }
    std::string rtf = SavedRtf(doc);
    EXPECT_EQ(rtf.substr(rtf.size() - 14), "\\intbl\\itap5}}");
    EXPECT_EQ(VelEndDoc(doc), 1);
}
