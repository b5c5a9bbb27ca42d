#include "win32/win_tool_tips.h"

#include "win32/wide.h"

#include <vector>

namespace lumio {

namespace {

TTTOOLINFOW ToolOf(HWND owner, HWND control) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

} // namespace

void AddToolTip(HWND tips, HWND owner, HWND control, const std::u16string& text) {
    if (!tips || text.empty()) {
        return;
    }
    std::wstring wide = WideCopy(text);
    TTTOOLINFOW tool = ToolOf(owner, control);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.lpszText = wide.data();
    ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void SetToolTip(HWND tips, HWND owner, HWND control, const std::u16string& text) {
    if (!tips) {
        return;
    }
    // Asked only whether the tool exists: with a text buffer the control would copy
    // the old tip into it, however long, with no size to keep to.
    TTTOOLINFOW tool = ToolOf(owner, control);
    tool.lpszText = nullptr;
    if (!::SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) {
        AddToolTip(tips, owner, control, text);
        return;
    }
    std::wstring wide = WideCopy(text);
    tool = ToolOf(owner, control);
    tool.lpszText = wide.data();
    ::SendMessageW(tips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::u16string ToolTipText(HWND tips, HWND owner, HWND control) {
    TTTOOLINFOW tool = ToolOf(owner, control);
    if (!tips || !::SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) {
        return {};
    }
    // TTM_GETTEXTW copies at most wParam characters, the NUL included.
    std::vector<wchar_t> buffer(1024, L'\0');
    tool.lpszText = buffer.data();
    ::SendMessageW(tips, TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&tool));
    buffer.back() = L'\0';
    return FromWide(buffer.data());
}

} // namespace lumio
