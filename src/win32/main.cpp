// lumio.exe: the reader window as a Windows program.
#include "platform/state_files.h"
#include "reader/auto_hide.h"
#include "reader/boss_key.h"
#include "reader/command_line.h"
#include "reader/missing_tray_notice.h"
#include "reader/reading_memory.h"
#include "reader/second_start.h"
#include "reader/slider_moves.h"
#include "win32/reader_window.h"
#include "win32/wide.h"
#include "win32/win_command_line.h"
#include "win32/win_full_screen_watch.h"
#include "win32/win_single_instance.h"
#include "win32/win_tray_presence.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A GUI program has no console of its own: text for the user goes to the console it was
// started from, or to the standard handles it was given.
void Print(const std::string& text, DWORD which) {
    ::AttachConsole(ATTACH_PARENT_PROCESS);
    HANDLE out = ::GetStdHandle(which);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        out = ::CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                            nullptr);
    }
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    ::WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// With LUMIO_STATS set, the program reports its speed figures on stderr as it ends.
void ReportTimings(const lumio::ReaderWindow& window, std::int64_t startNs) {
    const lumio::ReaderTimings t = window.timings();
    const auto avg = [](std::int64_t ns, std::int64_t n) {
        return n ? double(ns) / double(n) / 1000 : 0.0;
    };
    char line[256];
    std::snprintf(line, sizeof line,
                  "lumio-stats {\"startup_ms\":%.1f,\"ticks\":%lld,\"tick_us\":%.1f,"
                  "\"viewer_paints\":%lld,\"viewer_paint_us\":%.1f}\n",
                  double(window.shownAtNs() - startNs) / 1e6, static_cast<long long>(t.ticks),
                  avg(t.tickNs, t.ticks), static_cast<long long>(t.viewerPaints),
                  avg(t.viewerPaintNs, t.viewerPaints));
    Print(line, STD_ERROR_HANDLE);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const std::int64_t startNs = NowNs();
    const lumio::WinCommandLine line = lumio::ParseWinCommandLine(lumio::ProgramArguments());
    const lumio::CommandLine& command = line.command;
    switch (command.action) {
    case lumio::CommandLine::Action::Help:
        Print(lumio::HelpText(), STD_OUTPUT_HANDLE);
        return 0;
    case lumio::CommandLine::Action::Version:
        Print(lumio::VersionText(), STD_OUTPUT_HANDLE);
        return 0;
    case lumio::CommandLine::Action::Error:
        Print("lumio: " + command.error + "\nTry 'lumio --help'.\n", STD_ERROR_HANDLE);
        return 2;
    case lumio::CommandLine::Action::Run:
        break;
    }

    lumio::WinSingleInstance single(instance);
    const auto role = command.newInstance
                          ? lumio::WinSingleInstance::Role::Alone
                          : single.Claim(lumio::EncodeSecondStart(lumio::FullPath(line.file)));
    if (role == lumio::WinSingleInstance::Role::HandedOver) {
        return 0;
    }

    // Drags from other programs arrive through OLE, which the shell's dialogs use too.
    const bool ole = SUCCEEDED(::OleInitialize(nullptr));
    int status = 0;
    {
        const std::unique_ptr<lumio::ReadingMemory> memory =
            command.noMemory ? nullptr : lumio::OpenReadingMemory([](std::string_view text) {
                Print("lumio: " + std::string(text) + "\n", STD_ERROR_HANDLE);
            });
        lumio::ReaderWindow window({instance, u"" LUMIO_WEB_PAGE, memory.get()});
        window.Start();
        window.core().SetEncoding(command.encoding); // for every document: argument, dialog, drop
        lumio::SecondStartReceiver secondStart({window, window.core()});
        single.onMessage = [&secondStart](const std::string& m) { secondStart.Receive(m); };
        if (!line.file.empty()) {
            window.OpenAsDropped(line.file);
        }
        lumio::MoveSliders(command.sliders, window.core(), window.slider1(), window.slider2());
        lumio::WinNotice notice;
        lumio::BossKey bossKey(
            {window, [&window] { return window.wantsVisible(); }, window.hotKeys(), notice});
        const std::string keyNote =
            lumio::BossKey::ConsoleText(bossKey.Start(command.bossKey), command.bossKey);
        if (!keyNote.empty()) {
            Print(keyNote, STD_ERROR_HANDLE);
        }
        lumio::WinFullScreenWatch fullScreen(window.window());
        lumio::AutoHide autoHide(window, [&window] { return window.wantsVisible(); });
        window.onShowHide = [&autoHide](bool shown) { autoHide.Asked(shown); };
        if (command.autoHide) {
            fullScreen.Start(
                [&autoHide](const lumio::ScreenState& screen) { autoHide.Seen(screen); });
        }
        lumio::MissingTrayNotice noTray(notice);
        const UINT_PTR trayLook =
            ::SetTimer(nullptr, 0, lumio::MissingTrayNotice::kGraceMs, nullptr);
        MSG msg;
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == trayLook) {
                ::KillTimer(nullptr, trayLook);
                noTray.Check(lumio::TrayIconPresent(window.window(), window.trayRecord().uID),
                             bossKey.active() ? command.bossKey : std::nullopt,
                             role == lumio::WinSingleInstance::Role::First);
                continue;
            }
            if (window.PreTranslate(msg)) {
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        status = static_cast<int>(msg.wParam);
        fullScreen.Stop();
        window.onShowHide = nullptr;
        window.core().KeepPlace(); // the exit command or a close
        bossKey.Stop();
        if (::GetEnvironmentVariableW(L"LUMIO_STATS", nullptr, 0) != 0) {
            ReportTimings(window, startNs);
        }
    }
    if (ole) {
        ::OleUninitialize();
    }
    return status;
}
