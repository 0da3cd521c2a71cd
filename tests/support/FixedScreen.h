#pragma once

#include "platform/Screen.h"

namespace marvane {

class FixedScreen final : public Screen
{
public:
    explicit FixedScreen(QSize size) : m_size(size) {}
    QSize pixelSize() const override { return m_size; }
    void setSize(QSize size) { m_size = size; }

private:
    QSize m_size;
};

} // namespace marvane
