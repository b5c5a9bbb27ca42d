// Writes the program icon's twelve images into a folder: lumio-SIZE-8.png (256 colours)
// for 16, 24, 32 and 48 pixels, and lumio-SIZE-32.png (full colour with alpha) for 16,
// 24, 32, 48, 64, 72, 96 and 128 pixels. Run by the build.
#include "icon/icon_art.h"

#include <QDir>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumio_icon_maker OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (int size : {16, 24, 32, 48}) {
        ok = lumio::ToIndexed8(lumio::DrawLumioIcon(size))
                 .save(out.filePath(QStringLiteral("lumio-%1-8.png").arg(size)), "PNG") &&
             ok;
    }
    for (int size : {16, 24, 32, 48, 64, 72, 96, 128}) {
        ok = lumio::DrawLumioIcon(size)
                 .convertToFormat(QImage::Format_ARGB32)
                 .save(out.filePath(QStringLiteral("lumio-%1-32.png").arg(size)), "PNG") &&
             ok;
    }
    if (!ok) {
        std::fprintf(stderr, "lumio_icon_maker: cannot write the icon images to %s\n", argv[1]);
        return 1;
    }
    return 0;
}
