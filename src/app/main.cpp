// lumio: the reader window as a desktop program.
#include "platform/utf.h"
#include "qt/qt_notice.h"
#include "qt/qt_single_instance.h"
#include "qt/qt_strings.h"
#include "qt/qt_translations.h"
#include "qt/reader_window.h"
#include "qt/x11_full_screen_watch.h"
#include "qt/x11_hot_key.h"
#include "quit_on_signal.h"
#include "reader/auto_hide.h"
#include "reader/boss_key.h"
#include "reader/command_line.h"
#include "reader/lumio_version.h"
#include "reader/missing_tray_notice.h"
#include "reader/reading_memory.h"
#include "reader/second_start.h"
#include "reader/slider_moves.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QStyleFactory>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
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

// The document for the running strip, which has another working folder: an absolute
// name, still in the bytes it was given.
std::u16string AbsolutePath(const std::string& file) {
    if (file.empty() || file.front() == '/') {
        return lumio::PathFromNative(file);
    }
    const std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
    return lumio::PathFromNative(cwd ? std::string(cwd.get()) + "/" + file : file);
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
    lumio::LoadQtTranslations(app);
    lumio::QtSingleInstance instance;
    const auto role = command.newInstance
                          ? lumio::QtSingleInstance::Role::Alone
                          : instance.Claim(lumio::EncodeSecondStart(AbsolutePath(command.file)));
    if (role == lumio::QtSingleInstance::Role::HandedOver) {
        return 0;
    }
    const QIcon icon = ProgramIcon();
    QApplication::setWindowIcon(icon);

    const std::unique_ptr<lumio::ReadingMemory> memory =
        command.noMemory ? nullptr : lumio::OpenReadingMemory([](std::string_view text) {
            std::fprintf(stderr, "lumio: %.*s\n", static_cast<int>(text.size()), text.data());
        });
    lumio::ReaderWindow window({icon, u"" LUMIO_WEB_PAGE, true, memory.get()});
    window.Start();
    window.core().SetEncoding(command.encoding); // for every document: argument, dialog, drop
    qint64 startupNs = startup.nsecsElapsed();
    QTimer::singleShot(0, &window, [&] { startupNs = startup.nsecsElapsed(); });
    lumio::SecondStartReceiver secondStart({window, window.core()});
    instance.onMessage = [&secondStart](const std::string& m) { secondStart.Receive(m); };
    if (!command.file.empty()) {
        window.OpenAsDropped(lumio::PathFromNative(command.file));
    }
    lumio::MoveSliders(command.sliders, window.core(), window.slider1(), window.slider2());

    lumio::X11HotKeys hotKeys;
    lumio::QtNotice notice(&window);
    lumio::BossKey bossKey({window, [&window] { return window.wantsVisible(); }, hotKeys, notice});
    const std::string keyNote =
        lumio::BossKey::ConsoleText(bossKey.Start(command.bossKey), command.bossKey);
    std::fputs(keyNote.c_str(), stderr);
    lumio::X11FullScreenWatch fullScreen(window);
    lumio::AutoHide autoHide(
        window, [&window] { return window.wantsVisible(); },
        [&fullScreen] { fullScreen.BringStripForward(); });
    window.onShowHide = [&autoHide](bool shown) { autoHide.Asked(shown); };
    if (command.autoHide) {
        fullScreen.Start([&autoHide](const lumio::ScreenState& screen) { autoHide.Seen(screen); });
    }
    lumio::MissingTrayNotice noTray(notice);
    QTimer::singleShot(lumio::MissingTrayNotice::kGraceMs, &window, [&] {
        noTray.Check(QSystemTrayIcon::isSystemTrayAvailable(),
                     bossKey.active() ? command.bossKey : std::nullopt,
                     role == lumio::QtSingleInstance::Role::First);
    });
    const int status = QApplication::exec();
    fullScreen.Stop();
    window.onShowHide = nullptr;
    // The exit command, a close, SIGTERM or SIGINT: all end the loop and come here.
    window.core().KeepPlace();
    bossKey.Stop();
    if (std::getenv("LUMIO_STATS") != nullptr) {
        ReportTimings(window, startupNs);
    }
    return status;
}
