#include "qt/qt_busy_cursor.h"

#include <QApplication>
#include <QCursor>

namespace lumio {

void QtBusyCursor::Show() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void QtBusyCursor::Hide() {
    QApplication::restoreOverrideCursor();
}

} // namespace lumio
