#pragma once

#include "win32/win_api.h"

#include <string>

namespace lumio {

// The system's modal message box, owned by the reader window.
class WinMessageBox final : public MessageBox {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    void Show(std::u16string_view prompt, int style, std::u16string_view title) override;

private:
    HWND owner_ = nullptr;
};

// The system's file-open dialog; it starts from the file picked last.
class WinOpenDialog final : public OpenDialog {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    void SetFilter(std::u16string_view filter) override;
    bool ShowOpen() override;
    std::u16string FileName() const override { return fileName_; }

    // "description|pattern|..." as the dialog takes it: NUL between the parts and two
    // at the end.
    static std::wstring SystemFilter(std::u16string_view filter);

private:
    HWND owner_ = nullptr;
    std::wstring filter_;
    std::u16string fileName_;
};

} // namespace lumio
