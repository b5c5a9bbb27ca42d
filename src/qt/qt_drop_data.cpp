#include "qt/qt_drop_data.h"

#include "qt/qt_strings.h"

#include <QUrl>

namespace lumio {

QtDropData::QtDropData(const QMimeData& data) {
    if (!data.hasUrls()) {
        return;
    }
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) {
            files_.push_back(ToU16(url.toLocalFile()));
        }
    }
}

} // namespace lumio
