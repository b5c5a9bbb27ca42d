// The viewer's menu on a novel of 5,000 chapters: from the right click to the chapter
// list on the screen, painted (the menu built, shown, its list opened and drawn).

#include "qt/qt_viewer_menu.h"

#include "platform/utf.h"
#include "qt/font_mapping.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

using namespace lumio;

constexpr std::size_t kChapters = 5000;

// Notes the first paint of a widget.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_qt_viewer_menu";
    static char* argv[] = {name, nullptr};
    if (std::getenv("DISPLAY") == nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication app(argc, argv);
    return app;
}

void BM_MenuWithFiveThousandChapters(benchmark::State& state) {
    App();
    ViewerMenuModel model;
    for (std::size_t i = 0; i < kChapters; ++i) {
        model.chapters.push_back(u"第" + FromUtf8(std::to_string(i + 1)) + u"章 风起云涌之时");
    }
    model.currentChapter = kChapters / 2;
    model.rememberEnabled = model.rememberChecked = true;
    const QFont font = QtFontFor(FontAttributes{u"微软雅黑", 9, 400, 134});
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const auto menu = BuildViewerMenu(model, font, nullptr);
        menu->popup(QPoint(100, 100));
        QMenu* chapters = menu->actions()[0]->menu();
        PaintWatch watch;
        chapters->installEventFilter(&watch);
        chapters->popup(QPoint(200, 100));
        while (!watch.painted) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        chapters->removeEventFilter(&watch);
        chapters->hide();
        menu->hide();
    }
    state.counters["chapters"] = static_cast<double>(kChapters);
}
BENCHMARK(BM_MenuWithFiveThousandChapters)
    ->UseManualTime()
    ->Iterations(11)
    ->Unit(benchmark::kMillisecond);

} // namespace
