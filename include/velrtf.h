/*
 * velrtf.h - the public interface of velrtf, a library that writes Rich Text
 * Format documents.
 *
 * A host creates a document with VelNewDoc, builds it by calling the content
 * functions in document order, takes the RTF with VelSaveFile or VelGetData
 * and releases the document with VelEndDoc. Every content function returns 1
 * on success and 0 on failure; failures are reported through a numbered
 * message (see VelGetLastMessage and VelSetFlags).
 *
 * Usable from C and C++. On Windows the Windows types come from <windows.h>;
 * elsewhere this header declares the few Windows names a host needs to use
 * the memory handles the library hands out (HGLOBAL, GMEM_MOVEABLE,
 * GlobalAlloc, GlobalLock, GlobalUnlock, GlobalSize, GlobalFree), and the
 * metafile and clipboard functions that hand pictures over, with their
 * Windows meanings, exported by the library itself.
 */
#ifndef VELRTF_H
#define VELRTF_H

/* The version of this header and of the library built with it (the build
 * takes its version from these lines). */
#define VELRTF_VERSION_MAJOR 1
#define VELRTF_VERSION_MINOR 0
#define VELRTF_VERSION_PATCH 0
#define VELRTF_VERSION_STRING "1.0.0"

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#  include <windows.h>
#  define VELAPI WINAPI
#  if defined(VELRTF_STATIC)
#    define VELEXPORT
#  elif defined(VELRTF_BUILDING)
#    define VELEXPORT __declspec(dllexport)
#  else
#    define VELEXPORT __declspec(dllimport)
#  endif
typedef wchar_t VELWCHAR;
#else
#  define VELAPI
#  define VELEXPORT __attribute__((visibility("default")))
#  ifndef __cplusplus
#    include <uchar.h>
#  endif
typedef char16_t VELWCHAR;
#endif

