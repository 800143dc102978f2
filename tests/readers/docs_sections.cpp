// Reader documents of sections, page layout and text: two sections with
// their own paper, orientation, margins and columns, holding ANSI and
// UTF-16 text.
#include <string>

#include "reader_docs.h"

namespace {

const VELWCHAR* U(const std::u16string& text)
{
    return reinterpret_cast<const VELWCHAR*>(text.c_str());
}

}  // namespace

READER_DOC(sections_layout)
{
    // Document-level page, which the first section then overrides.
    VelPaper(doc, 12240, 15840, 0);
    VelMargin(doc, 1440, 1440, 1440, 1440, 720, 720);

    // Section 1: A4 portrait, margins of its own, one column.
    VelInitSect(doc);
    VelPaper(doc, 11906, 16838, 0);
    VelMargin(doc, 1134, 1701, 1417, 1247, 709, 709);
    VelSectInfo(doc, 1, 0, 1, 1);
    VelBeginSectText(doc);
    VelInsertText(doc, "First section: A4 portrait.\r\n");
    // Windows-1252: e acute, i diaeresis, AE, copyright, euro, one half, a
    // left and a right double quote, German sharp s.
    VelInsertText(doc, "ANSI: caf\xE9 na\xEFve \xC6sop \xA9 \x80" "5 \xBD \x93quoted\x94 Stra\xDF" "e.\r\n");
    VelInsertUText(doc, U(u"UTF-16: \u00DCber \u00E7a \u0151, \u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC, "
                          u"\u041A\u0438\u0440\u0438\u043B\u043B\u0438\u0446\u0430, \u6F22\u5B57, "
                          u"\U0001D11E clef."));
    VelInsertText(doc, "\r\n");
    VelInsertText(doc, "Braces {and} a back\\slash.\r\n");

    // Section 2: US Letter landscape, two columns, other margins.
    VelInsertBreak(doc, BREAK_SECT);
    VelInitSect(doc);
    VelPaper(doc, 15840, 12240, 1);
    VelMargin(doc, 720, 1080, 900, 1260, -1, -1);
    VelSectInfo(doc, 2, 567, 1, 0);
    VelInsertText(doc, "Second section: Letter landscape in two columns.\r\n");
    VelInsertUText(doc, U(u"\u00C0 \u00E9\u00E8\u00EA \u03A9\u03C9 \u0416\u0436 \u4E2D\u6587 \U0001F600"));
    VelInsertText(doc, "\r\n");
    VelInsertText(doc, "Left column.");
    VelInsertBreak(doc, BREAK_COL);
    VelInsertText(doc, "Right column.\r\n");
}
