#pragma once

#include "reader/viewer_menu.h"

#include <QFont>
#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

namespace lumio {

// The viewer's menu as a Qt menu in the form's font: 目录 (the chapters, the one being
// read checked, a long list scrolling), 跳转到…, 从头开始 and the checkable 记住阅读位置.
// Each action carries its choice (ChoiceOf).
std::unique_ptr<QMenu> BuildViewerMenu(const ViewerMenuModel& model, const QFont& font,
                                       QWidget* parent);
std::optional<ViewerMenuChoice> ChoiceOf(const QAction* action);

// Shows the menu where the pointer was pressed or, from the keyboard, under the
// viewer's top-left corner; asks for the jump in a one-line input box.
class QtViewerMenu : public ViewerMenuShower {
public:
    QtViewerMenu(QWidget* parent, QFont font) : parent_(parent), font_(std::move(font)) {}

    // Where the next menu opens, in screen coordinates.
    void SetPosition(QPoint global) { position_ = global; }

    // Builds the menu for `model`'s chapters ahead of its first showing, and lays it
    // out unseen: a list of thousands of chapters then opens at once. The menu is kept
    // while the chapters stay the same.
    void Prepare(const ViewerMenuModel& model);

    std::optional<ViewerMenuChoice> ShowMenu(const ViewerMenuModel& model) override;
    std::optional<std::u16string> AskText(std::u16string_view title,
                                          std::u16string_view prompt) override;

    // The menu while it is open (tests and the speed figures look at it).
    QMenu* openMenu() const { return open_; }
    // Called once the menu is on the screen.
    std::function<void(QMenu&)> onShown;

private:
    // The menu for the model: the kept one with its marks brought up to date, or a new
    // one when the chapters changed.
    QMenu& MenuFor(const ViewerMenuModel& model);

    QWidget* parent_;
    QFont font_;
    QPoint position_;
    QPointer<QMenu> open_;
    std::unique_ptr<QMenu> menu_;
    std::vector<std::u16string> chapters_; // the chapters menu_ lists
};

} // namespace lumio
