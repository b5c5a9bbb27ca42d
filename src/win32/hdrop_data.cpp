#include "win32/hdrop_data.h"

#include "win32/wide.h"

namespace lumio {

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

} // namespace lumio
