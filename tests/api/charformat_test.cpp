// Character formatting, text and highlight colors, and script runs.
#include <gtest/gtest.h>

#include <climits>

#include "rtf_cases.h"

constexpr unsigned kAll = CHAR_ULINE | CHAR_BOLD | CHAR_ITALIC | CHAR_STRIKE | CHAR_SUPER | CHAR_SUB | CHAR_HIDDEN |
                          CHAR_ULINED | CHAR_PROTECT | CHAR_HLINK | CHAR_CAPS | CHAR_SCAPS;

TEST(CharFormat, Bodies)
{
    ExpectBodies({
        {"Symbol bold italic on, then off", [](HVELDOC d) {
             VelTextFont3(d, "Symbol", 0, 0, -1, 0, 0), VelTextFont(d, "Symbol", 12, CHAR_BOLD | CHAR_ITALIC, 1);
             VelInsertText(d, "x"), VelTextFont(d, "Symbol", 12, CHAR_BOLD | CHAR_ITALIC, 0);
         }, "\\sectd\\f0\\fs24\\b\\i x\\f0\\fs24\\b0\\i0"},
        // Any non-zero `on` is on; unknown bits write nothing; sizes past 32 bits are held at the largest.
        {"every attribute in its order through the long forms; sizes in points or half-points", [](HVELDOC d) {
             VelTextFont3(d, nullptr, 0, kAll, -1, 1, 1), VelTextFont2(d, "", 0, kAll, -1, 0);
             VelTextFont(d, nullptr, 0, CHAR_SUPER, -7), VelTextFont(d, "", 0, ~kAll, 1);
             for (int size : {0, -1, 1, -21, 12, 1073741823, 1073741824, INT_MIN}) VelTextFont(d, nullptr, size, 0, 1);
         }, "\\sectd\\ul\\b\\i\\v\\zqhlink\\strike\\protect\\uldb\\dn6\\up6\\caps\\scaps\\ul0\\b0\\i0\\v0\\zqhlink0"
            "\\strike0\\protect0\\uldb0\\dn0\\up0\\caps0\\scaps0\\up6\\fs1\\fs2\\fs21\\fs24\\fs2147483646\\fs2147483647"
            "\\fs2147483647"},
        {"names match without regard to case; a given character set keeps entries apart", [](HVELDOC d) {
             VelTextFont3(d, "Courier New", 0, 0, 204, 0, 0);                               // interned as 0
             VelTextFont2(d, "Arial", 0, 0, 0, 1), VelTextFont2(d, "arial", 0, 0, 204, 1);  // \f1, \f2
             VelTextFont(d, "ARIAL", -20, 0, 0), VelTextFont2(d, "Arial", 0, 0, 204, 1);    // any set: \f1
             VelTextFont(d, "courier new", 0, 0, 1), VelInsertText(d, "x");
         }, "\\sectd\\f1\\f2\\f1\\fs20\\f2\\f0 x"},
        {"interning alone opens and writes nothing",
         [](HVELDOC d) { EXPECT_EQ(VelTextFont3(d, "Arial", 9, 1, 204, 1, 0) + VelTextColor2(d, 0, 1, 0), 2); }, ""},
        // The save closes a run left open.
        {"script runs; what stays allowed inside them; fonts after them", [](HVELDOC d) {
             VelInsertText(d, "mc"), VelBeginScriptStyle(d, 5), VelResetTextProp(d), VelCharStyleId(d, 2);
             VelTextColor(d, 0, 1), VelParaFlags(d, PARA_CENTER), VelTextFont3(d, "Arial", 0, 0, -1, 0, 0);
             VelInsertText(d, "2"), VelEndScriptStyle(d), VelBeginScriptStyle(d, 0), VelInsertText(d, "2");
             VelEndScriptStyle(d), VelTextFont(d, "Arial", 0, CHAR_BOLD, 1), VelBeginScriptStyle(d, 1);
         }, "\\sectd mc{\\super\\plain\\cs2\\cf0\\qc 2}{\\sub 2}\\f0\\b{\\super}"},
    });
    EXPECT_EQ(VelTextFont(TestDoc(), "", 0, ~kAll, 1), 1);  // nothing to write is no failure
}

TEST(TextColor, EntriesAreSharedAndWholeValuesCompared)
{
    TestDoc doc;
    VelTextColor(doc, 0x0000FF, 1), VelTextColor(doc, 0x00FF00, 0), VelTextColor(doc, 0x0000FF, 0);
    // Interned only, then red again but for the high byte, then the interned one.
    VelTextColor2(doc, 0x808080, 1, 0), VelTextColor(doc, 0x010000FF, 1), VelTextColor2(doc, 0x808080, 0, 1);
    EXPECT_EQ(SavedRtf(doc), "{\\rtf1\\uc1 \\deff0 {\\colortbl\\red255\\green0\\blue0;\\red0\\green255\\blue0;\r\n"
                             "\\red128\\green128\\blue128;\\red255\\green0\\blue0;}\\ansi\\ftnbj\\sectd\\cf0"
                             "\\highlight1\\highlight0\\cf3\\highlight2}");
}

TEST(CharFormat, Refusals)
{
    Calls run = [](HVELDOC d) { VelBeginScriptStyle(d, 1); };
    ExpectRefusals({
        {"VelTextFont in a run", run, [](HVELDOC d) { return VelTextFont(d, "Arial", 12, 1, 1); }, 48, "VelTextFont"},
        {"VelTextFont3 too", run, [](HVELDOC d) { return VelTextFont3(d, "A", 0, 0, 0, 1, 1); }, 48, "VelTextFont"},
        {"a second run", run, [](HVELDOC d) { return VelBeginScriptStyle(d, 0); }, 48, "VelBeginScriptStyle"},
        {"ending no run", [](HVELDOC) {}, VelEndScriptStyle, 48, "VelEndScriptStyle"},
    });
    // The full text of the last refusal.
    EXPECT_EQ(LastMessage(), "48 VelEndScriptStyle: " + Needs({"VelBeginScriptStyle()  Begin Script Style Text"}));
    EXPECT_EQ(VelTextFont(0, "A", 1, 0, 1) + VelTextFont2(0, "A", 0, 0, 0, 1) + VelTextFont3(0, "A", 0, 0, 0, 1, 0) +
                  VelResetTextProp(0) + VelCharStyleId(0, 1) + VelTextColor(0, 0, 1) + VelTextColor2(0, 0, 1, 0) +
                  VelBeginScriptStyle(0, 1) + VelEndScriptStyle(0), 0);
}
