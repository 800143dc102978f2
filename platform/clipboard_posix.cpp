// The clipboard on POSIX systems: one per process, with Windows' rules. One
// thread at a time holds it open; while it is held, another thread's
// OpenClipboard fails. An object put on it belongs to it until it is
// replaced or the clipboard is emptied, which releases it: an enhanced
// metafile is deleted, a metafile picture's block is freed with its
// metafile, any other format's memory block is freed. No format is made
// from another.
#include <cctype>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform.h"

namespace {

struct Clipboard {
    std::mutex lock;
    bool open = false;
    std::thread::id holder;
    std::map<unsigned, HANDLE> objects;
    std::vector<std::string> registered;  // format 0xC000 + i, names as first registered
};

constexpr unsigned kFirstRegisteredFormat = 0xC000;

bool SameName(const std::string& a, const char* b)
{
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return i == a.size() && !b[i];
}

Clipboard& TheClipboard()
{
    static Clipboard clipboard;
    return clipboard;
}

// True when the calling thread holds the clipboard open; lock held.
bool HeldHere(const Clipboard& clipboard)
{
    return clipboard.open && clipboard.holder == std::this_thread::get_id();
}

void Release(unsigned format, HANDLE object)
{
    if (format == CF_ENHMETAFILE) {
        DeleteEnhMetaFile(static_cast<HENHMETAFILE>(object));
        return;
    }
    if (format == CF_METAFILEPICT) {
        if (auto* pict = static_cast<METAFILEPICT*>(GlobalLock(object))) {
            if (GlobalSize(object) >= sizeof(METAFILEPICT)) DeleteMetaFile(pict->hMF);
            GlobalUnlock(object);
        }
    }
    GlobalFree(object);
}

}  // namespace

int PlatOpenClipboard()
{
    return OpenClipboard(nullptr);
}

void PlatCloseClipboard()
{
    CloseClipboard();
}

int PlatClipboardHasFormat(unsigned format)
{
    return IsClipboardFormatAvailable(format);
}

void* PlatClipboardData(unsigned format)
{
    return GetClipboardData(format);
}

unsigned PlatRegisterClipboardFormat(const char* name)
{
    return RegisterClipboardFormatA(name);
}

// The Windows names, exported for hosts on this system.
extern "C" {

VELEXPORT int VELAPI OpenClipboard(HWND)
{
    Clipboard& clipboard = TheClipboard();
    std::lock_guard<std::mutex> guard(clipboard.lock);
    if (clipboard.open && !HeldHere(clipboard)) return 0;
    clipboard.open = true;
    clipboard.holder = std::this_thread::get_id();
    return 1;
}

VELEXPORT int VELAPI CloseClipboard(void)
{
    Clipboard& clipboard = TheClipboard();
    std::lock_guard<std::mutex> guard(clipboard.lock);
    if (!HeldHere(clipboard)) return 0;
    clipboard.open = false;
    return 1;
}

VELEXPORT int VELAPI EmptyClipboard(void)
{
    Clipboard& clipboard = TheClipboard();
    std::map<unsigned, HANDLE> released;
    {
        std::lock_guard<std::mutex> guard(clipboard.lock);
        if (!HeldHere(clipboard)) return 0;
        released.swap(clipboard.objects);
    }
    for (const auto& [format, object] : released) Release(format, object);
    return 1;
}

VELEXPORT HANDLE VELAPI SetClipboardData(unsigned format, HANDLE data)
{
    if (!data) return nullptr;  // no rendering on request here
    Clipboard& clipboard = TheClipboard();
    HANDLE replaced = nullptr;
    try {
        std::lock_guard<std::mutex> guard(clipboard.lock);
        if (!HeldHere(clipboard)) return nullptr;
        HANDLE& slot = clipboard.objects[format];
        replaced = slot;
        slot = data;
    } catch (...) {
        return nullptr;
    }
    if (replaced && replaced != data) Release(format, replaced);
    return data;
}

VELEXPORT HANDLE VELAPI GetClipboardData(unsigned format)
{
    Clipboard& clipboard = TheClipboard();
    std::lock_guard<std::mutex> guard(clipboard.lock);
    if (!HeldHere(clipboard)) return nullptr;
    auto found = clipboard.objects.find(format);
    return found == clipboard.objects.end() ? nullptr : found->second;
}

VELEXPORT unsigned VELAPI RegisterClipboardFormatA(const char* name)
{
    if (!name || !name[0]) return 0;
    Clipboard& clipboard = TheClipboard();
    try {
        std::lock_guard<std::mutex> guard(clipboard.lock);
        for (size_t i = 0; i < clipboard.registered.size(); ++i) {
            if (SameName(clipboard.registered[i], name)) return kFirstRegisteredFormat + static_cast<unsigned>(i);
        }
        if (clipboard.registered.size() >= 0x4000) return 0;
        clipboard.registered.emplace_back(name);
        return kFirstRegisteredFormat + static_cast<unsigned>(clipboard.registered.size() - 1);
    } catch (...) {
        return 0;
    }
}

VELEXPORT int VELAPI IsClipboardFormatAvailable(unsigned format)
{
    Clipboard& clipboard = TheClipboard();
    std::lock_guard<std::mutex> guard(clipboard.lock);
    return clipboard.objects.count(format) != 0;
}

}  // extern "C"
