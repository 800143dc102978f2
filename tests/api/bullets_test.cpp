// Bulleted and numbered paragraphs.
#include <gtest/gtest.h>

#include <string>

#include "rtf_body.h"
#include "rtf_test.h"

namespace {

// What one call of VelParaBullet writes on a fresh document, after the
// section's \sectd.
std::string BulletGives(int bullet, int style, int level, int start, const char* before, const char* after,
                        unsigned flags)
{
    TestDoc doc;
    if (VelParaBullet(doc, bullet, style, level, start, before, after, flags) != 1) return "<failed>";
    std::string body = FlatBody(doc);
    return body.substr(6, body.size() - 7);  // without "\sectd" and the closing brace
}

// The \pntext group that readers without numbering show: the Symbol dot in
// font `symbol`.
std::string PnText(int symbol)
{
    return "{\\pntext\\pard\\plain\\f" + std::to_string(symbol) + "\\fs20 \\'b7\\tab}";
}

// The font names of the saved font table, in index order, each followed by
// a semicolon.
std::string FontNames(HVELDOC doc)
{
    std::string rtf = SavedRtf(doc);
    size_t at = rtf.find("{\\fonttbl");
    if (at == std::string::npos) return "";
    std::string names;
    for (at = rtf.find("{\\f", at + 1); at != std::string::npos; at = rtf.find("{\\f", at)) {
        at += 1;
        while (rtf[at] == '\\') at = rtf.find(' ', at) + 1;  // \fN, family, \fcharsetN
        size_t end = rtf.find(";}", at);
        names += rtf.substr(at, end + 1 - at);
        if (rtf.compare(end, 3, ";}}") == 0) break;
        at = end;
    }
    return names;
}

}  // namespace

// ---- The worked examples ------------------------------------------------------

TEST(ParaBullet, BulletOnAnEmptyFontTable)
{
    TestDoc doc;
    ASSERT_EQ(VelParaBullet(doc, 1, 0, 0, 0, nullptr, nullptr, 0), 1);
    ASSERT_EQ(VelInsertText(doc, "item"), 1);
    // The dot of the \pntext group is set in Symbol, which the bullet added.
    EXPECT_EQ(FlatBody(doc), "\\sectd" + PnText(0) + "{\\*\\pn\\pnlvlblt\\pnhang\\pnf0{\\pntxtb \\'b7}}item}");
    EXPECT_EQ(FontNames(doc), "Symbol;");
}

TEST(ParaBullet, NumberWithAFullStop)
{
    EXPECT_EQ(BulletGives(0, NUM_DEC, 0, 1, nullptr, ".", 0),
              "{\\*\\pn\\pnlvlbody\\pnstart1\\pndec\\pnhang{\\pntxta .}}");
}

TEST(ParaBullet, RomanNumberInParentheses)
{
    TestDoc doc;
    ASSERT_EQ(VelParaBullet(doc, 0, NUM_UPR_ROMAN, 2, 4, "(", ")", 0), 1);
    ASSERT_EQ(VelInsertText(doc, "fourth"), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd{\\*\\pn\\pnlvl2\\pnstart4\\pnucrm\\pnhang{\\pntxtb (}{\\pntxta )}}fourth}");
    EXPECT_EQ(FontNames(doc), "");  // numbers use no font
}

// ---- Numbers ------------------------------------------------------------------------

TEST(ParaBullet, NumberingStyles)
{
    auto numbered = [](const std::string& word) { return "{\\*\\pn\\pnlvlbody\\pnstart1\\" + word + "\\pnhang}"; };
    EXPECT_EQ(BulletGives(0, NUM_UPR_ALPHA, 0, 1, nullptr, nullptr, 0), numbered("pnucltr"));
    EXPECT_EQ(BulletGives(0, NUM_LWR_ALPHA, 0, 1, nullptr, nullptr, 0), numbered("pnlcltr"));
    EXPECT_EQ(BulletGives(0, NUM_UPR_ROMAN, 0, 1, nullptr, nullptr, 0), numbered("pnucrm"));
    EXPECT_EQ(BulletGives(0, NUM_LWR_ROMAN, 0, 1, nullptr, nullptr, 0), numbered("pnlcrm"));
    EXPECT_EQ(BulletGives(0, NUM_DEC, 0, 1, nullptr, nullptr, 0), numbered("pndec"));
    EXPECT_EQ(BulletGives(0, 9, 0, 1, nullptr, nullptr, 0), numbered("pndec"));
    EXPECT_EQ(BulletGives(0, -1, 0, 1, nullptr, nullptr, 0), numbered("pndec"));
}

TEST(ParaBullet, Levels)
{
    EXPECT_EQ(BulletGives(0, NUM_DEC, 10, 1, nullptr, nullptr, 0), "{\\*\\pn\\pnlvlbody\\pnstart1\\pndec\\pnhang}");
    EXPECT_EQ(BulletGives(0, NUM_DEC, 3, 1, nullptr, nullptr, 0), "{\\*\\pn\\pnlvl3\\pnstart1\\pndec\\pnhang}");
    EXPECT_EQ(BulletGives(0, NUM_DEC, -2, -5, nullptr, nullptr, 0), "{\\*\\pn\\pnlvl-2\\pnstart-5\\pndec\\pnhang}");
}

TEST(ParaBullet, ContinuedNumberKeepsStartAndStyle)
{
    EXPECT_EQ(BulletGives(0, NUM_LWR_ALPHA, 3, 2, "(", ")", NUM_CONT),
              "{\\*\\pn\\pnlvlcont\\pnstart2\\pnlcltr\\pnhang{\\pntxtb (}{\\pntxta )}}");
    // Bits other than NUM_CONT are ignored.
    EXPECT_EQ(BulletGives(0, NUM_DEC, 0, 1, nullptr, nullptr, 0xFFFFFFFEu),
              "{\\*\\pn\\pnlvlbody\\pnstart1\\pndec\\pnhang}");
}

