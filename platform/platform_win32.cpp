// The Windows backend: kernel32, user32 and gdi32 themselves.
#include <windows.h>

#include <cstring>

#include "platform.h"
#include "seams.h"

// ---- Movable memory ------------------------------------------------------------

HGLOBAL PlatGlobalAlloc(size_t bytes)
{
    if (SeamFailThisAllocation()) return nullptr;
    return GlobalAlloc(GMEM_MOVEABLE, bytes);
}

void* PlatGlobalLock(HGLOBAL block)
{
    return block ? GlobalLock(block) : nullptr;
}

int PlatGlobalUnlock(HGLOBAL block)
{
    return GlobalUnlock(block) ? 1 : 0;
}

HGLOBAL PlatGlobalReAlloc(HGLOBAL block, size_t bytes)
{
    if (SeamFailThisAllocation()) return nullptr;
    return GlobalReAlloc(block, bytes, 0);
}

HGLOBAL PlatGlobalHandle(const void* data)
{
    return data ? GlobalHandle(data) : nullptr;
}

HGLOBAL PlatGlobalFree(HGLOBAL block)
{
    return GlobalFree(block);
}

size_t PlatGlobalSize(HGLOBAL block)
{
    return block ? GlobalSize(block) : 0;
}

// ---- Files -------------------------------------------------------------------------

PlatFile PlatCreateFile(const char* path)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : reinterpret_cast<PlatFile>(file);
}

PlatFile PlatOpenFile(const char* path)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : reinterpret_cast<PlatFile>(file);
}

int PlatWriteFile(PlatFile file, const void* data, uint32_t length)
{
    DWORD written = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(file), data, length, &written, nullptr)) return 0;
    return written == length;
}

int PlatReadFile(PlatFile file, void* data, uint32_t length, uint32_t* got)
{
    if (SeamFailThisRead()) {
        *got = 0;
        return 0;
    }
    DWORD read = 0;
    BOOL ok = ReadFile(reinterpret_cast<HANDLE>(file), data, length, &read, nullptr);
    *got = read;
    return ok ? 1 : 0;
}

