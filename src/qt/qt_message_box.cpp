#include "qt/qt_message_box.h"

#include "qt/qt_strings.h"
#include "qt/strip_message_box.h"

#include <QMessageBox>

namespace lumio {

void QtMessageBox::Show(std::u16string_view prompt, int style, std::u16string_view title) {
    if (replacement) {
        replacement(ToQString(prompt), style, ToQString(title));
        return;
    }
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style & 0x70) {
    case 16:
        icon = QMessageBox::Critical;
        break;
    case 32:
        icon = QMessageBox::Question;
        break;
    case 48:
        icon = QMessageBox::Warning;
        break;
    case 64:
        icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    StripMessageBox box(icon, ToQString(title), ToQString(prompt), parent_, parent_);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace lumio
