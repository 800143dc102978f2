// Headers and footers of the first section: a first page of its own, then
// left (even) and right (odd) pages, each footer with the page number and
// the page count.
#include "demo.h"

namespace {

void PageOfPages(HVELDOC doc)
{
    VelInsertText(doc, "Page ");
    VelInsertPageField(doc, 1);
    VelInsertText(doc, " of ");
    VelInsertPageField(doc, 0);
}

// One header or footer: a small italic line aligned by `alignment`.
void Begin(HVELDOC doc, int kind, unsigned alignment)
{
    VelBeginHdrFtr(doc, kind);
    VelResetParaProp(doc);
    VelParaFlags(doc, alignment);
    VelTextFont(doc, "Arial", 9, CHAR_ITALIC, 1);
}

void End(HVELDOC doc)
{
    VelInsertText(doc, "\r\n");
    VelEndHdrFtr(doc);
}

}  // namespace

void DemoHeadersFooters(HVELDOC doc)
{
    Begin(doc, HF_HEADER_FIRST, PARA_CENTER);
    VelInsertText(doc, "velrtf \x97 a library that writes Rich Text Format");
    End(doc);
    Begin(doc, HF_FOOTER_FIRST, PARA_CENTER);
    PageOfPages(doc);
    End(doc);

    Begin(doc, HF_HEADER_LEFT, PARA_LEFT);
    VelInsertText(doc, "velrtf demonstration");
    End(doc);
    Begin(doc, HF_FOOTER_LEFT, PARA_LEFT);
    PageOfPages(doc);
    End(doc);

    Begin(doc, HF_HEADER_RIGHT, PARA_RIGHT);
    VelInsertText(doc, "Headers, footers, styles, fields and footnotes");
    End(doc);
    Begin(doc, HF_FOOTER_RIGHT, PARA_RIGHT);
    PageOfPages(doc);
    End(doc);
}
