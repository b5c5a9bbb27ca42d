// Qt's own texts in the user's language: the open dialog and the message boxes' buttons
// read Chinese on a Chinese desktop.
#include "qt/qt_translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

QStringList Texts(const QWidget& root) {
    QStringList texts;
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (const QAbstractButton* button : root.findChildren<QAbstractButton*>()) {
        texts << button->text();
    }
    return texts;
}

// The dialog as the program shows it where the desktop offers none of its own.
QStringList OpenDialogTexts() {
    QFileDialog dialog(nullptr, QString(), QString(), QStringLiteral("(txt) 文本 (*.txt)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Texts(dialog) << dialog.windowTitle();
}

QStringList MessageBoxTexts() {
    QMessageBox box(QMessageBox::Information, QStringLiteral("信息提示"), QStringLiteral("x"),
                    QMessageBox::Ok);
    return Texts(box);
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void aLanguageWithoutTranslationsStaysEnglish() {
        QVERIFY(!lumio::LoadQtTranslations(*qApp, QLocale(QLocale::Welsh)));
        const QStringList dialog = OpenDialogTexts();
        QVERIFY2(dialog.contains(QStringLiteral("Look in:")), qPrintable(dialog.join('|')));
        QVERIFY2(dialog.contains(QStringLiteral("Open")), qPrintable(dialog.join('|')));
    }

    void chineseDesktopsGetChineseDialogsAndButtons() {
        QVERIFY2(lumio::LoadQtTranslations(*qApp, QLocale(QStringLiteral("zh_CN"))),
                 "Qt's translations (qt6-translations-l10n) are not installed");
        const QStringList dialog = OpenDialogTexts();
        const QString all = dialog.join('|');
        QVERIFY2(dialog.contains(QStringLiteral("打开")), qPrintable("no title 打开: " + all));
        for (const char* text : {"查找范围", "文件名", "文件类型", "打开(&O)", "取消"}) {
            QVERIFY2(all.contains(QString::fromUtf8(text)),
                     qPrintable(QString::fromUtf8(text) + " not in " + all));
        }
        QVERIFY2(!all.contains(QStringLiteral("Look in")), qPrintable(all));
        const QStringList box = MessageBoxTexts();
        QVERIFY2(box.contains(QStringLiteral("确定")), qPrintable(box.join('|')));
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
