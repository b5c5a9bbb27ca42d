#pragma once

#include "reader/viewer_menu.h"
#include "win32/win_api.h"

#include <optional>
#include <string>
#include <vector>

namespace lumio {

// The viewer's menu as a Windows popup menu (TrackPopupMenu), its items drawn by us in
// the form's font: 目录 (the chapters, the one being read checked; the system scrolls a
// list taller than the screen), 跳转到…, 从头开始 and 记住阅读位置. The jump is asked
// for in a small dialog of the same font.
class WinViewerMenu final : public ViewerMenuShower {
public:
    // Item ids: the chapters from kFirstChapter on.
    static constexpr UINT kJump = 1;
    static constexpr UINT kFromStart = 2;
    static constexpr UINT kRemember = 3;
    static constexpr UINT kFirstChapter = 100;

    WinViewerMenu(HWND owner, HFONT font) : owner_(owner), font_(font) {}

    // Where the next menu opens, in screen coordinates.
    void SetPosition(POINT screen) { position_ = screen; }
    // The form's font at the window's resolution, which changes with its monitor's.
    void SetFont(HFONT font) { font_ = font; }
    HFONT font() const { return font_; }

    std::optional<ViewerMenuChoice> ShowMenu(const ViewerMenuModel& model) override;
    std::optional<std::u16string> AskText(std::u16string_view title,
                                          std::u16string_view prompt) override;

    // The owner's WM_MEASUREITEM and WM_DRAWITEM for the menu's items; false for any
    // other item.
    bool Measure(MEASUREITEMSTRUCT& item) const;
    bool Draw(const DRAWITEMSTRUCT& item) const;

    // The menu a model makes, and the choice an item id stands for.
    HMENU Build(const ViewerMenuModel& model);
    static std::optional<ViewerMenuChoice> ChoiceFor(UINT id);

    // The menu while it is open, for the tests.
    HMENU openMenu() const { return open_; }

private:
    HWND owner_;
    HFONT font_;
    POINT position_{};
    HMENU open_ = nullptr;
    // The texts of the items drawn by us; an item's data is its index here.
    std::vector<std::wstring> texts_;
};

} // namespace lumio
