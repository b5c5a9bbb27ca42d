#pragma once

#include "reader/full_screen.h"

#include <QAbstractNativeEventFilter>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace lumio {

// Looks at the X11 desktop for the auto-hide rule: the active window (_NET_ACTIVE_WINDOW),
// whether it is full screen (_NET_WM_STATE_FULLSCREEN), its place and frame, its type,
// the monitors and the strip. It looks again when the root window says the active window
// changed and when the active window's state, frame or place changes, and every
// kFullScreenPollMs besides, for whatever no event tells (a monitor plugged in, a window
// manager that says nothing). Off X11 it never starts.
class X11FullScreenWatch : public QAbstractNativeEventFilter {
public:
    explicit X11FullScreenWatch(QWidget& strip);
    ~X11FullScreenWatch() override;
    X11FullScreenWatch(const X11FullScreenWatch&) = delete;
    X11FullScreenWatch& operator=(const X11FullScreenWatch&) = delete;

    // Starts watching, telling `seen` of every look, the first at once; false off X11.
    bool Start(std::function<void(const ScreenState&)> seen);
    void Stop();

    // The desktop as it is now.
    ScreenState Look();

    // Gives the strip, just asked to show over a full-screen window, the focus: a window
    // manager keeps the full-screen window that has the focus above every other window,
    // so only thus does the strip come in front of it.
    void BringStripForward();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void LookSoon();
    void LookAndTell();
    void Follow(std::uint32_t window);
    bool Ours(std::uint32_t window) const;

    QWidget& strip_;
    std::function<void(const ScreenState&)> seen_;
    QTimer poll_;
    QTimer soon_;
    bool running_ = false;
    std::uint32_t root_ = 0;
    std::uint32_t followed_ = 0; // the active window whose events we asked for
    // The atoms looked up once at the start.
    struct Atoms {
        std::uint32_t active = 0, state = 0, fullScreen = 0, hidden = 0, frameExtents = 0, type = 0,
                      desktop = 0, dock = 0;
    } atoms_;
};

} // namespace lumio
