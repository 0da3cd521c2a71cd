#pragma once

#include <QSize>

namespace marvane {

// The primary screen's size in device pixels and its scale as the desktop has it (2 for a screen
// at 200 %). Asked of the system once and held until refresh().
class Screen
{
public:
    virtual ~Screen() = default;
    virtual QSize pixelSize() const = 0;
    virtual double scale() const { return 1.0; }
    // The next question asks the system again.
    virtual void refresh() const {}
};

} // namespace marvane
