#pragma once

#include "reader/controls.h"

#include <QMimeData>

namespace lumio {

// What a drop delivered, seen as the reader asks for it: a file list is the local files
// among the dropped URLs, in their order.
class QtDropData : public DropData {
public:
    explicit QtDropData(const QMimeData& data);
    bool HasFileList() const override { return !files_.empty(); }
    std::vector<std::u16string> Files() const override { return files_; }

private:
    std::vector<std::u16string> files_;
};

} // namespace lumio