#ifdef __cplusplus
extern "C" {
#endif

#if !defined(_WIN32)
/* ---- Windows memory handles, for hosts on other systems ---------------- */

/* A movable memory block. Lock it to reach its bytes, unlock it when done,
 * free it when it is no longer needed; exactly as on Windows. */
typedef void* HGLOBAL;

#define GMEM_FIXED    0x0000u /* accepted; blocks are always movable here */
#define GMEM_MOVEABLE 0x0002u
#define GMEM_ZEROINIT 0x0040u
#define GHND          (GMEM_MOVEABLE | GMEM_ZEROINIT)

/* A new block of `bytes` bytes (zero-filled with GMEM_ZEROINIT), or 0. */
VELEXPORT HGLOBAL VELAPI GlobalAlloc(unsigned flags, size_t bytes);
/* The block's bytes, or 0 for an invalid handle. Raises the lock count. */
VELEXPORT void* VELAPI GlobalLock(HGLOBAL block);
/* Lowers the lock count: non-zero while the block stays locked, 0 once it is
 * unlocked (or for an invalid handle). */
VELEXPORT int VELAPI GlobalUnlock(HGLOBAL block);
/* The size asked for when the block was made or last resized; 0 for an
 * invalid handle. */
VELEXPORT size_t VELAPI GlobalSize(HGLOBAL block);
/* Releases the block: 0 on success, the handle itself when it is invalid. */
VELEXPORT HGLOBAL VELAPI GlobalFree(HGLOBAL block);

/* ---- Metafiles and the clipboard, for hosts on other systems ------------
 * Pictures that Windows hosts hand over as metafile handles or through the
 * clipboard (VelPastePicture) are made and exchanged here the same way. A
 * metafile handle is made from the metafile's bytes and deleted by its
 * owner. The clipboard is one per process: one thread at a time holds it
 * open, and another thread's OpenClipboard fails meanwhile. An object given
 * to SetClipboardData belongs to the clipboard from then on (for a metafile
 * picture, its metafile too); EmptyClipboard releases what it holds. Only
 * the formats put there are available: none is made from another. */

typedef void* HANDLE;
typedef void* HWND;
typedef struct HMETAFILE__* HMETAFILE;
typedef struct HENHMETAFILE__* HENHMETAFILE;

#define CF_METAFILEPICT 3
#define CF_DIB          8
#define CF_ENHMETAFILE  14

#define MM_TEXT        1
#define MM_ISOTROPIC   7
#define MM_ANISOTROPIC 8

typedef struct tagMETAFILEPICT {
    int32_t mm;   /* mapping mode: MM_TEXT (pixels) or MM_ANISOTROPIC (0.01 mm) */
    int32_t xExt;
    int32_t yExt;
    HMETAFILE hMF;
} METAFILEPICT;

typedef struct tagRECTL {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} RECTL;

typedef struct tagSIZEL {
    int32_t cx;
    int32_t cy;
} SIZEL;

typedef struct tagENHMETAHEADER {
    uint32_t iType;
    uint32_t nSize;
    RECTL rclBounds;
    RECTL rclFrame;
    uint32_t dSignature;
    uint32_t nVersion;
    uint32_t nBytes;
    uint32_t nRecords;
    uint16_t nHandles;
    uint16_t sReserved;
    uint32_t nDescription;
    uint32_t offDescription;
    uint32_t nPalEntries;
    SIZEL szlDevice;
    SIZEL szlMillimeters;
    uint32_t cbPixelFormat;
    uint32_t offPixelFormat;
    uint32_t bOpenGL;
    SIZEL szlMicrometers;
} ENHMETAHEADER;

/* A metafile made from its bytes (an 18-byte standard header and records),
 * or 0 when they are not one. */
VELEXPORT HMETAFILE VELAPI SetMetaFileBitsEx(unsigned size, const unsigned char* data);
/* With a null `data`, the metafile's length in bytes; otherwise copies the
 * bytes and returns their count, or 0 when `size` is too small. */
VELEXPORT unsigned VELAPI GetMetaFileBitsEx(HMETAFILE metafile, unsigned size, void* data);
/* Deletes a metafile: non-zero on success. */
VELEXPORT int VELAPI DeleteMetaFile(HMETAFILE metafile);
/* An enhanced metafile made from its bytes (a header record with the " EMF"
 * signature, then records), or 0 when they are not one. */
VELEXPORT HENHMETAFILE VELAPI SetEnhMetaFileBits(unsigned size, const unsigned char* data);
/* As GetMetaFileBitsEx, for an enhanced metafile. */
VELEXPORT unsigned VELAPI GetEnhMetaFileBits(HENHMETAFILE metafile, unsigned size, unsigned char* data);
/* With a null `header`, the size of the header record; otherwise copies up
 * to `size` bytes of it (the rest of `size` zero-filled) and returns the
 * count copied; 0 for an invalid handle. */
VELEXPORT unsigned VELAPI GetEnhMetaFileHeader(HENHMETAFILE metafile, unsigned size, ENHMETAHEADER* header);
/* Deletes an enhanced metafile: non-zero on success. */
VELEXPORT int VELAPI DeleteEnhMetaFile(HENHMETAFILE metafile);

/* Opens the clipboard for the calling thread (`owner` is not used): non-zero
 * on success, 0 while another thread holds it. */
VELEXPORT int VELAPI OpenClipboard(HWND owner);
/* Closes the clipboard this thread opened: non-zero on success. */
VELEXPORT int VELAPI CloseClipboard(void);
/* Releases everything on the clipboard; the clipboard must be open. */
VELEXPORT int VELAPI EmptyClipboard(void);
/* Puts `data` (a memory block, or for CF_ENHMETAFILE an enhanced metafile)
 * on the open clipboard under `format`, replacing and releasing what was
 * there: it belongs to the clipboard from now on. Returns `data`, or 0. */
VELEXPORT HANDLE VELAPI SetClipboardData(unsigned format, HANDLE data);
/* The clipboard's object of `format` (it stays the clipboard's), or 0; the
 * clipboard must be open. */
VELEXPORT HANDLE VELAPI GetClipboardData(unsigned format);
/* The number of the clipboard format registered under `name` (compared
 * without regard to case), registered now when it is new: 0xC000 and up; 0
 * for an empty name. */
VELEXPORT unsigned VELAPI RegisterClipboardFormatA(const char* name);
/* Non-zero when the clipboard holds `format`; it need not be open. */
VELEXPORT int VELAPI IsClipboardFormatAvailable(unsigned format);

/* The two records of the font enumeration callback, laid out as on Windows. */
typedef struct tagLOGFONTA {
    int32_t lfHeight;
    int32_t lfWidth;
    int32_t lfEscapement;
    int32_t lfOrientation;
    int32_t lfWeight;
    uint8_t lfItalic;
    uint8_t lfUnderline;
    uint8_t lfStrikeOut;
    uint8_t lfCharSet;
    uint8_t lfOutPrecision;
    uint8_t lfClipPrecision;
    uint8_t lfQuality;
    uint8_t lfPitchAndFamily;
    char lfFaceName[32];
} LOGFONTA;

typedef struct tagTEXTMETRICA {
    int32_t tmHeight;
    int32_t tmAscent;
    int32_t tmDescent;
    int32_t tmInternalLeading;
    int32_t tmExternalLeading;
    int32_t tmAveCharWidth;
    int32_t tmMaxCharWidth;
    int32_t tmWeight;
    int32_t tmOverhang;
    int32_t tmDigitizedAspectX;
    int32_t tmDigitizedAspectY;
    uint8_t tmFirstChar;
    uint8_t tmLastChar;
    uint8_t tmDefaultChar;
    uint8_t tmBreakChar;
    uint8_t tmItalic;
    uint8_t tmUnderlined;
    uint8_t tmStruckOut;
    uint8_t tmPitchAndFamily;
    uint8_t tmCharSet;
} TEXTMETRICA;
#endif

/* ---- Documents ---------------------------------------------------------- */

/* The document handle. Opaque; valid from VelNewDoc to VelEndDoc. */
typedef struct VelDocRecord* HVELDOC;

/* Document flags (VelSetFlags). */
#define DOCFLAG_QUIET       0x1u /* store reports for VelGetLastMessage, show nothing */
#define DOCFLAG_ONE_MESSAGE 0x2u /* after one message box, drop later reports */
/* Pictures as hosts have them today, beyond the classic kinds:
 * VelInsertPictFile also embeds PNG files and every JPEG (Exif, Adobe,
 * progressive...), each with its pixel size (\picw, \pich) and, asked for
 * at size 0, its natural size (\picwgoal, \pichgoal); VelPastePicture also
 * takes PNG under the registered clipboard format "PNG", first of all with
 * format 0. Without the flag the output is exactly as without it before. */
#define DOCFLAG_MODERN_PICTURES 0x4u

/* ---- Character formatting ---------------------------------------------- */
#define CHAR_ULINE   0x00001u /* \ul */
#define CHAR_BOLD    0x00002u /* \b */
#define CHAR_ITALIC  0x00004u /* \i */
#define CHAR_STRIKE  0x00008u /* \strike */
#define CHAR_SUPER   0x00010u /* \up6 */
#define CHAR_SUB     0x00020u /* \dn6 */
#define CHAR_HIDDEN  0x00040u /* \v */
#define CHAR_ULINED  0x00100u /* double underline, \uldb */
#define CHAR_PROTECT 0x00200u /* \protect */
#define CHAR_HLINK   0x04000u /* hyperlink mark, \zqhlink */
#define CHAR_CAPS    0x10000u /* \caps */
#define CHAR_SCAPS   0x20000u /* \scaps */

/* ---- Paragraph formatting ---------------------------------------------- */
#define PARA_CENTER     0x00001u
#define PARA_RIGHT      0x00002u
#define PARA_DOUBLE     0x00004u
#define PARA_BOX_TOP    0x00010u
#define PARA_BOX_BOT    0x00020u
#define PARA_BOX_LEFT   0x00040u
#define PARA_BOX_RIGHT  0x00080u
#define PARA_BOX        0x000F0u
#define PARA_BOX_DOUBLE 0x00100u
#define PARA_BOX_THICK  0x00200u
#define PARA_LEFT       0x00400u
#define PARA_JUSTIFY    0x00800u
#define PARA_KEEP       0x04000u
#define PARA_KEEP_NEXT  0x08000u
#define PARA_WIDOW      0x10000u

#define TAB_LEFT    0
#define TAB_RIGHT   1
#define TAB_CENTER  2
#define TAB_DECIMAL 3

#define LEADER_NONE  0
#define LEADER_DOT   1
#define LEADER_HYPH  2
#define LEADER_ULINE 4

#define BREAK_SECT 0
#define BREAK_COL  1
#define BREAK_PAGE 2

/* ---- Bullets and numbering --------------------------------------------- */
#define NUM_DEC       0
#define NUM_UPR_ALPHA 1
#define NUM_LWR_ALPHA 2
#define NUM_UPR_ROMAN 3
#define NUM_LWR_ROMAN 4
#define NUM_CONT      0x1u

/* ---- Headers and footers ----------------------------------------------- */
#define HF_HEADER       1
#define HF_HEADER_FIRST 2
#define HF_HEADER_LEFT  3
#define HF_HEADER_RIGHT 4
#define HF_FOOTER       5
#define HF_FOOTER_FIRST 6
#define HF_FOOTER_LEFT  7
#define HF_FOOTER_RIGHT 8

/* ---- Tables -------------------------------------------------------------- */
#define ROW_CENTER 0x1u
#define ROW_RIGHT  0x2u

#define CELL_VALIGN_TOP    0
#define CELL_VALIGN_CENTER 1
#define CELL_VALIGN_BOTTOM 2

#define CELL_HMERGE_FIRST 0x1u
#define CELL_HMERGE       0x2u
#define CELL_VMERGE_FIRST 0x4u
#define CELL_VMERGE       0x8u

/* ==== Document lifecycle ================================================== */

/* A new, empty document, or 0 when memory runs out. */
VELEXPORT HVELDOC VELAPI VelNewDoc(void);
/* Releases the document and everything it owns; 1 (0 for a null handle). */
VELEXPORT int VELAPI VelEndDoc(HVELDOC doc);
/* Saves the RTF to `path` (an existing file is replaced): 1, or 0 on failure.
 * With a null or empty path, saves to memory as VelGetData does and returns
 * the memory handle (so the result is pointer-sized). */
VELEXPORT intptr_t VELAPI VelSaveFile(HVELDOC doc, const char* path);
/* The RTF in a new movable memory block, followed by a NUL byte, or 0. When
 * `length` is not null it receives the RTF length plus 1 (the NUL counted).
 * The block belongs to the caller: GlobalFree it, or pass it to
 * VelHandleToStr / VelHandleToStrInChunks, which free it. */
VELEXPORT HGLOBAL VELAPI VelGetData(HVELDOC doc, int* length);

/* ==== Messages and flags ================================================== */

/* The number of the last report stored quietly (0 when none). `message`
 * (300 bytes are enough) receives its text and `caption` the caption of the
 * operation that failed; either may be null. */
VELEXPORT int VELAPI VelGetLastMessage(char* message, char* caption);
/* Forgets the last stored report; 1. */
VELEXPORT int VELAPI VelResetLastMessage(void);
/* Sets (`set` non-zero) or clears `bits` in the flags of `doc`, or, with a
 * null document, in the default flags that new documents and reports without
 * a document use. Returns the resulting flags. */
VELEXPORT unsigned VELAPI VelSetFlags(HVELDOC doc, int set, unsigned bits);
/* Kept for old hosts; does nothing and returns 1. */
VELEXPORT int VELAPI WEP(void);

/* ==== Handle and string conversion ======================================== */

/* A new movable block holding a copy of `size` bytes of `source`, or 0. */
VELEXPORT HGLOBAL VELAPI VelStrToHandle(const char* source, int size);
/* Builds one block of `total` bytes chunk by chunk: the call with offset 0
 * makes the block, later calls pass the handle it returned. Returns the
 * handle, or 0 when nothing was copied. */
VELEXPORT HGLOBAL VELAPI VelStrToHandleInChunks(const char* chunk, int total, HGLOBAL block,
                                               int offset, int length);
/* Copies `size` bytes of the block to `dest` and frees the block: 1, or 0. */
VELEXPORT int VELAPI VelHandleToStr(char* dest, int size, HGLOBAL block);
/* Copies one chunk of a block of `total` bytes, starting at `offset`, to the
 * start of `dest`. Frees the block after its last chunk. 1 when a chunk was
 * copied, 0 when nothing was left or on failure. */
VELEXPORT int VELAPI VelHandleToStrInChunks(char* dest, int total, HGLOBAL block, int offset,
                                           int length);
/* Writes the `count` characters of `chars` to `dest`, each preceded by its
 * lead byte from `leads` (when given and non-zero) on a multi-byte system,
 * then a NUL. Returns the bytes written before the NUL. */
VELEXPORT int VELAPI VelMakeMbcs(char* dest, const char* chars, const char* leads, int count);

/* ==== Direct RTF ========================================================== */

/* Starts a group on a new line: `{`, then `\*` when `star` is non-zero, then
 * `\word` when a word is given. */
VELEXPORT int VELAPI VelBeginGroup(HVELDOC doc, const char* word, int star);
/* Closes a group and ends the output line. */
VELEXPORT int VELAPI VelEndGroup(HVELDOC doc);
/* Writes `\word`, followed by `value` when `hasParam` is non-zero. */
VELEXPORT int VELAPI VelInsertControl(HVELDOC doc, const char* word, int hasParam, int value);
/* Appends ready-made RTF unchanged (no escaping, no line breaking). The host
 * balances its braces. */
VELEXPORT int VELAPI VelInsertRaw(HVELDOC doc, const char* rtf);

/* ==== Fonts =============================================================== */

/* The font enumeration callback: records the family and character set of the
 * font being added to the document passed as `doc`, and stops the
 * enumeration (returns 0). The library passes it to the system itself. */
VELEXPORT int VELAPI VelEnumFont(const LOGFONTA* font, const TEXTMETRICA* metric, unsigned type,
                                 intptr_t doc);

/* ==== Character formatting ================================================ */

/* Typeface (null or empty: unchanged), size (points; negative: half-points;
 * 0: unchanged) and the CHAR_* attributes of `style`, switched on (`on`
 * non-zero) or off. */
VELEXPORT int VELAPI VelTextFont(HVELDOC doc, const char* typeface, int size, unsigned style, int on);
/* As VelTextFont, the typeface taken in character set `charset` (-1: any). */
VELEXPORT int VELAPI VelTextFont2(HVELDOC doc, const char* typeface, int size, unsigned style, int charset,
                                  int on);
/* As VelTextFont2 when `write` is non-zero; with `write` 0 it only adds the
 * typeface to the font table and writes nothing. */
VELEXPORT int VELAPI VelTextFont3(HVELDOC doc, const char* typeface, int size, unsigned style, int charset,
                                  int on, int write);
/* Back to plain characters (\plain). */
VELEXPORT int VELAPI VelResetTextProp(HVELDOC doc);
/* Applies character style `id` (\cs). */
VELEXPORT int VELAPI VelCharStyleId(HVELDOC doc, int id);
/* Text color (`fore` non-zero) or highlight color (`fore` 0); colors are
 * Windows color values, red in the low byte. */
VELEXPORT int VELAPI VelTextColor(HVELDOC doc, unsigned color, int fore);
/* As VelTextColor when `write` is non-zero; with `write` 0 it only adds the
 * color to the color table. */
VELEXPORT int VELAPI VelTextColor2(HVELDOC doc, unsigned color, int fore, int write);
/* Opens a superscript (`super` non-zero) or subscript run; font changes wait
 * until VelEndScriptStyle closes it. */
VELEXPORT int VELAPI VelBeginScriptStyle(HVELDOC doc, int super);
/* Closes the script run that VelBeginScriptStyle opened. */
VELEXPORT int VELAPI VelEndScriptStyle(HVELDOC doc);

/* ==== Text ================================================================ */

/* ANSI text: \, { and } escaped, bytes of 128 and above as \'hh, CR as a
 * paragraph mark (LF dropped), TAB, form feed (page), 22 (column), 14
 * (non-breaking space) and 23 (non-breaking hyphen) as their control words. */
VELEXPORT int VELAPI VelInsertText(HVELDOC doc, const char* text);
/* UTF-16 text, every unit as \u with a "?" for readers without Unicode. */
VELEXPORT int VELAPI VelInsertUText(HVELDOC doc, const VELWCHAR* text);

/* ==== Paragraphs ========================================================== */

/* BREAK_SECT ends the section (the next content opens a new one), BREAK_COL
 * and BREAK_PAGE break the column or the page. Other types give 0. */
VELEXPORT int VELAPI VelInsertBreak(HVELDOC doc, int type);
/* Resets the paragraph properties (\pard), keeping the paragraph in the
 * table row that is open. */
VELEXPORT int VELAPI VelResetParaProp(HVELDOC doc);
/* Alignment, double spacing, keeping, widow control and borders: PARA_*. */
VELEXPORT int VELAPI VelParaFlags(HVELDOC doc, unsigned flags);
/* Left, right and first-line indents in twips; -1 leaves a value out. */
VELEXPORT int VELAPI VelParaIndent(HVELDOC doc, int left, int right, int first);
/* Space before and after, and line spacing, in twips; -1 leaves a value out. */
VELEXPORT int VELAPI VelParaSpace(HVELDOC doc, int before, int after, int line);
/* Shading in percent (at most 100), or with a negative percent a background
 * color. */
VELEXPORT int VELAPI VelParaShadeColor(HVELDOC doc, int percent, unsigned color);
/* Applies paragraph style `id` (\s). */
VELEXPORT int VELAPI VelParaStyleId(HVELDOC doc, int id);
/* A tab stop: TAB_* alignment, position in twips, LEADER_* leader. */
VELEXPORT int VELAPI VelParaTabStop(HVELDOC doc, int type, int position, int leader);

/* ==== Bullets and numbering =============================================== */

/* Makes the paragraph a bulleted (`bullet` non-zero, bullet `style` 0 to 7)
 * or numbered one (NUM_* `style`, outline `level`, first number `start`,
 * texts around the number); NUM_CONT in `flags` continues the list without
 * a label of its own. Call it after the paragraph properties, before the
 * text. */
VELEXPORT int VELAPI VelParaBullet(HVELDOC doc, int bullet, int style, int level, int start,
                                   const char* textBefore, const char* textAfter, unsigned flags);

/* ==== Sections ============================================================ */

/* Initialises a section (\sectd): page layout, headers and footers follow. */
VELEXPORT int VELAPI VelInitSect(HVELDOC doc);
/* Begins the section's text. Content calls do both steps by themselves. */
VELEXPORT int VELAPI VelBeginSectText(HVELDOC doc);
/* Paper size in twips, and landscape when non-zero; for the document before
 * any section, for the section while it is initialised. 0 sizes are left out. */
VELEXPORT int VELAPI VelPaper(HVELDOC doc, int width, int height, int landscape);
/* Page margins, and the header and footer distances, in twips; negative
 * values are left out. */
VELEXPORT int VELAPI VelMargin(HVELDOC doc, int left, int right, int top, int bottom, int header,
                               int footer);
/* Newspaper columns and their spacing, whether the section starts a new page,
 * and the page number it restarts at (0 or less continues the numbering). */
VELEXPORT int VELAPI VelSectInfo(HVELDOC doc, int columns, int columnSpace, int newPage,
                                 int firstPageNumber);

/* ==== Headers and footers ================================================= */

/* Opens a header or footer of kind HF_HEADER to HF_FOOTER_RIGHT for the
 * section being initialised (before its text); the first-page kinds write
 * \titlepg, the left and right kinds \facingp. Its content follows through
 * the ordinary text, formatting and field calls. Another kind gives 0 and
 * writes nothing. */
VELEXPORT int VELAPI VelBeginHdrFtr(HVELDOC doc, int kind);
/* Closes the header or footer. Refused while a table row, frame, text box or
 * script run opened inside it is still open. */
VELEXPORT int VELAPI VelEndHdrFtr(HVELDOC doc);

/* ==== Stylesheet ========================================================== */

/* Opens the stylesheet; before any section text and outside headers. */
VELEXPORT int VELAPI VelBeginStyleSheet(HVELDOC doc);
/* Opens one style: a paragraph style (`paragraphStyle` non-zero, \s) or a
 * character style (\cs) numbered `styleNumber` (0: no number, the normal
 * style). The style's formatting follows through the character and
 * paragraph calls. `name` is kept up to its first 303 bytes; null is an empty
 * name; control characters are left out of it. */
VELEXPORT int VELAPI VelBeginStyleItem(HVELDOC doc, int paragraphStyle, int styleNumber, const char* name);
/* Writes the style's name and closes the style. */
VELEXPORT int VELAPI VelEndStyleItem(HVELDOC doc);
/* Closes the stylesheet. */
VELEXPORT int VELAPI VelEndStyleSheet(HVELDOC doc);

/* ==== Tables ============================================================== */

/* A table is written a row at a time: begin the row, declare its cells left
 * to right, write each cell's text between VelBeginCellText and
 * VelEndCellText, end the row. A row begun inside a cell text is a nested
 * table, one level deeper (at most 19 levels in all). Lengths are twips. */

/* Begins a row: left edge, height (0: automatic; negative: exact), ROW_*
 * alignment, non-zero `header` for a header row, and the cell margin on the
 * left and right of each cell (0 or less: 60). */
VELEXPORT int VELAPI VelBeginTableRow(HVELDOC doc, int left, int height, unsigned flags, unsigned header,
                                      int cellMargin);
/* As VelBeginTableRow, with each of the four cell paddings given. */
VELEXPORT int VELAPI VelBeginTableRow2(HVELDOC doc, int left, int height, unsigned flags, unsigned header,
                                       int padLeft, int padRight, int padTop, int padBottom);
/* Declares the next cell of the row: width, CELL_VALIGN_* alignment, shading
 * in percent (0: none), background color (0xFFFFFF: none), the border widths
 * (0: no border) and CELL_*MERGE* flags. */
VELEXPORT int VELAPI VelNextCellInfo(HVELDOC doc, int width, unsigned valign, int shading, unsigned background,
                                     int borderLeft, int borderRight, int borderTop, int borderBottom,
                                     unsigned merge);
/* As VelNextCellInfo, with a border color (0: automatic). */
VELEXPORT int VELAPI VelNextCellInfo2(HVELDOC doc, int width, unsigned valign, int shading, unsigned background,
                                      int borderLeft, int borderRight, int borderTop, int borderBottom,
                                      unsigned borderColor, unsigned merge);
/* As VelNextCellInfo2, with the text direction: 90 runs bottom to top, 270
 * top to bottom, anything else horizontal. */
VELEXPORT int VELAPI VelNextCellInfo3(HVELDOC doc, int width, unsigned valign, int shading, unsigned background,
                                      int borderLeft, int borderRight, int borderTop, int borderBottom,
                                      unsigned borderColor, unsigned merge, int rotation);
/* Begins the text of the next declared cell. */
VELEXPORT int VELAPI VelBeginCellText(HVELDOC doc);
/* Ends the cell's text. */
VELEXPORT int VELAPI VelEndCellText(HVELDOC doc);
/* Ends the row, once every declared cell has its text. */
VELEXPORT int VELAPI VelEndTableRow(HVELDOC doc);

/* ==== Frames, text boxes and drawing objects ============================== */

/* Lengths are twips. `pageRelative` non-zero places an object from the top
 * left of the page; zero places it from the current paragraph (vertically)
 * and from the paragraph's column (frames) or the margin (drawing objects)
 * horizontally. Colors are Windows color values, red in the low byte,
 * written as their own bytes (not through the color table). An open
 * paragraph is ended before a frame, text box, rectangle or line begins. */

/* Opens a frame: the paragraphs written until VelEndFrame stand in a block
 * at (x, y) of the given size (a positive height is a minimum). Not inside a
 * table row, a text box or a script run. */
VELEXPORT int VELAPI VelBeginFrame(HVELDOC doc, int pageRelative, int x, int y, int width, int height);
/* Ends the frame's last paragraph, if it is open, and closes the frame. */
VELEXPORT int VELAPI VelEndFrame(HVELDOC doc);
/* VelBeginTextBox2 with horizontal text (rotation 0). */
VELEXPORT int VELAPI VelBeginTextBox(HVELDOC doc, int pageRelative, int x, int y, int width, int height, int zOrder,
                                     unsigned fillColor, unsigned lineColor, int lineWidth, int transparent);
/* Opens a text box: the text written until VelEndTextBox goes into it (end
 * its last paragraph with CR LF). zOrder above 0 is the stacking height; an
 * outline `lineWidth` below 1 draws none; `transparent` non-zero leaves it
 * unfilled; `rotation` 90 runs the text bottom to top, 270 top to bottom.
 * May stand in a frame; not in a table row or a script run. */
VELEXPORT int VELAPI VelBeginTextBox2(HVELDOC doc, int pageRelative, int x, int y, int width, int height, int zOrder,
                                      unsigned fillColor, unsigned lineColor, int lineWidth, int transparent,
                                      int rotation);
/* Closes the text box, writing the position, size, outline and fill given
 * when it was opened. */
VELEXPORT int VELAPI VelEndTextBox(HVELDOC doc);
/* A rectangle, filled with `fillColor` unless `transparent` is non-zero.
 * Not inside a frame, text box or table row. */
VELEXPORT int VELAPI VelDrawRect(HVELDOC doc, int pageRelative, int x, int y, int width, int height, int zOrder,
                                 unsigned fillColor, unsigned lineColor, int lineWidth, int transparent);
/* A straight line from (x1, y1) to (x2, y2). Not inside a frame, text box or
 * table row. */
VELEXPORT int VELAPI VelDrawLine(HVELDOC doc, int pageRelative, int x1, int y1, int x2, int y2, int zOrder,
                                 unsigned lineColor, int lineWidth);

/* ==== Fields, footnotes and bookmarks ===================================== */

/* The page number (`page` non-zero) or the page count field. */
VELEXPORT int VELAPI VelInsertPageField(HVELDOC doc, int page);
/* A mail-merge field named `name` (required; written as given, so a name
 * with spaces needs its own quotes), showing `result` (may be null) until
 * the merge runs. A null or empty name gives 0 without a report. */
VELEXPORT int VELAPI VelInsertMergeField(HVELDOC doc, const char* name, const char* result);
/* A table of contents over the outline levels `firstLevel` to `lastLevel`
 * (the last at most 9, the first at least 1 and at most the last). It ends
 * its paragraph. */
VELEXPORT int VELAPI VelInsertTocField(HVELDOC doc, int firstLevel, int lastLevel);
/* A footnote with the mark `mark` (null or empty: numbered automatically)
 * and the text `text` (a CR starts a new paragraph of the note). */
VELEXPORT int VELAPI VelInsertFootnote(HVELDOC doc, const char* mark, const char* text);
/* The start (`start` non-zero) or the end of the bookmark `name`. */
VELEXPORT int VELAPI VelInsertBookmark(HVELDOC doc, const char* name, int start);

/* ==== Pictures ============================================================ */

/* Pictures are embedded as hexadecimal data at the current position, in the
 * paragraph. Sizes are twips; a width or height of 0 asks for the picture's
 * natural size at the screen resolution (96 pixels per inch on Linux).
 *
 * Results to know: after a picture's first header has been accepted, a
 * reader that fails (memory, a short read, a metafile that cannot be copied,
 * a packed bitmap shorter than its header says) reports its error, writes
 * nothing and still returns 1; check VelGetLastMessage when that matters. A
 * failed allocation or a picture too large for the document never leaves
 * part of a picture behind. */

/* Embeds the picture file `fileName`, recognised by its content: a Windows
 * bitmap (.bmp), a placeable Windows metafile (.wmf), an enhanced metafile
 * (.emf) or a JPEG file with the JFIF marker. Any other file (PNG, a JPEG
 * that starts with an Exif segment) gives 0 without a report. A file that
 * cannot be opened reports 20 with the file name as caption; one too short
 * reports 21 or 17; a bitmap file whose bits would begin inside its headers
 * or past its end, or whose header block is cut short, reports 1 and gives
 * 0 (the bits are the rest of the file, as many as it holds). With
 * DOCFLAG_MODERN_PICTURES, PNG and every JPEG are read too. With `link`
 * non-zero the file is not read: an
 * INCLUDEPICTURE field names it (any path, existing or not) and 1 is
 * returned. */
VELEXPORT int VELAPI VelInsertPictFile(HVELDOC doc, const char* fileName, int width, int height, int link);

/* Embeds a picture the host holds: `handle` of clipboard format `format`
 * (CF_METAFILEPICT: a block holding a METAFILEPICT in MM_TEXT or
 * MM_ANISOTROPIC; CF_DIB: a block holding a packed bitmap; CF_ENHMETAFILE: an
 * enhanced metafile), or with a null handle the clipboard's object of that
 * format. Format 0 takes the first of the three that the clipboard holds, in
 * that order (0 with a handle, or when it holds none). The host's objects
 * are only read, never changed or released.
 * Returns 0 for a clipboard held elsewhere (report 55), no object of the
 * format (56) and a failed enhanced metafile; 1 otherwise, also when a
 * metafile picture or a bitmap could not be written (reported), for a
 * metafile picture in another mapping mode (nothing written, no report) and
 * for a format without a reader (nothing written). */
VELEXPORT int VELAPI VelPastePicture(HVELDOC doc, unsigned format, HANDLE handle, int width, int height);

#ifdef __cplusplus
}
#endif

#endif /* VELRTF_H */
