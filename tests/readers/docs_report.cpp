// Reader documents of headers and footers, the stylesheet, fields, footnotes
// and bookmarks: a styled report over several pages.
#include "reader_docs.h"

namespace {

// One style: its kind, number and name, then its formatting.
void Style(HVELDOC doc, int paragraph, int number, const char* name, const char* face, int size, unsigned attributes)
{
    VelBeginStyleItem(doc, paragraph, number, name);
    if (paragraph && number != 0) VelParaSpace(doc, 240, 120, -1);
    VelTextFont(doc, face, size, attributes, 1);
    VelEndStyleItem(doc);
}

// A paragraph in paragraph style `style`.
void Paragraph(HVELDOC doc, int style, const char* text)
{
    VelResetParaProp(doc);
    VelResetTextProp(doc);
    VelParaStyleId(doc, style);
    VelInsertText(doc, text);
}

// A header or footer of `kind`: its label, then "page N of M" when `pages`.
void HeaderFooter(HVELDOC doc, int kind, const char* label, bool pages)
{
    VelBeginHdrFtr(doc, kind);
    VelResetParaProp(doc);
    VelInsertText(doc, label);
    if (pages) {
        VelInsertText(doc, ", page ");
        VelInsertPageField(doc, 1);
        VelInsertText(doc, " of ");
        VelInsertPageField(doc, 0);
    }
    VelInsertText(doc, "\r\n");
    VelEndHdrFtr(doc);
}

}  // namespace

// Two sections over five pages. The first has a first page and left and
// right pages (kinds 2 to 4 and 6 to 8) on pages 1 to 4; the second, on
// page 5, the plain header and footer (kinds 1 and 5). Left and right pages
// come first: LibreOffice reads \facingp in the first section only. Every
// footer shows the page number and the page count.
READER_DOC(report)
{
    VelBeginStyleSheet(doc);
    Style(doc, 1, 0, "Normal", "Times New Roman", 11, 0);
    Style(doc, 1, 1, "heading 1", "Arial", 16, CHAR_BOLD);
    Style(doc, 1, 2, "heading 2", "Arial", 13, CHAR_BOLD | CHAR_ITALIC);
    Style(doc, 1, 3, "Report Body", "Times New Roman", 11, 0);
    Style(doc, 0, 10, "Key Term", nullptr, 0, CHAR_BOLD);
    VelEndStyleSheet(doc);

    VelInitSect(doc);
    HeaderFooter(doc, HF_HEADER_FIRST, "First header", false);
    HeaderFooter(doc, HF_FOOTER_FIRST, "First footer", true);
    HeaderFooter(doc, HF_HEADER_LEFT, "Left header", false);
    HeaderFooter(doc, HF_FOOTER_LEFT, "Left footer", true);
    HeaderFooter(doc, HF_HEADER_RIGHT, "Right header", false);
    HeaderFooter(doc, HF_FOOTER_RIGHT, "Right footer", true);
    Paragraph(doc, 3, "Quarterly Report\r\n");
    VelInsertTocField(doc, 1, 2);

    Paragraph(doc, 1, "");
    VelInsertBookmark(doc, "Introduction", 1);
    VelInsertText(doc, "Introduction");
    VelInsertBookmark(doc, "Introduction", 0);
    VelInsertText(doc, "\r\n");
    Paragraph(doc, 3, "The report covers the quarter");
    VelInsertFootnote(doc, nullptr, "From April to June.");
    VelInsertText(doc, " and uses ");
    VelCharStyleId(doc, 10);
    VelInsertText(doc, "key terms");
    VelResetTextProp(doc);
    VelInsertText(doc, " in their own style.\r\n");
    Paragraph(doc, 2, "Scope\r\n");
    Paragraph(doc, 3, "Dear ");
    VelInsertMergeField(doc, "FirstName", "Reader");
    VelInsertText(doc, ", the figures follow.\r\n");
    VelInsertBreak(doc, BREAK_PAGE);

    Paragraph(doc, 1, "Figures\r\n");
    Paragraph(doc, 3, "Sales rose");
    VelInsertFootnote(doc, "*", "Before tax.");
    VelInsertText(doc, " and costs fell");
    VelInsertFootnote(doc, "ab", "After savings.");
    VelInsertText(doc, ".");
    VelInsertBookmark(doc, "Figures", 1);
    VelInsertBookmark(doc, "Figures", 0);
    VelInsertText(doc, "\r\n");
    VelInsertBreak(doc, BREAK_PAGE);
    Paragraph(doc, 2, "Risks\r\n");
    Paragraph(doc, 3, "A right-hand page.\r\n");
    VelInsertBreak(doc, BREAK_PAGE);
    Paragraph(doc, 2, "Plans\r\n");
    Paragraph(doc, 3, "A left-hand page.\r\n");
    VelInsertBreak(doc, BREAK_SECT);

    VelInitSect(doc);
    VelSectInfo(doc, 1, 0, 1, 0);
    HeaderFooter(doc, HF_HEADER, "Plain header", false);
    HeaderFooter(doc, HF_FOOTER, "Plain footer", true);
    Paragraph(doc, 1, "Outlook\r\n");
    Paragraph(doc, 3, "The second section.\r\n");
}

// Names and texts with braces, backslashes, control characters and bytes of
// 128 and above.
READER_DOC(report_names)
{
    VelBeginStyleSheet(doc);
    Style(doc, 1, 1, "Caf\xE9 {Notes} \\ 1", "Arial", 12, 0);
    Style(doc, 1, 2, "Tab\tCR\r\nFree", "Arial", 12, 0);
    VelEndStyleSheet(doc);
    Paragraph(doc, 1, "One");
    VelInsertBookmark(doc, "Mark{1}\\\xE9\r\n", 1);
    VelInsertText(doc, "marked");
    VelInsertBookmark(doc, "Mark{1}\\\xE9\r\n", 0);
    VelInsertText(doc, "\r\n");
    Paragraph(doc, 2, "Two ");
    VelInsertMergeField(doc, "Last\r\nName", "Smith {Jr.} \\ \xE9");
    VelInsertFootnote(doc, "\xA7", "Note {a} \\ b\xE9\r\nSecond\x01 paragraph.");
    VelInsertText(doc, "\r\n");
}
