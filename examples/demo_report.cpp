// A styled report: a table of contents over headings that use the
// stylesheet's styles, body paragraphs, a character style, footnotes with
// automatic and text marks, bookmarks and a mail-merge field.
#include "demo.h"
#include "demo_styles.h"

namespace {

// Starts a paragraph in `style`, with the style's formatting.
void Styled(HVELDOC doc, int style)
{
    VelResetParaProp(doc);
    VelResetTextProp(doc);
    VelParaStyleId(doc, style);
    DemoStyleFormat(doc, style);
}

// A heading that is also the bookmark `name`.
void Heading(HVELDOC doc, int style, const char* name, const char* text)
{
    Styled(doc, style);
    VelInsertBookmark(doc, name, 1);
    VelInsertText(doc, text);
    VelInsertBookmark(doc, name, 0);
    VelInsertText(doc, "\r\n");
}

void Body(HVELDOC doc, const char* text)
{
    Styled(doc, DEMO_STYLE_BODY);
    VelInsertText(doc, text);
}

void KeyTerm(HVELDOC doc, const char* text)
{
    VelCharStyleId(doc, DEMO_STYLE_KEY_TERM);
    DemoStyleFormat(doc, DEMO_STYLE_KEY_TERM);
    VelInsertText(doc, text);
    VelResetTextProp(doc);
    DemoStyleFormat(doc, DEMO_STYLE_BODY);  // back to the body's characters
}

}  // namespace

void DemoReport(HVELDOC doc)
{
    VelInsertBreak(doc, BREAK_PAGE);
    Styled(doc, DEMO_STYLE_HEADING1);
    VelInsertText(doc, "Report on the Library\r\n");
    Body(doc, "Contents (a word processor fills the table in when it updates the field):\r\n");
    VelResetParaProp(doc);
    VelResetTextProp(doc);
    VelInsertTocField(doc, 1, 2);

    Heading(doc, DEMO_STYLE_HEADING1, "Purpose", "1 Purpose");
    Body(doc, "This report is written with the ");
    KeyTerm(doc, "stylesheet");
    VelInsertText(doc, " defined at the start of the document: headings, body paragraphs and key terms "
                       "refer to their styles by number");
    VelInsertFootnote(doc, nullptr, "Paragraph styles are applied with VelParaStyleId, character styles "
                                    "with VelCharStyleId.");
    VelInsertText(doc, ".\r\n");
    Body(doc, "Dear ");
    VelInsertMergeField(doc, "FirstName", "Reader");
    VelInsertText(doc, ", the merge field before the comma shows its result until a mail merge replaces "
                       "it with a name from the data source.\r\n");

    Heading(doc, DEMO_STYLE_HEADING2, "Headers", "1.1 Headers and footers");
    Body(doc, "The first page of the first section has a header and a footer of its own; after it, left "
              "and right pages alternate, and every footer shows the page number and the page count");
    VelInsertFootnote(doc, "*", "Both are fields that the reader computes when it lays out the pages.");
    VelInsertText(doc, ".\r\n");

    Heading(doc, DEMO_STYLE_HEADING2, "Notes", "1.2 Footnotes and bookmarks");
    Body(doc, "Footnotes are numbered by the reader");
    VelInsertFootnote(doc, nullptr, "This one is numbered automatically.");
    VelInsertText(doc, " or carry a mark of the host's choosing");
    VelInsertFootnote(doc, "\x86", "This one carries a dagger as its mark.");
    VelInsertText(doc, ". Each heading of this report is also a ");
    KeyTerm(doc, "bookmark");
    VelInsertText(doc, " named after it, so that other documents and fields can refer to it.\r\n");

    Heading(doc, DEMO_STYLE_HEADING1, "Summary", "2 Summary");
    Body(doc, "Styles, headers and footers, fields, footnotes and bookmarks are written as the host "
              "calls for them, in document order, and need no bookkeeping on the host's side.\r\n");
    VelResetParaProp(doc);
    VelResetTextProp(doc);
}
