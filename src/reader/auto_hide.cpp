#include "reader/auto_hide.h"

#include "reader/boss_key.h"

namespace lumio {

AutoHide::AutoHide(FormWindow& form, std::function<bool()> shown,
                   std::function<void()> bringForward)
    : form_(form), shown_(std::move(shown)), bringForward_(std::move(bringForward)) {}

void AutoHide::Seen(const ScreenState& screen) {
    // The system's presentation mode holds the screen whichever window is in front.
    if (!screen.front.ours || screen.presentation) {
        Held(FullScreenOverStrip(screen));
    }
}

void AutoHide::Held(std::uint64_t holder) {
    if (holder == holder_) {
        return;
    }
    holder_ = holder;
    if (holder != 0) {
        // A full-screen window has come, the first or the next after another: a strip
        // the user brought back over the last one steps aside again.
        if (!steppedAside_ && shown_()) {
            Act(false);
        }
        return;
    }
    if (steppedAside_) {
        Act(true);
    }
}

void AutoHide::Asked(bool shown) {
    if (acting_) {
        return;
    }
    // Whatever the user asked for stands: the strip is no longer ours to show.
    steppedAside_ = false;
    if (shown && holder_ != 0 && bringForward_) {
        bringForward_();
    }
}

void AutoHide::Act(bool show) {
    acting_ = true;
    const bool done = ShowOrHideStrip(form_, show);
    acting_ = false;
    steppedAside_ = done && !show;
}

} // namespace lumio
