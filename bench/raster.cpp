// Cost of the raster work a paint does most: a gradient over a whole button face and a
// full-surface fill, each next to a plain std::fill of the same number of pixels.

#include "button/render/gradient.h"
#include "button/render/primitives.h"
#include "platform/surface.h"

#include <algorithm>
#include <benchmark/benchmark.h>

namespace lumio {
namespace {

constexpr std::int32_t kWidth = 649;
constexpr std::int32_t kHeight = 25;

void BM_StdFillBaseline(benchmark::State& state) {
    Surface surface(kWidth, kHeight);
    Pixel value = 0xFF000000u;
    for (auto _ : state) {
        std::fill(surface.pixels(), surface.pixels() + kWidth * kHeight, ++value);
        benchmark::DoNotOptimize(surface.pixels());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_StdFillBaseline);

void BM_FillRectangleFullSurface(benchmark::State& state) {
    Surface surface(kWidth, kHeight);
    OleColor color = 0;
    for (auto _ : state) {
        FillRectangle(surface, ++color & 0xFFFFFF, Rect{0, 0, kWidth, kHeight});
        benchmark::DoNotOptimize(surface.pixels());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_FillRectangleFullSurface);

void BM_DrawGradient(benchmark::State& state) {
    const auto direction = static_cast<GradientDirection>(state.range(0));
    Surface surface(kWidth, kHeight);
    OleColor color = Rgb(10, 120, 200);
    for (auto _ : state) {
        DrawGradient(surface, 0, 0, kWidth, kHeight, color, Rgb(250, 240, 30), direction);
        color ^= 1;
        benchmark::DoNotOptimize(surface.pixels());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_DrawGradient)->ArgName("direction")->DenseRange(0, 3);

} // namespace
} // namespace lumio
