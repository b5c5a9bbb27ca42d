#include "qt/qt_open_dialog.h"

#include "qt/qt_strings.h"

#include <QFileDialog>
#include <QStringList>

namespace lumio {

QString QtOpenDialog::QtFilterFor(std::u16string_view filter) {
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << QStringLiteral("%1 (%2)").arg(parts[i], pattern);
    }
    return entries.join(QStringLiteral(";;"));
}

void QtOpenDialog::SetFilter(std::u16string_view filter) {
    qtFilter_ = QtFilterFor(filter);
}

bool QtOpenDialog::ShowOpen() {
    QString picked;
    if (replacement) {
        picked = replacement(qtFilter_, fileName_);
    } else {
        picked = QFileDialog::getOpenFileName(parent_, QString(), fileName_, qtFilter_);
    }
    if (picked.isEmpty()) {
        return false; // cancelled: the file name stays what it was
    }
    fileName_ = picked;
    return true;
}

std::u16string QtOpenDialog::FileName() const {
    return ToU16(fileName_);
}

} // namespace lumio
