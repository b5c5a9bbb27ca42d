#pragma once

#include <QCoreApplication>
#include <QLocale>

namespace lumio {

// Qt's own texts (the file dialog's labels and buttons, the message boxes' buttons) in
// the user's language, from Qt's translations where they are installed. False when
// there is none for `locale`: the texts stay in English.
bool LoadQtTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

} // namespace lumio
