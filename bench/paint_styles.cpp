// The cost of a whole PaintButton per look, in plain fills of the same surface measured
// in the same run: the counter "fills" is (time per paint) / (time per fill). Each
// style is painted at 75 x 23 in its three states with a caption; style 7, the reader
// window's wide look, also at 649 x 25. A look should stay under 40 fills.
#include "button/offscreen_host.h"
#include "button/qxbutton.h"
#include "platform/bitmap_font.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <limits>

namespace lumio {
namespace {

using Clock = std::chrono::steady_clock;

struct Button {
    BitmapFontPainter font;
    OffscreenHost host;
    QxButton button{host};
    Button(std::int32_t w, std::int32_t h, std::int32_t style)
        : host(static_cast<float>(w) * 15.0f, static_cast<float>(h) * 15.0f, font) {
        host.Attach(&button);
        button.Initialize();
        button.InitProperties();
        button.SetButtonStyle(style);
        button.SetCaption(u"&Open");
        button.model().mParentActive = true;
    }
};

// Nanoseconds per plain fill of the surface: the quickest of several batches, so that
// a busy moment of a shared machine does not make the looks seem cheap.
double NanosecondsPerFill(Surface& surface) {
    constexpr int kBatches = 5;
    constexpr int kFills = 1000;
    double best = std::numeric_limits<double>::max();
    for (int batch = 0; batch < kBatches; ++batch) {
        const auto start = Clock::now();
        for (int i = 0; i < kFills; ++i) {
            surface.Clear();
            benchmark::DoNotOptimize(surface.pixels());
            benchmark::ClobberMemory();
        }
        const std::chrono::duration<double, std::nano> took = Clock::now() - start;
        best = std::min(best, took.count() / kFills);
    }
    return best;
}

void PaintStyle(benchmark::State& state, std::int32_t w, std::int32_t h) {
    const auto style = static_cast<std::int32_t>(state.range(0));
    const auto look = static_cast<std::int32_t>(state.range(1));
    Button b(w, h, style);
    const double fill = NanosecondsPerFill(b.host.surface());

    const auto start = Clock::now();
    for (auto _ : state) {
        b.button.model().mState = look;
        b.button.PaintButton();
        benchmark::DoNotOptimize(b.host.surface().pixels());
        benchmark::ClobberMemory();
    }
    const std::chrono::duration<double, std::nano> took = Clock::now() - start;
    const double paint = took.count() / static_cast<double>(state.iterations());
    state.counters["fills"] = paint / fill;
    state.counters["fill_ns"] = fill;
}

void BM_PaintStyle(benchmark::State& state) {
    PaintStyle(state, 75, 23);
}
BENCHMARK(BM_PaintStyle)
    ->ArgNames({"style", "state"})
    ->ArgsProduct({benchmark::CreateDenseRange(0, 16, 1), {0, 1, 2}});

void BM_PaintWideAmberBands(benchmark::State& state) {
    PaintStyle(state, 649, 25);
}
BENCHMARK(BM_PaintWideAmberBands)->ArgNames({"style", "state"})->ArgsProduct({{7}, {0, 1, 2}});

} // namespace
} // namespace lumio
