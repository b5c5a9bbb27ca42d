#pragma once

#include "platform/file_source.h"

#include <string>
#include <string_view>

namespace lumio {

// The reader window's own texts, used exactly as they stand.
inline constexpr std::u16string_view kMessageTitle = u"信息提示";
inline constexpr std::u16string_view kRefusalText = u"请选择一个Txt文件.";
inline constexpr std::u16string_view kTxtFilter = u"(txt) 文本|*.txt";

// The message for a document that passed the path check but could not be opened or
// read: names the file and the reason.
std::u16string LoadErrorText(std::u16string_view path, const FileError& error);

} // namespace lumio
