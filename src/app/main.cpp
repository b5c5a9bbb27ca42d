// lumio: the reader window as a desktop program.
#include "qt/qt_notice.h"
#include "qt/qt_strings.h"
#include "qt/reader_window.h"
#include "qt/x11_hot_key.h"
#include "reader/boss_key.h"
#include "reader/command_line.h"
#include "reader/lumio_version.h"
#include "reader/slider_moves.h"
#include "quit_on_signal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Whether Qt will find a display to open windows on (the offscreen and other platforms
// asked for by name count as one).
bool HaveDisplay() {
    const auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v != nullptr && *v != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 72, 96, 128}) {
        icon.addFile(QStringLiteral(":/icons/lumio-%1-32.png").arg(size), QSize(size, size));
    }
    return icon;
}

// With LUMIO_STATS set, the program reports its speed figures on stderr as it ends.
void ReportTimings(const lumio::ReaderWindow& window, qint64 startupNs) {
    const lumio::ReaderTimings t = window.timings();
    const auto avg = [](std::int64_t ns, std::int64_t n) {
        return n ? double(ns) / n / 1000 : 0.0;
    };
    std::fprintf(stderr,
                 "lumio-stats {\"startup_ms\":%.1f,\"ticks\":%lld,\"tick_us\":%.1f,"
                 "\"viewer_paints\":%lld,\"viewer_paint_us\":%.1f,\"shape_updates\":%lld,"
                 "\"shape_us\":%.1f,\"shape_applied\":%lld}\n",
                 startupNs / 1e6, static_cast<long long>(t.ticks), avg(t.tickNs, t.ticks),
                 static_cast<long long>(t.viewerPaints), avg(t.viewerPaintNs, t.viewerPaints),
                 static_cast<long long>(t.shapeUpdates), avg(t.shapeNs, t.shapeUpdates),
                 static_cast<long long>(t.shapeApplied));
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer startup;
    startup.start();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const lumio::CommandLine command = lumio::ParseCommandLine(args);
    switch (command.action) {
    case lumio::CommandLine::Action::Help:
        std::fputs(lumio::HelpText().c_str(), stdout);
        return 0;
    case lumio::CommandLine::Action::Version:
        std::fputs(lumio::VersionText().c_str(), stdout);
        return 0;
    case lumio::CommandLine::Action::Error:
        std::fprintf(stderr, "lumio: %s\nTry 'lumio --help'.\n", command.error.c_str());
        return 2;
    case lumio::CommandLine::Action::Run:
        break;
    }
    if (!HaveDisplay()) {
        std::fprintf(stderr, "lumio: no display to show the reader on (DISPLAY is not set).\n");
        return 3;
    }
    // The colour key needs window shapes, which X11 has: prefer it (XWayland included)
    // unless the user picked a platform.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") != nullptr) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumio"));
    QApplication::setApplicationVersion(QStringLiteral(LUMIO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("lumio"));
    // The window hides to the tray; only the exit command or a close ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    lumio::QuitOnTerminationSignals();
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    const QIcon icon = ProgramIcon();
    QApplication::setWindowIcon(icon);

    lumio::ReaderWindow window({icon, u"" LUMIO_WEB_PAGE, true});
    window.Start();
    window.core().SetEncoding(command.encoding); // for every document: argument, dialog, drop
    qint64 startupNs = startup.nsecsElapsed();
    QTimer::singleShot(0, &window, [&] { startupNs = startup.nsecsElapsed(); });
    if (!command.file.empty()) {
        window.OpenAsDropped(QString::fromLocal8Bit(command.file.c_str()));
    }
    lumio::MoveSliders(command.sliders, window.core(), window.slider1(), window.slider2());

    lumio::X11HotKeys hotKeys;
    lumio::QtNotice notice;
    lumio::BossKey bossKey({window, [&window] { return window.wantsVisible(); }, hotKeys, notice});
    if (bossKey.Start(command.bossKey) == lumio::HotKeyResult::Taken) {
        std::fprintf(stderr,
                     "lumio: the boss key %s is held by another program; running without it\n",
                     lumio::HotKeyName(*command.bossKey).c_str());
    }
    const int status = QApplication::exec();
    bossKey.Stop();
    if (std::getenv("LUMIO_STATS") != nullptr) {
        ReportTimings(window, startupNs);
    }
    return status;
}
