// The whole path of a 20 MB JPEG file: VelInsertPictFile, then VelSaveFile
// to a file. In a program of its own, so that the peak resident size of the
// process (`peak_rss_MB`, read from /proc on Linux) is this path's. The
// file is written in pieces, so the program never holds it whole; the aim is
// a peak within the RTF (`rtf_MB`) plus the file (`file_MB`) plus 10 MB,
// given as `aim_MB`. `start_rss_MB` is the process before the first run,
// `held_MB` the capacity of the document's body.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/document.h"
#include "velrtf.h"

namespace {

constexpr int64_t kFileBytes = 20000000;

// The resident size of the process now (`VmRSS:`) or at its peak
// (`VmHWM:`), in bytes; 0 where /proc is missing.
double ResidentBytes(const char* which)
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == which) {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

std::string ScratchPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

// A JFIF file of kFileBytes: its start, pseudo-random data, the end marker.
bool WriteJpeg(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    static const unsigned char kStart[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00};
    bool ok = std::fwrite(kStart, 1, sizeof kStart, file) == sizeof kStart;
    std::vector<unsigned char> piece(1 << 16);
    uint32_t state = 20;
    for (int64_t left = kFileBytes - sizeof kStart - 2; ok && left > 0;) {
        size_t n = left < static_cast<int64_t>(piece.size()) ? static_cast<size_t>(left) : piece.size();
        for (size_t i = 0; i < n; ++i) {
            state = state * 1664525u + 1013904223u;
            piece[i] = static_cast<unsigned char>(state >> 24);
        }
        ok = std::fwrite(piece.data(), 1, n, file) == n;
        left -= static_cast<int64_t>(n);
    }
    static const unsigned char kEnd[] = {0xFF, 0xD9};
    ok = ok && std::fwrite(kEnd, 1, sizeof kEnd, file) == sizeof kEnd;
    return std::fclose(file) == 0 && ok;
}

void JpegFileToRtfFile(benchmark::State& state)
{
    static const double startRss = ResidentBytes("VmRSS:");  // before the first run
    std::string jpeg = ScratchPath("velrtf-bench-picture.jpg");
    std::string rtf = ScratchPath("velrtf-bench-picture.rtf");
    if (!WriteJpeg(jpeg)) {
        state.SkipWithError("cannot write the JPEG file");
        return;
    }
    double held = 0;
    for (auto _ : state) {
        HVELDOC doc = VelNewDoc();
        int inserted = VelInsertPictFile(doc, jpeg.c_str(), 0, 0, 0);
        int saved = static_cast<int>(VelSaveFile(doc, rtf.c_str()));
        held = doc->Stream->BodyCapacity;
        VelEndDoc(doc);
        if (!inserted || !saved) {
            state.SkipWithError("VelInsertPictFile or VelSaveFile failed");
            break;
        }
    }
    double rtfBytes = static_cast<double>(std::filesystem::file_size(rtf));
    state.SetBytesProcessed(static_cast<int64_t>(rtfBytes) * state.iterations());
    state.counters["file_MB"] = static_cast<double>(kFileBytes) / 1e6;
    state.counters["rtf_MB"] = rtfBytes / 1e6;
    state.counters["held_MB"] = held / 1e6;
    state.counters["start_rss_MB"] = startRss / 1e6;
    state.counters["peak_rss_MB"] = ResidentBytes("VmHWM:") / 1e6;
    state.counters["aim_MB"] = (rtfBytes + static_cast<double>(kFileBytes)) / 1e6 + 10;
    std::remove(jpeg.c_str());
    std::remove(rtf.c_str());
}
BENCHMARK(JpegFileToRtfFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
