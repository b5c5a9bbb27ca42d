#include "qt/viewer_widget.h"

#include "qt/qt_strings.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace lumio {

namespace {

constexpr int kMargin = 4;

} // namespace

ViewerWidget::ViewerWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void ViewerWidget::SetViewerFont(const QFont& font) {
    font_ = font;
    Changed();
}

void ViewerWidget::SetText(std::u16string_view text) {
    text_ = ToQString(text);
    selStart_ = 0;
    selLength_ = 0;
    colored_.clear();
    Changed();
}

void ViewerWidget::SetSelStart(std::int32_t start) {
    selStart_ = std::clamp<int>(start, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
    Changed();
}

void ViewerWidget::SetSelLength(std::int32_t length) {
    selLength_ = std::clamp<int>(length, 0, static_cast<int>(text_.size()) - selStart_);
    Changed();
}

void ViewerWidget::SetSelColor(std::uint32_t color) {
    if (selLength_ > 0) {
        colored_.push_back({selStart_, selLength_, ToQColor(static_cast<OleColor>(color)).rgb()});
        Changed();
    }
}

void ViewerWidget::SetOLEDropMode(std::int32_t mode) {
    dropMode_ = mode;
    setAcceptDrops(mode == kOleDropManual);
}

QRgb ViewerWidget::ColorAt(int index) const {
    QRgb color = kInk;
    for (const Colored& c : colored_) {
        if (index >= c.start && index < c.start + c.length) {
            color = c.color;
        }
    }
    return color;
}

void ViewerWidget::Changed() {
    layoutDirty_ = true;
    imageDirty_ = true;
    update();
}

QRect ViewerWidget::TextArea() const {
    return rect().adjusted(kMargin, 1, -kMargin, -1);
}

void ViewerWidget::Relayout() const {
    if (!layoutDirty_) {
        return;
    }
    layoutDirty_ = false;
    layout_.clearLayout();
    layout_.setText(text_);
    layout_.setFont(font_);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout_.setTextOption(option);
    QList<QTextLayout::FormatRange> formats;
    for (const Colored& c : colored_) {
        QTextLayout::FormatRange range;
        range.start = c.start;
        range.length = c.length;
        range.format.setForeground(QColor(c.color));
        formats.append(range);
    }
    layout_.setFormats(formats);
    const double width = std::max(1, TextArea().width());
    double y = 0;
    layout_.beginLayout();
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout_.endLayout();
}

int ViewerWidget::lineCount() const {
    Relayout();
    return layout_.lineCount();
}

int ViewerWidget::visibleLine() const {
    Relayout();
    if (layout_.lineCount() == 0) {
        return -1;
    }
    // The caret sits at the end of the selection; its character's line is the one kept
    // in view.
    const int caret = selLength_ > 0 ? selStart_ + selLength_ - 1 : selStart_;
    const QTextLine line = layout_.lineForTextPosition(std::min(caret, int(text_.size())));
    return line.isValid() ? line.lineNumber() : layout_.lineCount() - 1;
}

std::pair<int, int> ViewerWidget::visibleRange() const {
    const int index = visibleLine();
    if (index < 0) {
        return {0, 0};
    }
    const QTextLine line = layout_.lineAt(index);
    return {line.textStart(), line.textLength()};
}

void ViewerWidget::Render() const {
    if (!imageDirty_ && image_.size() == size()) {
        return;
    }
    imageDirty_ = false;
    if (image_.size() != size()) {
        image_ = QImage(size(), QImage::Format_RGB32);
    }
    image_.fill(kPage);
    QPainter painter(&image_);
    painter.setPen(QColor(kFrame));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const int index = visibleLine();
    if (index >= 0) {
        const QRect area = TextArea();
        const QTextLine line = layout_.lineAt(index);
        const double top = area.top() + (area.height() - line.height()) / 2.0 - line.y();
        painter.setClipRect(area);
        painter.setPen(QColor(kInk));
        line.draw(&painter, QPointF(area.left(), top));
    }
}

void ViewerWidget::paintEvent(QPaintEvent*) {
    QElapsedTimer clock;
    clock.start();
    Render();
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    ++paints_;
    paintNs_ += clock.nsecsElapsed();
}

void ViewerWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void ViewerWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void ViewerWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void ViewerWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void ViewerWidget::resizeEvent(QResizeEvent*) {
    Changed();
}

void ViewerWidget::dragEnterEvent(QDragEnterEvent* event) {
    event->acceptProposedAction();
}

void ViewerWidget::dragMoveEvent(QDragMoveEvent* event) {
    event->acceptProposedAction();
}

void ViewerWidget::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (onContextMenu) {
        onContextMenu(event->globalPos());
    }
}

void ViewerWidget::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    if (onDrop && event->mimeData()) {
        onDrop(*event->mimeData());
    }
}

} // namespace lumio
