#pragma once

#include "reader/controls.h"
#include "reader/window_services.h"

#include <QFont>
#include <QImage>
#include <QTextLayout>
#include <QWidget>
#include <functional>
#include <vector>

namespace lumio {

// The one-line rich-text viewer `rtxt1`: the text wraps at the viewer's width and only
// one line shows, the one that holds the selection (the newest characters while
// reading). Coloured ranges keep their colour until the text is replaced.
//
// Colours: dark ink on an ivory page with a thin slate frame. The page is opaque, so
// the text reads the same over a white or a dark desktop; and the colours are chosen
// so no smoothing step between any of them and the page can be the window's colour
// key RGB(66,66,66): the page's red and blue are far above 66, the ink's blue and the
// red mark's red are too, so every blended pixel keeps one channel above 66.
class ViewerWidget : public QWidget, public Viewer, public DropTarget {
    Q_OBJECT
public:
    static constexpr QRgb kPage = qRgb(255, 253, 240);
    static constexpr QRgb kInk = qRgb(16, 24, 96);
    static constexpr QRgb kFrame = qRgb(110, 130, 160);

    explicit ViewerWidget(QWidget* parent = nullptr);

    // Viewer
    void SetText(std::u16string_view text) override;
    void SetSelStart(std::int32_t start) override;
    void SetSelLength(std::int32_t length) override;
    void SetSelColor(std::uint32_t color) override;

    // DropTarget: drops are taken only in manual mode.
    void SetOLEDropMode(std::int32_t mode) override;

    void SetViewerFont(const QFont& font);

    // A drop arrived (its data is the event's mime data).
    std::function<void(const class QMimeData&)> onDrop;
    // The viewer's menu is asked for at this point of the screen.
    std::function<void(QPoint global)> onContextMenu;

    // What the viewer holds and shows, for tests.
    QString text() const { return text_; }
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    // The colour each character is drawn in.
    QRgb ColorAt(int index) const;
    // The index of the wrapped line in view, and the range of characters it holds.
    int visibleLine() const;
    std::pair<int, int> visibleRange() const;
    int lineCount() const;

    // Paints so far and their time, for the speed figures.
    std::int64_t paints() const { return paints_; }
    std::int64_t paintNs() const { return paintNs_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // The viewer is a window of its own: the pointer's presses on it are its own and
    // never reach the reader window (whose presses drag it).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Colored {
        int start;
        int length;
        QRgb color;
    };

    void Relayout() const;
    void Render() const;
    void Changed();
    QRect TextArea() const;

    QFont font_;
    QString text_;
    int selStart_ = 0;
    int selLength_ = 0;
    std::vector<Colored> colored_;
    std::int32_t dropMode_ = 0;

    mutable QTextLayout layout_;
    mutable bool layoutDirty_ = true;
    mutable QImage image_;
    mutable bool imageDirty_ = true;
    std::int64_t paints_ = 0;
    std::int64_t paintNs_ = 0;
};

} // namespace lumio
