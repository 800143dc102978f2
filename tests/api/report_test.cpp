// Headers and footers, the stylesheet, fields, footnotes and bookmarks: what
// they write, and every call refused around them.
#include <gtest/gtest.h>

#include "rtf_cases.h"

namespace {

using D = HVELDOC;

void Style(D d, int p, int n, const char* name) { VelBeginStyleItem(d, p, n, name), VelEndStyleItem(d); }
void InStyle(D d) { VelBeginStyleSheet(d), VelBeginStyleItem(d, 1, 1, "A"); }
void InHeader(D d) { VelBeginHdrFtr(d, HF_HEADER); }

BodyCase Toc(int first, int last, const std::string& levels)
{
    return {"table of contents", [=](D d) { VelInsertTocField(d, first, last); },
            "\\sectd{\\field\\fldedit{\\fldinst TOC \\\\o \"" + levels +
                "\" }{\\fldrslt Update this field to view Table-of-Content.\\par}}"};
}

// A footnote; "#" in `rtf` stands for the automatic mark.
BodyCase Note(const char* what, const char* mark, const char* text, std::string rtf)
{
    for (size_t at; (at = rtf.find('#')) != std::string::npos;) rtf.replace(at, 1, "{\\super\\chftn}");
    return {what, [=](D d) { VelInsertFootnote(d, mark, text); }, "\\sectd" + rtf};
}

}  // namespace

// Each style, header and footer stands on lines of its own; the first header
// opens the section. Fields and footnotes go in headers too.
TEST(Report, LinesOfStylesAndHeaders)
{
    TestDoc doc;
    VelBeginStyleSheet(doc), VelBeginStyleItem(doc, 1, 1, "Heading"), VelTextFont(doc, nullptr, 0, CHAR_BOLD, 1);
    VelEndStyleItem(doc), Style(doc, 0, 10, "Code"), VelEndStyleSheet(doc);
    VelBeginHdrFtr(doc, HF_FOOTER_FIRST), VelInsertText(doc, "Page "), VelInsertPageField(doc, 1), VelEndHdrFtr(doc);
    VelBeginHdrFtr(doc, HF_HEADER), VelInsertFootnote(doc, 0, "N"), VelEndHdrFtr(doc), VelInsertText(doc, "Body");
    EXPECT_EQ(SavedRtf(doc), Document("\r\n{\\stylesheet\r\n{\\s1\\b Heading;}\r\n{\\cs10 Code;}\r\n}\r\n\\sectd\r\n"
                                      "\\titlepg{\\footerf Page {\\field{\\fldinst PAGE}{\\fldrslt 1}}}\r\n"
                                      "{\\header{{\\super\\chftn}{\\footnote{\\super\\chftn}N}}}\r\nBody"));
}

