// The viewer's menu as Qt shows it: the items, their marks and the choices they carry;
// a right click on the viewer asks for it, at the pointer.
#include "qt/font_mapping.h"
#include "qt/qt_viewer_menu.h"
#include "qt/viewer_widget.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QStyle>
#include <QTest>

using namespace lumio;

namespace {

using Kind = ViewerMenuChoice::Kind;

QStringList Texts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* a : menu.actions()) {
        texts << (a->isSeparator() ? QStringLiteral("--") : a->text());
    }
    return texts;
}

bool Same(const std::optional<ViewerMenuChoice>& a, Kind kind, std::size_t chapter = 0) {
    return a && a->kind == kind && a->chapter == chapter;
}

const QFont kFormFont = QtFontFor(FontAttributes{u"微软雅黑", 9, 400, 134});

} // namespace

class ViewerMenuTest : public QObject {
    Q_OBJECT
private slots:
    void itemsInTheFormsFontWithTheirChoices() {
        ViewerMenuModel model;
        model.chapters = {u"序章", u"第一章 少年", u"第二章 远行"};
        model.currentChapter = 1;
        model.rememberChecked = true;
        model.rememberEnabled = true;
        const auto menu = BuildViewerMenu(model, kFormFont, nullptr);
        QCOMPARE(Texts(*menu), (QStringList{"目录", "跳转到…", "从头开始", "--", "记住阅读位置"}));
        QCOMPARE(menu->font(), kFormFont);
        const QList<QAction*> top = menu->actions();
        QVERIFY(Same(ChoiceOf(top[1]), Kind::Jump));
        QVERIFY(Same(ChoiceOf(top[2]), Kind::FromStart));
        QVERIFY(Same(ChoiceOf(top[4]), Kind::Remember));
        QVERIFY(top[4]->isCheckable() && top[4]->isChecked() && top[4]->isEnabled());
        QVERIFY(!ChoiceOf(top[0])); // the list itself chooses nothing
        QVERIFY(!ChoiceOf(top[3]));
        QVERIFY(!ChoiceOf(nullptr));

        QMenu* chapters = top[0]->menu();
        QVERIFY(chapters != nullptr);
        QCOMPARE(chapters->font(), kFormFont);
        QCOMPARE(Texts(*chapters), (QStringList{"序章", "第一章 少年", "第二章 远行"}));
        for (int i = 0; i < 3; ++i) {
            const QAction* a = chapters->actions()[i];
            QVERIFY(Same(ChoiceOf(a), Kind::Chapter, static_cast<std::size_t>(i)));
            QCOMPARE(a->isChecked(), i == 1); // the chapter being read is marked
        }
        QCOMPARE(chapters->activeAction(), chapters->actions()[1]);
        // A list taller than the screen scrolls instead of breaking into columns.
        QVERIFY(chapters->style()->styleHint(QStyle::SH_Menu_Scrollable, nullptr, chapters));
    }

    void noChaptersAndNoMemory() {
        ViewerMenuModel model; // no chapters, --no-memory
        const auto menu = BuildViewerMenu(model, kFormFont, nullptr);
        QMenu* chapters = menu->actions()[0]->menu();
        QCOMPARE(Texts(*chapters), QStringList{"（未找到章节）"});
        QVERIFY(!chapters->actions()[0]->isEnabled());
        QVERIFY(!ChoiceOf(chapters->actions()[0]));
        const QAction* remember = menu->actions()[4];
        QVERIFY(!remember->isEnabled());
        QVERIFY(!remember->isChecked());
    }

    void aKeptMenuFollowsTheModel() {
        QtViewerMenu shower(nullptr, kFormFont);
        ViewerMenuModel model;
        model.chapters = {u"序章", u"第一章", u"第二章"};
        model.currentChapter = 0;
        model.rememberEnabled = true;
        model.rememberChecked = true;
        shower.Prepare(model);
        QList<QStringList> seen;
        QList<const QMenu*> menus;
        shower.onShown = [&](QMenu& menu) {
            QStringList marks;
            for (const QAction* a : menu.actions()[0]->menu()->actions()) {
                marks << (a->isChecked() ? a->text() : QString());
            }
            marks << (menu.actions()[4]->isChecked() ? "remember" : "") +
                         QString(menu.actions()[4]->isEnabled() ? "" : " greyed");
            seen << marks;
            menus << &menu;
            menu.close();
        };
        const auto show = [&] { QVERIFY(!shower.ShowMenu(model)); }; // closed: no choice
        show();
        model.currentChapter = 2; // reading moved on
        model.rememberChecked = false;
        show();
        model.currentChapter.reset();
        model.rememberEnabled = false;
        show();
        model.chapters.push_back(u"尾声"); // another document
        model.currentChapter = 3;
        show();
        QCOMPARE(seen, (QList<QStringList>{{"序章", "", "", "remember"},
                                           {"", "", "第二章", ""},
                                           {"", "", "", " greyed"},
                                           {"", "", "", "尾声", " greyed"}}));
        QCOMPARE(menus[1], menus[0]); // the same menu while the chapters stay the same
        QCOMPARE(menus[2], menus[0]);
    }

    void rightClickOnTheViewerAsksForTheMenuAtThePointer() {
        ViewerWidget viewer;
        viewer.resize(649, 45);
        QPoint asked(-1, -1);
        viewer.onContextMenu = [&](QPoint global) { asked = global; };
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(30, 20), QPoint(330, 40));
        QApplication::sendEvent(&viewer, &event);
        QVERIFY(event.isAccepted());
        QCOMPARE(asked, QPoint(330, 40));
    }
};

QTEST_MAIN(ViewerMenuTest)
#include "viewer_menu_test.moc"
