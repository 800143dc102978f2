// Writes every registered reader document into the folder given as the
// first argument.
#include <cstdio>
#include <string>
#include <vector>

#include "reader_docs.h"

namespace {

struct Entry {
    const char* name;
    BuildReaderDoc build;
};

std::vector<Entry>& Entries()
{
    static std::vector<Entry> entries;
    return entries;
}

}  // namespace

int RegisterReaderDoc(const char* name, BuildReaderDoc build)
{
    Entries().push_back({name, build});
    return 1;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s folder\n", argv[0]);
        return 2;
    }
    VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
    int failures = 0;
    for (const Entry& entry : Entries()) {
        HVELDOC doc = VelNewDoc();
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        VelResetLastMessage();
        entry.build(doc);
        char message[300];
        char caption[1000];
        if (VelGetLastMessage(message, caption) != 0) {
            std::fprintf(stderr, "%s: %s reported \"%s\"\n", entry.name, caption, message);
            failures++;
        }
        std::string path = std::string(argv[1]) + "/" + entry.name + ".rtf";
        if (VelSaveFile(doc, path.c_str()) != 1) {
            std::fprintf(stderr, "%s: could not save %s\n", entry.name, path.c_str());
            failures++;
        }
        VelEndDoc(doc);
    }
    return failures ? 1 : 0;
}
