// Large tables: rows per second, megabytes of RTF per second, and the memory
// a table of 100,000 rows holds. Rows are written as they end, so a document
// holds its RTF and the declarations of the rows open, never a record per
// row: `held_MB` (the body's capacity plus every open row's cells) stays
// next to `rtf_MB`, and the peak resident size of the process (`peak_rss_MB`,
// read from /proc on Linux) follows the RTF.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "core/document.h"
#include "velrtf.h"

namespace {

constexpr int kRows = 100000;

int64_t RtfBytes(HVELDOC doc)
{
    return static_cast<int64_t>(doc->Stream->BodyLength) + doc->Stream->LineLength;
}

// The bytes the document holds for its RTF and its open rows' cells.
int64_t HeldBytes(HVELDOC doc)
{
    int64_t held = doc->Stream->BodyCapacity;
    for (const RowLevel& level : doc->RowLevels) {
        if (level.Cells) held += static_cast<int64_t>(level.CellCount) * static_cast<int64_t>(sizeof(CellInfo));
    }
    return held;
}

// The peak resident size of the process in bytes (0 where /proc is missing).
double PeakResidentBytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

// One invoice line: four bordered cells, the amount right-aligned.
void InvoiceRow(HVELDOC doc, int n)
{
    static const int kWidths[] = {1200, 4000, 1400, 1800};
    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    for (int width : kWidths) VelNextCellInfo2(doc, width, CELL_VALIGN_CENTER, 0, 0xFFFFFF, 10, 10, 10, 10, 0x808080, 0);
    std::string number = std::to_string(n);
    const std::string texts[] = {number, "Item number " + number + ", in stock", std::to_string(n % 17 + 1),
                                 std::to_string(n % 1000) + ".00"};
    for (int i = 0; i < 4; ++i) {
        VelBeginCellText(doc);
        if (i == 3) VelParaFlags(doc, PARA_RIGHT);
        VelInsertText(doc, texts[i].c_str());
        VelEndCellText(doc);
    }
    VelEndTableRow(doc);
}

// One outer row of two cells; the second holds a nested row of three cells.
void NestedRow(HVELDOC doc, int n)
{
    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    VelNextCellInfo(doc, 2000, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0);
    VelNextCellInfo(doc, 6000, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0);
    VelBeginCellText(doc);
    VelInsertText(doc, std::to_string(n).c_str());
    VelEndCellText(doc);
    VelBeginCellText(doc);
    VelBeginTableRow(doc, 0, 0, 0, 0, 108);
    for (int i = 0; i < 3; ++i) VelNextCellInfo(doc, 1800, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0);
    for (int i = 0; i < 3; ++i) {
        VelBeginCellText(doc);
        VelInsertText(doc, "inner");
        VelEndCellText(doc);
    }
    VelEndTableRow(doc);
    VelEndCellText(doc);
    VelEndTableRow(doc);
}

void RunTable(benchmark::State& state, void (*row)(HVELDOC, int))
{
    int64_t produced = 0;
    int64_t held = 0;
    int64_t rtf = 0;
    for (auto _ : state) {
        HVELDOC doc = VelNewDoc();
        VelBeginSectText(doc);
        for (int n = 0; n < kRows; ++n) row(doc, n);
        rtf = RtfBytes(doc);
        held = HeldBytes(doc);
        produced += rtf;
        VelEndDoc(doc);
    }
    state.SetItemsProcessed(state.iterations() * kRows);  // rows per second
    state.SetBytesProcessed(produced);
    state.counters["rtf_MB"] = static_cast<double>(rtf) / 1e6;
    state.counters["held_MB"] = static_cast<double>(held) / 1e6;
    state.counters["peak_rss_MB"] = PeakResidentBytes() / 1e6;
}

void InvoiceTable(benchmark::State& state)
{
    RunTable(state, InvoiceRow);
}
BENCHMARK(InvoiceTable)->Unit(benchmark::kMillisecond);

void NestedTables(benchmark::State& state)
{
    RunTable(state, NestedRow);
}
BENCHMARK(NestedTables)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
