#pragma once

#include "platform/Clock.h"

namespace marvane {

class SystemClock final : public Clock
{
public:
    QDate today() const override;
};

} // namespace marvane
