// lumio-tty: the reader's ticker in a terminal, and its scriptable face (--trace).

#include "live.h"
#include "platform/native_file_source.h"
#include "platform/utf.h"
#include "reader/main_msg.h"
#include "trace.h"
#include "tty_controls.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h builds on the declarations of windows.h
#include <shellapi.h>
#endif

namespace {

using namespace lumio;
using namespace lumio::tty;

constexpr int kUsageStatus = 2;
constexpr int kDocumentStatus = 2;

constexpr std::string_view kUsage =
    "usage: lumio-tty [--speed V] [--start V] [--trace N] FILE\n"
    "  --speed V   move the speed slider to V (0 slowest .. 10 fastest) after the load\n"
    "  --start V   then move the start-point slider to V (0 .. 10)\n"
    "  --trace N   run up to N ticks at once and print each as a JSON line\n"
    "keys: space start/pause, p pause, s stop, + faster, - slower, q quit\n";

struct Options {
    std::optional<std::int32_t> speed;
    std::optional<std::int32_t> start;
    std::optional<std::uint64_t> trace;
    std::string file;
    bool help = false;
};

template <typename T>
std::optional<T> ParseNumber(std::string_view text, T min, T max) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

// Returns an error text, or "" when the arguments are fine.
std::string Parse(int argc, char** argv, Options& options) {
    bool haveFile = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && (arg == "-h" || arg == "--help")) {
            options.help = true;
            return "";
        }
        if (!optionsEnded && (arg == "--speed" || arg == "--start" || arg == "--trace")) {
            if (i + 1 >= argc) {
                return std::string(arg) + " needs a value";
            }
            const std::string_view value = argv[++i];
            bool ok = false;
            if (arg == "--trace") {
                options.trace = ParseNumber<std::uint64_t>(value, 0, UINT64_MAX);
                ok = options.trace.has_value();
            } else {
                auto& slot = arg == "--speed" ? options.speed : options.start;
                slot = ParseNumber<std::int32_t>(value, 0, 10);
                ok = slot.has_value();
            }
            if (!ok) {
                return std::string(arg) + " wants a whole number" +
                       (arg == "--trace" ? "" : " from 0 to 10") + ", not '" + std::string(value) +
                       "'";
            }
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            return "unknown option " + std::string(arg);
        }
        if (haveFile) {
            return "only one FILE, please";
        }
        options.file = arg;
        haveFile = true;
    }
    return haveFile ? "" : "FILE is missing";
}

int Run(const Options& options) {
    TtyViewer viewer;
    TtyTimer timer;
    TtySlider speedSlider(5);
    TtySlider startSlider(0);
    NoDialog dialog;
    StderrMessageBox messageBox;
    NativeFileSource files;
    MainMsg window({viewer, timer, speedSlider, startSlider, dialog, messageBox, files});

    // The window's initial reading state: 200 ms, off, the speed slider showing 5.
    timer.SetInterval(200);
    timer.SetEnabled(false);

    window.OpenTxt(PathFromNative(options.file));
    if (messageBox.Shown()) {
        return kDocumentStatus;
    }
    if (options.speed) {
        speedSlider.SetValue(*options.speed);
        window.Slider1_Scroll();
    }
    if (options.start) {
        startSlider.SetValue(*options.start);
        window.Slider2_Scroll();
    }
    if (options.trace) {
        RunTrace(window, timer, viewer, *options.trace, stdout);
        return 0;
    }
    return RunLive({window, timer, viewer, speedSlider});
}

#ifdef _WIN32
// The arguments as the system holds them (UTF-16), in UTF-8 like on other systems: the
// narrow argv would pass every name through the ANSI code page and lose characters.
std::vector<std::string> Utf8Arguments() {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        const std::wstring_view arg = wide[i];
        arguments.push_back(ToUtf8(std::u16string(arg.begin(), arg.end())));
    }
    ::LocalFree(wide);
    return arguments;
}
#endif

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Traces and messages are UTF-8 bytes with bare line feeds, as on other systems.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> arguments = Utf8Arguments();
    std::vector<char*> pointers;
    for (std::string& arg : arguments) {
        pointers.push_back(arg.data());
    }
    pointers.push_back(nullptr);
    argc = static_cast<int>(arguments.size());
    argv = pointers.data();
#endif
    Options options;
    const std::string error = Parse(argc, argv, options);
    if (options.help) {
        std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
        return 0;
    }
    if (!error.empty()) {
        std::fprintf(stderr, "lumio-tty: %s\n%.*s", error.c_str(), static_cast<int>(kUsage.size()),
                     kUsage.data());
        return kUsageStatus;
    }
    try {
        return Run(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lumio-tty: %s\n", e.what());
        return 1;
    }
}