TEST(ParaBullet, EmptyTextsWriteNoGroups)
{
    EXPECT_EQ(BulletGives(0, NUM_DEC, 0, 1, "", "", 0), "{\\*\\pn\\pnlvlbody\\pnstart1\\pndec\\pnhang}");
    EXPECT_EQ(BulletGives(0, NUM_DEC, 0, 1, "", ".", 0), "{\\*\\pn\\pnlvlbody\\pnstart1\\pndec\\pnhang{\\pntxta .}}");
    EXPECT_EQ(BulletGives(0, NUM_DEC, 0, 1, "Step ", nullptr, 0),
              "{\\*\\pn\\pnlvlbody\\pnstart1\\pndec\\pnhang{\\pntxtb Step }}");
}

TEST(ParaBullet, TextsAroundTheNumberAreEscaped)
{
    EXPECT_EQ(BulletGives(0, NUM_DEC, 0, 1, "{\xA7", "}\\", 0),
              "{\\*\\pn\\pnlvlbody\\pnstart1\\pndec\\pnhang{\\pntxtb \\{\\'a7}{\\pntxta \\}\\\\}}");
}

// ---- Bullets ------------------------------------------------------------------------

TEST(ParaBullet, BulletStylesAndTheirFonts)
{
    TestDoc doc;
    for (int style : {0, 1, 2, 3, 4, 5, 6, 7, 9, -1}) {
        ASSERT_EQ(VelParaBullet(doc, 1, style, 0, 0, nullptr, nullptr, 0), 1) << style;
    }
    std::string expected = "\\sectd";
    const struct {
        int font;
        const char* code;
    } bullets[] = {{0, "b7"}, {0, "b7"}, {0, "a8"}, {1, "a7"}, {1, "71"},
                   {1, "76"}, {1, "d8"}, {1, "fc"}, {0, "b7"}, {0, "b7"}};
    for (const auto& b : bullets) {
        expected += PnText(0) + "{\\*\\pn\\pnlvlblt\\pnhang\\pnf" + std::to_string(b.font) + "{\\pntxtb \\'" + b.code +
                    "}}";
    }
    EXPECT_EQ(FlatBody(doc), expected + "}");
    // Symbol and Wingdings are added once each.
    EXPECT_EQ(FontNames(doc), "Symbol;Wingdings;");
}

TEST(ParaBullet, FontsAreFoundByNameAlone)
{
    TestDoc doc;
    ASSERT_EQ(VelTextFont3(doc, "Times New Roman", 0, 0, -1, 0, 0), 1);
    ASSERT_EQ(VelTextFont3(doc, "wingdings", 0, 0, 77, 0, 0), 1);
    ASSERT_EQ(VelTextFont3(doc, "SYMBOL", 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(VelParaBullet(doc, 1, 6, 0, 0, nullptr, nullptr, 0), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd" + PnText(2) + "{\\*\\pn\\pnlvlblt\\pnhang\\pnf1{\\pntxtb \\'d8}}}");
    EXPECT_EQ(FontNames(doc), "Times New Roman;wingdings;SYMBOL;");
}

TEST(ParaBullet, BodyFontFirstPutsSymbolAtOne)
{
    TestDoc doc;
    ASSERT_EQ(VelTextFont3(doc, "Times New Roman", 0, 0, -1, 0, 0), 1);
    ASSERT_EQ(VelParaBullet(doc, 1, 3, 0, 0, nullptr, nullptr, 0), 1);
    EXPECT_EQ(FlatBody(doc), "\\sectd" + PnText(1) + "{\\*\\pn\\pnlvlblt\\pnhang\\pnf2{\\pntxtb \\'a7}}}");
    EXPECT_EQ(FontNames(doc), "Times New Roman;Symbol;Wingdings;");
}

TEST(ParaBullet, ContinuedBulletHasNoLevelWord)
{
    EXPECT_EQ(BulletGives(1, 0, 0, 0, nullptr, nullptr, NUM_CONT),
              PnText(0) + "{\\*\\pn\\pnlvlcont\\pnhang\\pnf0{\\pntxtb \\'b7}}");
}

TEST(ParaBullet, BulletsIgnoreLevelStartAndTexts)
{
    EXPECT_EQ(BulletGives(1, 2, 3, 7, "before", "after", 0),
              PnText(0) + "{\\*\\pn\\pnlvlblt\\pnhang\\pnf0{\\pntxtb \\'a8}}");
}

TEST(ParaBullet, AfterParagraphPropertiesBeforeText)
{
    TestDoc doc;
    ASSERT_EQ(VelResetParaProp(doc), 1);
    ASSERT_EQ(VelParaIndent(doc, 720, -1, -360), 1);
    ASSERT_EQ(VelParaBullet(doc, 0, NUM_DEC, 0, 1, nullptr, ".", 0), 1);
    ASSERT_EQ(VelInsertText(doc, "First\r\n"), 1);
    ASSERT_EQ(VelParaBullet(doc, 0, NUM_DEC, 0, 1, nullptr, ".", 0), 1);
    ASSERT_EQ(VelInsertText(doc, "Second\r\n"), 1);
    std::string number = "{\\*\\pn\\pnlvlbody\\pnstart1\\pndec\\pnhang{\\pntxta .}}";
    EXPECT_EQ(FlatBody(doc), "\\sectd\\pard\\li720\\fi-360" + number + "First\\par" + number + "Second\\par}");
}
