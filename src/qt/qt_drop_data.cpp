#include "qt/qt_drop_data.h"

#include "platform/utf.h"

#include <QByteArray>
#include <QUrl>

namespace lumio {

namespace {

// The file a local URL names, from the bytes its percent-encoding carries: a POSIX name
// need not be UTF-8 (GBK names from old archives), and decoding it as UTF-8, as
// toLocalFile() does, would turn its bytes into U+FFFD and name another file.
std::u16string LocalPath(const QUrl& url) {
    QByteArray native = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    const QString host = url.host(QUrl::FullyEncoded);
    if (!host.isEmpty()) {
        // A share on another machine, written as toLocalFile() writes it.
        native.prepend(QByteArray("//") + host.toUtf8() +
                       (native.startsWith('/') || native.isEmpty() ? "" : "/"));
    }
    return PathFromNative(
        std::string_view(native.constData(), static_cast<std::size_t>(native.size())));
}

} // namespace

QtDropData::QtDropData(const QMimeData& data) {
    if (!data.hasUrls()) {
        return;
    }
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) {
            files_.push_back(LocalPath(url));
        }
    }
}

} // namespace lumio
