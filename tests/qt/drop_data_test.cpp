// The files a drop names, taken from the bytes of its URLs: a name that is not UTF-8
// (GBK names unpacked from old archives) must name the same file when it arrives.
#include "platform/utf.h"
#include "qt/qt_drop_data.h"

#include <QMimeData>
#include <QTest>

using namespace lumio;

namespace {

QByteArray Native(const std::u16string& path) {
    const std::string bytes = PathToNative(path);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

class DropDataTest : public QObject {
    Q_OBJECT
private slots:
    void urlsNameTheirFilesByteForByte_data() {
        QTest::addColumn<QByteArray>("uriList");  // as a drop delivers it: text/uri-list
        QTest::addColumn<QByteArray>("expected"); // the file names' bytes, one a line
        QTest::newRow("GBK name") << QByteArray("file:///tmp/%C4%E3%BA%C3.txt\r\n")
                                  << QByteArray("/tmp/\xC4\xE3\xBA\xC3.txt");
        QTest::newRow("UTF-8 name") << QByteArray("file:///tmp/%E4%BD%A0%E5%A5%BD.txt\r\n")
                                    << QByteArray("/tmp/\xE4\xBD\xA0\xE5\xA5\xBD.txt");
        QTest::newRow("GBK folder, UTF-8 file") << QByteArray("file:///%D6%D0/%E4%B8%AD.txt\r\n")
                                                << QByteArray("/\xD6\xD0/\xE4\xB8\xAD.txt");
        QTest::newRow("escaped ASCII") << QByteArray("file:///tmp/a%20b%23c%25d%3F.txt\r\n")
                                       << QByteArray("/tmp/a b#c%d?.txt");
        QTest::newRow("first file of several, others skipped")
            << QByteArray("http://example.org/x.txt\r\nfile:///a%FF.txt\r\nfile:///b.txt\r\n")
            << QByteArray("/a\xFF.txt\n/b.txt");
        QTest::newRow("a share on another machine")
            << QByteArray("file://server/share/%C4%E3.txt\r\n")
            << QByteArray("//server/share/\xC4\xE3.txt");
        QTest::newRow("no local file")
            << QByteArray("https://example.org/a.txt\r\n") << QByteArray();
    }
    void urlsNameTheirFilesByteForByte() {
        QFETCH(QByteArray, uriList);
        QFETCH(QByteArray, expected);
        QMimeData mime;
        mime.setData(QStringLiteral("text/uri-list"), uriList);
        const QtDropData drop(mime);
        QByteArrayList names;
        for (const std::u16string& file : drop.Files()) {
            names << Native(file);
        }
        QCOMPARE(names.join('\n'), expected);
        QCOMPARE(drop.HasFileList(), !expected.isEmpty());
    }

    // The same through QUrl, as a drag inside Qt builds its list.
    void aUrlMadeFromBytesKeepsThem() {
        QMimeData mime;
        mime.setUrls({QUrl(QStringLiteral("file:///tmp/%C4%E3%BA%C3.txt"))});
        const QtDropData drop(mime);
        QCOMPARE(drop.Files().size(), std::size_t{1});
        QCOMPARE(drop.Files()[0], PathFromNative("/tmp/\xC4\xE3\xBA\xC3.txt"));
        QVERIFY(drop.Files()[0].find(u'\xFFFD') == std::u16string::npos);
    }

    void plainTextIsNoFileList() {
        QMimeData mime;
        mime.setText(QStringLiteral("/tmp/a.txt"));
        QVERIFY(!QtDropData(mime).HasFileList());
    }
};

QTEST_MAIN(DropDataTest)
#include "drop_data_test.moc"
