// Two sections with their own paper, orientation, margins and columns,
// holding ANSI text with bytes of 128 and above and UTF-16 text.
#include "reader_docs.h"

READER_DOC(sections_layout)
{
    VelInitSect(doc);
    VelPaper(doc, 11906, 16838, 0);
    VelMargin(doc, 1134, 1701, 1417, 1247, 709, 709);
    VelInsertText(doc, "First section: A4 portrait.\r\n");
    // Windows-1252: e acute, i diaeresis, AE, copyright, euro, one half,
    // curly double quotes, sharp s.
    VelInsertText(doc, "ANSI: caf\xE9 na\xEFve \xC6sop \xA9 \x80" "5 \xBD \x93quoted\x94 Stra\xDF" "e.\r\n");
    static const char16_t utf16[] = u"UTF-16: \u00DCber \u0151, \u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC, "
                                    u"\u041A\u0438\u0440\u0438\u043B\u043B, \u6F22\u5B57, \U0001D11E clef.";
    VelInsertUText(doc, reinterpret_cast<const VELWCHAR*>(utf16));
    VelInsertText(doc, "\r\n");
    VelInsertBreak(doc, BREAK_SECT);
    VelInitSect(doc);
    VelPaper(doc, 15840, 12240, 1);
    VelMargin(doc, 720, 1080, 900, 1260, -1, -1);
    VelSectInfo(doc, 2, 567, 1, 0);
    VelInsertText(doc, "Second section: Letter landscape in two columns.\r\nLeft column.");
    VelInsertBreak(doc, BREAK_COL);
    VelInsertText(doc, "Right column.\r\n");
}
