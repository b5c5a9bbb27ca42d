// Cost of the parts of a button paint that are not a look: clearing, measuring, the
// picture and caption (DrawContent with the built-in font), next to one plain fill of
// the same surface. Also loading the reader window's form and its eight buttons.
#include "button/offscreen_host.h"
#include "button/qxbutton.h"
#include "platform/bitmap_font.h"
#include "reader/main_msg_form.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace lumio {
namespace {

struct Bench {
    BitmapFontPainter font;
    OffscreenHost host;
    QxButton button{host};
    Bench(std::int32_t w, std::int32_t h) : host(w * 15.0f, h * 15.0f, font) {
        host.Attach(&button);
        button.Initialize();
        button.InitProperties();
        button.SetButtonStyle(16); // no look: only the pipeline itself
        button.SetCaption(u"&Open");
    }
};

void BM_PlainFill(benchmark::State& state) {
    Bench b(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)));
    for (auto _ : state) {
        b.host.surface().Clear();
        benchmark::DoNotOptimize(b.host.surface().pixels());
    }
}
BENCHMARK(BM_PlainFill)->Args({75, 23})->Args({649, 25});

void BM_PaintPipelineCaption(benchmark::State& state) {
    Bench b(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)));
    for (auto _ : state) {
        b.button.PaintButton();
        benchmark::DoNotOptimize(b.host.surface().pixels());
    }
}
BENCHMARK(BM_PaintPipelineCaption)->Args({75, 23})->Args({649, 25});

void BM_PaintPipelinePictureAndCaption(benchmark::State& state) {
    Bench b(75, 23);
    b.button.SetPicture(std::make_shared<const Picture>(
        Picture::FromBitmap(Bitmap(16, 16, PixelFromRrggbb(0x336699)))));
    for (auto _ : state) {
        b.button.PaintButton();
        benchmark::DoNotOptimize(b.host.surface().pixels());
    }
}
BENCHMARK(BM_PaintPipelinePictureAndCaption);

void BM_LoadFormAndButtons(benchmark::State& state) {
    const BitmapFontPainter font;
    for (auto _ : state) {
        const Form form = LoadMainMsgForm();
        for (const FormControl& c : form.controls) {
            if (!c.properties) {
                continue;
            }
            OffscreenHost host(static_cast<float>(c.Width()), static_cast<float>(c.Height()), font);
            QxButton button(host);
            host.Attach(&button);
            button.Initialize();
            button.ReadProperties(*c.properties);
            benchmark::DoNotOptimize(button.model().mWidth);
        }
    }
}
BENCHMARK(BM_LoadFormAndButtons);

} // namespace
} // namespace lumio