// A low part of all ones is also a valid size or position: only the error
// code tells a failure, so it is cleared first.
int64_t PlatFileSize(PlatFile file)
{
    DWORD high = 0;
    SetLastError(NO_ERROR);
    DWORD low = GetFileSize(reinterpret_cast<HANDLE>(file), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return -1;
    return (static_cast<int64_t>(high) << 32) | low;
}

int PlatSeekFile(PlatFile file, int64_t offset)
{
    LONG high = static_cast<LONG>(offset >> 32);
    SetLastError(NO_ERROR);
    DWORD low = SetFilePointer(reinterpret_cast<HANDLE>(file), static_cast<LONG>(offset & 0xFFFFFFFF), &high,
                               FILE_BEGIN);
    return !(low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR);
}

void PlatCloseFile(PlatFile file)
{
    if (file) CloseHandle(reinterpret_cast<HANDLE>(file));
}

void PlatDeleteFile(const char* path)
{
    DeleteFileA(path);
}

// ---- Metafile handles -------------------------------------------------------------
// Copies are made in memory (no file name).

void* PlatCopyMetafile(void* metafile)
{
    if (SeamFailThisAllocation()) return nullptr;
    return CopyMetaFileA(static_cast<HMETAFILE>(metafile), nullptr);
}

uint32_t PlatMetafileBits(void* metafile, uint32_t size, void* buffer)
{
    return GetMetaFileBitsEx(static_cast<HMETAFILE>(metafile), size, buffer);
}

void PlatDeleteMetafile(void* metafile)
{
    DeleteMetaFile(static_cast<HMETAFILE>(metafile));
}

void* PlatCopyEnhMetafile(void* metafile)
{
    if (SeamFailThisAllocation()) return nullptr;
    return CopyEnhMetaFileA(static_cast<HENHMETAFILE>(metafile), nullptr);
}

uint32_t PlatEnhMetafileHeader(void* metafile, uint32_t size, void* header)
{
    return GetEnhMetaFileHeader(static_cast<HENHMETAFILE>(metafile), size, static_cast<ENHMETAHEADER*>(header));
}

uint32_t PlatEnhMetafileBits(void* metafile, uint32_t size, void* buffer)
{
    return GetEnhMetaFileBits(static_cast<HENHMETAFILE>(metafile), size, static_cast<BYTE*>(buffer));
}

void PlatDeleteEnhMetafile(void* metafile)
{
    DeleteEnhMetaFile(static_cast<HENHMETAFILE>(metafile));
}

// ---- Clipboard ------------------------------------------------------------------------

int PlatOpenClipboard()
{
    return OpenClipboard(nullptr) ? 1 : 0;
}

void PlatCloseClipboard()
{
    CloseClipboard();
}

int PlatClipboardHasFormat(unsigned format)
{
    return IsClipboardFormatAvailable(format) ? 1 : 0;
}

void* PlatClipboardData(unsigned format)
{
    return GetClipboardData(format);
}

// ---- User interface and display ---------------------------------------------------

void PlatMessageBox(const char* text, const char* caption)
{
    if (SeamTakeMessageBox(text, caption)) return;
    MessageBoxA(nullptr, text, caption, MB_OK);
}

void PlatScreenResolution(int* x, int* y)
{
    if (SeamScreenResolution(x, y)) return;
    // Without a screen context (a process with no desktop, such as a
    // service) the resolution would read as 0, and every later conversion
    // from pixels would divide by it: such a process gets the usual 96.
    *x = 96;
    *y = 96;
    HDC screen = GetDC(nullptr);
    if (!screen) return;
    int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (dpiX > 0 && dpiY > 0) {
        *x = dpiX;
        *y = dpiY;
    }
}

int PlatMultiByteCodePage()
{
    CPINFO info;
    if (!GetCPInfo(CP_ACP, &info)) return 0;
    return info.MaxCharSize > 1;
}

// ---- Arithmetic and strings ---------------------------------------------------------

int PlatMulDiv(int a, int b, int c)
{
    return MulDiv(a, b, c);
}

int PlatCompareNoCase(const char* a, const char* b)
{
    return lstrcmpiA(a, b);
}

// ---- Fonts ----------------------------------------------------------------------------

namespace {

struct EnumTarget {
    PlatFontCallback callback;
    intptr_t user;
};

int CALLBACK ForwardFont(const LOGFONTA* font, const TEXTMETRICA* metric, DWORD type, LPARAM user)
{
    auto* target = reinterpret_cast<EnumTarget*>(user);
    return target->callback(font, metric, type, target->user);
}

}  // namespace

void PlatEnumFonts(const char* face, PlatFontCallback callback, intptr_t user)
{
    int family = 0, charset = 0, installed = 0;
    if (SeamLookUpFont(face, &family, &charset, &installed)) {
        if (!installed) return;
        LOGFONTA font;
        std::memset(&font, 0, sizeof font);
        font.lfCharSet = static_cast<BYTE>(charset);
        font.lfPitchAndFamily = static_cast<BYTE>(family);
        lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
        TEXTMETRICA metric;
        std::memset(&metric, 0, sizeof metric);
        callback(&font, &metric, 0, user);
        return;
    }
    EnumTarget target{callback, user};
    HDC screen = GetDC(nullptr);
    EnumFontsA(screen, face, reinterpret_cast<FONTENUMPROCA>(ForwardFont), reinterpret_cast<LPARAM>(&target));
    ReleaseDC(nullptr, screen);
}

// ---- Library entry -------------------------------------------------------------------------

#if defined(VELRTF_STATIC)
// Linked into a program: no DllMain runs, so the load-time work runs with the
// program's static initialisers instead.
namespace {
const int kLoaded = LibraryMain(1);
}
#else
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) LibraryMain(1);
    return TRUE;
}
#endif
