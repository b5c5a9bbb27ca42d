#include "win32/hdrop_data.h"

#include "win32/wide.h"

#include <cstring>
#include <shlobj.h>

namespace lumio {

namespace {

// The names from `at` to the empty name that ends the list, or to the end of the block
// right after a name; nothing when a name runs past the end. `Unit` is wchar_t or char.
template <typename Unit>
std::optional<std::vector<std::basic_string<Unit>>> Names(const unsigned char* block,
                                                          std::size_t size, std::size_t at) {
    std::vector<std::basic_string<Unit>> names;
    std::basic_string<Unit> name;
    for (; at + sizeof(Unit) <= size; at += sizeof(Unit)) {
        Unit unit{};
        std::memcpy(&unit, block + at, sizeof(Unit)); // the offset need not be aligned
        if (unit != Unit{}) {
            name += unit;
        } else if (name.empty()) {
            return names;
        } else {
            names.push_back(std::move(name));
            name.clear();
        }
    }
    if (!name.empty()) {
        return std::nullopt;
    }
    return names;
}

std::u16string FromAnsi(const std::string& name) {
    const int n =
        ::MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), wide.data(), n);
    return FromWide(wide);
}

} // namespace

HdropData::HdropData(HDROP drop) {
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        ::DragQueryFileW(drop, i, name.data(), length + 1);
        name.resize(length);
        files_.push_back(FromWide(name));
    }
}

std::optional<HdropData> HdropData::FromBlock(HGLOBAL block) {
    const std::size_t size = block ? ::GlobalSize(block) : 0;
    if (size < sizeof(DROPFILES)) {
        return std::nullopt;
    }
    const auto* bytes = static_cast<const unsigned char*>(::GlobalLock(block));
    if (!bytes) {
        return std::nullopt;
    }
    DROPFILES head{};
    std::memcpy(&head, bytes, sizeof(head));
    std::vector<std::u16string> files;
    bool whole = false;
    // The names start after the header, within the block.
    if (head.pFiles >= sizeof(DROPFILES) && head.pFiles <= size) {
        if (head.fWide) {
            if (auto names = Names<wchar_t>(bytes, size, head.pFiles)) {
                for (const std::wstring& name : *names) {
                    files.push_back(FromWide(name));
                }
                whole = true;
            }
        } else if (auto names = Names<char>(bytes, size, head.pFiles)) {
            for (const std::string& name : *names) {
                files.push_back(FromAnsi(name));
            }
            whole = true;
        }
    }
    ::GlobalUnlock(block);
    if (!whole) {
        return std::nullopt;
    }
    return HdropData(std::move(files));
}

} // namespace lumio
