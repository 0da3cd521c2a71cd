#pragma once

#include "platform/Screen.h"

namespace marvane {

class PrimaryScreen final : public Screen
{
public:
    QSize pixelSize() const override;
};

} // namespace marvane
