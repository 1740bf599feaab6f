// The menu file's speed against plain zlib on the same pixels, and the
// window-shape string's speed per pixel. Prints, after the benchmarks, the
// ratios and whether each meets its target:
//   reading a menu       <= 1.2 x inflating its pixels (libdeflate, as the reader does)
//   writing a menu       <= 1.2 x deflating its pixels (level 9)
//   window-shape string  <= 10 ns per pixel
// and, for information, how much faster the read is than the same read
// inflating with zlib (the read's time with libdeflate's share replaced by
// zlib's): at best zlib's time over libdeflate's, as a read inflates too.
// The ratios are of processor time (the process's, page faults included), so
// that other work on a shared machine does not sway them; the table shows
// wall time beside it. Each read after the first finds the pixel blocks of
// the read before it freed and ready, as a program reading menu after menu
// does. Before the benchmarks, the menu is read once in the fresh process,
// and how far the process's peak resident size grew is printed last, beside
// the bytes of the pixels kept.
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <malloc.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "BenchPictures.h"
#include "forms/portable/Stream.h"
#include "shared/MenuBody.h"
#include "shared/mdlfilebin.h"
#include "tests/support/FakeDialogs.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Fixture {
    std::unique_ptr<TAQMenu> menu = bench::LargeMenu();
    Bytes file;
    std::vector<Bytes> rawFrames;         // pixel bytes of every stored picture, in file order
    std::vector<Bytes> compressedFrames;  // the same, deflated at level 9
    size_t largestFrame = 0;

    Fixture() {
        TMenuFile menuFile(qvfake::Host());
        menuFile.SetMnuStream(std::make_unique<forms::MemoryStream>());
        menuFile.ClearMnuError();
        if (!WriteMenuFile(menuFile, *menu, {})) std::fprintf(stderr, "writing the benchmark menu failed\n");
        file = dynamic_cast<forms::MemoryStream*>(menuFile.MnuStream())->Bytes();
        menuFile.SetMnuStream(nullptr);

        auto add = [this](const forms::Bitmap& pic) {
            const auto* p = reinterpret_cast<const uint8_t*>(pic.Data());
            rawFrames.emplace_back(p, p + pic.PixelCount() * 4);
            largestFrame = std::max(largestFrame, rawFrames.back().size());
        };
        for (int n = 0; n <= menu->BtnCount; ++n)
            for (int s = 0; s < kPicStates; ++s)
                for (int f = 0; f <= kMaxFrame && HasPic(menu->Buttons[n].Pics[s][f]); ++f)
                    add(*menu->Buttons[n].Pics[s][f]);
        for (const Bytes& raw : rawFrames) {
            uLongf size = compressBound(static_cast<uLong>(raw.size()));
            Bytes out(size);
            compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9);
            out.resize(size);
            compressedFrames.push_back(std::move(out));
        }
    }
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

void BM_MenuWrite(benchmark::State& state) {
    Fixture& d = Data();
    TMenuFile file(qvfake::Host());
    for (auto _ : state) {
        file.SetMnuStream(std::make_unique<forms::MemoryStream>());
        file.ClearMnuError();
        if (!WriteMenuFile(file, *d.menu, {})) state.SkipWithError("write failed");
        benchmark::DoNotOptimize(file.MnuStream()->Size());
        state.PauseTiming();
        file.SetMnuStream(nullptr);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(d.file.size()));
}

void BM_RawDeflate(benchmark::State& state) {
    Fixture& d = Data();
    Bytes out(compressBound(static_cast<uLong>(d.largestFrame)));
    for (auto _ : state) {
        for (const Bytes& raw : d.rawFrames) {
            uLongf size = static_cast<uLongf>(out.size());
            compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9);
            benchmark::DoNotOptimize(size);
        }
    }
}

void BM_MenuRead(benchmark::State& state) {
    Fixture& d = Data();
    TMenuFile file(qvfake::Host());
    for (auto _ : state) {
        state.PauseTiming();
        file.SetMnuStream(std::make_unique<forms::MemoryStream>(d.file));
        file.ClearMnuError();
        auto menu = std::make_unique<TAQMenu>();
        state.ResumeTiming();
        if (!file.ReadMnuHeader() || !ReadMenuBody(file, *menu, {})) state.SkipWithError("read failed");
        state.PauseTiming();
        menu.reset();
        file.SetMnuStream(nullptr);
        state.ResumeTiming();
    }
}

void BM_RawInflate(benchmark::State& state) {
    Fixture& d = Data();
    Bytes out(d.largestFrame);
    for (auto _ : state) {
        for (size_t i = 0; i < d.compressedFrames.size(); ++i) {
            uLongf size = static_cast<uLongf>(d.rawFrames[i].size());
            uncompress(out.data(), &size, d.compressedFrames[i].data(),
                       static_cast<uLong>(d.compressedFrames[i].size()));
            benchmark::DoNotOptimize(out.data());
        }
    }
}

void BM_RawLibdeflate(benchmark::State& state) {
    Fixture& d = Data();
    Bytes out(d.largestFrame);
    std::unique_ptr<libdeflate_decompressor, void (*)(libdeflate_decompressor*)> decompressor(
        libdeflate_alloc_decompressor(), libdeflate_free_decompressor);
    for (auto _ : state) {
        for (size_t i = 0; i < d.compressedFrames.size(); ++i) {
            if (libdeflate_zlib_decompress(decompressor.get(), d.compressedFrames[i].data(),
                                           d.compressedFrames[i].size(), out.data(), d.rawFrames[i].size(),
                                           nullptr) != LIBDEFLATE_SUCCESS) {
                state.SkipWithError("libdeflate failed");
            }
            benchmark::DoNotOptimize(out.data());
        }
    }
}

