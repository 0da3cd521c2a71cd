#pragma once

#include "platform/Clock.h"

namespace marvane {

class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDate date) : m_date(date) {}
    QDate today() const override { return m_date; }
    void setToday(QDate date) { m_date = date; }

private:
    QDate m_date;
};

} // namespace marvane
