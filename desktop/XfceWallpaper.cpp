#include "desktop/XfceWallpaper.h"

#include "desktop/ToolRun.h"

#include <QRegularExpression>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// XFCE's image-style values.
constexpr int kZoomed = 5;
constexpr int kSpanning = 6;

QString query(const QStringList &arguments, QString *output = nullptr)
{
    return runTool(u"xfconf-query"_s, QStringList{u"-c"_s, u"xfce4-desktop"_s} + arguments, output);
}

} // namespace

QString XfceWallpaper::prepare()
{
    QString listing;
    if (QString e = query({u"-l"_s}, &listing); !e.isEmpty())
        return e;
    static const QRegularExpression property(u"^(/backdrop/screen\\d+/monitor[^/]+/workspace\\d+/)last-image$"_s);
    m_folders.clear();
    for (const QString &line : listing.split(u'\n', Qt::SkipEmptyParts))
        if (const auto m = property.match(line.trimmed()); m.hasMatch())
            m_folders << m.captured(1);
    QString style;
    m_spans = !m_folders.isEmpty() && query({u"-p"_s, m_folders.first() + u"image-style"_s}, &style).isEmpty() &&
              style.trimmed().toInt() == kSpanning;
    return {};
}

QString XfceWallpaper::show(const QString &file)
{
    const QStringList folders = m_folders.isEmpty() ? QStringList{u"/backdrop/screen0/monitor0/workspace0/"_s} : m_folders;
    const QString style = QString::number(m_spans ? kSpanning : kZoomed);
    for (const QString &folder : folders) {
        const auto set = [&](const QString &key, const QString &type, const QString &value) {
            return query({u"-p"_s, folder + key, u"-n"_s, u"-t"_s, type, u"-s"_s, value});
        };
        if (QString e = set(u"last-image"_s, u"string"_s, file); !e.isEmpty())
            return e;
        if (QString e = set(u"image-style"_s, u"int"_s, style); !e.isEmpty())
            return e;
    }
    return {};
}

} // namespace marvane
