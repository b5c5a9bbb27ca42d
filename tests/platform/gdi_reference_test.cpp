// Replays every reference dump in tests/data/gdi-reference through our surface and
// compares each pixel, mask bit and recorded outcome. A dump whose call line, or any
// metadata key, is not understood fails: nothing is skipped silently.

#include "platform/color.h"
#include "platform/edge.h"
#include "platform/fill.h"
#include "platform/focus_rect.h"
#include "platform/line.h"
#include "platform/palette.h"
#include "platform/pixels.h"
#include "platform/region.h"
#include "platform/surface.h"
#include "platform/transfer.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace lumio {
namespace {

namespace fs = std::filesystem;

fs::path DumpDir() {
    return fs::path(LUMIO_TEST_DATA_DIR) / "gdi-reference";
}

struct Dump {
    std::string name;
    std::map<std::string, std::string> meta;
    std::vector<std::string> rows;

    const std::string& at(const std::string& key) const {
        static const std::string none;
        const auto it = meta.find(key);
        return it == meta.end() ? none : it->second;
    }
    bool has(const std::string& key) const { return meta.count(key) != 0; }
    int Int(const std::string& key) const { return std::stoi(at(key)); }
};

Dump ReadDump(const fs::path& path) {
    Dump dump;
    dump.name = path.stem().string();
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("# ", 0) == 0) {
            const auto colon = line.find(": ");
            if (colon != std::string::npos) {
                dump.meta[line.substr(2, colon - 2)] = line.substr(colon + 2);
            }
        } else if (!line.empty()) {
            dump.rows.push_back(line);
        }
    }
    return dump;
}

std::vector<std::string> DumpNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(DumpDir())) {
        if (entry.path().extension() == ".txt") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Keys that only describe a dump; every other key is an outcome we check.
const std::set<std::string> kDescriptiveKeys = {"case",
                                                "kind",
                                                "call",
                                                "width",
                                                "height",
                                                "background",
                                                "syscolors",
                                                "legend",
                                                "source",
                                                "rows",
                                                "mask",
                                                "nrects",
                                                "fillrgn_matches_ptinregion"};

std::uint32_t Hex(const std::string& s) {
    return static_cast<std::uint32_t>(std::stoul(s, nullptr, 16));
}

std::int32_t Num(const std::string& s) {
    return static_cast<std::int32_t>(std::stol(s, nullptr, 0));
}

// The dumps gave system colour i the value <i as two decimal digits>C35A.
SystemPalette MarkedPalette() {
    SystemPalette palette = SystemPalette::Default();
    for (std::int32_t i = 0; i < SystemPalette::kCount; ++i) {
        const std::uint32_t rr = static_cast<std::uint32_t>((i / 10) * 16 + i % 10);
        palette.set(i, FromRrggbb((rr << 16) | 0xC35Au));
    }
    return palette;
}

// Pixel sources of the transfer dumps, built from their `source` descriptions.
Bitmap TransferSource(const std::string& description, std::int32_t width, std::int32_t height) {
    Bitmap bitmap(width, height);
    const bool bit_pattern = description.find("bit x cleared") != std::string::npos;
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint32_t rrggbb =
                bit_pattern ? ((0xFFu & ~(1u << x)) << 16) | ((0xFFu & ~(1u << y)) << 8) | 0x55u
                            : ((0xA0u + y) << 16) | ((0xB0u + x) << 8) | 0x55u;
            bitmap.set(x, y, PixelFromRrggbb(rrggbb));
        }
    }
    return bitmap;
}

// The replay of one dump: runs its calls on a surface (or builds its region) and
// records what the dump's outcome keys ask about.
class Replay {
public:
    explicit Replay(const Dump& dump) : dump_(dump), palette_(MarkedPalette()) {
        if (dump.has("width")) {
            surface_.Resize(dump.Int("width"), dump.Int("height"));
        }
        if (dump.has("background")) {
            surface_.bitmap().Fill(PixelFromRrggbb(Hex(dump.at("background"))));
        }
        surface_.set_palette(palette_);
        // The dumps were taken right after the device context was made.
        initial_stretch_mode_ = surface_.stretch_mode();
    }

    void Run() {
        std::stringstream calls(dump_.at("call"));
        std::string call;
        while (std::getline(calls, call, ';')) {
            call.erase(0, call.find_first_not_of(' '));
            if (!Step(call)) {
                ADD_FAILURE() << dump_.name << ": no replay for '" << call << "'";
            }
            ++steps_;
            if (steps_ == 1) {
                after_first_ = surface_.bitmap();
            }
        }
    }

