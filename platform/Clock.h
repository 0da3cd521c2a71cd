#pragma once

#include <QDate>

namespace marvane {

// Today's local date. Everything that needs "today" takes a Clock so tests can pin the date.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

} // namespace marvane
