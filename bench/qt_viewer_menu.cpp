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

// Opens the menu as a right click does and waits until its chapter list is painted;
// the time from the click to that paint.
double OpenChaptersMs(QtViewerMenu& shower, const ViewerMenuModel& model) {
    QElapsedTimer clock;
    double ms = 0;
    shower.onShown = [&](QMenu& menu) {
        QMenu* chapters = menu.actions()[0]->menu();
        PaintWatch watch;
        chapters->installEventFilter(&watch);
        chapters->popup(QPoint(200, 100));
        while (!watch.painted) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        chapters->removeEventFilter(&watch);
        chapters->hide();
        menu.close();
    };
    clock.start();
    shower.ShowMenu(model);
    return ms;
}

void BM_MenuWithFiveThousandChapters(benchmark::State& state) {
    App();
    ViewerMenuModel model;
    for (std::size_t i = 0; i < kChapters; ++i) {
        model.chapters.push_back(u"第" + FromUtf8(std::to_string(i + 1)) + u"章 风起云涌之时");
    }
    model.currentChapter = kChapters / 2;
    model.rememberEnabled = model.rememberChecked = true;
    QtViewerMenu shower(nullptr, QtFontFor(FontAttributes{u"微软雅黑", 9, 400, 134}));
    shower.SetPosition(QPoint(100, 100));

    // Unprepared: the first right click after a load builds and lays out the list.
    const double first = OpenChaptersMs(shower, model);
    // As the reader does after a load: prepared unseen, then opened.
    QtViewerMenu prepared(nullptr, QtFontFor(FontAttributes{u"微软雅黑", 9, 400, 134}));
    prepared.SetPosition(QPoint(100, 100));
    QElapsedTimer clock;
    clock.start();
    prepared.Prepare(model);
    const double prepare = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    for (auto _ : state) {
        // Reading moved on: another chapter is marked each time.
        model.currentChapter = *model.currentChapter + 1;
        state.SetIterationTime(OpenChaptersMs(prepared, model) / 1e3);
    }
    state.counters["chapters"] = static_cast<double>(kChapters);
    state.counters["unprepared_first_ms"] = first;
    state.counters["prepare_ms"] = prepare;
}
BENCHMARK(BM_MenuWithFiveThousandChapters)
    ->UseManualTime()
    ->Iterations(11)
    ->Unit(benchmark::kMillisecond);

} // namespace
