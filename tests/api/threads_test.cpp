// Documents on several threads at once. Each document belongs to one thread;
// the process-wide state (the last message, the composed message, the
// default flags) is shared and must stay free of data races. CI runs this
// under ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "rtf_test.h"

TEST(Threads, DocumentsOnSeveralThreads)
{
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &failures] {
            for (int round = 0; round < 50; ++round) {
                HVELDOC doc = VelNewDoc();
                VelSetFlags(doc, 1, DOCFLAG_QUIET);
                std::string text = "thread " + std::to_string(t) + " round " + std::to_string(round);
                VelInsertText(doc, (text + "\r\n").c_str());
                VelSectInfo(doc, 2, 720, 1, 1);  // refused: a composed message
                VelInitSect(doc);                // refused: a numbered one
                char message[300];
                int number = VelGetLastMessage(message, nullptr);
                if (number != 0 && std::strlen(message) == 0) failures++;
                VelSetFlags(nullptr, round % 2, 0x100);  // a bit with no meaning, flipped by all
                if (SavedRtf(doc).find(text + "\\par") == std::string::npos) failures++;
                VelEndDoc(doc);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    VelSetFlags(nullptr, 0, 0x100);
    EXPECT_EQ(failures.load(), 0);
}
