// Windows only: a report of a document that is not quiet is a real, modal
// message box shown by velrtf.dll. A watcher thread plays the user: it finds
// each box by its caption, reads its text and presses OK. Every other test
// keeps its reports quiet, so no box can block it.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "rtf_test.h"

namespace {

// Dismisses every message box titled `caption` while it lives, keeping the
// texts the boxes showed.
class BoxWatcher {
public:
    explicit BoxWatcher(std::string caption) : caption_(std::move(caption)), thread_([this] { Watch(); }) {}
    ~BoxWatcher()
    {
        stop_ = true;
        thread_.join();
    }
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    std::vector<std::string> Texts()
    {
        std::lock_guard<std::mutex> guard(lock_);
        return texts_;
    }

private:
    void Watch()
    {
        while (!stop_) {
            // "#32770" is the window class of dialog boxes, message boxes included.
            HWND box = FindWindowA("#32770", caption_.c_str());
            if (!box) {
                Sleep(5);
                continue;
            }
            char text[512] = "";
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's static text
            {
                std::lock_guard<std::mutex> guard(lock_);
                texts_.push_back(text);
            }
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            while (!stop_ && IsWindow(box)) Sleep(5);  // gone before looking for the next
        }
    }

    std::string caption_;
    std::atomic<bool> stop_{false};
    std::mutex lock_;
    std::vector<std::string> texts_;
    std::thread thread_;
};

}  // namespace

// With DOCFLAG_ONE_MESSAGE, the first report of the document is a box that
// blocks the call until it is closed; the second is dropped without a box.
// A shown report leaves the last stored message alone.
TEST(WindowsMessageBox, ReportIsAModalBoxUntilClosed)
{
    TestDoc doc;
    VelSetFlags(doc, 0, DOCFLAG_QUIET);
    VelSetFlags(doc, 1, DOCFLAG_ONE_MESSAGE);
    VelResetLastMessage();
    std::string path = TempPath("velrtf-no-such-folder\\box.rtf");
    {
        BoxWatcher user("VelSave");
        EXPECT_EQ(VelSaveFile(doc, path.c_str()), 0);  // returns once the box is closed
        EXPECT_EQ(user.Texts(), std::vector<std::string>{"Could Not Open the File."});
        EXPECT_EQ(VelSaveFile(doc, path.c_str()), 0);  // a box would block until the watcher saw it
        EXPECT_EQ(user.Texts().size(), 1u);
    }
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);
}

#endif  // _WIN32
