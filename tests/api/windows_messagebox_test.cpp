// Windows only: a report of a document that is not quiet is a real, modal
// message box shown by velrtf.dll. A watcher thread plays the user: it finds
// each box by its caption, keeps its text and presses OK (read once it has
// joined). Every other test keeps its reports quiet, so no box can block it.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "rtf_test.h"

// With DOCFLAG_ONE_MESSAGE, the first report of the document is a box that
// blocks the call until it is closed; the second is dropped without a box.
// A shown report leaves the last stored message alone.
TEST(WindowsMessageBox, ReportIsAModalBoxUntilClosed)
{
    TestDoc doc;
    VelSetFlags(doc, 0, DOCFLAG_QUIET);
    VelSetFlags(doc, 1, DOCFLAG_ONE_MESSAGE);
    VelResetLastMessage();
    std::atomic<bool> stop{false};
    std::vector<std::string> texts;
    std::thread user([&] {
        while (!stop) {
            HWND box = FindWindowA("#32770", "VelSave");  // "#32770": the window class of dialog boxes
            char text[512] = "";
            if (!box || !GetDlgItemTextA(box, 0xFFFF, text, sizeof text)) {  // 0xFFFF: the box's static text
                Sleep(5);
                continue;
            }
            texts.push_back(text);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            while (!stop && IsWindow(box)) Sleep(5);  // gone before looking for the next
        }
    });
    std::string path = TempPath("velrtf-no-such-folder\\box.rtf");
    EXPECT_EQ(VelSaveFile(doc, path.c_str()), 0);  // returns once the box is closed
    EXPECT_EQ(VelSaveFile(doc, path.c_str()), 0);  // a box would block until the watcher closed it
    stop = true;
    user.join();
    EXPECT_EQ(texts, std::vector<std::string>{"Could Not Open the File."});  // one box, the first report's
    EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0);
}

#endif  // _WIN32