    void Check() {
        for (const auto& [key, value] : dump_.meta) {
            if (kDescriptiveKeys.count(key) != 0 || key.rfind("row", 0) == 0) {
                continue;
            }
            if (!CheckOutcome(key, value)) {
                ADD_FAILURE() << dump_.name << ": outcome '" << key << "' not checked";
            }
        }
        const std::string& kind = dump_.at("kind");
        if (kind == "pixels") {
            CheckPixels();
        } else if (kind == "mask") {
            CheckMask();
        } else if (kind == "rects") {
            CheckRects();
        } else {
            ADD_FAILURE() << dump_.name << ": unknown kind " << kind;
        }
    }

private:
    static Rect ParseRect(const std::string& s) {
        static const std::regex re(R"(\{(-?\d+),(-?\d+),(-?\d+),(-?\d+)\})");
        std::smatch m;
        EXPECT_TRUE(std::regex_search(s, m, re)) << s;
        return Rect{Num(m[1]), Num(m[2]), Num(m[3]), Num(m[4])};
    }

    static std::optional<OleColor> ParseRgb(const std::string& s) {
        static const std::regex re(R"(RGB\((0x[0-9A-Fa-f]+),(0x[0-9A-Fa-f]+),(0x[0-9A-Fa-f]+)\))");
        std::smatch m;
        if (!std::regex_search(s, m, re)) {
            return std::nullopt;
        }
        return Rgb(Num(m[1]), Num(m[2]), Num(m[3]));
    }

    std::optional<OleColor> ParseBrush(const std::string& s) const {
        if (const auto rgb = ParseRgb(s)) {
            return rgb;
        }
        if (s.find("(HBRUSH)(COLOR_BTNFACE + 1)") != std::string::npos) {
            return palette_.at(kColorBtnFace);
        }
        return std::nullopt;
    }

    Rect Shifted(Rect r) const {
        r.left += origin_.x;
        r.right += origin_.x;
        r.top += origin_.y;
        r.bottom += origin_.y;
        return r;
    }

    std::vector<std::int32_t> Args(const std::string& call) const {
        static const std::regex re(R"(-?(0x[0-9A-Fa-f]+|\d+))");
        std::vector<std::int32_t> out;
        const auto open = call.find('(');
        for (auto it = std::sregex_iterator(call.begin() + static_cast<long>(open), call.end(), re);
             it != std::sregex_iterator(); ++it) {
            out.push_back(Num(it->str()));
        }
        return out;
    }

    static bool Starts(const std::string& call, const char* name) {
        return call.rfind(name, 0) == 0;
    }

