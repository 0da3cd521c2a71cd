#include "session/DisplayScale.h"

#include "session/X11Display.h"

#include <QRegularExpression>

#include <cmath>

// X11 after Qt: its macros (None, Bool, Status) would break Qt's headers.
#include <X11/Xlib.h>

namespace marvane::displayscale {

namespace {

using namespace Qt::StringLiterals;

std::optional<double> positive(double value)
{
    if (!std::isfinite(value) || value <= 0)
        return std::nullopt;
    return value;
}

std::optional<double> fromText(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? positive(value) : std::nullopt;
}

} // namespace

std::optional<double> fromResources(const QByteArray &resources)
{
    static const QRegularExpression dpi(u"^\\s*Xft\\.dpi\\s*:\\s*(\\S+)\\s*$"_s, QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = dpi.match(QString::fromLatin1(resources));
    const std::optional<double> value = match.hasMatch() ? fromText(match.captured(1)) : std::nullopt;
    if (!value)
        return std::nullopt;
    return positive(std::round(*value / 96.0 * 4.0) / 4.0);
}

std::optional<double> fromX11(const X11Connection &x11)
{
    if (!x11.display())
        return std::nullopt;
    const char *resources = XResourceManagerString(x11.display());
    return resources ? fromResources(QByteArray(resources)) : std::nullopt;
}

std::optional<double> fromEnvironment()
{
    for (const char *name : {"QT_SCALE_FACTOR", "GDK_SCALE"})
        if (const std::optional<double> value = fromText(qEnvironmentVariable(name)))
            return value;
    return std::nullopt;
}

std::optional<double> fromToolOutput(const QString &output)
{
    const QStringList words = output.split(u' ', Qt::SkipEmptyParts);
    return words.isEmpty() ? std::nullopt : fromText(words.last());
}

} // namespace marvane::displayscale
