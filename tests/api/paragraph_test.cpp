// Paragraph properties, tab stops, bullets and numbers.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "rtf_cases.h"

// The \pntext group that readers without numbering show: Symbol's dot, in
// the index Symbol has (it once named font 1, whatever held it).
static std::string PnText(int f) { return "{\\pntext\\pard\\plain\\f" + std::to_string(f) + "\\fs20 \\'b7\\tab}"; }

static std::string Bullet(int font, const std::string& code, const std::string& level = "\\pnlvlblt")
{
    return PnText(0) + "{\\*\\pn" + level + "\\pnhang\\pnf" + std::to_string(font) + "{\\pntxtb \\'" + code + "}}";
}

static void Flags(HVELDOC doc, std::initializer_list<unsigned> flags) { for (unsigned f : flags) VelParaFlags(doc, f); }

static std::string Number(const std::string& words, const std::string& texts = "")
{
    return "{\\*\\pn" + words + "\\pnhang" + texts + "}";
}

TEST(Paragraph, Bodies)
{
    ExpectBodies({
        // One alignment word every time, right before center before justify; unknown bits are ignored; three
        // sides in the order top, bottom, left, right; width and style alone draw nothing.
        {"alignment, spacing, keeping and borders in their order", [](HVELDOC d) {
             Flags(d, {0, PARA_LEFT, PARA_CENTER, PARA_RIGHT, PARA_JUSTIFY, PARA_CENTER | PARA_RIGHT, PARA_KEEP,
                       PARA_JUSTIFY | PARA_LEFT, PARA_CENTER | PARA_JUSTIFY, 0x8 | 0x1000 | 0x2000 | 0xFFFE0000u,
                       PARA_WIDOW | PARA_KEEP_NEXT | PARA_KEEP | PARA_DOUBLE | PARA_JUSTIFY, 0xFFFFFFFFu,
                       PARA_BOX_TOP | PARA_BOX_BOT | PARA_BOX_THICK, PARA_BOX | PARA_BOX_DOUBLE, PARA_BOX_THICK,
                       PARA_BOX_RIGHT | PARA_BOX_LEFT | PARA_BOX_TOP | PARA_BOX_DOUBLE});
         }, "\\sectd\\ql\\ql\\qc\\qr\\qj\\qr\\ql\\keep\\qj\\qc\\ql\\qj\\sl480\\slmult1\\keep\\keepn\\widctlpar\\qr"
            "\\sl480\\slmult1\\keep\\keepn\\widctlpar\\box\\brdrw30\\brdrdb\\ql\\brdrt\\brdrw30\\brdrs\\brdrb"
            "\\brdrw30\\brdrs\\ql\\box\\brdrdb\\ql\\ql\\brdrt\\brdrdb\\brdrl\\brdrdb\\brdrr\\brdrdb"},
        // Shading is in hundredths, at most 100 percent; below 0 a background color, sharing text colors.
        {"indents and spacing leave out -1 only; shading", [](HVELDOC d) {
             EXPECT_EQ(VelParaIndent(d, -1, -1, -1) + VelParaSpace(d, -1, -1, -1), 2);
             VelParaIndent(d, 720, 360, -360), VelParaIndent(d, 0, -1, -2), VelParaIndent(d, INT_MAX, INT_MIN, 0);
             VelParaSpace(d, 240, -1, -240), VelParaSpace(d, 0, 0, 360);
             for (int percent : {250, 25, 0, INT_MAX}) VelParaShadeColor(d, percent, 0x123456);
             VelTextColor(d, 255, 1), VelParaShadeColor(d, -1, 0xE0E0E0), VelParaShadeColor(d, INT_MIN, 255);
         }, "\\sectd\\li720\\ri360\\fi-360\\li0\\fi-2\\li2147483647\\ri-2147483648\\fi0\\sb240\\sl-240\\sb0\\sa0"
            "\\sl360\\shading10000\\shading2500\\shading0\\shading10000\\cf0\\cbpat1\\cbpat0"},
        {"tab stops; unknown types and leaders write no word; style and reset; after VelInitSect", [](HVELDOC d) {
             VelInitSect(d), VelParaTabStop(d, TAB_DECIMAL, 2880, LEADER_DOT), VelParaTabStop(d, 0, 720, 0);
             VelParaTabStop(d, TAB_RIGHT, 9360, LEADER_HYPH), VelParaTabStop(d, TAB_CENTER, 4680, LEADER_ULINE);
             VelParaTabStop(d, 4, 100, 3), VelParaTabStop(d, -1, -300, INT_MIN);
             VelResetParaProp(d), VelParaStyleId(d, 2), VelParaStyleId(d, -1);
         }, "\\sectd\\tqdec\\tldot\\tx2880\\tx720\\tqr\\tlhyph\\tx9360\\tqc\\tlul\\tx4680\\tx100\\tx-300"
            "\\pard\\s2\\s-1"},
    });
    EXPECT_EQ(VelParaFlags(0, 0) + VelParaIndent(0, 1, 1, 1) + VelParaSpace(0, 1, 1, 1) + VelParaShadeColor(0, -1, 0) +
                  VelParaStyleId(0, 1) + VelResetParaProp(0) + VelParaTabStop(0, 0, 1, 0) +
                  VelParaBullet(0, 1, 0, 0, 0, 0, 0, 0), 0);
}

