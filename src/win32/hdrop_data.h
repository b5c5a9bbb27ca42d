#pragma once

#include "win32/win_api.h"

#include <string>
#include <vector>

namespace lumio {

// The files of a WM_DROPFILES drop (the file-list format), read once.
class HdropData final : public DropData {
public:
    explicit HdropData(HDROP drop);
    bool HasFileList() const override { return true; }
    std::vector<std::u16string> Files() const override { return files_; }

private:
    std::vector<std::u16string> files_;
};

} // namespace lumio
