// lumio-tty: the reader's ticker in a terminal, and its scriptable face (--trace).

#include "live.h"
#include "options.h"
#include "platform/posix_file_source.h"
#include "platform/utf.h"
#include "reader/main_msg.h"
#include "trace.h"
#include "tty_controls.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

using namespace lumio;
using namespace lumio::tty;

constexpr int kUsageStatus = 2;
constexpr int kDocumentStatus = 2;

int Run(const Options& options) {
    TtyViewer viewer;
    TtyTimer timer;
    TtySlider speedSlider(5);
    TtySlider startSlider(0);
    NoDialog dialog;
    StderrMessageBox messageBox;
    PosixFileSource files;
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

} // namespace

int main(int argc, char** argv) {
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