TEST(ParaBullet, Bodies)
{
    const std::string body1 = "\\pnlvlbody\\pnstart1";
    ExpectBodies({
        {"a bullet adds Symbol; a number with a full stop; roman from 4 in parentheses", [](HVELDOC d) {
             VelParaBullet(d, 1, 0, 0, 0, nullptr, nullptr, 0), VelParaBullet(d, 0, NUM_DEC, 0, 1, nullptr, ".", 0);
             VelParaBullet(d, 0, NUM_UPR_ROMAN, 2, 4, "(", ")", 0);
         }, "\\sectd" + Bullet(0, "b7") + Number(body1 + "\\pndec", "{\\pntxta .}") +
                Number("\\pnlvl2\\pnstart4\\pnucrm", "{\\pntxtb (}{\\pntxta )}")},
        {"numbering styles, any other is decimal; level 10 is the body, 3 is written", [](HVELDOC d) {
             for (int style : {NUM_UPR_ALPHA, NUM_LWR_ALPHA, NUM_LWR_ROMAN}) VelParaBullet(d, 0, style, 10, 1, 0, 0, 0);
             VelParaBullet(d, 0, 9, 3, 1, nullptr, nullptr, 0);
         }, "\\sectd" + Number(body1 + "\\pnucltr") + Number(body1 + "\\pnlcltr") + Number(body1 + "\\pnlcrm") +
                Number("\\pnlvl3\\pnstart1\\pndec")},
        // Other flag bits are ignored; empty texts write no groups.
        {"a continued number keeps start and style; texts are escaped", [](HVELDOC d) {
             VelParaBullet(d, 0, NUM_LWR_ALPHA, 3, 2, "(", ")", NUM_CONT), VelParaBullet(d, 0, 0, 0, 1, "", "", ~1u);
             VelParaBullet(d, 0, 0, 0, 1, "{\xA7", "}\\", 0);
         }, "\\sectd" + Number("\\pnlvlcont\\pnstart2\\pnlcltr", "{\\pntxtb (}{\\pntxta )}") +
                Number(body1 + "\\pndec") + Number(body1 + "\\pndec", "{\\pntxtb \\{\\'a7}{\\pntxta \\}\\\\}")},
        // Level, start and texts are not used; a continued bullet has no level word.
        {"every bullet style; Symbol and Wingdings added once", [](HVELDOC d) {
             for (int style : {0, 1, 2, 3, 4, 5, 6, 7, 9}) VelParaBullet(d, 1, style, 3, 7, "(", ")", 0);
             VelParaBullet(d, 1, 0, 0, 0, 0, 0, NUM_CONT);
         }, "\\sectd" + Bullet(0, "b7") + Bullet(0, "b7") + Bullet(0, "a8") + Bullet(1, "a7") + Bullet(1, "71") +
                Bullet(1, "76") + Bullet(1, "d8") + Bullet(1, "fc") + Bullet(0, "b7") + Bullet(0, "b7", "\\pnlvlcont")},
        {"bullet fonts are found by name alone; the dot names Symbol's own index", [](HVELDOC d) {
             VelTextFont3(d, "Times New Roman", 0, 0, -1, 0, 0), VelTextFont3(d, "wingdings", 0, 0, 77, 0, 0);
             VelTextFont3(d, "SYMBOL", 0, 0, 0, 0, 0), VelParaBullet(d, 1, 6, 0, 0, nullptr, nullptr, 0);
         }, "\\sectd" + PnText(2) + "{\\*\\pn\\pnlvlblt\\pnhang\\pnf1{\\pntxtb \\'d8}}"},
    });
}
