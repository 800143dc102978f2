// The example host: writes a document that shows what velrtf can do, and
// saves it as out/velrtf-demo.rtf (or at the path given as the argument).
// Its pictures are read from the folder pictures/ beside that path.
#include <cstdio>
#include <string>

#include "demo.h"

int main(int argc, char** argv)
{
    const char* path = argc > 1 ? argv[1] : "velrtf-demo.rtf";
    std::string folder = path;
    folder = folder.substr(0, folder.find_last_of("/\\") + 1) + "pictures";  // npos + 1 is 0: no folder
    HVELDOC doc = VelNewDoc();
    if (!doc) {
        std::fprintf(stderr, "velrtf-demo: could not create a document\n");
        return 1;
    }
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    VelResetLastMessage();

    DemoStyles(doc);
    DemoPageSetup(doc);
    DemoHeadersFooters(doc);
    DemoIntroduction(doc);
    DemoLetter(doc);
    DemoTables(doc);
    DemoReport(doc);
    DemoLandscapeColumns(doc);
    DemoObjects(doc);
    DemoPictures(doc, folder);

    char message[300];
    char caption[1000];
    if (VelGetLastMessage(message, caption) != 0) {
        std::fprintf(stderr, "velrtf-demo: %s reported \"%s\"\n", caption, message);
        VelEndDoc(doc);
        return 1;
    }
    if (VelSaveFile(doc, path) != 1) {
        std::fprintf(stderr, "velrtf-demo: could not save %s\n", path);
        VelEndDoc(doc);
        return 1;
    }
    VelEndDoc(doc);
    std::printf("velrtf-demo: wrote %s\n", path);
    return 0;
}
