#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

namespace marvane {

// The most an SVG may hold, as stored and once unpacked.
constexpr qint64 kMaxSvgBytes = qint64(32) << 20;

// An SVG or SVGZ picture made safe to render, as plain SVG: unpacked within a bound, without what
// would make the renderer read another file (references other than `#id` and `data:`, processing
// instructions, the DTD and its entities), and refused when its <use> elements would draw more
// than a bounded number of shapes. `file` names the picture in the reason.
Result<QByteArray> safeSvg(const QByteArray &bytes, const QString &file);

} // namespace marvane
