#pragma once

#include "reader/controls.h"

#include <string>
#include <utility>
#include <vector>

namespace lumio {

// A drop of exactly one file: how a document named on a command line, here or in a
// second start of the program, reaches the reader, so it is opened as a dropped one is.
class OneFileDrop final : public DropData {
public:
    explicit OneFileDrop(std::u16string file) : file_(std::move(file)) {}
    bool HasFileList() const override { return true; }
    std::vector<std::u16string> Files() const override { return {file_}; }

private:
    std::u16string file_;
};

} // namespace lumio
