// desktop_check compare SHOT PICTURE [--was OLDPICTURE] [--leave-out X,Y,W,H]... [--monitor X,Y,W,H]
//   Whether SHOT (or the monitor's part of it) shows PICTURE: at least 99 % of its pixels (outside
//   the rectangles left out) within 8 per channel, and, with --was, at least 99 % of the pixels
//   where the two pictures differ.
// desktop_check grab-x11 OUT     The X screen named by DISPLAY, as shown.
// desktop_check grab-kwin OUT    KWin's screen, through its ScreenShot2 interface.
#include <QDBusConnection>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QTextStream>
#include <QVariantMap>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace Qt::StringLiterals;

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) <= 8 && qAbs(qGreen(a) - qGreen(b)) <= 8 && qAbs(qBlue(a) - qBlue(b)) <= 8;
}

int compare(const QStringList &args)
{
    QImage shot = QImage(args.value(0)).convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(args.value(1)).convertToFormat(QImage::Format_RGB32);
    QImage was;
    bool wasGiven = false;
    QList<QRect> leftOut;
    for (qsizetype i = 2; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--was"_s) {
            was = QImage(args[i + 1]).convertToFormat(QImage::Format_RGB32);
            wasGiven = true;
        }
        const QStringList r = args[i + 1].split(u',');
        const QRect area = r.size() == 4 ? QRect(r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt()) : QRect();
        if (args[i] == u"--leave-out"_s)
            leftOut << area;
        if (args[i] == u"--monitor"_s)
            shot = shot.copy(area);
    }
    if (shot.isNull() || picture.isNull() || shot.size() != picture.size() ||
        (wasGiven && was.size() != picture.size())) {
        err() << "cannot compare: screenshot " << shot.width() << 'x' << shot.height() << ", picture "
              << picture.width() << 'x' << picture.height() << Qt::endl;
        return 2;
    }
    qint64 counted = 0, matched = 0, changed = 0, changedMatched = 0;
    for (int y = 0; y < shot.height(); ++y) {
        const auto *s = reinterpret_cast<const QRgb *>(shot.constScanLine(y));
        const auto *p = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        const auto *w = was.isNull() ? nullptr : reinterpret_cast<const QRgb *>(was.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x) {
            const bool same = near(s[x], p[x]);
            if (w && (w[x] & 0xFFFFFF) != (p[x] & 0xFFFFFF)) {
                ++changed;
                changedMatched += same;
            }
            if (std::any_of(leftOut.begin(), leftOut.end(), [x, y](const QRect &r) { return r.contains(x, y); }))
                continue;
            ++counted;
            matched += same;
        }
    }
    const double screen = counted ? 100.0 * double(matched) / double(counted) : 0;
    const double day = changed ? 100.0 * double(changedMatched) / double(changed) : 100;
    err() << "screen " << QString::number(screen, 'f', 2) << " % alike";
    if (!was.isNull())
        err() << ", " << QString::number(day, 'f', 2) << " % of the " << changed << " pixels the new date changed";
    err() << Qt::endl;
    return screen >= 99 && day >= 99 ? 0 : 1;
}

int grabX11(int argc, char **argv, const QString &out)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    return QGuiApplication::primaryScreen()->grabWindow(0).save(out, "PNG") ? 0 : 1;
}

// KWin writes the raw pixels into a pipe and answers with their layout. The pipe's write end stays
// open in the pending call here, so the pixels are read until there are as many as the answer says.
int grabKwin(int argc, char **argv, const QString &out)
{
    QGuiApplication app(argc, argv);
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return 1;
    QDBusMessage call = QDBusMessage::createMethodCall(u"org.kde.KWin"_s, u"/org/kde/KWin/ScreenShot2"_s,
                                                       u"org.kde.KWin.ScreenShot2"_s, u"CaptureActiveScreen"_s);
    call << QVariantMap{{u"native-resolution"_s, true}} << QVariant::fromValue(QDBusUnixFileDescriptor(fds[1]));
    ::close(fds[1]);
    QDBusPendingCall pending = QDBusConnection::sessionBus().asyncCall(call, 20000);
    QByteArray data;
    QVariantMap layout;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        char chunk[65536];
        for (ssize_t n; (n = ::read(fds[0], chunk, sizeof chunk)) > 0;)
            data.append(chunk, n);
        if (!pending.isFinished())
            continue;
        const QDBusMessage reply = pending.reply();
        if (reply.type() == QDBusMessage::ErrorMessage) {
            err() << "KWin refused the screenshot: " << reply.errorMessage() << Qt::endl;
            return 1;
        }
        layout = qdbus_cast<QVariantMap>(reply.arguments().value(0));
        if (data.size() >= qsizetype(layout.value(u"stride"_s).toInt()) * layout.value(u"height"_s).toInt())
            break;
    }
    ::close(fds[0]);
    const int width = layout.value(u"width"_s).toInt(), height = layout.value(u"height"_s).toInt();
    const int stride = layout.value(u"stride"_s).toInt();
    const auto format = QImage::Format(layout.value(u"format"_s).toInt());
    if (width <= 0 || data.size() < qsizetype(stride) * height)
        return 1;
    return QImage(reinterpret_cast<const uchar *>(data.constData()), width, height, stride, format).save(out, "PNG") ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const QString command = args.value(0);
    // Reading BMP and PNG files needs no application object.
    if (command == u"compare"_s)
        return compare(args.mid(1));
    if (command == u"grab-x11"_s && args.size() == 2)
        return grabX11(argc, argv, args[1]);
    if (command == u"grab-kwin"_s && args.size() == 2)
        return grabKwin(argc, argv, args[1]);
    err() << "usage: desktop_check compare SHOT PICTURE [--was OLD] [--leave-out X,Y,W,H]... | grab-x11 OUT | grab-kwin OUT"
          << Qt::endl;
    return 2;
}
