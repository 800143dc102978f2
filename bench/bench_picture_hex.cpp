// Picture data as hex: a 20 MB picture held in memory, in bytes of RTF per
// second, beside a plain C loop that hex-encodes the same bytes with CR LF
// every 51 bytes (the floor to measure against). The loop runs first; each
// later benchmark reports `of_c_loop`, its throughput over the loop's, both
// in processor time as Google Benchmark's own rates are. Every run writes
// into a new block (the loop) or a new document (the library), so both pay
// for the memory they fill.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <vector>

#include "core/document.h"
#include "core/writer.h"
#include "velrtf.h"

namespace {

constexpr int kWidth = 2500;
constexpr int kHeight = 2000;
constexpr int kPictureBytes = kWidth * kHeight * 4;  // 20 MB of 32-bit pixels

const std::vector<unsigned char>& PictureBytes()
{
    static const std::vector<unsigned char> bytes = [] {
        std::vector<unsigned char> b(kPictureBytes);
        std::mt19937 random(51);
        for (unsigned char& byte : b) byte = static_cast<unsigned char>(random() >> 24);
        return b;
    }();
    return bytes;
}

// Processor seconds since `start`.
double SecondsSince(std::clock_t start)
{
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

// The C loop's bytes per second, once it has run.
double cLoopRate = 0;

// Seconds and bytes of RTF, summed over a benchmark's runs.
struct Tally {
    double seconds = 0;
    int64_t bytes = 0;
    double Rate() const { return seconds > 0 ? static_cast<double>(bytes) / seconds : 0; }
};

void Report(benchmark::State& state, const Tally& tally)
{
    state.SetBytesProcessed(tally.bytes);
    if (cLoopRate > 0) state.counters["of_c_loop"] = tally.Rate() / cLoopRate;
}

size_t HexEncode(const unsigned char* in, size_t n, char* out)
{
    static const char digits[] = "0123456789abcdef";
    char* start = out;
    int column = 0;
    for (size_t i = 0; i < n; ++i) {
        *out++ = digits[in[i] >> 4];
        *out++ = digits[in[i] & 15];
        if (++column == 51) {
            *out++ = '\r';
            *out++ = '\n';
            column = 0;
        }
    }
    return static_cast<size_t>(out - start);
}

void HexCLoop(benchmark::State& state)
{
    const std::vector<unsigned char>& bytes = PictureBytes();
    size_t capacity = bytes.size() * 2 + (bytes.size() / 51 + 1) * 2;
    Tally tally;
    for (auto _ : state) {
        std::clock_t start = std::clock();
        auto* out = static_cast<char*>(std::malloc(capacity));
        size_t written = HexEncode(bytes.data(), bytes.size(), out);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
        std::free(out);
        tally.seconds += SecondsSince(start);
        tally.bytes += static_cast<int64_t>(written);
    }
    cLoopRate = tally.Rate();
    state.SetBytesProcessed(tally.bytes);
}
BENCHMARK(HexCLoop)->Unit(benchmark::kMillisecond)->MinTime(2);

int64_t RtfBytes(HVELDOC doc)
{
    return static_cast<int64_t>(doc->Stream->BodyLength) + doc->Stream->LineLength;
}

// The writer alone: PutHexBytes into a new document.
void HexPutHexBytes(benchmark::State& state)
{
    const std::vector<unsigned char>& bytes = PictureBytes();
    Tally tally;
    for (auto _ : state) {
        std::clock_t start = std::clock();
        HVELDOC doc = VelNewDoc();
        PutHexBytes(doc, bytes.data(), static_cast<int>(bytes.size()));
        int64_t written = RtfBytes(doc);
        VelEndDoc(doc);
        tally.seconds += SecondsSince(start);
        tally.bytes += written;
    }
    Report(state, tally);
}
BENCHMARK(HexPutHexBytes)->Unit(benchmark::kMillisecond)->MinTime(2);

// The whole call: a packed bitmap handed over with VelPastePicture (CF_DIB).
void PasteDibPicture(benchmark::State& state)
{
    const std::vector<unsigned char>& bits = PictureBytes();
    const unsigned char header[40] = {40, 0, 0, 0,
                                      kWidth & 0xFF, kWidth >> 8, 0, 0,
                                      kHeight & 0xFF, kHeight >> 8, 0, 0,
                                      1, 0, 32, 0};
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof header + bits.size());
    auto* dib = static_cast<unsigned char*>(GlobalLock(block));
    std::memcpy(dib, header, sizeof header);
    std::memcpy(dib + sizeof header, bits.data(), bits.size());
    GlobalUnlock(block);
    Tally tally;
    for (auto _ : state) {
        std::clock_t start = std::clock();
        HVELDOC doc = VelNewDoc();
        if (!VelPastePicture(doc, CF_DIB, block, 0, 0)) state.SkipWithError("VelPastePicture failed");
        int64_t written = RtfBytes(doc);
        VelEndDoc(doc);
        tally.seconds += SecondsSince(start);
        tally.bytes += written;
    }
    GlobalFree(block);
    Report(state, tally);
}
BENCHMARK(PasteDibPicture)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace

BENCHMARK_MAIN();
