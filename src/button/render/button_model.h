#pragma once

#include "platform/color.h"
#include "platform/picture.h"
#include "platform/rect.h"

#include <cstdint>
#include <memory>
#include <string>

namespace lumio {

// A picture property: a shared picture object, or nothing (null).
using PictureRef = std::shared_ptr<const Picture>;

// The values of `ButtonStyle`.
enum ButtonStyleValue : std::int32_t {
    kStyleStandard = 0,
    kStyleFlat = 1,
    kStyleGloss = 2,
    kStyleBevel = 3,
    kStyleBlueGlass = 4,
    kStyleShadow = 5,
    kStyleSoftGradient = 6,
    kStyleAmberBands = 7,
    kStyleLightBlue = 8,
    kStyleHighlightBox = 9,
    kStylePlastic = 10,
    kStyleHoverRaised = 11,
    kStyleHoverThin = 12,
    kStyleAmberNavy = 13,
    kStyleCapsule = 14,
    kStyleSideGradient = 15,
};

// The values of `PictureSize`, `CaptionAlign` and `PictureAlign`.
enum PictureSizeValue : std::int32_t { kSizeNatural = 0, kSize16 = 1, kSize24 = 2, kSize32 = 3 };
enum CaptionAlignValue : std::int32_t { kCaptionLeft = 0, kCaptionCenter = 1, kCaptionRight = 2 };
enum PictureAlignValue : std::int32_t {
    kPictureLeftEdge = 0,
    kPictureLeftOfCaption = 1,
    kPictureRightEdge = 2,
    kPictureRightOfCaption = 3,
    kPictureCenter = 4,
    kPictureTopEdge = 5,
    kPictureTopOfCaption = 6,
    kPictureBottomEdge = 7,
    kPictureBottomOfCaption = 8,
};

// `InteractionState`, held in `mState`.
enum InteractionState : std::int32_t { kStateNormal = 0, kStateHover = 1, kStatePressed = 2 };

// Everything about a qxbutton that drawing reads or writes, under the names the
// control uses: its public properties, its run-time fields and the rendering fields.
// The control owns one and changes it through its accessors and handlers; the paint
// pipeline and the style renderers work on it directly.
struct ButtonModel {
    // Properties (persisted; the control's accessors keep the host informed).
    OleColor BackColor = 0;
    std::int32_t ButtonStyle = kStyleStandard;
    std::u16string Caption;
    std::int32_t CaptionAlign = kCaptionCenter;
    bool CheckBoxMode = false;
    bool Enabled = true;
    OleColor ForeColor = 0;
    bool HandPointer = false;
    OleColor MaskColor = Rgb(0xE0, 0xE0, 0xE0);
    PictureRef Picture;
    std::int32_t PictureAlign = kPictureLeftOfCaption;
    std::int32_t PictureSize = kSizeNatural;
    PictureRef PictureHover;
    bool ShowFocusRect = false;
    bool UseMaskColor = false;
    bool Value = false;

    // Run-time fields, maintained by the input handlers.
    std::int32_t mState = kStateNormal;
    bool mMouseOver = false;
    bool mLeftDown = false;
    bool mHasFocus = false;
    bool mSpaceDown = false;
    bool mParentActive = false;
    bool mDisplayAsDefault = false;
    bool mIsNT = false;
    std::int32_t mHandCursor = 0;
    std::int32_t mParentHwnd = 0;
    bool mTrackLeave = false;
    bool mTrackUser32 = false;
    std::int16_t mLastButton = 0;
    std::int16_t mLastShift = 0;
    float mLastX = 0;
    float mLastY = 0;

    // The surface's size in whole pixels (W and H), re-measured by every paint.
    std::int32_t mWidth = 0;
    std::int32_t mHeight = 0;

    // Rendering fields.
    Rect ClientRect;     // (0, 0, W, H), set by every paint before the renderer runs
    std::int32_t PW = 0; // size the picture is drawn at, from the last DrawContent
    std::int32_t PH = 0;
    Rect CaptionFocusRect; // around the caption; the style 6 renderer frames it

    // A check-box-mode button whose Value is on.
    bool Checked() const { return CheckBoxMode && Value; }
};

} // namespace lumio
