// A plain window that prints "click X Y" for every left click it receives, so
// end-to-end tests can see which clicks pass through the reader window above it.
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <cstdio>

namespace {

class ClickTarget : public QWidget {
public:
    ClickTarget() {
        setWindowTitle(QStringLiteral("lumio-click-target"));
        setStyleSheet(QStringLiteral("background: white"));
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint p = event->globalPosition().toPoint();
        std::printf("click %d %d\n", p.x(), p.y());
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ClickTarget target;
    const QStringList args = QApplication::arguments();
    // Geometry: x y width height.
    if (args.size() == 5) {
        target.setGeometry(args[1].toInt(), args[2].toInt(), args[3].toInt(), args[4].toInt());
    } else {
        target.setGeometry(0, 0, 800, 300);
    }
    target.show();
    return QApplication::exec();
}
