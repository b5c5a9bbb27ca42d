#include "win32/win_viewer_menu.h"

#include "win32/wide.h"

#include <algorithm>
#include <cstring>

namespace lumio {

namespace {

using Kind = ViewerMenuChoice::Kind;

constexpr int kTextMargin = 8;          // between the check column, the text and the edges
constexpr int kItemPadding = 6;         // above and below the text
constexpr wchar_t kCheck[] = L"\u221A"; // √, in every Chinese font

// --- The jump dialog, built in memory ---------------------------------------------------

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr int kEditId = 100;

// A dialog template: the header, then each item, every item on a DWORD boundary.
class DialogTemplate {
public:
    DialogTemplate(std::wstring_view title, short cx, short cy, int items) {
        DLGTEMPLATE header{};
        header.style = DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        header.cdit = static_cast<WORD>(items);
        header.cx = cx;
        header.cy = cy;
        Put(&header, sizeof header);
        Word(0); // no menu
        Word(0); // the standard dialog class
        Text(title);
        Word(9); // the layout's font: the children get the form's font at start-up
        Text(L"MS Shell Dlg");
    }

    void Item(WORD atom, int id, DWORD style, short x, short y, short cx, short cy,
              std::wstring_view text) {
        Align();
        DLGITEMTEMPLATE item{};
        item.style = style | WS_CHILD | WS_VISIBLE;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = static_cast<WORD>(id);
        Put(&item, sizeof item);
        Word(0xFFFF);
        Word(atom);
        Text(text);
        Word(0); // no creation data
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Put(const void* data, std::size_t bytes) {
        const std::size_t at = words_.size();
        words_.resize(at + bytes / sizeof(WORD));
        std::memcpy(words_.data() + at, data, bytes);
    }
    void Word(WORD w) { words_.push_back(w); }
    void Text(std::wstring_view text) {
        words_.insert(words_.end(), text.begin(), text.end());
        words_.push_back(0);
    }
    void Align() {
        if (words_.size() % 2 != 0) {
            words_.push_back(0);
        }
    }

    std::vector<WORD> words_; // starts on a DWORD boundary: vector storage is aligned
};

struct AskState {
    HFONT font;
    std::wstring answer;
};

INT_PTR CALLBACK AskProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const auto* state = reinterpret_cast<const AskState*>(lParam);
        for (HWND child = ::GetWindow(dialog, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(state->font), FALSE);
        }
        ::SetFocus(::GetDlgItem(dialog, kEditId));
        return FALSE; // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            auto* state = reinterpret_cast<AskState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
            HWND edit = ::GetDlgItem(dialog, kEditId);
            std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
            text.resize(static_cast<std::size_t>(
                ::GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
            state->answer = std::move(text);
            ::EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            ::EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

HMENU WinViewerMenu::Build(const ViewerMenuModel& model) {
    texts_.clear();
    const auto ours = [this](std::u16string_view text) {
        texts_.push_back(WideCopy(text));
        return static_cast<ULONG_PTR>(texts_.size()); // its index + 1: 0 is no item of ours
    };
    HMENU chapters = ::CreatePopupMenu();
    if (model.chapters.empty()) {
        ::AppendMenuW(chapters, MF_OWNERDRAW | MF_GRAYED, 0,
                      reinterpret_cast<LPCWSTR>(ours(kMenuNoChapters)));
    }
    for (std::size_t i = 0; i < model.chapters.size(); ++i) {
        const UINT flags = MF_OWNERDRAW | (model.currentChapter == i ? MF_CHECKED : 0);
        ::AppendMenuW(chapters, flags, kFirstChapter + i,
                      reinterpret_cast<LPCWSTR>(ours(model.chapters[i])));
    }
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuW(menu, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(chapters),
                  reinterpret_cast<LPCWSTR>(ours(kMenuChapters)));
    ::AppendMenuW(menu, MF_OWNERDRAW, kJump, reinterpret_cast<LPCWSTR>(ours(kMenuJump)));
    ::AppendMenuW(menu, MF_OWNERDRAW, kFromStart, reinterpret_cast<LPCWSTR>(ours(kMenuFromStart)));
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu,
                  MF_OWNERDRAW | (model.rememberChecked ? MF_CHECKED : 0) |
                      (model.rememberEnabled ? 0 : MF_GRAYED),
                  kRemember, reinterpret_cast<LPCWSTR>(ours(kMenuRemember)));
    return menu;
}

std::optional<ViewerMenuChoice> WinViewerMenu::ChoiceFor(UINT id) {
    switch (id) {
    case kJump:
        return ViewerMenuChoice{Kind::Jump, 0};
    case kFromStart:
        return ViewerMenuChoice{Kind::FromStart, 0};
    case kRemember:
        return ViewerMenuChoice{Kind::Remember, 0};
    default:
        if (id >= kFirstChapter) {
            return ViewerMenuChoice{Kind::Chapter, id - kFirstChapter};
        }
        return std::nullopt;
    }
}

std::optional<ViewerMenuChoice> WinViewerMenu::ShowMenu(const ViewerMenuModel& model) {
    HMENU menu = Build(model);
    open_ = menu;
    // A popup menu closes when the user clicks elsewhere only while its owner is in front.
    ::SetForegroundWindow(owner_);
    const UINT id = static_cast<UINT>(::TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
        position_.x, position_.y, 0, owner_, nullptr));
    ::PostMessageW(owner_, WM_NULL, 0, 0);
    open_ = nullptr;
    ::DestroyMenu(menu); // and its submenu
    texts_.clear();
    return ChoiceFor(id);
}

bool WinViewerMenu::Measure(MEASUREITEMSTRUCT& item) const {
    if (item.CtlType != ODT_MENU || item.itemData == 0 || item.itemData > texts_.size()) {
        return false;
    }
    const std::wstring& text = texts_[item.itemData - 1];
    HDC dc = ::GetDC(owner_);
    const HGDIOBJ old = ::SelectObject(dc, font_);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SIZE check{};
    ::GetTextExtentPoint32W(dc, kCheck, 1, &check);
    ::SelectObject(dc, old);
    ::ReleaseDC(owner_, dc);
    item.itemWidth = static_cast<UINT>(check.cx + extent.cx + 3 * kTextMargin);
    item.itemHeight = static_cast<UINT>(std::max(extent.cy, check.cy) + kItemPadding);
    return true;
}

bool WinViewerMenu::Draw(const DRAWITEMSTRUCT& item) const {
    if (item.CtlType != ODT_MENU || item.itemData == 0 || item.itemData > texts_.size()) {
        return false;
    }
    const std::wstring& text = texts_[item.itemData - 1];
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool grayed = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    HDC dc = item.hDC;
    ::FillRect(dc, &item.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    const HGDIOBJ old = ::SelectObject(dc, font_);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(grayed     ? COLOR_GRAYTEXT
                                     : selected ? COLOR_HIGHLIGHTTEXT
                                                : COLOR_MENUTEXT));
    SIZE check{};
    ::GetTextExtentPoint32W(dc, kCheck, 1, &check);
    RECT area = item.rcItem;
    area.left += kTextMargin;
    if ((item.itemState & ODS_CHECKED) != 0) {
        ::DrawTextW(dc, kCheck, 1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    area.left += check.cx + kTextMargin;
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    ::SelectObject(dc, old);
    return true;
}

std::optional<std::u16string> WinViewerMenu::AskText(std::u16string_view title,
                                                     std::u16string_view prompt) {
    DialogTemplate dialog(WideCopy(title), 230, 86, 4);
    dialog.Item(kStaticClass, -1, SS_LEFT, 8, 8, 214, 26, WideCopy(prompt));
    dialog.Item(kEditClass, kEditId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 8, 38, 214, 14, L"");
    dialog.Item(kButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 110, 62, 54, 16,
                WideCopy(kJumpOk));
    dialog.Item(kButtonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 168, 62, 54, 16,
                WideCopy(kJumpCancel));
    AskState state{font_, {}};
    const INT_PTR result = ::DialogBoxIndirectParamW(
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(owner_, GWLP_HINSTANCE)), dialog.get(),
        owner_, AskProcedure, reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) {
        return std::nullopt;
    }
    return FromWide(state.answer);
}

} // namespace lumio
