#include "seam_test.h"

#include <gtest/gtest.h>

#include <cstring>
#include <mutex>

#include "rtf_test.h"

namespace {

std::mutex boxesLock;
std::vector<ShownBox> shownBoxes;

}  // namespace

void CaptureBox(const char* text, const char* caption, void*)
{
    std::lock_guard<std::mutex> guard(boxesLock);
    shownBoxes.push_back({text, caption});
}

std::vector<ShownBox> Boxes()
{
    std::lock_guard<std::mutex> guard(boxesLock);
    return shownBoxes;
}

void ClearBoxes()
{
    std::lock_guard<std::mutex> guard(boxesLock);
    shownBoxes.clear();
}

int SweepAllocationFailures(const std::function<void(HVELDOC)>& setup,
                            const std::function<int(HVELDOC)>& operation, bool pictureReader)
{
    for (int nth = 1;; ++nth) {
        TestDoc doc;
        EXPECT_TRUE(doc.get());
        if (!doc.get()) return nth;
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        setup(doc);
        std::string before = SavedRtf(doc);
        // Every report of the chain is seen as a box.
        VelSetFlags(doc, 0, DOCFLAG_QUIET);
        VelSetFlags(nullptr, 0, DOCFLAG_QUIET);
        ClearBoxes();
        int64_t start = VelTestAllocationCount();
        VelTestFailAllocation(nth);
        int result = operation(doc);
        VelTestFailAllocation(0);
        VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        std::vector<ShownBox> boxes = Boxes();
        bool hit = VelTestAllocationCount() - start >= nth;
        if (!hit) {
            EXPECT_EQ(result, 1) << "the operation fails without a failed allocation";
            return nth - 1;
        }
        SCOPED_TRACE("allocation " + std::to_string(nth) + " failed");
        if (!pictureReader || result != 1) {
            EXPECT_EQ(result, 0);
        }
        bool outOfMemory = false;
        for (const ShownBox& box : boxes) {
            outOfMemory = outOfMemory || box.text == "Ran Out of Memory" ||
                          (pictureReader && (box.text == "Error copying metafile" ||
                                             box.text == "Error accessing meta file data"));
        }
        EXPECT_TRUE(outOfMemory) << "no report of error 23";
        EXPECT_EQ(SavedRtf(doc), before) << "the failed operation changed the document";
        // The document goes on: the same operation now succeeds.
        EXPECT_EQ(operation(doc), 1);
        if (nth > 200) {
            ADD_FAILURE() << "the sweep does not end";
            return nth;
        }
    }
}

int FixedFontSource(const char* face, int* family, int* charset)
{
    struct Known {
        const char* name;
        int family;
        int charset;
    };
    static const Known kKnown[] = {
        {"Arial", 0x20, 0},   {"Times New Roman", 0x10, 0}, {"Courier New", 0x30, 0},
        {"Symbol", 0x10, 2},  {"Wingdings", 0x00, 2},       {"Comic Sans MS", 0x40, 0},
        {"Old English", 0x50, 0},
    };
    for (const Known& known : kKnown) {
        bool same = true;
        const char* a = known.name;
        const char* b = face;
        for (; *a && *b; ++a, ++b) {
            char x = (*a >= 'A' && *a <= 'Z') ? static_cast<char>(*a + 32) : *a;
            char y = (*b >= 'A' && *b <= 'Z') ? static_cast<char>(*b + 32) : *b;
            if (x != y) same = false;
        }
        if (same && *a == *b) {
            *family = known.family;
            *charset = known.charset;
            return 1;
        }
    }
    return 0;
}
