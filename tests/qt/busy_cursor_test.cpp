// The busy cursor of long loads as the application's override cursor.
#include "qt/qt_busy_cursor.h"

#include <QApplication>
#include <QCursor>
#include <QTest>

class BusyCursorTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheWaitCursorAndGivesBackTheOneBefore() {
        lumio::QtBusyCursor busy;
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        busy.Show();
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        busy.Hide();
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        // Over a cursor some other part of the program set, that one comes back.
        QApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
        busy.Show();
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        busy.Hide();
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
        QApplication::restoreOverrideCursor();
    }
};

QTEST_MAIN(BusyCursorTest)
#include "busy_cursor_test.moc"
