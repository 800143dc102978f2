#include "rtf_test.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>
#include <set>

std::string SavedRtf(HVELDOC doc)
{
    int length = 0;
    HGLOBAL block = VelGetData(doc, &length);
    if (!block) return "<failed>";
    std::string text(static_cast<size_t>(length), '\0');
    if (!VelHandleToStr(text.data(), length, block)) return "<failed>";
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

std::string Document(const std::string& body)
{
    return kHead + kPrologue + body + "}";
}

std::string LastMessage()
{
    char message[300];
    char caption[1000];
    int number = VelGetLastMessage(message, caption);
    return std::to_string(number) + " " + caption + ": " + message;
}

namespace {

// Scratch files belong to the process that names them: their names start
// with a number drawn once per process, so that test programs running side
// by side (ctest -j, other checkouts on the machine) never write each
// other's files; they are removed when the process ends.
std::string NewPrefix()
{
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "t%u-", static_cast<unsigned>(std::random_device{}()));
    return prefix;
}

struct ScratchFiles {
    std::mutex lock;
    std::string prefix = NewPrefix();
    std::set<std::string> paths;
    ~ScratchFiles()
    {
        for (const std::string& path : paths) std::remove(path.c_str());
    }
};

ScratchFiles& Scratch()
{
    static ScratchFiles files;
    return files;
}

}  // namespace

std::string TempPath(const std::string& name)
{
#ifdef _WIN32
    const char* dir = std::getenv("TEMP");
    std::string path = dir ? dir : ".";
    path += '\\';
#else
    const char* dir = std::getenv("TMPDIR");
    std::string path = dir ? dir : "/tmp";
    path += '/';
#endif
    ScratchFiles& scratch = Scratch();
    std::lock_guard<std::mutex> guard(scratch.lock);
    path += scratch.prefix;
    path += name;
    scratch.paths.insert(path);
    return path;
}

std::string ReadFileBytes(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return "<missing>";
    std::string bytes;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}
