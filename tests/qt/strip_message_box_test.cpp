// The program's messages open where the strip, above other windows, covers none of
// them, and in the strip's layer: the refusal box, the load-error box and the notices.
#include "qt/qt_message_box.h"
#include "qt/qt_notice.h"
#include "qt/strip_message_box.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <optional>

using namespace lumio;

namespace {

// A strip like the reader's: 650 x 139 with only its upper 69 rows painted.
class Strip : public QWidget {
public:
    explicit Strip(QPoint at) : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
        setFixedSize(650, 139);
        setMask(QRegion(0, 0, 649, 69));
        move(at);
        show();
    }
    QRect Painted() const { return mask().boundingRect().translated(geometry().topLeft()); }
};

QRect Area() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Runs `show` (which may wait in its own event loop for the box to close) and answers
// the geometry of the message box that opened meanwhile, with its window flags.
struct Opened {
    QRect frame;
    Qt::WindowFlags flags;
    QString text;
};
template <typename ShowFn>
std::optional<Opened> WhatOpens(ShowFn show) {
    Opened seen;
    bool found = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box && box->isVisible() && !found) {
                found = true;
                seen = {box->frameGeometry(), box->windowFlags(), box->text()};
                box->done(0);
            }
        }
    });
    poll.start(10);
    show();
    if (!QTest::qWaitFor([&] { return found; }, 5000)) {
        return std::nullopt;
    }
    return seen;
}

} // namespace

class StripMessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void theRefusalOpensBelowAStripAtTheTop() {
        Strip strip(QPoint(Area().center().x() - 325, Area().top()));
        QtMessageBox messages(&strip);
        const std::optional<Opened> opened =
            WhatOpens([&] { messages.Show(u"请选择一个Txt文件.", 64, u"信息提示"); });
        QVERIFY2(opened, "no message box opened");
        const Opened& box = *opened;
        QCOMPARE(box.text, QStringLiteral("请选择一个Txt文件."));
        QVERIFY2(!box.frame.intersects(strip.Painted()), "the strip covers the box");
        QVERIFY(box.frame.top() >= strip.Painted().bottom());
        QVERIFY(Area().contains(box.frame));
        QVERIFY(box.flags & Qt::WindowStaysOnTopHint);
        QVERIFY(qAbs(box.frame.center().x() - strip.Painted().center().x()) <= 1);
    }

    void aStripAtTheBottomHasTheBoxAboveIt() {
        Strip strip(QPoint(Area().left() + 20, Area().bottom() - 69));
        QtMessageBox messages(&strip);
        const std::optional<Opened> opened =
            WhatOpens([&] { messages.Show(u"无法打开", 48, u"信息提示"); });
        QVERIFY2(opened, "no message box opened");
        const Opened& box = *opened;
        QVERIFY2(!box.frame.intersects(strip.Painted()), "the strip covers the box");
        QVERIFY(box.frame.bottom() < strip.Painted().top());
        QVERIFY(Area().contains(box.frame));
    }

    void theStripsMaskNotItsWindowIsWhatCovers() {
        // Put in the transparent rows below the painted part is as good as below it.
        Strip strip(QPoint(Area().left(), Area().top()));
        const QPoint at = StripMessageBox::PlaceBeside(strip, QSize(300, 150));
        QCOMPARE(at.y(), strip.Painted().bottom() + 1 + 8);
        QCOMPARE(at.x(), strip.Painted().left() + 649 / 2 - 150);
    }

    void aNoticeDoesNotWaitAndKeepsClearToo() {
        Strip strip(QPoint(Area().center().x() - 325, Area().center().y()));
        QtNotice notice(&strip);
        const std::optional<Opened> opened =
            WhatOpens([&] { notice.Tell(u"老板键已被占用", u"Tolva电子文档阅读器"); });
        QVERIFY2(opened, "no message box opened");
        const Opened& box = *opened;
        QCOMPARE(box.text, QStringLiteral("老板键已被占用"));
        QVERIFY2(!box.frame.intersects(strip.Painted()), "the strip covers the notice");
        QVERIFY(box.flags & Qt::WindowStaysOnTopHint);
    }
};

QTEST_MAIN(StripMessageBoxTest)
#include "strip_message_box_test.moc"
