// The writer's throughput, in bytes of RTF produced per second, and the
// save's, to memory and to a file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "core/document.h"
#include "core/writer.h"
#include "velrtf.h"

namespace {

constexpr int kTextBytes = 1 << 20;

std::string Repeat(const std::string& piece, size_t bytes)
{
    std::string text;
    while (text.size() < bytes) text += piece;
    return text;
}

int64_t RtfBytes(HVELDOC doc)
{
    return static_cast<int64_t>(doc->Stream->BodyLength) + doc->Stream->LineLength;
}

void RunText(benchmark::State& state, const std::string& text)
{
    int64_t produced = 0;
    for (auto _ : state) {
        HVELDOC doc = VelNewDoc();
        VelInsertText(doc, text.c_str());
        produced += RtfBytes(doc);
        VelEndDoc(doc);
    }
    state.SetBytesProcessed(produced);
}

void PlainText(benchmark::State& state)
{
    RunText(state, Repeat("The quick brown fox jumps over the lazy dog. ", kTextBytes));
}
BENCHMARK(PlainText)->Unit(benchmark::kMillisecond);

void ParagraphText(benchmark::State& state)
{
    RunText(state, Repeat("A short paragraph of plain prose, ended by a mark.\r\n", kTextBytes));
}
BENCHMARK(ParagraphText)->Unit(benchmark::kMillisecond);

void EscapedText(benchmark::State& state)
{
    RunText(state, Repeat("{caf\xE9} \\ na\xEFve\t\xA9 }{", kTextBytes));
}
BENCHMARK(EscapedText)->Unit(benchmark::kMillisecond);

void ControlWords(benchmark::State& state)
{
    int64_t produced = 0;
    for (auto _ : state) {
        HVELDOC doc = VelNewDoc();
        for (int i = 0; i < 100000; ++i) {
            PutControlWord(doc, "cellx", PARAM_INT, 1000 + i);
            PutControlWord(doc, "clvertalt", PARAM_NONE, 0);
        }
        produced += RtfBytes(doc);
        VelEndDoc(doc);
    }
    state.SetBytesProcessed(produced);
}
BENCHMARK(ControlWords)->Unit(benchmark::kMillisecond);

void HexBytes(benchmark::State& state)
{
    int64_t produced = 0;
    for (auto _ : state) {
        HVELDOC doc = VelNewDoc();
        for (int i = 0; i < kTextBytes / 2; ++i) PutHexByte(doc, static_cast<unsigned char>(i));
        produced += RtfBytes(doc);
        VelEndDoc(doc);
    }
    state.SetBytesProcessed(produced);
}
BENCHMARK(HexBytes)->Unit(benchmark::kMillisecond);

HVELDOC LargeDocument()
{
    HVELDOC doc = VelNewDoc();
    std::string text = Repeat("A line of a large document, to be saved.\r\n", 16 << 20);
    VelInsertText(doc, text.c_str());
    return doc;
}

void SaveToMemory(benchmark::State& state)
{
    HVELDOC doc = LargeDocument();
    int64_t saved = 0;
    for (auto _ : state) {
        int length = 0;
        HGLOBAL block = VelGetData(doc, &length);
        saved += length;
        GlobalFree(block);
    }
    state.SetBytesProcessed(saved);
    VelEndDoc(doc);
}
BENCHMARK(SaveToMemory)->Unit(benchmark::kMillisecond);

// Timed by the clock on the wall: most of a file save is the wait for the
// disk, which the flush to stable storage makes part of every save.
void SaveToFile(benchmark::State& state)
{
    HVELDOC doc = LargeDocument();
    const char* path = "velrtf-bench-save.rtf";
    int64_t saved = 0;
    for (auto _ : state) {
        VelSaveFile(doc, path);
        saved += RtfBytes(doc);
    }
    state.SetBytesProcessed(saved);
    std::remove(path);
    VelEndDoc(doc);
}
BENCHMARK(SaveToFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
