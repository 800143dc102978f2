// Page layout, the opening text, and a landscape section in two columns.
#include <string>

#include "demo.h"

namespace {

const VELWCHAR* U(const std::u16string& text)
{
    return reinterpret_cast<const VELWCHAR*>(text.c_str());
}

}  // namespace

void DemoPageSetup(HVELDOC doc)
{
    // For the whole document: US Letter with one-inch margins, the header
    // and the footer half an inch from the edges.
    VelPaper(doc, 12240, 15840, 0);
    VelMargin(doc, 1440, 1440, 1440, 1440, 720, 720);
    // The first section: a wider left margin for binding, page numbers
    // starting at 1.
    VelInitSect(doc);
    VelMargin(doc, 1800, 1440, 1440, 1440, -1, -1);
    VelSectInfo(doc, 1, 0, 1, 1);
}

void DemoIntroduction(HVELDOC doc)
{
    VelInsertText(doc, "velrtf writes Rich Text Format documents.\r\n");
    VelInsertText(doc, "This first section is US Letter in portrait, with a wider left margin for binding; "
                       "its pages are numbered from 1. Later sections choose their own paper, orientation, "
                       "margins and columns.\r\n");
    // Windows-1252 text: accents, the euro sign, typographic quotes and
    // dashes, a non-breaking space (14) and a non-breaking hyphen (23).
    VelInsertText(doc, "ANSI text keeps its characters: caf\xE9, na\xEFve, Stra\xDF" "e, \xC6sop, \x80" "12, "
                       "\x93quoted\x94 \x96 and \xA9 2026. The price stays on one line: 100\x0E" "\x80"
                       ", and so does e\x17mail.\r\n");
    VelInsertText(doc, "Tabs line up columns:\tone\ttwo\tthree\r\n");
    // UTF-16 text, a character outside the Basic Multilingual Plane included.
    VelInsertUText(doc, U(u"Unicode text: \u00C5ngstr\u00F6m, \u0141\u00F3d\u017A, "
                          u"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC, "
                          u"\u0420\u0443\u0441\u0441\u043A\u0438\u0439, \u65E5\u672C\u8A9E, "
                          u"\uD55C\uAD6D\uC5B4, \u05E2\u05D1\u05E8\u05D9\u05EA, \U0001D11E."));
    VelInsertText(doc, "\r\n");
}

void DemoLandscapeColumns(HVELDOC doc)
{
    // A new section: US Letter turned to landscape, narrower margins, and two
    // newspaper columns a quarter inch apart, continuing the page numbers.
    VelInsertBreak(doc, BREAK_SECT);
    VelInitSect(doc);
    VelPaper(doc, 15840, 12240, 1);
    VelMargin(doc, 1080, 1080, 1080, 1080, -1, -1);
    VelSectInfo(doc, 2, 360, 1, 0);
    VelBeginSectText(doc);
    VelInsertText(doc, "A landscape section in two columns\r\n");
    for (int i = 0; i < 6; ++i) {
        VelInsertText(doc, "This section is landscape and set in two newspaper columns with narrower margins. "
                           "Text fills the first column and continues at the head of the second; the page "
                           "numbers go on from the first section.\r\n");
    }
    VelInsertText(doc, "A column break ends the first column early, here.");
    VelInsertBreak(doc, BREAK_COL);
    VelInsertText(doc, "The second column begins with this paragraph.\r\n");
}
