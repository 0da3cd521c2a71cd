// Build-side helper: writes the program's icon as PNG for the menu entry, and turns a painted
// temp.bmp into the PNG the README shows.
#include "app/AppIcon.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("icon")) {
        if (marvane::AppIcon::image().save(args[2], "PNG"))
            return 0;
        std::fprintf(stderr, "marvane-assets: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    if (args.size() == 4 && args[1] == QStringLiteral("png")) {
        const QImage picture(args[2]);
        if (picture.isNull()) {
            std::fprintf(stderr, "marvane-assets: cannot read %s\n", qPrintable(args[2]));
            return 1;
        }
        if (picture.convertToFormat(QImage::Format_RGB888).save(args[3], "PNG", 9))
            return 0;
        std::fprintf(stderr, "marvane-assets: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    std::fprintf(stderr, "usage: marvane-assets icon OUT.png | png IN.bmp OUT.png\n");
    return 2;
}
