#include "win32/win_dialogs.h"

#include "win32/wide.h"

#include <algorithm>
#include <vector>

namespace lumio {

void WinMessageBox::Show(std::u16string_view prompt, int style, std::u16string_view title) {
    // The core numbers the icons and buttons as the system does.
    ::MessageBoxW(owner_, WideCopy(prompt).c_str(), WideCopy(title).c_str(),
                  static_cast<UINT>(style) | MB_OK);
}

std::wstring WinOpenDialog::SystemFilter(std::u16string_view filter) {
    std::wstring out = WideCopy(filter);
    std::replace(out.begin(), out.end(), L'|', L'\0');
    out.push_back(L'\0');
    out.push_back(L'\0');
    return out;
}

void WinOpenDialog::SetFilter(std::u16string_view filter) {
    filter_ = SystemFilter(filter);
}

bool WinOpenDialog::ShowOpen() {
    // Long paths included; the name last picked is where the dialog starts.
    std::vector<wchar_t> name(32768, L'\0');
    const std::wstring last = WideCopy(fileName_);
    std::copy_n(last.begin(), std::min(last.size(), name.size() - 1), name.begin());
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner_;
    ofn.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!::GetOpenFileNameW(&ofn)) {
        return false; // cancelled (or failed): the file name stays what it was
    }
    fileName_ = FromWide(name.data());
    return true;
}

} // namespace lumio