TEST(Report, Bodies)
{
    ExpectBodies({
        {"every kind", [](D d) { for (int k = 1; k <= 8; ++k) VelBeginHdrFtr(d, k), VelEndHdrFtr(d); },
         "\\sectd{\\header}\\titlepg{\\headerf}\\facingp{\\headerl}\\facingp{\\headerr}"
         "{\\footer}\\titlepg{\\footerf}\\facingp{\\footerl}\\facingp{\\footerr}"},
        // Control characters are left out of names, escaped in texts.
        {"number 0, \\cs, null, long and escaped names", [](D d) {
             VelBeginStyleSheet(d), Style(d, 1, 0, "Normal"), Style(d, 0, 5, 0);
             Style(d, 1, 1, std::string(400, 'y').c_str()), Style(d, 1, 2, "\tA{b}\r\n\\c\xE9\x01\x1f\x7f");
         },
         "{\\stylesheet{Normal;}{\\cs5 ;}{\\s1 " + std::string(303, 'y') + ";}{\\s2 A\\{b\\}\\\\c\\'e9;}}"},
        {"page count", [](D d) { VelInsertPageField(d, 0); }, "\\sectd{\\field{\\fldinst NUMPAGES}{\\fldrslt 1}}"},
        {"merge fields", [](D d) { VelInsertMergeField(d, "Address", "Street"), VelInsertMergeField(d, "A", 0); },
         "\\sectd{\\field\\fldlock{\\fldinst MERGEFIELD Address}{\\fldrslt Street}}"
         "{\\field\\fldlock{\\fldinst MERGEFIELD A}{\\fldrslt}}"},
        {"escaped merge field", [](D d) { VelInsertMergeField(d, "N{m}\r\n\t\xE9 \\*", "\x01\xE9\tx"); },
         "\\sectd{\\field\\fldlock{\\fldinst MERGEFIELD N\\{m\\}\\'e9 \\\\*}{\\fldrslt \\'01\\'e9\\tab x}}"},
        Toc(1, 3, "1-3"), Toc(0, 20, "1-9"), Toc(5, 2, "2-2"), Toc(3, 0, "0-0"), Toc(12, 30, "9-9"),
        Note("automatic mark", nullptr, "Note", "{#{\\footnote#Note}}"),
        Note("empty mark", "", "Note", "{#{\\footnote#Note}}"),
        Note("two-byte mark", "ab", "Note", "{{\\super a}{\\footnote{\\super ab}Note}{\\super b}}"),
        Note("one-byte mark", "x", "Note", "{{\\super x}{\\footnote{\\super x}Note}}"),
        Note("high byte", "\xE9", "N", "{{\\super \\'e9}{\\footnote{\\super \\'e9}N}}"),
        Note("double-byte mark", "\x82\xA0", "N", "{{\\super \\'82}{\\footnote{\\super \\'82\\'a0}N}{\\super \\'a0}}"),
        Note("escaped mark", "{\\", "N", "{{\\super \\{}{\\footnote{\\super \\{\\\\}N}{\\super \\\\}}"),
        Note("control characters", "\r\na\tb\x01", "N", "{{\\super a}{\\footnote{\\super ab}N}{\\super b}}"),
        Note("nothing but control characters", "\r\n", "N", "{#{\\footnote#N}}"),
        Note("null text", nullptr, nullptr, "{#{\\footnote#}}"),
        Note("escaped text", nullptr, "{x}\\ \xE9\x01\r\nB", "{#{\\footnote#\\{x\\}\\\\ \\'e9\\'01\\parB}}"),
        {"bookmarks", [](D d) {
             VelInsertBookmark(d, "Intro", 1), VelInsertBookmark(d, "Intro", 0), VelInsertBookmark(d, nullptr, 1);
             VelInsertBookmark(d, "a{}\\\xE9\r\n\t\x1f", 5);
         },
         "\\sectd{\\*\\bkmkstart Intro}{\\*\\bkmkend Intro}{\\*\\bkmkstart}{\\*\\bkmkstart a\\{\\}\\\\\\'e9}"},
    });
}

