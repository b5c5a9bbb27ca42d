// One tick of timed reading near the start and deep inside the 100 MB novel. At 1,000
// and at 50,000,000 the view is a full 200 characters, so the two cost the same work
// and must take the same time (a tick does not depend on where it reads).

#include "novel.h"
#include "platform/posix_file_source.h"
#include "platform/utf.h"
#include "reader/main_msg.h"

#include <benchmark/benchmark.h>

namespace {

using namespace lumio;

// Controls that do what real ones must at least do: keep the text they are given.
class CopyingViewer : public Viewer {
public:
    void SetText(std::u16string_view text) override { text_.assign(text); }
    void SetSelStart(std::int32_t start) override { benchmark::DoNotOptimize(start); }
    void SetSelLength(std::int32_t length) override { benchmark::DoNotOptimize(length); }
    void SetSelColor(std::uint32_t color) override { benchmark::DoNotOptimize(color); }

private:
    std::u16string text_;
};

class PlainTimer : public Timer {
public:
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    void SetInterval(std::int32_t) override {}

private:
    bool enabled_ = false;
};

class FixedSlider : public Slider {
public:
    std::int32_t Value() const override { return 0; }
};

class NoDialog : public OpenDialog {
public:
    void SetFilter(std::u16string_view) override {}
    bool ShowOpen() override { return false; }
    std::u16string FileName() const override { return {}; }
};

class SilentMessageBox : public MessageBox {
public:
    void Show(std::u16string_view, int, std::u16string_view) override { shown = true; }
    bool shown = false;
};

struct Reader {
    CopyingViewer viewer;
    PlainTimer timer;
    FixedSlider slider;
    NoDialog dialog;
    SilentMessageBox messageBox;
    PosixFileSource files;
    MainMsg window{{viewer, timer, slider, slider, dialog, messageBox, files}};

    Reader() { window.OpenTxt(PathFromNative(bench::NovelPath())); }
};

Reader& SharedReader() {
    static Reader reader;
    return reader;
}

void BM_Tick(benchmark::State& state) {
    Reader& reader = SharedReader();
    const auto position = static_cast<std::int32_t>(state.range(0));
    if (reader.messageBox.shown || reader.window.txt2().size() < std::size_t(position) + 201) {
        state.SkipWithError("the novel did not load or is too short");
        return;
    }
    for (auto _ : state) {
        reader.window.SetReadPos(position);
        reader.window.trm1_Timer();
        benchmark::DoNotOptimize(reader.window.txt1().data());
    }
    if (reader.window.txt1().empty()) {
        state.SkipWithError("the view was empty");
    }
    state.counters["view_chars"] = static_cast<double>(reader.window.txt1().size());
    state.counters["doc_chars_M"] = static_cast<double>(reader.window.txt2().size()) / 1e6;
}
BENCHMARK(BM_Tick)->Arg(1'000)->Arg(50'000'000)->Arg(10)->Arg(250);

} // namespace
