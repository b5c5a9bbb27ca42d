#pragma once

#include <QMessageBox>
#include <QPointer>

namespace lumio {

// A message box of the program, made so that the strip cannot hide it: it lives in the
// strip's layer above other windows (as a box owned by a topmost window does on
// Windows), and it opens where the strip covers none of it. Without a strip it opens
// where Qt puts it.
class StripMessageBox : public QMessageBox {
public:
    StripMessageBox(Icon icon, const QString& title, const QString& text, QWidget* strip,
                    QWidget* parent);

    // Where the box goes beside `strip` for a frame of `frame` pixels (the window
    // manager's frame included), in screen coordinates.
    static QPoint PlaceBeside(const QWidget& strip, QSize frame);

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPointer<QWidget> strip_;
};

} // namespace lumio
