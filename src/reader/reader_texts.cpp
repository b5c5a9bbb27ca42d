#include "reader/reader_texts.h"

#include <algorithm>
#include <iterator>

namespace lumio {

namespace {

struct Reason {
    FileErrorKind kind;
    std::u16string_view text;
    bool withCode; // the system's error number helps only where the reason is vague
};

constexpr Reason kReasons[] = {
    {FileErrorKind::NotFound, u"文件不存在（可能已被移动或删除）", false},
    {FileErrorKind::IsDirectory, u"这是一个文件夹，不是文件", false},
    {FileErrorKind::NotRegularFile, u"这不是普通文件", false},
    {FileErrorKind::AccessDenied, u"没有读取该文件的权限", false},
    {FileErrorKind::InvalidName, u"文件名无效", false},
    {FileErrorKind::OpenFailed, u"无法打开", true},
    {FileErrorKind::ReadFailed, u"读取中途出错", true},
    {FileErrorKind::OutOfMemory, u"文件太大，内存不足", false},
};

std::u16string Digits(int value) {
    std::u16string digits;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : unsigned(value);
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    return value < 0 ? u"-" + digits : digits;
}

} // namespace

std::u16string LoadErrorText(std::u16string_view path, const FileError& error) {
    const auto* reason = std::find_if(std::begin(kReasons), std::end(kReasons),
                                      [&](const Reason& r) { return r.kind == error.kind; });
    std::u16string text = u"无法读取文件“";
    text += path;
    text += u"”：";
    if (reason == std::end(kReasons)) {
        text += u"未知错误";
    } else {
        text += reason->text;
        if (reason->withCode && error.code != 0) {
            text += u"（错误码 " + Digits(error.code) + u"）";
        }
    }
    text += u"。";
    return text;
}

} // namespace lumio
