// Documents on several threads at once. Each document belongs to one thread;
// the process-wide state (the last message, the composed message, the
// default flags) is shared, and must stay free of data races. Run under
// ThreadSanitizer in CI.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "rtf_test.h"

TEST(Threads, DocumentsOnSeveralThreads)
{
    constexpr int kThreads = 4;
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &failures] {
            for (int round = 0; round < 50; ++round) {
                HVELDOC doc = VelNewDoc();
                if (!doc) {
                    failures++;
                    continue;
                }
                VelSetFlags(doc, 1, DOCFLAG_QUIET);
                std::string text = "thread " + std::to_string(t) + " round " + std::to_string(round) + "\r\n";
                VelInsertText(doc, text.c_str());
                // Refused calls: a composed message and a numbered one.
                VelSectInfo(doc, 2, 720, 1, 1);
                VelInitSect(doc);
                char message[300];
                char caption[1000];
                int number = VelGetLastMessage(message, caption);
                if (number != 0 && std::strlen(message) == 0 && number != 60) failures++;
                VelSetFlags(nullptr, round % 2, 0x100);  // a bit with no meaning, flipped by all
                std::string rtf = SavedRtf(doc);
                if (rtf.find(text.substr(0, text.size() - 2) + "\\par") == std::string::npos) failures++;
                VelEndDoc(doc);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    VelSetFlags(nullptr, 0, 0x100);
    EXPECT_EQ(failures.load(), 0);
}
