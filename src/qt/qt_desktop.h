#pragma once

#include "platform/standard_modules_desktop.h"
#include "platform/window_registry.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <set>

namespace lumio {

// The desktop services over Qt: our windows are widgets registered here by handle; the
// pointer, capture, cursors, leave notifications and focus moves are Qt's.
class QtDesktop final : public StandardModulesDesktop {
public:
    explicit QtDesktop(WindowRegistry& windows) : windows_(windows) {}

    // Makes `widget` the window `handle` for pointer questions; forgotten when either
    // goes.
    void Register(WindowHandle handle, QWidget* widget);
    void Unregister(WindowHandle handle);
    QWidget* WidgetOf(WindowHandle handle) const;
    WindowHandle HandleOf(const QWidget* widget) const;

    // The pointer left `handle`'s widget: a leave notification asked for is sent now.
    void PointerLeft(WindowHandle handle);

    Point GetCursorPos() override;
    WindowHandle WindowFromPoint(Point screen) override;
    WindowHandle SetCapture(WindowHandle window) override;
    WindowHandle GetCapture() override;
    bool ReleaseCapture() override;
    CursorHandle LoadCursorA(ModuleHandle module, std::int32_t cursor_id) override;
    CursorHandle SetCursor(CursorHandle cursor) override;
    bool TrackMouseEvent(const TrackMouseEventRecord& request) override;
    bool ComctlTrackMouseEvent(const TrackMouseEventRecord& request) override;
    void SendKeys(std::string_view keys) override;
    void ProcessPendingMessages() override;

    bool IsTrackingLeave(WindowHandle handle) const { return leaveRequests_.count(handle) != 0; }

private:
    bool Track(const TrackMouseEventRecord& request);

    WindowRegistry& windows_;
    std::map<WindowHandle, QPointer<QWidget>> widgets_;
    std::set<WindowHandle> leaveRequests_;
    WindowHandle capture_ = 0;
};

} // namespace lumio