    bool Step(const std::string& call) {
        if (Starts(call, "CreatePen(PS_SOLID, 1, ")) {
            pen_ = ParseRgb(call).value_or(0);
            return true;
        }
        if (call == "SelectObject") {
            return true; // the pen just made is the one LineTo uses
        }
        if (Starts(call, "MoveToEx(hdc, ")) {
            const auto a = Args(call);
            MoveTo(surface_, a[0], a[1]);
            return true;
        }
        if (Starts(call, "LineTo(hdc, ")) {
            const auto a = Args(call);
            LineTo(surface_, a[0], a[1], pen_);
            return true;
        }
        if (Starts(call, "DrawEdge(hdc, ")) {
            static const std::regex re(R"(\}, (0x[0-9A-F]+) /\*\w+\*/, (0x[0-9A-F]+)\))");
            std::smatch m;
            if (!std::regex_search(call, m, re)) {
                return false;
            }
            Rect after;
            result_ = DrawEdge(surface_, ParseRect(call), static_cast<std::uint32_t>(Num(m[1])),
                               static_cast<std::uint32_t>(Num(m[2])), &after);
            rect_after_ = after;
            return true;
        }
        if (Starts(call, "FillRect(hdc, ") || Starts(call, "FrameRect(hdc, ")) {
            const auto brush = ParseBrush(call);
            if (!brush) {
                return false;
            }
            const Rect r = Shifted(ParseRect(call));
            result_ = Starts(call, "FillRect") ? FillRect(surface_, r, *brush)
                                               : FrameRect(surface_, r, *brush);
            return true;
        }
        if (Starts(call, "InvertRect(hdc, ")) {
            result_ = InvertRect(surface_, Shifted(ParseRect(call)));
            return true;
        }
        if (Starts(call, "DrawFocusRect(hdc, ")) {
            if (call.find("same rect") == std::string::npos) {
                focus_ = Shifted(ParseRect(call));
            }
            result_ = DrawFocusRect(surface_, focus_);
            return true;
        }
        if (Starts(call, "SetROP2(hdc, ")) {
            surface_.SetDrawMode(Args(call)[0]);
            return true;
        }
        if (Starts(call, "SetViewportOrgEx(hdc, ")) {
            // Our surface has no viewport origin: the replay moves the coordinates.
            const auto a = Args(call);
            origin_ = Point{a[0], a[1]};
            return true;
        }
        if (Starts(call, "SetTextColor(hdc, ")) {
            surface_.set_text_color(ParseRgb(call).value_or(0));
            return true;
        }
        if (Starts(call, "SetBkColor(hdc, ") || Starts(call, "SetBkMode(hdc, ") ||
            Starts(call, "SetBrushOrgEx(hdc, ")) {
            // Text background and brush patterns are not surface state of ours; these
            // dumps show that the focus rectangle ignores them.
            return true;
        }
        if (Starts(call, "DrawFrameControl(hdc, ")) {
            if (call.find("DFC_BUTTON") == std::string::npos) {
                return false;
            }
            result_ = DrawFrameControlPush(surface_, ParseRect(call),
                                           static_cast<std::uint32_t>(Args(call).back()));
            return true;
        }
        if (Starts(call, "CreateRectRgn(") || Starts(call, "CreateRoundRectRgn(")) {
            const auto a = Args(call);
            region_ = a.size() == 4 ? CreateRectRgn(a[0], a[1], a[2], a[3])
                                    : CreateRoundRectRgn(a[0], a[1], a[2], a[3], a[4], a[5]);
            return true;
        }
        if (call == "GetRegionData") {
            return true; // the rectangle list is read in CheckRects
        }
        if (call == "SetStretchBltMode(hdc, COLORONCOLOR)") {
            surface_.SetStretchMode(kStretchDeleteScans);
            return true;
        }
        if (Starts(call, "StretchBlt(hdc, ")) {
            const auto a = Args(call);
            if (call.find("srcdc") == std::string::npos ||
                call.find("SRCCOPY") == std::string::npos) {
                return false;
            }
            static const std::regex size_re(R"((\d+)x(\d+) top-down DIB)");
            std::smatch m;
            const std::string& source = dump_.at("source");
            if (!std::regex_search(source, m, size_re)) {
                return false;
            }
            const Bitmap src = TransferSource(source, Num(m[1]), Num(m[2]));
            result_ =
                StretchBlt(surface_, a[0], a[1], a[2], a[3], src, a[4], a[5], a[6], a[7], kSrcCopy);
            return true;
        }
        if (Starts(call, "StretchDIBits(hdc, ")) {
            static const std::regex re(R"(bmi\{(\d+)x(-?\d+), 32bpp\})");
            std::smatch m;
            if (!std::regex_search(call, m, re) || call.find("SRCCOPY") == std::string::npos) {
                return false;
            }
            const std::int32_t w = Num(m[1]);
            const std::int32_t h = Num(m[2]);
            // Memory row r, column c holds (A0+r)(B0+c)55, whatever the orientation.
            std::vector<Pixel> bits;
            for (std::int32_t r = 0; r < (h < 0 ? -h : h); ++r) {
                for (std::int32_t c = 0; c < w; ++c) {
                    bits.push_back(((0xA0u + r) << 16) | ((0xB0u + c) << 8) | 0x55u);
                }
            }
            const auto a = Args(call);
            result_ = StretchDIBits(surface_, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7],
                                    DibView{bits.data(), w, h}, kSrcCopy);
            return true;
        }
        if (dump_.name == "setpixel" && Starts(call, "SetPixel(hdc, x, y, ")) {
            return ReplaySetPixel(call);
        }
        if (dump_.name == "syscolors-applied" && Starts(call, "SetSysColors(31, ")) {
            // Every index gets RGB(0xii, 0xC3, 0x5A) and is read back translated.
            for (std::int32_t i = 0; i < SystemPalette::kCount; ++i) {
                palette_.set(i, MarkedPalette().at(i));
            }
            ReadBackSystemColors();
            return true;
        }
        if (dump_.name == "syscolors-default" && Starts(call, "GetSysColor(i)")) {
            // That implementation's defaults, not ours: a palette loaded with them must
            // give each one back through TranslateColor.
            for (std::int32_t i = 0; i < SystemPalette::kCount; ++i) {
                palette_.set(i, FromRrggbb(Hex(dump_.rows[static_cast<std::size_t>(i)])));
            }
            ReadBackSystemColors();
            return true;
        }
        return false;
    }

    void ReadBackSystemColors() {
        surface_.Resize(1, SystemPalette::kCount);
        for (std::int32_t i = 0; i < SystemPalette::kCount; ++i) {
            SetPixel(surface_, 0, i, TranslateColor(SystemColor(i), palette_));
        }
    }

    bool ReplaySetPixel(const std::string& call) {
        static const std::regex point_re(R"(\((-?\d+),(-?\d+)\))");
        static const std::regex result_re(
            R"(\((-?\d+),(-?\d+)\)->set (0x[0-9A-F]+) get (0x[0-9A-F]+))");
        const std::string& results = dump_.at("results");
        std::vector<std::pair<std::int32_t, std::int32_t>> points;
        for (auto it = std::sregex_iterator(call.begin(), call.end(), point_re);
             it != std::sregex_iterator(); ++it) {
            points.emplace_back(Num((*it)[1]), Num((*it)[2]));
        }
        std::size_t checked = 0;
        for (auto it = std::sregex_iterator(results.begin(), results.end(), result_re);
             it != std::sregex_iterator(); ++it, ++checked) {
            const auto& m = *it;
            const std::int32_t x = Num(m[1]);
            const std::int32_t y = Num(m[2]);
            EXPECT_EQ(points.at(checked), std::make_pair(x, y));
            const auto set = static_cast<OleColor>(Hex(m[3]));
            const auto got = static_cast<OleColor>(Hex(m[4]));
            EXPECT_EQ(SetPixel(surface_, x, y, Rgb(0xC0, 0xFF, 0xEE)), set) << x << "," << y;
            EXPECT_EQ(GetPixel(surface_, x, y), got) << x << "," << y;
        }
        results_checked_ = checked == points.size() && checked > 0;
        return true;
    }

    bool CheckOutcome(const std::string& key, const std::string& value) {
        std::istringstream in(value);
        if (key == "result") {
            EXPECT_EQ(result_, Num(value)) << dump_.name;
            return true;
        }
        if (key == "rect_after") {
            Rect r;
            in >> r.left >> r.top >> r.right >> r.bottom;
            EXPECT_EQ(rect_after_, r) << dump_.name;
            return true;
        }
        if (key == "current_position_after") {
            Point p;
            in >> p.x >> p.y;
            EXPECT_EQ(surface_.current_position(), p) << dump_.name;
            return true;
        }
        if (key == "dc_state_preserved") {
            static const std::regex re(R"(rop2 (\d+)->(\d+))");
            std::smatch m;
            if (!std::regex_search(value, m, re)) {
                return false;
            }
            EXPECT_EQ(surface_.draw_mode(), Num(m[2])) << dump_.name;
            return true;
        }
        if (key == "restored_to_background") {
            const Pixel bg = PixelFromRrggbb(Hex(dump_.at("background")));
            const Bitmap& b = surface_.bitmap();
            EXPECT_TRUE(std::all_of(b.data(), b.data() + b.width() * b.height(), [bg](Pixel p) {
                return p == bg;
            })) << dump_.name;
            return true;
        }
        if (key == "changed_after_first_call") {
            const Bitmap untouched(surface_.width(), surface_.height(),
                                   PixelFromRrggbb(Hex(dump_.at("background"))));
            EXPECT_NE(after_first_, untouched) << dump_.name;
            return true;
        }
        if (key == "default_stretch_mode") {
            EXPECT_EQ(initial_stretch_mode_, Num(value)) << dump_.name;
            return true;
        }
        if (key == "rgnbox") {
            Rect r;
            in >> r.left >> r.top >> r.right >> r.bottom;
            EXPECT_EQ(region_.box(), r) << dump_.name;
            // GetRgnBox says 2 for one rectangle, 3 for more.
            const std::int32_t complexity = region_.rects().size() == 1 ? 2 : 3;
            EXPECT_NE(value.find("returned " + std::to_string(complexity)), std::string::npos)
                << dump_.name;
            return true;
        }
        if (key == "results") {
            return results_checked_;
        }
        return false;
    }

    void CheckPixels() {
        ASSERT_EQ(static_cast<std::int32_t>(dump_.rows.size()), surface_.height()) << dump_.name;
        int wrong = 0;
        for (std::int32_t y = 0; y < surface_.height(); ++y) {
            std::istringstream row(dump_.rows[static_cast<std::size_t>(y)]);
            std::string cell;
            for (std::int32_t x = 0; x < surface_.width(); ++x) {
                ASSERT_TRUE(row >> cell) << dump_.name << " row " << y;
                const Pixel want = PixelFromRrggbb(Hex(cell));
                const Pixel got = surface_.bitmap().at(x, y);
                if (got != want && ++wrong <= 8) {
                    ADD_FAILURE() << dump_.name << " (" << x << "," << y << "): want " << std::hex
                                  << want << " got " << got;
                }
            }
            EXPECT_FALSE(row >> cell) << dump_.name << " row " << y << " is longer";
        }
        EXPECT_EQ(wrong, 0) << dump_.name;
    }

    void CheckMask() {
        ASSERT_EQ(static_cast<std::int32_t>(dump_.rows.size()), dump_.Int("height"));
        const std::vector<std::uint8_t> mask =
            region_.Mask(dump_.Int("width"), dump_.Int("height"));
        for (std::int32_t y = 0; y < dump_.Int("height"); ++y) {
            const std::string& row = dump_.rows[static_cast<std::size_t>(y)];
            ASSERT_EQ(static_cast<std::int32_t>(row.size()), dump_.Int("width"));
            for (std::int32_t x = 0; x < dump_.Int("width"); ++x) {
                const bool want = row[static_cast<std::size_t>(x)] == '1';
                EXPECT_EQ(region_.Contains(x, y), want)
                    << dump_.name << " (" << x << "," << y << ")";
                EXPECT_EQ(mask[static_cast<std::size_t>(y * dump_.Int("width") + x)] != 0, want);
            }
        }
    }

    // The platform's rectangle list and ours may split the region differently; what
    // must agree is the set of pixels covered, over the box and a margin around it.
    void CheckRects() {
        std::vector<Rect> listed;
        for (const std::string& row : dump_.rows) {
            std::istringstream in(row);
            Rect r;
            in >> r.left >> r.top >> r.right >> r.bottom;
            listed.push_back(r);
        }
        ASSERT_FALSE(listed.empty());
        for (std::int32_t y = -2; y < 40; ++y) {
            for (std::int32_t x = -2; x < 40; ++x) {
                const bool want = std::any_of(listed.begin(), listed.end(), [x, y](const Rect& r) {
                    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                });
                EXPECT_EQ(region_.Contains(x, y), want)
                    << dump_.name << " (" << x << "," << y << ")";
            }
        }
        // Our own list is disjoint, so its areas add up to the covered pixel count.
        std::int64_t area = 0;
        for (const Rect& r : region_.rects()) {
            area += std::int64_t{r.right - r.left} * (r.bottom - r.top);
        }
        std::int64_t covered = 0;
        for (std::int32_t y = 0; y < 40; ++y) {
            for (std::int32_t x = 0; x < 40; ++x) {
                covered += region_.Contains(x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(area, covered) << dump_.name;
    }

    const Dump& dump_;
    SystemPalette palette_;
    Surface surface_;
    Region region_;
    OleColor pen_ = 0;
    Rect focus_;
    Point origin_;
    std::int32_t result_ = -1;
    Rect rect_after_;
    Bitmap after_first_;
    int steps_ = 0;
    std::int32_t initial_stretch_mode_ = 0;
    bool results_checked_ = false;
};

class GdiReference : public ::testing::TestWithParam<std::string> {};

TEST_P(GdiReference, ReplayMatchesDump) {
    const Dump dump = ReadDump(DumpDir() / (GetParam() + ".txt"));
    ASSERT_EQ(dump.at("case"), dump.name);
    ASSERT_FALSE(dump.at("call").empty());
    Replay replay(dump);
    replay.Run();
    replay.Check();
}

INSTANTIATE_TEST_SUITE_P(Dumps, GdiReference, ::testing::ValuesIn(DumpNames()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             std::string name = param.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(GdiReferenceData, EveryDumpOfTheSetIsPresent) {
    // The copy in the repository must not lose files: CI has no other source.
    const auto names = DumpNames();
    EXPECT_EQ(names.size(), 221u);
    EXPECT_TRUE(fs::exists(DumpDir() / "README.md"));
}

} // namespace
} // namespace lumio
