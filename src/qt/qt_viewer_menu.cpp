#include "qt/qt_viewer_menu.h"

#include "qt/qt_strings.h"

#include <QEvent>
#include <QInputDialog>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QTimer>

namespace lumio {

namespace {

using Kind = ViewerMenuChoice::Kind;

// A list taller than the screen scrolls, whatever the style would do with it (some
// break it into columns); of its items, all checkable, only the marked one shows a box.
class ScrollingMenuStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuItem && item != nullptr && !item->checked) {
            QStyleOptionMenuItem plain(*item);
            plain.checkType = QStyleOptionMenuItem::NotCheckable;
            QProxyStyle::drawControl(element, &plain, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Menu_Scrollable) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The action's choice, as the QVariant it carries: the kind, and the chapter's index.
QVariant Encode(const ViewerMenuChoice& choice) {
    return QList<QVariant>{static_cast<int>(choice.kind), static_cast<qulonglong>(choice.chapter)};
}

QAction* AddChoice(QMenu& menu, std::u16string_view text, const ViewerMenuChoice& choice) {
    QAction* action = menu.addAction(ToQString(text));
    action->setData(Encode(choice));
    return action;
}

// While it lives, the list does not hear of its items' changes: moving the check mark
// between items that are all checkable changes no item's size, and a list that heard
// of it would measure all its thousands of items again.
class QuietList : public QObject {
public:
    explicit QuietList(QMenu& list) : list_(list) { list_.installEventFilter(this); }
    ~QuietList() override {
        list_.removeEventFilter(this);
        list_.update();
    }
    QuietList(const QuietList&) = delete;
    QuietList& operator=(const QuietList&) = delete;

    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::ActionChanged;
    }

private:
    QMenu& list_;
};

} // namespace

std::unique_ptr<QMenu> BuildViewerMenu(const ViewerMenuModel& model, const QFont& font,
                                       QWidget* parent) {
    auto menu = std::make_unique<QMenu>(parent);
    menu->setFont(font);
    QMenu* chapters = menu->addMenu(ToQString(kMenuChapters));
    chapters->setFont(font);
    auto* style = new ScrollingMenuStyle;
    style->setParent(chapters);
    chapters->setStyle(style);
    if (model.chapters.empty()) {
        chapters->addAction(ToQString(kMenuNoChapters))->setEnabled(false);
    }
    for (std::size_t i = 0; i < model.chapters.size(); ++i) {
        QAction* action = AddChoice(*chapters, model.chapters[i], {Kind::Chapter, i});
        // All checkable, so moving the mark changes no item's size.
        action->setCheckable(true);
        if (model.currentChapter == i) {
            action->setChecked(true);
            chapters->setActiveAction(action); // scrolled into view as the list opens
        }
    }
    // However the list opens (pointer or keys), it opens at the chapter being read.
    QObject::connect(chapters, &QMenu::aboutToShow, chapters, [chapters] {
        QTimer::singleShot(0, chapters, [chapters] {
            for (QAction* action : chapters->actions()) {
                if (action->isChecked()) {
                    chapters->setActiveAction(action);
                    return;
                }
            }
        });
    });
    AddChoice(*menu, kMenuJump, {Kind::Jump, 0});
    AddChoice(*menu, kMenuFromStart, {Kind::FromStart, 0});
    menu->addSeparator();
    QAction* remember = AddChoice(*menu, kMenuRemember, {Kind::Remember, 0});
    remember->setCheckable(true);
    remember->setChecked(model.rememberChecked);
    remember->setEnabled(model.rememberEnabled);
    return menu;
}

std::optional<ViewerMenuChoice> ChoiceOf(const QAction* action) {
    if (action == nullptr || action->data().typeId() != QMetaType::QVariantList) {
        return std::nullopt;
    }
    const QList<QVariant> parts = action->data().toList();
    return ViewerMenuChoice{static_cast<Kind>(parts.at(0).toInt()),
                            static_cast<std::size_t>(parts.at(1).toULongLong())};
}

QMenu& QtViewerMenu::MenuFor(const ViewerMenuModel& model) {
    if (!menu_ || model.chapters != chapters_) {
        menu_ = BuildViewerMenu(model, font_, parent_);
        chapters_ = model.chapters;
        return *menu_;
    }
    QMenu* chapters = menu_->actions()[0]->menu();
    const QuietList quiet(*chapters);
    const QList<QAction*> items = chapters->actions();
    for (qsizetype i = 0; i < items.size(); ++i) {
        const bool current = model.currentChapter == static_cast<std::size_t>(i);
        if (items[i]->isChecked() != current) {
            items[i]->setChecked(current);
        }
        if (current) {
            chapters->setActiveAction(items[i]);
        }
    }
    QAction* remember = menu_->actions()[4];
    remember->setChecked(model.rememberChecked);
    remember->setEnabled(model.rememberEnabled);
    return *menu_;
}

void QtViewerMenu::Prepare(const ViewerMenuModel& model) {
    QMenu& menu = MenuFor(model);
    // Shown once where nobody sees it, the list measures and places its items now
    // instead of when the user asks for it.
    QMenu* chapters = menu.actions()[0]->menu();
    chapters->setAttribute(Qt::WA_DontShowOnScreen, true);
    chapters->popup(QPoint(0, 0));
    chapters->hide();
    chapters->setAttribute(Qt::WA_DontShowOnScreen, false);
}

std::optional<ViewerMenuChoice> QtViewerMenu::ShowMenu(const ViewerMenuModel& model) {
    QMenu& menu = MenuFor(model);
    open_ = &menu;
    if (onShown) {
        QTimer::singleShot(0, &menu, [this, m = &menu] { onShown(*m); });
    }
    const QAction* chosen = menu.exec(position_);
    open_ = nullptr;
    return ChoiceOf(chosen);
}

std::optional<std::u16string> QtViewerMenu::AskText(std::u16string_view title,
                                                    std::u16string_view prompt) {
    QInputDialog dialog(parent_);
    dialog.setFont(font_);
    dialog.setWindowTitle(ToQString(title));
    dialog.setLabelText(ToQString(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(ToQString(kJumpOk));
    dialog.setCancelButtonText(ToQString(kJumpCancel));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return ToU16(dialog.textValue());
}

} // namespace lumio
