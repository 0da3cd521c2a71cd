#pragma once

#include "platform/Result.h"
#include "session/DesktopSession.h"
#include "wallpaper/BackendLoader.h"

#include <QDir>
#include <QImage>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace marvane::test {

inline QString runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(program), args);
    p.waitForFinished(15000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

inline Result<> install(const QString &bitmap, const QImage &image, const DesktopSession &session,
                        const MonitorLayout &layout = {}, QRgb background = qRgb(0, 0, 0))
{
    return loadBackend(session)->install({bitmap, image, {}, layout, background});
}

inline DesktopSession session(DesktopSession::Kind kind)
{
    DesktopSession s;
    s.kind = kind;
    s.detected = QStringLiteral("test");
    return s;
}

// What the desktop tests share: a program folder with a space in its name, as users have, and
// the bitmap in it that they install.
class WallpaperTestCase : public QObject
{
protected:
    QTemporaryDir m_dir;

    QString appDir() const { return m_dir.filePath(QStringLiteral("My Programs/marvane")); }
    QString bitmap() const { return appDir() + QStringLiteral("/temp.bmp"); }
    static QImage image()
    {
        QImage img(64, 32, QImage::Format_RGB32);
        img.fill(qRgb(10, 20, 30));
        return img;
    }
    bool makeAppDir() const { return QDir().mkpath(appDir()) && image().save(bitmap(), "BMP"); }
};

} // namespace marvane::test
