#pragma once

#include "win32/win_api.h"

#include <optional>
#include <string>
#include <vector>

namespace lumio {

// The files of a drop in the file-list format (DROPFILES and the names after it), read
// once.
class HdropData final : public DropData {
public:
    // A WM_DROPFILES drop, which the system made.
    explicit HdropData(HDROP drop);
    // A block another program made, trusted for nothing: nothing when it is not a whole
    // file list within its own size.
    static std::optional<HdropData> FromBlock(HGLOBAL block);

    bool HasFileList() const override { return true; }
    std::vector<std::u16string> Files() const override { return files_; }

private:
    explicit HdropData(std::vector<std::u16string> files) : files_(std::move(files)) {}

    std::vector<std::u16string> files_;
};

} // namespace lumio
