#pragma once

#include <QSize>

namespace marvane {

// The primary screen's size in device pixels, asked afresh at every call.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual QSize pixelSize() const = 0;
};

} // namespace marvane
