// Warm, in-process generation of whole documents: the second and later
// documents of one process, in MB of RTF per second, beside memcpy of as
// many bytes in the same run. The documents are the whole-process ones
// (workloads.h) and 8 MiB of plain prose in one VelInsertText; each is built
// through the shared library, as a host builds it. On a shared machine, run
// with repetitions and compare the min aggregates, the least disturbed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "velrtf.h"
#include "workloads.h"

namespace {

void BuildPlainText(HVELDOC doc)
{
    static const std::string text = [] {
        std::string t;
        while (t.size() < (8u << 20)) t += "The quick brown fox jumps over the lazy dog. ";
        return t;
    }();
    VelInsertText(doc, text.c_str());
}

using Builder = void (*)(HVELDOC);

// The RTF bytes a document holds once built (without the save's header).
int64_t RtfBytes(Builder build)
{
    HVELDOC doc = VelNewDoc();
    build(doc);
    int length = 0;
    HGLOBAL block = VelGetData(doc, &length);
    GlobalFree(block);
    VelEndDoc(doc);
    return length - 1;
}

void Generate(benchmark::State& state, Builder build)
{
    int64_t bytes = RtfBytes(build);
    for (auto _ : state) {
        HVELDOC doc = VelNewDoc();
        build(doc);
        VelEndDoc(doc);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["rtf_MB"] = static_cast<double>(bytes) / 1e6;
}

void GenerateAndSave(benchmark::State& state, Builder build)
{
    int64_t bytes = RtfBytes(build);
    for (auto _ : state) {
        HVELDOC doc = VelNewDoc();
        build(doc);
        int length = 0;
        HGLOBAL block = VelGetData(doc, &length);
        GlobalFree(block);
        VelEndDoc(doc);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

// memcpy of as many bytes as the document's RTF, between two buffers that
// stay allocated (and so warm) for the whole run.
void Memcpy(benchmark::State& state, Builder build)
{
    int64_t bytes = RtfBytes(build);
    std::vector<char> from(static_cast<size_t>(bytes), 'a'), to(static_cast<size_t>(bytes), 'b');
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

double Min(const std::vector<double>& v)
{
    return *std::min_element(v.begin(), v.end());
}

void Register()
{
    const struct {
        const char* name;
        Builder build;
    } kDocuments[] = {{"paragraphs", BuildParagraphs}, {"table", BuildTable}, {"plain_text", BuildPlainText}};
    for (const auto& document : kDocuments) {
        std::string name = document.name;
        benchmark::RegisterBenchmark(("Generate/" + name).c_str(), Generate, document.build)
            ->Unit(benchmark::kMillisecond)
            ->ComputeStatistics("min", Min);
        benchmark::RegisterBenchmark(("GenerateAndSaveToMemory/" + name).c_str(), GenerateAndSave, document.build)
            ->Unit(benchmark::kMillisecond)
            ->ComputeStatistics("min", Min);
        benchmark::RegisterBenchmark(("Memcpy/" + name).c_str(), Memcpy, document.build)
            ->Unit(benchmark::kMillisecond)
            ->ComputeStatistics("min", Min);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    Register();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