TEST(Report, Refusals)
{
    auto none = [](D) {};
    auto text = [](D d) { VelInsertText(d, "x"); };
    auto sheet = [](D d) { VelBeginStyleSheet(d); };
    auto header = [](D d) { return VelBeginHdrFtr(d, HF_HEADER); };
    auto endHeader = [](D d) { return VelEndHdrFtr(d); };
    const char* const kEnd = "VelEndHdrFtr";
    ExpectRefusals({
        {"header after the text began", text, header, 48, "VelBeginHdrFtr"},
        {"header in a header", InHeader, header, 48, "VelBeginHdrFtr"},
        // An unknown kind writes nothing, not even the section, and leaves
        // no header open.
        {"kind 0", none, [](D d) { return VelBeginHdrFtr(d, 0); }, 0, ""},
        {"kind 9 after 0", [](D d) { VelBeginHdrFtr(d, 0); }, [](D d) { return VelBeginHdrFtr(d, 9); }, 0, ""},
        {"end without a header", none, endHeader, 48, kEnd},
        {"paper in a header", InHeader, [](D d) { return VelPaper(d, 12240, 15840, 0); }, 46, "VelPaper"},
        {"margins in a header", InHeader, [](D d) { return VelMargin(d, 1, 1, 1, 1, 1, 1); }, 46, "VelMargin"},
        {"section text in a header", InHeader, [](D d) { return VelBeginSectText(d); }, 48, "VelBeginSectText"},
        {"stylesheet in a header", InHeader, [](D d) { return VelBeginStyleSheet(d); }, 46, "VelBeginStyleSheet"},
        // No header inside the stylesheet; no end of a header or style while
        // a group opened inside it is open.
        {"header in a stylesheet", [](D d) { VelInitSect(d), VelBeginStyleSheet(d); }, header, 38, "VelBeginHdrFtr"},
        {"header in a style", [](D d) { VelInitSect(d), InStyle(d); }, header, 38, "VelBeginHdrFtr"},
        {"row open", [](D d) { InHeader(d), VelBeginTableRow(d, 0, 0, 0, 0, 0); }, endHeader, 40, kEnd},
        {"frame open", [](D d) { InHeader(d), VelBeginFrame(d, 1, 0, 0, 900, 900); }, endHeader, 42, kEnd},
        {"box open", [](D d) { InHeader(d), VelBeginTextBox(d, 1, 0, 0, 9, 9, 0, 0, 0, 0, 1); }, endHeader, 44, kEnd},
        {"run open", [](D d) { InHeader(d), VelBeginScriptStyle(d, 1); }, endHeader, 59, kEnd},
        {"style run", [](D d) { InStyle(d), VelBeginScriptStyle(d, 1); }, [](D d) { return VelEndStyleItem(d); },
         59, "VelEndStyleItem"},
        {"stylesheet twice", sheet, [](D d) { return VelBeginStyleSheet(d); }, 37, "VelBeginStyleSheet"},
        {"stylesheet after the text", text, [](D d) { return VelBeginStyleSheet(d); }, 34, "VelBeginStyleSheet"},
        {"style, no stylesheet", none, [](D d) { return VelBeginStyleItem(d, 1, 1, "A"); }, 48, "VelBeginStyleItem"},
        {"style in a style", InStyle, [](D d) { return VelBeginStyleItem(d, 1, 2, "B"); }, 48, "VelBeginStyleItem"},
        {"style end, no style", sheet, [](D d) { return VelEndStyleItem(d); }, 48, "VelEndStyleItem"},
        {"stylesheet end, no stylesheet", none, [](D d) { return VelEndStyleSheet(d); }, 48, "VelEndStyleSheet"},
        {"stylesheet end, style open", InStyle, [](D d) { return VelEndStyleSheet(d); }, 48, "VelEndStyleSheet"},
        // A stylesheet is accepted while a section is initialised.
        {"section text in a stylesheet", [](D d) { VelInitSect(d), VelBeginStyleSheet(d); },
         [](D d) { return VelBeginSectText(d); }, 47, "VelBeginSectText"},
        {"text in a style", InStyle, [](D d) { return VelInsertText(d, "x"); }, 48, "VelInsertText"},
        {"page field in a style", InStyle, [](D d) { return VelInsertPageField(d, 1); }, 48, "VelInsertPageField"},
        {"merge in a style", InStyle, [](D d) { return VelInsertMergeField(d, "A", 0); }, 48, "VelInsertMergeField"},
        {"toc in a style", InStyle, [](D d) { return VelInsertTocField(d, 1, 3); }, 48, "VelInsertTocField"},
        {"footnote in a style", InStyle, [](D d) { return VelInsertFootnote(d, "a", "b"); }, 48, "VelInsertFootnote"},
        {"bookmark in a style", InStyle, [](D d) { return VelInsertBookmark(d, "a", 1); }, 48, "VelInsertBookmark"},
        {"merge field, null name", none, [](D d) { return VelInsertMergeField(d, nullptr, "x"); }, 0, ""},
        {"merge field, empty name", none, [](D d) { return VelInsertMergeField(d, "", "x"); }, 0, ""},
        {"merge field, CR LF TAB name", none, [](D d) { return VelInsertMergeField(d, "\r\n\t", "x"); }, 0, ""},
    });
    EXPECT_EQ(VelBeginHdrFtr(nullptr, 1) + VelEndHdrFtr(nullptr) + VelBeginStyleSheet(nullptr) +
                  VelEndStyleSheet(nullptr) + VelBeginStyleItem(nullptr, 1, 1, "A") + VelEndStyleItem(nullptr) +
                  VelInsertPageField(nullptr, 1) + VelInsertMergeField(nullptr, "A", "B") +
                  VelInsertTocField(nullptr, 1, 3) + VelInsertFootnote(nullptr, "a", "b") +
                  VelInsertBookmark(nullptr, "a", 1),
              0);
}
