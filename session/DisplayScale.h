#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace marvane {

class X11Connection;

// The places a display's scale is written, each read the way its writer means it. Nothing where
// the place is empty or holds no scale (zero, negative, not a number).
namespace displayscale {

// X resources as in RESOURCE_MANAGER: Xft.dpi over 96, to the nearest quarter, since many
// desktops write a measured dpi (93, 101) where they mean no scaling at all.
std::optional<double> fromResources(const QByteArray &resources);
// The X server's resources; nothing when the connection is not open.
std::optional<double> fromX11(const X11Connection &x11);
// QT_SCALE_FACTOR, then GDK_SCALE.
std::optional<double> fromEnvironment();
// A tool's answer such as gsettings' "uint32 2" or xfconf-query's "2": the last word as a number.
std::optional<double> fromToolOutput(const QString &output);

} // namespace displayscale

} // namespace marvane
