// The example host: writes a document that shows what velrtf can do and
// saves it as velrtf-demo.rtf (or the path given as the first argument).
#include <cstdio>

#include "velrtf.h"

int main(int argc, char** argv)
{
    const char* path = argc > 1 ? argv[1] : "velrtf-demo.rtf";
    HVELDOC doc = VelNewDoc();
    if (!doc) {
        std::fprintf(stderr, "velrtf-demo: could not create a document\n");
        return 1;
    }
    VelInsertText(doc, "velrtf writes Rich Text Format.\r\n");
    VelInsertRaw(doc, "{\\b Ready-made RTF} goes in unchanged.\\par\r\n");
    if (VelSaveFile(doc, path) != 1) {
        std::fprintf(stderr, "velrtf-demo: could not save %s\n", path);
        VelEndDoc(doc);
        return 1;
    }
    VelEndDoc(doc);
    std::printf("velrtf-demo: wrote %s\n", path);
    return 0;
}
