// lumio.exe: the reader window as a Windows program.
#include "reader/boss_key.h"
#include "reader/command_line.h"
#include "reader/slider_moves.h"
#include "win32/reader_window.h"
#include "win32/wide.h"

#include <chrono>
#include <cstdio>
#include <string>
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

std::string Utf8(const std::wstring& text) {
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                        nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n,
                          nullptr, nullptr);
    return out;
}

std::u16string FromUtf8(const std::string& text) {
    const int n =
        ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n);
    return lumio::FromWide(out);
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
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(Utf8(argv[i]));
    }
    ::LocalFree(argv);
    const lumio::CommandLine command = lumio::ParseCommandLine(args);
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

    // Drags from other programs arrive through OLE, which the shell's dialogs use too.
    const bool ole = SUCCEEDED(::OleInitialize(nullptr));
    int status = 0;
    {
        lumio::ReaderWindow window({instance, u"" LUMIO_WEB_PAGE});
        window.Start();
        window.core().SetEncoding(command.encoding); // for every document: argument, dialog, drop
        if (!command.file.empty()) {
            window.OpenAsDropped(FromUtf8(command.file));
        }
        lumio::MoveSliders(command.sliders, window.core(), window.slider1(), window.slider2());
        lumio::WinNotice notice;
        lumio::BossKey bossKey(
            {window, [&window] { return window.wantsVisible(); }, window.hotKeys(), notice});
        if (bossKey.Start(command.bossKey) == lumio::HotKeyResult::Taken) {
            Print("lumio: the boss key " + lumio::HotKeyName(*command.bossKey) +
                      " is held by another program; running without it\n",
                  STD_ERROR_HANDLE);
        }
        MSG msg;
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (window.PreTranslate(msg)) {
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        status = static_cast<int>(msg.wParam);
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
