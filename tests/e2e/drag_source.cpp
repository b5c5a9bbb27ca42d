// A window that drags files: pressing the left button in it starts a real drag of the
// files named on the command line (or of plain text with --text, or of a URL given as
// it is with --url), so end-to-end tests can drop onto the reader from another process.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class DragSource : public QWidget {
public:
    DragSource(QList<QUrl> urls, QString text) : urls_(std::move(urls)), text_(std::move(text)) {
        setWindowTitle(QStringLiteral("lumio-drag-source"));
        setFixedSize(120, 80);
        setStyleSheet(QStringLiteral("background: rgb(240, 200, 40)"));
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) {
            return;
        }
        auto* mime = new QMimeData;
        if (!urls_.isEmpty()) {
            mime->setUrls(urls_);
        }
        if (!text_.isEmpty()) {
            mime->setText(text_);
        }
        auto* drag = new QDrag(this);
        drag->setMimeData(mime);
        const Qt::DropAction result = drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);
        std::printf("drag finished: %d\n", int(result));
        std::fflush(stdout);
    }

private:
    QList<QUrl> urls_;
    QString text_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QList<QUrl> urls;
    QString text;
    const QStringList args = QApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--text") && i + 1 < args.size()) {
            text = args[++i];
        } else if (args[i] == QStringLiteral("--url") && i + 1 < args.size()) {
            urls << QUrl(args[++i]); // as written: its escapes may stand for any bytes
        } else {
            urls << QUrl::fromLocalFile(args[i]);
        }
    }
    DragSource source(urls, text);
    source.move(40, 400);
    source.show();
    return QApplication::exec();
}
