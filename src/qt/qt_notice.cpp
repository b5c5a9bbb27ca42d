#include "qt/qt_notice.h"

#include "qt/qt_strings.h"
#include "qt/strip_message_box.h"

#include <QMessageBox>

namespace lumio {

void QtNotice::Tell(std::u16string_view text, std::u16string_view title) {
    // No parent: the strip may be hidden or hidden later, and the box stays in sight.
    auto* box = new StripMessageBox(QMessageBox::Information, ToQString(title), ToQString(text),
                                    strip_, nullptr);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

} // namespace lumio
