// What chapters and the reading memory cost: finding the chapters while a 100 MB GBK
// novel is decoded, against the same decoding without; and one save of a full memory
// (500 books) to its file, read again, written whole and renamed into place.

#include "reader/reading_memory.h"

#include "novel.h"
#include "platform/cp936.h"
#include "platform/state_files.h"
#include "platform/utf.h"
#include "reader/document_text.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <vector>

namespace {

using namespace lumio;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kBlock = std::size_t{32} << 10; // as the loader feeds the text

double Milliseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// The processor time of this thread: on a busy machine the wall clock mostly measures
// the others.
double ThreadCpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Decodes the novel as a load does, block by block; returns the chapters found.
std::size_t Decode(const std::string& bytes, bool findChapters) {
    DocumentText document(bytes.size() + bytes.size() / 8);
    ChapterFinder finder;
    if (findChapters) {
        document.FindChapters(&finder);
    }
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t n = std::min(kBlock, bytes.size() - at);
        at += document.AppendBytes(Cp936TextDecoder(), std::string_view(bytes).substr(at, n),
                                   at + n == bytes.size());
    }
    benchmark::DoNotOptimize(document.Finish());
    return finder.chapters().size();
}

// The two decodings in turn, so both see the same machine; the medians of their
// processor times and their ratio.
void BM_ChapterFinding(benchmark::State& state) {
    const std::string novel = bench::GenerateNovel(bench::kNovelBytes);
    std::vector<double> with;
    std::vector<double> without;
    std::size_t chapters = 0;
    for (auto _ : state) {
        double start = ThreadCpuMilliseconds();
        Decode(novel, false);
        without.push_back(ThreadCpuMilliseconds() - start);
        start = ThreadCpuMilliseconds();
        chapters = Decode(novel, true);
        with.push_back(ThreadCpuMilliseconds() - start);
    }
    state.counters["chapters"] = static_cast<double>(chapters);
    state.counters["without_ms"] = Median(without);
    state.counters["with_ms"] = Median(with);
    state.counters["with_per_without"] = Median(with) / Median(without);
}
BENCHMARK(BM_ChapterFinding)->Iterations(15)->Unit(benchmark::kMillisecond);

std::vector<Place> FullMemory() {
    std::vector<Place> places;
    for (int i = 0; i < 500; ++i) {
        places.push_back(
            {u"/home/reader/小说/长篇小说-" + FromUtf8(std::to_string(i)) + u"-第一部.txt",
             i * 1000, 5'000'000});
    }
    return places;
}

// The same without the disk: reading 500 books' lines and writing them again.
void BM_ParseAndFormatFullMemory(benchmark::State& state) {
    const std::string bytes = FormatMemoryFile(FullMemory());
    for (auto _ : state) {
        MemoryFileContents read = ParseMemoryFile(bytes);
        PutFirst(read.places, read.places[250]);
        benchmark::DoNotOptimize(FormatMemoryFile(read.places));
    }
}
BENCHMARK(BM_ParseAndFormatFullMemory)->Unit(benchmark::kMicrosecond);

// One pause's save with 500 books remembered: read, parse, put first, format, write
// and rename.
void BM_SaveFullMemory(benchmark::State& state) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "lumio-bench-memory" / "lumio";
    std::filesystem::create_directories(dir);
    const std::u16string file = (dir / "reading-memory.txt").u16string();
    const std::vector<Place> places = FullMemory();
    std::string error;
    ReplaceWholeFile(file, FormatMemoryFile(places), error);
    FileMemoryStorage storage(file);
    std::int64_t now = 0;
    ReadingMemory memory({storage, [](std::u16string_view p) { return std::u16string(p); },
                          [&now] { return now; }, [](std::string_view) {}});
    memory.Resume(places[250].path, 5'000'000);
    std::int32_t position = 0;
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = Clock::now();
        memory.Keep(++position);
        const double ms = Milliseconds(start);
        times.push_back(ms);
        state.SetIterationTime(ms / 1e3);
    }
    state.counters["file_KB"] =
        static_cast<double>(std::filesystem::file_size(dir / "reading-memory.txt")) / 1024;
    state.counters["median_ms"] = Median(times);
    state.counters["writes"] = static_cast<double>(memory.writes());
    std::filesystem::remove_all(dir.parent_path());
}
BENCHMARK(BM_SaveFullMemory)->UseManualTime()->Iterations(51)->Unit(benchmark::kMillisecond);

} // namespace