constexpr int kRegionTransIndex = 15;  // white

void BM_WinRgnString(benchmark::State& state) {
    const PicRef back = bench::ManyRunsBackground(0x00FFFFFF);
    size_t length = 0;
    for (auto _ : state) {
        const std::string text = MakeWinRgnString(*back, kRegionTransIndex);
        length = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["pixels"] = static_cast<double>(back->PixelCount());
    state.counters["chars"] = static_cast<double>(length);
}

BENCHMARK(BM_MenuWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RawDeflate)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MenuRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RawInflate)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RawLibdeflate)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WinRgnString)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps the seconds per iteration and the counters of every run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0 || run.error_occurred) continue;
            const std::string& name = run.run_name.function_name;
            seconds[name] = run.cpu_accumulated_time / static_cast<double>(run.iterations);
            for (const auto& [counter, value] : run.counters) counters[name + "/" + counter] = value.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;  // processor time
    std::map<std::string, double> counters;
};

bool PrintRatio(const char* what, double value, double limit, const char* unit) {
    const bool ok = value <= limit;
    std::printf("%-44s %8.3f %-8s (target <= %.2f)  %s\n", what, value, unit, limit, ok ? "met" : "MISSED");
    return ok;
}

// A figure of this process's /proc/self/status in bytes (0 when missing).
double StatusBytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == key + ":") {
            double kb = 0;
            status >> kb;
            return kb * 1024;
        }
    }
    return 0;
}

struct ReadMemory {
    double grown = 0;  // bytes
    double kept = 0;   // bytes
};

// Reads the menu once and measures how far the peak resident size grew
// beside the bytes of the decoded pixels the menu keeps: what lies beyond
// them is the read's scratch space, at most one picture's worth.
ReadMemory MeasureReadMemory() {
    Fixture& d = Data();
    TMenuFile file(qvfake::Host());
    file.SetMnuStream(std::make_unique<forms::MemoryStream>(d.file));
    file.ClearMnuError();
    auto menu = std::make_unique<TAQMenu>();
    malloc_trim(0);  // free heap pages of earlier work leave the resident size
    const double before = StatusBytes("VmRSS");
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from the present size
    if (!file.ReadMnuHeader() || !ReadMenuBody(file, *menu, {})) std::printf("reading the menu failed\n");
    ReadMemory m;
    m.grown = StatusBytes("VmHWM") - before;
    for (const TAQButton& b : menu->Buttons)
        for (int s = 0; s < kPicStates; ++s)
            for (const PicRef& pic : std::as_const(b.Pics)[s])
                if (pic) m.kept += static_cast<double>(pic->PixelCount()) * 4;
    return m;
}

void PrintReadMemory(const ReadMemory& m) {
    const double mb = 1024.0 * 1024.0;
    std::printf("%-44s %8.1f MB\n", "first read: peak resident growth", m.grown / mb);
    std::printf("%-44s %8.1f MB\n", "first read: decoded pixels kept", m.kept / mb);
    std::printf("%-44s %8.1f MB (largest picture %.1f MB)\n", "first read: beyond the pixels kept",
                (m.grown - m.kept) / mb, static_cast<double>(Data().largestFrame) / mb);
}

}  // namespace

int main(int argc, char** argv) {
    // Each benchmark runs for at least 2 seconds unless the command line
    // says otherwise (--benchmark_min_time=0.2 for a quick look).
    std::vector<char*> args(argv, argv + argc);
    bool minTimeGiven = false;
    for (char* arg : args) minTimeGiven |= std::string(arg).rfind("--benchmark_min_time", 0) == 0;
    char defaultMinTime[] = "--benchmark_min_time=2";
    if (!minTimeGiven) args.push_back(defaultMinTime);
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    const std::string filter = benchmark::GetBenchmarkFilter();
    const bool readRuns = filter.empty() || filter == "all" || std::regex_search("BM_MenuRead", std::regex(filter));
    const ReadMemory firstRead = readRuns ? MeasureReadMemory() : ReadMemory{};
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const auto& t = reporter.seconds;
    auto has = [&t](const char* a, const char* b) { return t.count(a) && t.count(b); };
    std::printf("\n");
    bool ok = true;
    if (has("BM_MenuRead", "BM_RawLibdeflate"))
        ok &= PrintRatio("menu read / raw inflate (libdeflate)", t.at("BM_MenuRead") / t.at("BM_RawLibdeflate"),
                         1.2, "x");
    if (has("BM_MenuRead", "BM_RawLibdeflate") && t.count("BM_RawInflate")) {
        const double withZlib = t.at("BM_MenuRead") - t.at("BM_RawLibdeflate") + t.at("BM_RawInflate");
        std::printf("%-44s %8.3f ms\n", "menu read inflating with zlib (derived)", withZlib * 1e3);
        std::printf("%-44s %8.3f x        (at most %.3f x here: zlib / libdeflate)\n",
                    "menu read with zlib / menu read", withZlib / t.at("BM_MenuRead"),
                    t.at("BM_RawInflate") / t.at("BM_RawLibdeflate"));
    }
    if (has("BM_MenuWrite", "BM_RawDeflate"))
        ok &= PrintRatio("menu write / raw deflate (level 9)", t.at("BM_MenuWrite") / t.at("BM_RawDeflate"), 1.2, "x");
    if (t.count("BM_WinRgnString") && reporter.counters["BM_WinRgnString/pixels"] > 0)
        ok &= PrintRatio("window-shape string per pixel",
                         t.at("BM_WinRgnString") * 1e9 / reporter.counters["BM_WinRgnString/pixels"], 10.0, "ns");
    if (readRuns) PrintReadMemory(firstRead);
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
