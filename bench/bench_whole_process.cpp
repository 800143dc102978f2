// Whole-process time of the two documents (workloads.h), each built and
// saved to a file by a host process (velrtf_whole_host), against the floor:
// a plain C program that writes the same RTF bytes from memory to a file
// (velrtf_whole_floor). Each iteration runs, one after the other, the floor
// three ways and then the host, so that all meet the same load:
//   floor          the bytes read into fresh memory, then one write;
//   floor_durable  the same, written the way a durable save writes (a
//                  temporary file flushed to stable storage, renamed over
//                  the target, the folder flushed), as velrtf's save does;
//   floor_mapped   one write straight from a mapping of the bytes: no fresh
//                  memory at all, the least a process can do.
// and then the host twice: as it is, and with fsync made a no-op by a
// preloaded shim (host_nofsync), so that the flush to stable storage that
// every velrtf save takes can be told apart. The time reported is the
// host's wall-clock time; the counters give each program's wall-clock time
// (_ms), processor time (user and system, _cpu_ms) and peak resident size
// (_peak_MB), and the ratios: x_floor_durable (host / floor_durable) and
// x_floor_nofsync (host_nofsync / floor) compare like with like; x_floor and
// x_floor_mapped set the host against the plain and the mapped floor.
//
// The start-up benchmarks time the pieces every host pays: a C program that
// does nothing (the floor on an empty file), fontconfig's start-up with one
// family listed (velrtf_fontconfig_start), a host that saves an empty
// document, and one that names one font first (the first font lookup).
//
// The files go to the folder in VELRTF_BENCH_DIR, else the current folder.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string ProgramFolder()
{
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    std::string exe(path, static_cast<size_t>(n));
    return exe.substr(0, exe.rfind('/'));
}

std::string Program(const char* name)
{
    return ProgramFolder() + "/" + name;
}

std::string OutputFile(const std::string& name)
{
    const char* dir = std::getenv("VELRTF_BENCH_DIR");
    return std::string(dir && dir[0] ? dir : ".") + "/velrtf-whole-" + name;
}

struct Outcome {
    double ms;      // wall clock, from start to exit
    double cpuMs;   // user and system time
    double peakMB;  // as the program printed it
};

// Runs a program to its end, with `preload` in LD_PRELOAD when given.
Outcome Run(std::vector<std::string> args, const std::string& preload = "")
{
    std::vector<std::string> settings;
    for (char** e = environ; *e; ++e) settings.emplace_back(*e);
    if (!preload.empty()) settings.push_back("LD_PRELOAD=" + preload);
    std::vector<char*> envp;
    for (std::string& setting : settings) envp.push_back(setting.data());
    envp.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        throw std::runtime_error("cannot start " + args[0]);
    }
    std::string printed;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) printed.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(args[0] + " failed");
    long kb = 0;
    std::sscanf(printed.c_str(), "peak_kb %ld", &kb);
    auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; };
    return {std::chrono::duration<double, std::milli>(end - start).count(), ms(usage.ru_utime) + ms(usage.ru_stime),
            static_cast<double>(kb) * 1024 / 1e6};
}

double Min(const std::vector<double>& v)
{
    return *std::min_element(v.begin(), v.end());
}

void Report(benchmark::State& state, const std::string& name, const Outcome& outcome)
{
    state.counters[name + "_ms"] = outcome.ms;
    state.counters[name + "_cpu_ms"] = outcome.cpuMs;
    state.counters[name + "_peak_MB"] = outcome.peakMB;
}

void WholeProcess(benchmark::State& state, const char* document)
{
    std::string ref = OutputFile(std::string(document) + "-ref.rtf");
    std::string hostOut = OutputFile(std::string(document) + "-host.rtf");
    std::string floorOut = OutputFile(std::string(document) + "-floor.rtf");
    std::string host = Program("velrtf_whole_host"), floor = Program("velrtf_whole_floor");
    std::string nofsync = ProgramFolder() + "/../lib/libvelrtf_bench_nofsync.so";
    Run({host, document, ref});  // the bytes the floor writes
    std::map<std::string, Outcome> last;
    for (auto _ : state) {
        last["floor"] = Run({floor, "--peak", ref, floorOut});
        last["floor_durable"] = Run({floor, "--durable", "--peak", ref, floorOut});
        last["floor_mapped"] = Run({floor, "--mapped", "--peak", ref, floorOut});
        last["host"] = Run({host, "--peak", document, hostOut});
        last["host_nofsync"] = Run({host, "--peak", document, hostOut}, nofsync);
        state.SetIterationTime(last["host"].ms / 1e3);
    }
    for (const auto& [name, outcome] : last) Report(state, name, outcome);
    state.counters["x_floor_durable"] = last["host"].ms / last["floor_durable"].ms;
    state.counters["x_floor_nofsync"] = last["host_nofsync"].ms / last["floor"].ms;
    state.counters["x_floor"] = last["host"].ms / last["floor"].ms;
    state.counters["x_floor_mapped"] = last["host"].ms / last["floor_mapped"].ms;
    std::remove(ref.c_str());
    std::remove(hostOut.c_str());
    std::remove(floorOut.c_str());
}

void StartUp(benchmark::State& state, std::vector<std::string> args)
{
    std::string empty = OutputFile("empty.ref");
    if (FILE* file = std::fopen(empty.c_str(), "w")) std::fclose(file);
    for (std::string& arg : args) {
        if (arg == "EMPTY") arg = empty;
        if (arg == "OUT") arg = OutputFile("startup.rtf");
    }
    Outcome outcome{};
    for (auto _ : state) {
        outcome = Run(args);
        state.SetIterationTime(outcome.ms / 1e3);
    }
    Report(state, "process", outcome);
    std::remove(empty.c_str());
    std::remove(OutputFile("startup.rtf").c_str());
}

template <typename... Args>
void Register(const std::string& name, Args&&... args)
{
    benchmark::RegisterBenchmark(name.c_str(), std::forward<Args>(args)...)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(15)
        ->ComputeStatistics("min", Min)
        ->ReportAggregatesOnly(true);
}

void RegisterAll()
{
    for (const char* document : {"paragraphs", "table"}) {
        Register(std::string("WholeProcess/") + document, WholeProcess, document);
    }
    std::string host = Program("velrtf_whole_host");
    Register("StartUp/c_program", StartUp, std::vector<std::string>{Program("velrtf_whole_floor"), "--peak", "EMPTY", "OUT"});
    if (access(Program("velrtf_fontconfig_start").c_str(), X_OK) == 0) {
        Register("StartUp/fontconfig", StartUp, std::vector<std::string>{Program("velrtf_fontconfig_start"), "--peak"});
    }
    Register("StartUp/host_empty_document", StartUp, std::vector<std::string>{host, "--peak", "empty", "OUT"});
    Register("StartUp/host_one_font", StartUp, std::vector<std::string>{host, "--peak", "font", "OUT"});
}

}  // namespace

int main(int argc, char** argv)
{
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
