// Writes every registered reader document into the folder given as the
// first argument.
#include <cstdio>
#include <fstream>
#include <string>

#include "reader_docs.h"

std::string WriteBeside(const std::string& name, const std::string& bytes)
{
    std::string path = readerDocsFolder + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

int main(int argc, char** argv)
{
    if (argc < 2) return std::fprintf(stderr, "usage: %s folder\n", argv[0]), 2;
    VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
    readerDocsFolder = argv[1];
    int failures = 0;
    for (auto [name, build] : readerDocs) {
        HVELDOC doc = VelNewDoc();
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        VelResetLastMessage();
        build(doc);
        char message[300], caption[1000];
        std::string path = readerDocsFolder + "/" + name + ".rtf";
        if (VelGetLastMessage(message, caption) != 0) {
            failures++, std::fprintf(stderr, "%s: %s reported \"%s\"\n", name, caption, message);
        }
        if (VelSaveFile(doc, path.c_str()) != 1) {
            failures++, std::fprintf(stderr, "%s: could not save %s\n", name, path.c_str());
        }
        VelEndDoc(doc);
    }
    return failures ? 1 : 0;
}
