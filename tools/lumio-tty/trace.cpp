#include "trace.h"

#include "platform/json_string.h"
#include "platform/utf.h"

#include <string>

namespace lumio::tty {

namespace {

const char* Bool(bool value) {
    return value ? "true" : "false";
}

void Write(const std::string& line, std::FILE* out) {
    std::fwrite(line.data(), 1, line.size(), out);
}

} // namespace

void RunTrace(MainMsg& window, const TtyTimer& timer, const TtyViewer& viewer, std::uint64_t ticks,
              std::FILE* out) {
    std::string line = "{\"length\":" + std::to_string(window.txt2().size()) +
                       ",\"pos\":" + std::to_string(window.ReadPos()) +
                       ",\"interval\":" + std::to_string(timer.Interval()) + "}\n";
    Write(line, out);
    for (std::uint64_t k = 1; k <= ticks; ++k) {
        window.trm1_Timer();
        line = "{\"tick\":" + std::to_string(k) + ",\"pos\":" + std::to_string(window.ReadPos()) +
               ",\"view\":";
        AppendJsonString(ToUtf8(viewer.Text()), line);
        line += ",\"mark\":";
        if (viewer.HasMark()) {
            line += "[" + std::to_string(viewer.MarkStart()) + "," +
                    std::to_string(viewer.MarkLength()) + "]";
        } else {
            line += "null";
        }
        line += ",\"timer\":";
        line += Bool(timer.Enabled());
        line += "}\n";
        Write(line, out);
        if (!timer.Enabled()) {
            break;
        }
    }
    std::fflush(out);
}

} // namespace lumio::tty
