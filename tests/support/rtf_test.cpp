#include "rtf_test.h"

#include <cstdio>
#include <cstdlib>

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

std::string TempPath(const std::string& name)
{
#ifdef _WIN32
    const char* dir = std::getenv("TEMP");
    std::string base = dir ? dir : ".";
    return base + "\\" + name;
#else
    const char* dir = std::getenv("TMPDIR");
    std::string base = dir ? dir : "/tmp";
    return base + "/" + name;
#endif
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
