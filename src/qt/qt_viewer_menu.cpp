#include "qt/qt_viewer_menu.h"

#include "qt/qt_strings.h"

#include <QInputDialog>
#include <QProxyStyle>
#include <QTimer>

namespace lumio {

namespace {

using Kind = ViewerMenuChoice::Kind;

// A list taller than the screen scrolls, whatever the style would do with it (some
// break it into columns).
class ScrollingMenuStyle : public QProxyStyle {
public:
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
        if (model.currentChapter == i) {
            action->setCheckable(true);
            action->setChecked(true);
            chapters->setActiveAction(action); // scrolled into view as the list opens
        }
    }
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

std::optional<ViewerMenuChoice> QtViewerMenu::ShowMenu(const ViewerMenuModel& model) {
    const std::unique_ptr<QMenu> menu = BuildViewerMenu(model, font_, parent_);
    open_ = menu.get();
    if (onShown) {
        QTimer::singleShot(0, menu.get(), [this, m = menu.get()] { onShown(*m); });
    }
    const QAction* chosen = menu->exec(position_);
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
