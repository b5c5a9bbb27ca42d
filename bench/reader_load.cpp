// Loading a 100 MB GBK novel: time against the iconv command on the same file, and the
// peak memory the load adds.

#include "novel.h"
#include "platform/posix_file_source.h"
#include "platform/utf.h"
#include "reader/document_loader.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace lumio;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

std::size_t LoadOnce(const std::string& path) {
    PosixFileSource files;
    const LoadedDocument loaded = LoadDocument(files, PathFromNative(path));
    if (loaded.error) {
        return 0;
    }
    return loaded.text.size();
}

// Runs `iconv -f CP936 -t UTF-16LE path` with its output thrown away; false on failure.
bool RunIconv(const std::string& path) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execlp("iconv", "iconv", "-f", "CP936", "-t", "UTF-16LE", path.c_str(),
               static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_LoadAgainstIconv(benchmark::State& state) {
    const std::string path = bench::NovelPath();
    const auto bytes = static_cast<double>(std::filesystem::file_size(path));
    LoadOnce(path); // warm the page cache for both sides
    double loadTotal = 0;
    double iconvTotal = 0;
    std::size_t characters = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        characters = LoadOnce(path);
        const double load = Seconds(start);
        start = Clock::now();
        if (!RunIconv(path)) {
            state.SkipWithError("the iconv command failed");
            return;
        }
        const double iconv = Seconds(start);
        state.SetIterationTime(load);
        loadTotal += load;
        iconvTotal += iconv;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["file_MB"] = bytes / (1 << 20);
    state.counters["chars_M"] = static_cast<double>(characters) / 1e6;
    state.counters["load_ms"] = loadTotal / n * 1e3;
    state.counters["iconv_ms"] = iconvTotal / n * 1e3;
    state.counters["load_per_iconv"] = loadTotal / iconvTotal;
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}
BENCHMARK(BM_LoadAgainstIconv)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// The load runs in a child process so its peak resident size is its own.
void BM_LoadPeakMemory(benchmark::State& state) {
    const std::string path = bench::NovelPath();
    const auto bytes = static_cast<double>(std::filesystem::file_size(path));
    double peakGrowth = 0;
    for (auto _ : state) {
        int channel[2];
        if (pipe(channel) != 0) {
            state.SkipWithError("pipe failed");
            return;
        }
        const pid_t pid = fork();
        if (pid == 0) {
            rusage before{};
            getrusage(RUSAGE_SELF, &before);
            const std::size_t characters = LoadOnce(path);
            rusage after{};
            getrusage(RUSAGE_SELF, &after);
            const long growthKb = characters > 0 ? after.ru_maxrss - before.ru_maxrss : -1;
            [[maybe_unused]] const auto written = write(channel[1], &growthKb, sizeof growthKb);
            _exit(0);
        }
        close(channel[1]);
        long growthKb = -1;
        if (read(channel[0], &growthKb, sizeof growthKb) != sizeof growthKb || growthKb < 0) {
            state.SkipWithError("the load in the child failed");
        }
        close(channel[0]);
        waitpid(pid, nullptr, 0);
        peakGrowth = static_cast<double>(growthKb) * 1024;
    }
    state.counters["file_MB"] = bytes / (1 << 20);
    state.counters["peak_MB"] = peakGrowth / (1 << 20);
    state.counters["peak_per_file"] = peakGrowth / bytes;
}
BENCHMARK(BM_LoadPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
