/*
 * A host program written for Windows, in plain C: it includes <windows.h>
 * and velrtf.h, builds a short letter, takes the RTF as a movable memory
 * handle, copies it out under GlobalLock and frees the handle with
 * GlobalFree, as Windows programs do with the handles a DLL gives them. It
 * also hands the library a block of its own, and pictures as a metafile
 * picture and an enhanced metafile. Every result is checked; the
 * exit status is 0 only when all of them are as expected.
 *
 * The same source builds on Linux, where include/posix/windows.h stands in
 * for <windows.h> (CMake target velrtf_windows_h).
 *
 * Usage: velrtf_host_windows [file.rtf]     (saves the letter there too)
 */
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "velrtf.h"

/* What the letter must come out as. */
static const char kExpected[] =
    "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj\\paperw11906\\paperh16838\\margl1440\\margr1440\\margt1440\\margb1440"
    "\\sectd \r\n"
    "Dear reader,\\par\r\n"
    "this letter comes from a program written for Windows.\\par\r\n"
    "\\page Caf\\'e9 \\{braces\\} and a back\\\\slash; \\u945 ?\\u946 ?\\par\r\n"
    "}";

static int failures = 0;

static void Check(BOOL ok, LPCSTR what)
{
    if (!ok) {
        fprintf(stderr, "host_windows: %s\n", what);
        failures++;
    }
}

/* The letter, built through the API in document order. */
static void WriteLetter(HVELDOC doc)
{
    static const VELWCHAR kAlphaBeta[] = {0x03B1, 0x03B2, 0};
    Check(VelPaper(doc, 11906, 16838, 0) == 1, "VelPaper failed");
    Check(VelMargin(doc, 1440, 1440, 1440, 1440, -1, -1) == 1, "VelMargin failed");
    Check(VelInsertText(doc, "Dear reader,\r\n") == 1, "VelInsertText failed");
    Check(VelInsertText(doc, "this letter comes from a program written for Windows.\r\n") == 1,
          "VelInsertText failed");
    Check(VelInsertBreak(doc, BREAK_PAGE) == 1, "VelInsertBreak failed");
    Check(VelInsertText(doc, "Caf\xE9 {braces} and a back\\slash; ") == 1, "VelInsertText failed");
    Check(VelInsertUText(doc, kAlphaBeta) == 1, "VelInsertUText failed");
    Check(VelInsertText(doc, "\r\n") == 1, "VelInsertText failed");
}

/* The RTF as a memory handle: locked, copied, unlocked, freed by the host. */
static void TakeTheRtf(HVELDOC doc)
{
    int length = 0;
    HGLOBAL block = VelGetData(doc, &length);
    LPSTR rtf;
    Check(block != NULL, "VelGetData gave no handle");
    if (!block) return;
    Check(length == (int)sizeof kExpected, "VelGetData reported a wrong length");
    rtf = (LPSTR)GlobalLock(block);
    Check(rtf != NULL, "GlobalLock failed on the RTF handle");
    if (rtf) {
        Check(strcmp(rtf, kExpected) == 0, "the RTF differs from the expected letter");
        if (strcmp(rtf, kExpected) != 0) fprintf(stderr, "host_windows: got:\n%s\n", rtf);
        GlobalUnlock(block);
    }
    Check(GlobalFree(block) == NULL, "GlobalFree refused the RTF handle");
}

/* A block the host allocates and fills, which VelHandleToStr copies out and
 * frees; and a host string copied into a handle of the library. */
static void ExchangeHandles(void)
{
    static const char kText[] = "handed over";
    char copy[sizeof kText];
    HGLOBAL mine = GlobalAlloc(GMEM_MOVEABLE, sizeof kText);
    HGLOBAL theirs;
    LPSTR data;
    Check(mine != NULL, "GlobalAlloc failed");
    if (mine) {
        data = (LPSTR)GlobalLock(mine);
        Check(data != NULL, "GlobalLock failed on the host's block");
        if (data) {
            memcpy(data, kText, sizeof kText);
            GlobalUnlock(mine);
            memset(copy, 0, sizeof copy);
            Check(VelHandleToStr(copy, (int)sizeof kText, mine) == 1, "VelHandleToStr failed");
            Check(memcmp(copy, kText, sizeof kText) == 0, "VelHandleToStr copied other bytes");
        } else {
            GlobalFree(mine);
        }
    }
    theirs = VelStrToHandle(kText, (int)sizeof kText);
    Check(theirs != NULL, "VelStrToHandle failed");
    if (theirs) {
        Check(GlobalSize(theirs) >= sizeof kText, "the handle of VelStrToHandle is too small");
        data = (LPSTR)GlobalLock(theirs);
        Check(data != NULL && memcmp(data, kText, sizeof kText) == 0, "VelStrToHandle copied other bytes");
        if (data) GlobalUnlock(theirs);
        Check(GlobalFree(theirs) == NULL, "GlobalFree refused the handle of VelStrToHandle");
    }
}

