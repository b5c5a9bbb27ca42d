#include "qt/qt_shell.h"

#include "qt/qt_strings.h"

#include <QDesktopServices>

namespace lumio {

void QtShell::ShellExecute(WindowHandle, std::u16string_view operation, std::u16string_view file,
                           std::u16string_view, std::u16string_view, std::int32_t) {
    if (operation != u"open" || file.empty()) {
        return;
    }
    const QUrl url = QUrl::fromUserInput(ToQString(file));
    if (replacement) {
        replacement(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

} // namespace lumio
