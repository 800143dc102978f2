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

int PlatWritePieces(PlatFile file, const PlatPiece* pieces, int count)
{
    for (int i = 0; i < count && i < kPlatMaxPieces; ++i) {
        const auto* data = static_cast<const char*>(pieces[i].data);
        for (size_t left = pieces[i].length; left > 0;) {
            DWORD piece = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
            if (!PlatWriteFile(file, data, piece)) return 0;
            data += piece;
            left -= piece;
        }
    }
    return 1;
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

int PlatFlushFile(PlatFile file)
{
    return FlushFileBuffers(reinterpret_cast<HANDLE>(file)) ? 1 : 0;
}

namespace {

// Copies `text` (its first `length` bytes) after `out`'s first `at` bytes;
// false when it does not fit.
bool PutPath(char* out, size_t at, const char* text, size_t length)
{
    if (at + length >= kPlatPathCapacity) return false;
    std::memcpy(out + at, text, length);
    out[at + length] = '\0';
    return true;
}

// The length of the folder part of `path`, its last separator included.
size_t FolderLength(const char* path)
{
    size_t length = 0;
    for (size_t i = 0; path[i]; ++i) {
        if (path[i] == '\\' || path[i] == '/' || (i == 1 && path[i] == ':')) length = i + 1;
    }
    return length;
}

// The attributes a new file copies from the one it replaces.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

}  // namespace

int PlatBeginReplace(const char* path, PlatReplacement* replacement)
{
    DWORD attributes = GetFileAttributesA(path);  // of a link itself
    DWORD missing = attributes == INVALID_FILE_ATTRIBUTES ? GetLastError() : NO_ERROR;
    replacement->existed = missing != ERROR_FILE_NOT_FOUND && missing != ERROR_PATH_NOT_FOUND;
    DWORD kept = FILE_ATTRIBUTE_NORMAL;
    if (!PutPath(replacement->target, 0, path, std::strlen(path))) return 0;
    HANDLE target = CreateFileA(path, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (target != INVALID_HANDLE_VALUE) {
        // A device, a pipe, a folder or a read-only file is not replaced; a
        // link is followed to the file it finally names.
        BY_HANDLE_FILE_INFORMATION info;
        bool replaceable = GetFileType(target) == FILE_TYPE_DISK && GetFileInformationByHandle(target, &info) &&
                           !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
        if (replaceable && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            DWORD n = GetFinalPathNameByHandleA(target, replacement->target, kPlatPathCapacity, FILE_NAME_NORMALIZED);
            replaceable = n > 0 && n < kPlatPathCapacity;
        }
        if (replaceable && (info.dwFileAttributes & kKeptAttributes)) kept = info.dwFileAttributes & kKeptAttributes;
        CloseHandle(target);
        if (!replaceable) return 0;
    } else if (replacement->existed) {
        return 0;
    }
    static LONG serial = 0;
    size_t folder = FolderLength(replacement->target);
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; file == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
        char name[64];
        int n = wsprintfA(name, "~velrtf-%lu-%ld.tmp", GetCurrentProcessId(), InterlockedIncrement(&serial));
        if (!PutPath(replacement->temp, 0, replacement->target, folder) ||
            !PutPath(replacement->temp, folder, name, static_cast<size_t>(n))) {
            return 0;
        }
        file = CreateFileA(replacement->temp, GENERIC_WRITE, 0, nullptr, CREATE_NEW, kept, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return 0;
    }
    if (file == INVALID_HANDLE_VALUE) return 0;
    replacement->file = reinterpret_cast<PlatFile>(file);
    return 1;
}

int PlatCommitReplace(PlatReplacement* replacement)
{
    CloseHandle(reinterpret_cast<HANDLE>(replacement->file));
    replacement->file = nullptr;
    if (!MoveFileExA(replacement->temp, replacement->target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(replacement->temp);
        return 0;
    }
    return 1;
}

void PlatAbandonReplace(PlatReplacement* replacement)
{
    PlatCloseFile(replacement->file);
    replacement->file = nullptr;
    DeleteFileA(replacement->temp);
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

unsigned PlatRegisterClipboardFormat(const char* name)
{
    return RegisterClipboardFormatA(name);
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

int PlatEnumFonts(const char* face, PlatFontCallback callback, intptr_t user)
{
    int family = 0, charset = 0, installed = 0;
    if (SeamLookUpFont(face, &family, &charset, &installed)) {
        if (installed <= 0) return installed == 0;
        LOGFONTA font;
        std::memset(&font, 0, sizeof font);
        font.lfCharSet = static_cast<BYTE>(charset);
        font.lfPitchAndFamily = static_cast<BYTE>(family);
        lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
        TEXTMETRICA metric;
        std::memset(&metric, 0, sizeof metric);
        callback(&font, &metric, 0, user);
        return 1;
    }
    EnumTarget target{callback, user};
    HDC screen = GetDC(nullptr);
    EnumFontsA(screen, face, reinterpret_cast<FONTENUMPROCA>(ForwardFont), reinterpret_cast<LPARAM>(&target));
    ReleaseDC(nullptr, screen);
    return 1;
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