/* Pictures handed over as Windows programs hold them: a metafile made from
 * its bytes inside a METAFILEPICT block, and an enhanced metafile handle.
 * The library only reads them; they stay the host's to release. */
static void PastePictures(void)
{
    /* A metafile: its 18-byte header (9 words, 12 words long), one record
     * (SetBkMode, 4 words), the end record (3 words). */
    static const BYTE kMetafile[] = {1, 0, 9, 0, 0, 3, 16, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0,
                                     4, 0, 0, 0, 0x02, 0x01, 1, 0, 3, 0, 0, 0, 0, 0};
    /* An enhanced metafile: its header record (108 bytes), the end record. */
    BYTE emf[128];
    ENHMETAHEADER header;
    HVELDOC doc = VelNewDoc();
    HMETAFILE metafile = SetMetaFileBitsEx(sizeof kMetafile, kMetafile);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(METAFILEPICT));
    HENHMETAFILE enhanced;
    METAFILEPICT* pict;
    int length = 0;
    HGLOBAL rtf;
    LPCSTR text;
    memset(&header, 0, sizeof header);
    header.iType = 1; /* EMR_HEADER */
    header.nSize = sizeof header;
    header.rclBounds.right = header.rclBounds.bottom = 95;
    header.rclFrame.right = header.rclFrame.bottom = 2540;
    header.dSignature = 0x464D4520; /* " EMF" */
    header.nVersion = 0x10000;
    header.nBytes = sizeof emf;
    header.nRecords = 2;
    header.nHandles = 1;
    header.szlDevice.cx = 960;
    header.szlDevice.cy = 960;
    header.szlMillimeters.cx = 254;
    header.szlMillimeters.cy = 254;
    memcpy(emf, &header, sizeof header);
    memset(emf + sizeof header, 0, sizeof emf - sizeof header);
    emf[108] = 14;  /* EMR_EOF: type, size 20, no palette, its offset 16, size again */
    emf[112] = 20;
    emf[120] = 16;
    emf[124] = 20;
    enhanced = SetEnhMetaFileBits(sizeof emf, emf);
    Check(doc && metafile && block && enhanced, "the picture objects could not be made");
    if (doc && metafile && block && enhanced) {
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        pict = (METAFILEPICT*)GlobalLock(block);
        pict->mm = MM_ANISOTROPIC;
        pict->xExt = 2540; /* one inch, in hundredths of a millimetre */
        pict->yExt = 2540;
        pict->hMF = metafile;
        GlobalUnlock(block);
        Check(VelPastePicture(doc, CF_METAFILEPICT, block, 0, 0) == 1, "VelPastePicture (metafile) failed");
        Check(VelPastePicture(doc, CF_ENHMETAFILE, enhanced, 1440, 1440) == 1, "VelPastePicture (EMF) failed");
        rtf = VelGetData(doc, &length);
        text = rtf ? (LPCSTR)GlobalLock(rtf) : NULL;
        Check(text && strstr(text, "{\\pict\\wmetafile8") && strstr(text, "\\emfblip"),
              "the pictures are missing from the RTF");
        if (text) GlobalUnlock(rtf);
        if (rtf) GlobalFree(rtf);
    }
    if (doc) VelEndDoc(doc);
    if (block) GlobalFree(block);
    if (metafile) DeleteMetaFile(metafile);
    if (enhanced) DeleteEnhMetaFile(enhanced);
}

/* The same letter as a file: the RTF without its NUL. */
static void SaveTheFile(HVELDOC doc, LPCSTR path)
{
    char bytes[sizeof kExpected + 16];
    size_t got;
    FILE* file;
    Check(VelSaveFile(doc, path) == 1, "VelSaveFile failed");
    file = fopen(path, "rb");
    Check(file != NULL, "the saved file cannot be read");
    if (!file) return;
    got = fread(bytes, 1, sizeof bytes, file);
    fclose(file);
    Check(got == sizeof kExpected - 1 && memcmp(bytes, kExpected, got) == 0,
          "the saved file differs from the expected letter");
}

int main(int argc, char** argv)
{
    char message[300];
    char caption[1000];
    HVELDOC doc = VelNewDoc();
    if (!doc) {
        fprintf(stderr, "host_windows: VelNewDoc failed\n");
        return 1;
    }
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    VelResetLastMessage();

    WriteLetter(doc);
    TakeTheRtf(doc);
    ExchangeHandles();
    PastePictures();
    if (argc > 1) SaveTheFile(doc, argv[1]);

    if (VelGetLastMessage(message, caption) != 0) {
        fprintf(stderr, "host_windows: %s reported \"%s\"\n", caption, message);
        failures++;
    }
    Check(VelEndDoc(doc) == 1, "VelEndDoc failed");
    if (failures) return 1;
    printf("host_windows: %d bytes of RTF, as expected\n", (int)sizeof kExpected - 1);
    return 0;
}
