#pragma once

#include "button/render/button_model.h"
#include "button/render/render_host.h"

#include <cstdint>

namespace lumio {

// What every drawing routine of a button gets: the button and its host.
struct PaintContext {
    ButtonModel& model;
    RenderHost& host;

    Surface& surface() const { return host.surface(); }
    // The surface's scale size rounded to whole pixels, halves to even.
    std::int32_t MeasureWidth() const;
    std::int32_t MeasureHeight() const;
    // Re-measures and stores W and H in mWidth and mHeight.
    void RemeasureSize() const;
    // TranslateColor with the surface's system colours.
    OleColor Translate(OleColor color) const;
};

} // namespace lumio
