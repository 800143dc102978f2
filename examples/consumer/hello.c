#include <stdio.h>
#include "velrtf.h"

int main(void)
{
    HVELDOC doc = VelNewDoc();
    VelTextFont(doc, "Times New Roman", 12, CHAR_BOLD, 1);  /* opens a section by itself */
    VelInsertText(doc, "Hello, ");
    VelTextFont(doc, NULL, 0, CHAR_BOLD, 0);
    VelInsertText(doc, "RTF.\r\n");                          /* CR LF ends the paragraph */
    if (VelSaveFile(doc, "hello.rtf") != 1) {                 /* 1 when written */
        char message[300], caption[1000];
        VelGetLastMessage(message, caption);
        fprintf(stderr, "%s: %s\n", caption, message);
        return 1;
    }

    int length = 0;                                           /* the same RTF in memory */
    HGLOBAL block = VelGetData(doc, &length);                 /* RTF + NUL; length counts the NUL */
    const char* rtf = (const char*)GlobalLock(block);
    fwrite(rtf, 1, length - 1, stdout);
    GlobalUnlock(block);
    GlobalFree(block);                                        /* the block is the host's */

    VelEndDoc(doc);
    return 0;
}
