// lumio-tty: the reader's ticker in a terminal, and its scriptable face (--trace).

#include "live.h"
#include "options.h"
#include "platform/json_string.h"
#include "platform/native_file_source.h"
#include "platform/utf.h"
#include "reader/main_msg.h"
#include "reader/reading_memory.h"
#include "reader/slider_moves.h"
#include "reader/viewer_menu.h"
#include "trace.h"
#include "tty_controls.h"

#include <cstdio>
#include <exception>
#include <memory>
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

// One JSON object a line: {"index":1,"title":"第一章 少年","position":1234}.
void PrintChapters(const std::vector<Chapter>& chapters) {
    std::string out;
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        out += "{\"index\":" + std::to_string(i + 1) + ",\"title\":";
        AppendJsonString(ToUtf8(chapters[i].title), out);
        out += ",\"position\":" + std::to_string(chapters[i].position) + "}\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}

void Warn(std::string_view text) {
    std::fprintf(stderr, "lumio-tty: %.*s\n", static_cast<int>(text.size()), text.data());
}

int Run(const Options& options, const std::u16string& path) {
    TtyViewer viewer;
    TtyTimer timer;
    TtySlider speedSlider(5);
    TtySlider startSlider(0);
    NoDialog dialog;
    StderrMessageBox messageBox;
    NativeFileSource files;
    // Traces stay what the reader alone makes of a document: no memory there.
    const bool remember = !options.noMemory && !options.trace && !options.listChapters;
    const std::unique_ptr<ReadingMemory> memory = remember ? OpenReadingMemory(Warn) : nullptr;
    MainMsg window({viewer, timer, speedSlider, startSlider, dialog, messageBox, files, nullptr,
                    memory.get()});

    // The window's initial reading state: 200 ms, off, the speed slider showing 5.
    timer.SetInterval(200);
    timer.SetEnabled(false);

    window.SetEncoding(options.encoding);
    window.OpenTxt(path);
    if (messageBox.Shown()) {
        return kDocumentStatus;
    }
    if (options.listChapters) {
        PrintChapters(window.chapters());
        return 0;
    }
    if (options.atTenths) {
        MoveReadingTo(window, timer, PercentPosition(window.txt2().size(), *options.atTenths));
    } else if (options.chapter) {
        const auto index = static_cast<std::size_t>(*options.chapter - 1);
        if (index >= window.chapters().size()) {
            Warn("--chapter " + std::to_string(*options.chapter) + ": the document has " +
                 std::to_string(window.chapters().size()) + " chapter(s)");
            return kDocumentStatus;
        }
        MoveReadingTo(window, timer, window.chapters()[index].position);
    }
    MoveSliders({options.speed, options.start}, window, speedSlider, startSlider);
    if (options.trace) {
        RunTrace(window, timer, viewer, *options.trace, stdout);
        return 0;
    }
    const int status = RunLive({window, timer, viewer, speedSlider});
    if (memory) {
        memory->Keep(window.ReadPos()); // the program ends here, whichever way
    }
    return status;
}

#ifdef _WIN32
// The arguments as the system holds them (UTF-16): the narrow argv would pass every name
// through the ANSI code page and lose characters.
std::vector<std::u16string> WideArguments() {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::u16string> arguments;
    for (int i = 0; i < count; ++i) {
        const std::wstring_view arg = wide[i];
        arguments.emplace_back(arg.begin(), arg.end());
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
    const std::vector<std::u16string> wideArguments = WideArguments();
    std::vector<std::string> arguments;
    for (const std::u16string& arg : wideArguments) {
        arguments.push_back(ToUtf8(arg)); // options are ASCII; FILE is taken below as given
    }
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
#ifdef _WIN32
    const std::u16string path = wideArguments.at(static_cast<std::size_t>(options.fileAt));
#else
    const std::u16string path = PathFromNative(options.file);
#endif
    try {
        return Run(options, path);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lumio-tty: %s\n", e.what());
        return 1;
    }
}
