// Reader documents of constructs inside one another.
#include "reader_docs.h"

// A text box in the footer, a table inside a text box in the body.
READER_DOC(interplay_footer_box)
{
    VelBeginHdrFtr(doc, HF_FOOTER);
    VelBeginTextBox(doc, 0, 0, 0, 2880, 720, 0, 0xFFFFFF, 0x000080, 10, 0);
    VelInsertText(doc, "Boxed footer\r\n");
    VelEndTextBox(doc);
    VelEndHdrFtr(doc);
    VelInsertText(doc, "Body before the box.\r\n");
    VelBeginTextBox(doc, 0, 0, 0, 4320, 1440, 0, 0xFFFFFF, 0x000000, 10, 0);
    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    VelNextCellInfo(doc, 2000, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0);
    VelNextCellInfo(doc, 2000, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0);
    VelBeginCellText(doc);
    VelInsertText(doc, "Left");
    VelEndCellText(doc);
    VelBeginCellText(doc);
    VelInsertText(doc, "Right");
    VelEndCellText(doc);
    VelEndTableRow(doc);
    VelEndTextBox(doc);
    VelInsertText(doc, "Body after the box.\r\n");
}
