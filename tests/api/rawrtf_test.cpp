// Groups, control words and ready-made RTF from the host.
#include <gtest/gtest.h>

#include "rtf_cases.h"

TEST(RawRtf, GroupsWordsAndReadyMadeRtf)
{
    ExpectBodies({
        {"starred group on its own line",
         [](HVELDOC d) { VelBeginSectText(d), VelBeginGroup(d, "pntext", 1), VelInsertText(d, "x"), VelEndGroup(d); },
         "\\sectd{\\*\\pntext x}"},
        {"groups without a word", [](HVELDOC d) { VelBeginGroup(d, nullptr, 0), VelBeginGroup(d, "", 0); }, "{{}}"},
        {"a word with and without its parameter",
         [](HVELDOC d) { VelInsertControl(d, "fs", 1, 24), VelInsertControl(d, "fs", 0, 24); }, "\\fs24\\fs"},
        {"raw text goes in unchanged, text follows it on its line",
         [](HVELDOC d) { VelBeginSectText(d), VelInsertRaw(d, "{\\b bold}"), VelInsertText(d, "x"); },
         "\\sectd{\\b bold}x"},
        {"raw text between VelInitSect and VelBeginSectText",
         [](HVELDOC d) { VelInitSect(d), VelInsertRaw(d, "\\pard "), VelBeginSectText(d), VelInsertRaw(d, "x"); },
         "\\sectd\\pard x"},
    });
    // The line layout: the group starts and ends a line; raw text only
    // flushes what is pending.
    TestDoc doc;
    VelBeginSectText(doc), VelBeginGroup(doc, "pntext", 1), VelInsertText(doc, "x"), VelEndGroup(doc);
    VelInsertRaw(doc, "y"), VelInsertRaw(doc, ""), VelInsertRaw(doc, nullptr);
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd\r\n{\\*\\pntext x}\r\ny"));
}

TEST(RawRtf, RefusedInput)
{
    ExpectRefusals({
        // A bare backslash would join whatever follows into a word.
        {"an empty word", [](HVELDOC) {}, [](HVELDOC d) { return VelInsertControl(d, "", 0, 0); }, 0, ""},
        {"a null word", [](HVELDOC) {}, [](HVELDOC d) { return VelInsertControl(d, nullptr, 1, 0); }, 0, ""},
        // Characters the text rules drop or translate would leave a bare backslash.
        {"a word of line feeds", [](HVELDOC) {}, [](HVELDOC d) { return VelInsertControl(d, "\n\n", 0, 0); }, 0, ""},
        {"a word with a brace", [](HVELDOC) {}, [](HVELDOC d) { return VelInsertControl(d, "b{", 0, 0); }, 0, ""},
        // \' takes the next two characters of the text as hex digits.
        {"an apostrophe", [](HVELDOC) {}, [](HVELDOC d) { return VelInsertControl(d, "'", 0, 0); }, 0, ""},
        {"an apostrophe and digits", [](HVELDOC) {}, [](HVELDOC d) { return VelInsertControl(d, "'e9", 1, 0); }, 0, ""},
        {"a group word of an apostrophe", [](HVELDOC) {}, [](HVELDOC d) { return VelBeginGroup(d, "'", 1); }, 0, ""},
        {"a group word with a tab", [](HVELDOC) {}, [](HVELDOC d) { return VelBeginGroup(d, "\t", 1); }, 0, ""},
    });
    EXPECT_EQ(VelBeginGroup(nullptr, "a", 1) + VelEndGroup(nullptr) + VelInsertControl(nullptr, "a", 0, 0) +
                  VelInsertRaw(nullptr, "a"),
              0);
}
