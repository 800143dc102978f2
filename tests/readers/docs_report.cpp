// The reader document of headers and footers, the stylesheet, fields,
// footnotes and bookmarks: a styled report over five pages, some of its names
// and texts with braces, backslashes, control characters and accents.
#include <initializer_list>

#include "reader_docs.h"

namespace {

void Style(HVELDOC d, int paragraph, int number, const char* name, int size, unsigned attributes)
{
    VelBeginStyleItem(d, paragraph, number, name), VelTextFont(d, "Arial", size, attributes, 1), VelEndStyleItem(d);
}

void Para(HVELDOC d, int style, const char* t) { VelResetParaProp(d), VelParaStyleId(d, style), VelInsertText(d, t); }

// Each kind's label, then ", page N of M".
void HeaderFooter(HVELDOC doc, int kind)
{
    static const char* const kLabels[] = {"Plain header", "First header", "Left header", "Right header",
                                          "Plain footer", "First footer", "Left footer", "Right footer"};
    VelBeginHdrFtr(doc, kind), VelInsertText(doc, kLabels[kind - 1]), VelInsertText(doc, ", page ");
    VelInsertPageField(doc, 1), VelInsertText(doc, " of "), VelInsertPageField(doc, 0), VelInsertText(doc, "\r\n");
    VelEndHdrFtr(doc);
}

}  // namespace

// The first section has a first page, then left and right pages (pages 1 to
// 4); the second, on page 5, the plain header and footer. LibreOffice reads
// \facingp in the first section only.
READER_DOC(report)
{
    VelBeginStyleSheet(doc);
    Style(doc, 1, 1, "heading 1", 16, CHAR_BOLD), Style(doc, 1, 2, "heading 2", 13, CHAR_BOLD | CHAR_ITALIC);
    Style(doc, 1, 3, "\tReport Body\r\n", 11, 0), Style(doc, 0, 10, "Key {Term} \\ Caf\xE9", 0, CHAR_BOLD);
    VelEndStyleSheet(doc);
    for (int kind : {2, 3, 4, 6, 7, 8}) HeaderFooter(doc, kind);
    Para(doc, 3, "Quarterly Report\r\n"), VelInsertTocField(doc, 1, 2);
    Para(doc, 1, ""), VelInsertBookmark(doc, "Introduction", 1), VelInsertText(doc, "Introduction");
    VelInsertBookmark(doc, "Introduction", 0), VelInsertText(doc, "\r\n");
    Para(doc, 3, "It covers spring"), VelInsertFootnote(doc, nullptr, "April to June."), VelInsertText(doc, " and ");
    VelCharStyleId(doc, 10), VelInsertText(doc, "key terms"), VelResetTextProp(doc), VelInsertText(doc, " styled.\r\n");
    Para(doc, 2, "Scope\r\n"), Para(doc, 3, "Dear "), VelInsertMergeField(doc, "First\r\nName", "Reader");
    VelInsertText(doc, ", the figures follow.\r\n"), VelInsertBreak(doc, BREAK_PAGE);
    Para(doc, 1, "Figures\r\n");
    Para(doc, 3, "Sales rose"), VelInsertFootnote(doc, "*", "Before {tax} \\ \xE9.\r\nNet\x01.");
    VelInsertText(doc, " and costs fell"), VelInsertFootnote(doc, "ab", "After savings.");
    VelInsertText(doc, "."), VelInsertBookmark(doc, "Fig{}\\\xE9\r\n", 1), VelInsertBookmark(doc, "Fig{}\\\xE9\r\n", 0);
    VelInsertText(doc, "\r\n"), VelInsertBreak(doc, BREAK_PAGE), VelInsertText(doc, "A right-hand page.\r\n");
    VelInsertBreak(doc, BREAK_PAGE), VelInsertText(doc, "A left-hand page.\r\n"), VelInsertBreak(doc, BREAK_SECT);
    VelSectInfo(doc, 1, 0, 1, 0), HeaderFooter(doc, HF_HEADER), HeaderFooter(doc, HF_FOOTER), Para(doc, 1, "Outlook");
}
