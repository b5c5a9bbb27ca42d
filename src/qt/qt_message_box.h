#pragma once

#include "reader/controls.h"

#include <QWidget>
#include <functional>

namespace lumio {

// A modal message box with an OK button; the style's icon bits pick the icon (16
// critical, 32 question, 48 exclamation, 64 information).
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent) : parent_(parent) {}
    void Show(std::u16string_view prompt, int style, std::u16string_view title) override;

    // Tests replace the modal box with a recorder.
    std::function<void(const QString& prompt, int style, const QString& title)> replacement;

private:
    QWidget* parent_;
};

} // namespace lumio
