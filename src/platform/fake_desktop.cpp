#include "platform/fake_desktop.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

namespace lumio {
namespace {

constexpr CursorHandle kCursorHandleBase = 0x00020000;
constexpr std::int32_t kSystemCursors[] = {IDC_ARROW, 32513 /* I-beam */, 32514 /* wait */,
                                           32515 /* cross */, IDC_HAND};

bool Contains(const Rect& r, Point p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

} // namespace

FakeDesktop::FakeDesktop(WindowRegistry& windows) : windows_(windows) {
    for (std::int32_t id : kSystemCursors) {
        system_cursors_[id] = kCursorHandleBase + (id & 0xFFFF);
    }
    cursor_ = system_cursors_.at(IDC_ARROW);
}

Point FakeDesktop::GetCursorPos() {
    Log("GetCursorPos", {});
    return pointer_;
}

WindowHandle FakeDesktop::WindowFromPoint(Point screen) {
    Log("WindowFromPoint", {screen.x, screen.y});
    return TopWindowAt(screen);
}

WindowHandle FakeDesktop::SetCapture(WindowHandle window) {
    Log("SetCapture", {window});
    const WindowHandle before = Live(capture_);
    if (windows_.IsWindow(window)) {
        capture_ = window;
    }
    return before;
}

WindowHandle FakeDesktop::GetCapture() {
    Log("GetCapture", {});
    return Live(capture_);
}

bool FakeDesktop::ReleaseCapture() {
    Log("ReleaseCapture", {});
    capture_ = 0;
    return true;
}

CursorHandle FakeDesktop::LoadCursorA(ModuleHandle module, std::int32_t cursor_id) {
    Log("LoadCursorA", {module, cursor_id});
    if (module != 0) {
        return 0; // no library of ours carries cursors
    }
    const auto it = system_cursors_.find(cursor_id);
    return it == system_cursors_.end() ? 0 : it->second;
}

CursorHandle FakeDesktop::SetCursor(CursorHandle cursor) {
    Log("SetCursor", {cursor});
    return std::exchange(cursor_, cursor);
}

bool FakeDesktop::TrackMouseEvent(const TrackMouseEventRecord& request) {
    Log("TrackMouseEvent", {request.hwndTrack});
    return Track(request);
}

bool FakeDesktop::ComctlTrackMouseEvent(const TrackMouseEventRecord& request) {
    Log("_TrackMouseEvent", {request.hwndTrack});
    return Track(request);
}

ModuleHandle FakeDesktop::GetModuleHandleA(std::string_view module) {
    Log("GetModuleHandleA", {}, module);
    return modules_.GetModuleHandleA(module);
}

ModuleHandle FakeDesktop::LoadLibraryA(std::string_view module) {
    Log("LoadLibraryA", {}, module);
    return modules_.LoadLibraryA(module);
}

FunctionAddress FakeDesktop::GetProcAddress(ModuleHandle module, std::string_view function) {
    Log("GetProcAddress", {module}, function);
    return modules_.GetProcAddress(module, function);
}

bool FakeDesktop::FreeLibrary(ModuleHandle module) {
    Log("FreeLibrary", {module});
    return modules_.FreeLibrary(module);
}

void FakeDesktop::SendKeys(std::string_view keys) {
    Log("SendKeys", {}, keys);
    // Only the focus moves are understood; the rest of an unknown sequence is dropped.
    constexpr std::string_view kTab = "{TAB}";
    while (!keys.empty()) {
        const bool shift = keys.front() == '+';
        const std::string_view rest = shift ? keys.substr(1) : keys;
        if (!rest.starts_with(kTab)) {
            break;
        }
        pending_.push_back([this, shift] { MoveFocus(shift ? -1 : 1); });
        keys = rest.substr(kTab.size());
    }
}

void FakeDesktop::ProcessPendingMessages() {
    Log("ProcessPendingMessages", {});
    while (!pending_.empty()) {
        const std::function<void()> next = std::move(pending_.front());
        pending_.pop_front();
        next();
    }
}

void FakeDesktop::PlaceWindow(WindowHandle window, Rect screen) {
    std::erase_if(placements_, [&](const Placement& p) { return p.window == window; });
    placements_.push_back({window, screen});
}

void FakeDesktop::MovePointer(Point screen, WParam keys) {
    pointer_ = screen;
    const WindowHandle under = TopWindowAt(screen);
    std::vector<WindowHandle> left;
    std::erase_if(leave_requests_, [&](WindowHandle w) {
        if (w == under) {
            return false;
        }
        left.push_back(w);
        return true;
    });
    for (WindowHandle w : left) {
        windows_.Send(w, WM_MOUSELEAVE, 0, 0);
    }
    const WindowHandle target = Live(capture_) ? capture_ : under;
    if (target == 0) {
        return;
    }
    const Placement* placed = PlacementOf(target);
    const Point origin = placed ? Point{placed->screen.left, placed->screen.top} : Point{};
    windows_.Send(target, WM_MOUSEMOVE, keys, MakeLParam(screen.x - origin.x, screen.y - origin.y));
}

bool FakeDesktop::IsTrackingLeave(WindowHandle window) const {
    return std::find(leave_requests_.begin(), leave_requests_.end(), window) !=
           leave_requests_.end();
}

void FakeDesktop::SetTabOrder(std::vector<WindowHandle> order) {
    tab_order_ = std::move(order);
}

WindowHandle FakeDesktop::SetFocus(WindowHandle window) {
    if (window != 0 && !windows_.IsWindow(window)) {
        return 0;
    }
    const WindowHandle before = Live(focus_);
    if (window == before) {
        return before;
    }
    if (before != 0) {
        windows_.Send(before, WM_KILLFOCUS, window, 0);
    }
    focus_ = window;
    if (window != 0) {
        windows_.Send(window, WM_SETFOCUS, before, 0);
    }
    return before;
}

WindowHandle FakeDesktop::GetFocus() const {
    return Live(focus_);
}

void FakeDesktop::PostMessage(WindowHandle window, MessageNumber message, WParam wParam,
                              LParam lParam) {
    pending_.push_back([this, window, message, wParam, lParam] {
        windows_.Send(window, message, wParam, lParam);
    });
}

std::size_t FakeDesktop::CallCount(std::string_view function) const {
    return static_cast<std::size_t>(
        std::count_if(calls_.begin(), calls_.end(), [&](const std::string& call) {
            return call.starts_with(function) && call.size() > function.size() &&
                   call[function.size()] == '(';
        }));
}

void FakeDesktop::Log(std::string_view function, std::initializer_list<std::int64_t> args,
                      std::string_view text) {
    std::string call(function);
    call += '(';
    bool first = true;
    for (std::int64_t arg : args) {
        if (!first) {
            call += ',';
        }
        call += std::to_string(arg);
        first = false;
    }
    if (!text.empty()) {
        if (!first) {
            call += ',';
        }
        call += text;
    }
    call += ')';
    calls_.push_back(std::move(call));
}

bool FakeDesktop::Track(const TrackMouseEventRecord& request) {
    if (request.cbSize != sizeof(TrackMouseEventRecord) || request.dwFlags != TME_LEAVE ||
        !windows_.IsWindow(request.hwndTrack)) {
        return false;
    }
    if (!IsTrackingLeave(request.hwndTrack)) {
        leave_requests_.push_back(request.hwndTrack);
    }
    return true;
}

WindowHandle FakeDesktop::TopWindowAt(Point screen) const {
    WindowHandle best = 0;
    int best_depth = -1;
    for (const Placement& placed : placements_) {
        if (!Contains(placed.screen, screen) || !CanTakeInput(placed.window)) {
            continue;
        }
        int depth = 0;
        for (const Window* w = windows_.Find(placed.window); w && w->parent() != 0;
             w = windows_.Find(w->parent())) {
            ++depth;
        }
        if (depth >= best_depth) {
            best = placed.window;
            best_depth = depth;
        }
    }
    return best;
}

bool FakeDesktop::CanTakeInput(WindowHandle window) const {
    const Window* w = windows_.Find(window);
    if (!w || !w->enabled()) {
        return false;
    }
    for (; w; w = w->parent() != 0 ? windows_.Find(w->parent()) : nullptr) {
        if (!w->visible()) {
            return false;
        }
    }
    return true;
}

const FakeDesktop::Placement* FakeDesktop::PlacementOf(WindowHandle window) const {
    const auto it = std::find_if(placements_.begin(), placements_.end(),
                                 [&](const Placement& p) { return p.window == window; });
    return it == placements_.end() ? nullptr : &*it;
}

void FakeDesktop::MoveFocus(int step) {
    std::vector<WindowHandle> stops;
    std::copy_if(tab_order_.begin(), tab_order_.end(), std::back_inserter(stops),
                 [&](WindowHandle w) { return CanTakeInput(w); });
    if (stops.empty()) {
        return;
    }
    const auto current = std::find(stops.begin(), stops.end(), Live(focus_));
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t index = 0;
    if (current == stops.end()) {
        index = step > 0 ? 0 : count - 1;
    } else {
        index = ((current - stops.begin()) + step + count) % count;
    }
    SetFocus(stops[static_cast<std::size_t>(index)]);
}

} // namespace lumio
