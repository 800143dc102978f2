// The library's one window onto the operating system. Everything outside
// platform/ calls these functions and never an operating-system header.
// Two backends implement them: platform_win32.cpp (kernel32, user32, gdi32)
// and platform_posix.cpp (Linux and other POSIX systems).
#pragma once

#include <cstddef>
#include <cstdint>

#include "velrtf.h"

// ---- Movable global memory ------------------------------------------------
// Blocks behave as Windows movable global memory: a handle, a lock count, a
// data pointer that may move on resize, and the size asked for.
// Every allocation and resize passes the fault-injection seam first.

HGLOBAL PlatGlobalAlloc(size_t bytes);                // GMEM_MOVEABLE; 0 on failure
void* PlatGlobalLock(HGLOBAL block);                  // 0 on failure
int PlatGlobalUnlock(HGLOBAL block);                  // non-zero while still locked
HGLOBAL PlatGlobalReAlloc(HGLOBAL block, size_t bytes);  // 0 on failure; the block stays intact
HGLOBAL PlatGlobalHandle(const void* data);           // the handle of a locked block's data
HGLOBAL PlatGlobalFree(HGLOBAL block);                // 0 on success
size_t PlatGlobalSize(HGLOBAL block);                 // 0 for an invalid handle

// ---- Files ------------------------------------------------------------------
struct PlatFileRecord;
using PlatFile = PlatFileRecord*;

PlatFile PlatCreateFile(const char* path);         // for writing; replaces an existing file; 0 on failure
PlatFile PlatOpenFile(const char* path);           // for reading; 0 on failure
int PlatWriteFile(PlatFile file, const void* data, uint32_t length);  // 1 when every byte was written
// Pieces written one after the other, in one call where the system gathers
// them (writev); 1 when every byte was written. At most kPlatMaxPieces.
struct PlatPiece {
    const void* data;
    size_t length;
};
constexpr int kPlatMaxPieces = 8;
int PlatWritePieces(PlatFile file, const PlatPiece* pieces, int count);
int PlatReadFile(PlatFile file, void* data, uint32_t length, uint32_t* got);
int64_t PlatFileSize(PlatFile file);               // -1 on failure
int PlatSeekFile(PlatFile file, int64_t offset);   // from the start; 1 on success
void PlatCloseFile(PlatFile file);
void PlatDeleteFile(const char* path);
int PlatFlushFile(PlatFile file);                  // to stable storage; 1 on success

// A file replaced in one step: the new content goes to a temporary file
// beside the file the path finally names (symbolic links followed), and that
// file takes the target's place only once it is complete.
constexpr size_t kPlatPathCapacity = 4096;
struct PlatReplacement {
    PlatFile file;                   // the temporary file, open for writing
    int existed;                     // the path named something before (a dangling link too)
    char temp[kPlatPathCapacity];    // the temporary file
    char target[kPlatPathCapacity];  // the file it replaces
};
// Opens the temporary file, with the permissions (and, where allowed, the
// owner) of an existing target: 1; 0 when the path names something other
// than a regular file (a device, a FIFO, a terminal, a folder), a file this
// process may not write, or a place where no new file can be made. Sets
// `existed` either way.
int PlatBeginReplace(const char* path, PlatReplacement* replacement);
// Closes the temporary file and puts it in the target's place: 1; 0, with
// the temporary file removed and the target as it was, when the target
// cannot be replaced.
int PlatCommitReplace(PlatReplacement* replacement);
// Closes and removes the temporary file.
void PlatAbandonReplace(PlatReplacement* replacement);

// ---- Metafile handles ----------------------------------------------------------
// A host's metafile (HMETAFILE) or enhanced metafile (HENHMETAFILE) is only
// ever copied: the readers work on a private copy in memory and delete it.
// Copies pass the fault-injection seam first, as allocations do.

void* PlatCopyMetafile(void* metafile);                 // 0 on failure
// The metafile's bytes (its standard header and records): with a null
// buffer the count it holds, otherwise the count copied; 0 on failure.
uint32_t PlatMetafileBits(void* metafile, uint32_t size, void* buffer);
void PlatDeleteMetafile(void* metafile);
void* PlatCopyEnhMetafile(void* metafile);              // 0 on failure
// Up to `size` bytes of the header record; the count copied, 0 on failure.
uint32_t PlatEnhMetafileHeader(void* metafile, uint32_t size, void* header);
// As PlatMetafileBits, for the whole enhanced metafile.
uint32_t PlatEnhMetafileBits(void* metafile, uint32_t size, void* buffer);
void PlatDeleteEnhMetafile(void* metafile);

// ---- Clipboard ----------------------------------------------------------------------
// Opened for the calling thread with no owner window; fails while another
// program (on Linux: another thread of this process) holds it.
int PlatOpenClipboard();
void PlatCloseClipboard();
// Works without opening the clipboard.
int PlatClipboardHasFormat(unsigned format);
// The clipboard's object of a format, or 0; it stays the clipboard's.
void* PlatClipboardData(unsigned format);
// The number of the format registered under `name` (registered now if it is
// new), or 0 on failure.
unsigned PlatRegisterClipboardFormat(const char* name);

// ---- User interface and display --------------------------------------------
// A modal message box with an OK button; `caption` is never null here.
void PlatMessageBox(const char* text, const char* caption);
// Pixels per logical inch of the screen.
void PlatScreenResolution(int* x, int* y);
// 1 when the ANSI code page has characters of more than one byte.
int PlatMultiByteCodePage();

// ---- Arithmetic and strings -------------------------------------------------
// a * b / c formed in 64 bits, rounded to nearest with halves away from zero;
// -1 for a zero divisor or a result outside 32 bits.
int PlatMulDiv(int a, int b, int c);
// Compares two ANSI strings without regard to case: <0, 0 or >0.
int PlatCompareNoCase(const char* a, const char* b);

// ---- Fonts --------------------------------------------------------------------
// Enumerates the installed fonts named `face`, calling `callback` with each
// until it returns 0. An uninstalled name never calls it. 1, or 0 when memory
// ran out while looking the name up (the callback is then not called).
using PlatFontCallback = int(VELAPI*)(const LOGFONTA* font, const TEXTMETRICA* metric,
                                      unsigned type, intptr_t user);
int PlatEnumFonts(const char* face, PlatFontCallback callback, intptr_t user);

// ---- Library entry ------------------------------------------------------------
// Implemented by the core; the backends call it when the library is loaded
// into a process (attach 1) and when it leaves (attach 0).
int LibraryMain(int attach);
