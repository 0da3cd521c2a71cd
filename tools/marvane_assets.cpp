// Build-side helper: writes the program's icon as PNG for the menu entry, turns a painted
// temp.bmp into the PNG the README shows, and grabs a part of the X screen for the window picture.
#include "app/AppIcon.h"

#include <QGuiApplication>

#include <algorithm>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    const bool grab = argc == 7 && qstrcmp(argv[1], "grab") == 0;
    qputenv("QT_QPA_PLATFORM", grab ? "xcb" : "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (grab) {
        // grab X Y WIDTH HEIGHT OUT.png, from the screen of DISPLAY
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, args[2].toInt(), args[3].toInt(),
                                                                          args[4].toInt(), args[5].toInt());
        if (!shot.isNull() && shot.toImage().convertToFormat(QImage::Format_RGB888).save(args[6], "PNG", 9))
            return 0;
        std::fprintf(stderr, "marvane-assets: cannot write %s\n", qPrintable(args[6]));
        return 1;
    }
    if ((args.size() == 3 || args.size() == 4) && args[1] == QStringLiteral("icon")) {
        const int side = args.size() == 4 ? args[3].toInt() : 32;
        QImage icon = marvane::AppIcon::image(std::max(side, 16) / 32.0).scaled(side, side, Qt::IgnoreAspectRatio,
                                                                                  Qt::SmoothTransformation);
        icon.setDevicePixelRatio(1);
        if (side >= 16 && icon.save(args[2], "PNG"))
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
    std::fprintf(stderr, "usage: marvane-assets icon OUT.png [SIDE] | png IN.bmp OUT.png | grab X Y W H OUT.png\n");
    return 2;
}
