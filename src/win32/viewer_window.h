#pragma once

#include "win32/file_drop_target.h"
#include "win32/win_api.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace lumio {

// Where a wrapped line that starts at `start` ends when `fit` characters fit on it: after
// the last space that fits (a space right after the fitting part counts), else after as
// many characters as fit (at least one).
int WrapLineEnd(std::wstring_view text, int start, int fit);

// The one-line viewer `rtxt1` as a child window drawn with GDI, like the Linux viewer:
// the text wraps at the viewer's width (at a word boundary, else anywhere) and only the
// line that holds the selection shows. Coloured ranges keep their colour until the
// text is replaced. Dark ink on an ivory page in a slate frame: no blend of any two of
// these colours can be the window's colour key RGB(66,66,66).
class ViewerWindow final : public Viewer, public DropTarget {
public:
    static constexpr COLORREF kPage = RGB(255, 253, 240);
    static constexpr COLORREF kInk = RGB(16, 24, 96);
    static constexpr COLORREF kFrame = RGB(110, 130, 160);
    static constexpr int kMargin = 4; // left and right of the text, at 100 %

    ViewerWindow(HWND parent, const Rect& geometry);
    ~ViewerWindow() override;
    ViewerWindow(const ViewerWindow&) = delete;
    ViewerWindow& operator=(const ViewerWindow&) = delete;

    static void RegisterClass(HINSTANCE instance);
    HWND window() const { return hwnd_; }
    void SetFont(HFONT font);
    // The text's margins grow with the resolution, as its font does.
    void SetScale(DisplayScale scale);

    void SetText(std::u16string_view text) override;
    void SetSelStart(std::int32_t start) override;
    void SetSelLength(std::int32_t length) override;
    void SetSelColor(std::uint32_t color) override;
    void SetOLEDropMode(std::int32_t mode) override;

    // Files were dropped on the viewer.
    std::function<void(const HdropData&)> onDrop;

    // The range of characters the line in view holds.
    std::pair<int, int> VisibleRange();
    COLORREF ColorAt(int index) const;
    std::int64_t paints() const { return paints_; }
    std::int64_t paintNs() const { return paintNs_; }

private:
    struct Colored {
        int start;
        int length;
        COLORREF color;
    };

    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Changed();
    void Relayout(HDC dc);
    void Paint();
    RECT TextArea() const;

    HWND hwnd_ = nullptr;
    std::unique_ptr<FileDropTarget> drops_;
    HFONT font_ = nullptr;
    int margin_ = kMargin;
    std::wstring text_;
    int selStart_ = 0;
    int selLength_ = 0;
    std::vector<Colored> colored_;
    std::vector<int> lineStarts_; // where each wrapped line begins
    bool layoutDirty_ = true;
    std::int64_t paints_ = 0;
    std::int64_t paintNs_ = 0;
};

} // namespace lumio
