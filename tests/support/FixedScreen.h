#pragma once

#include "platform/Screen.h"

namespace marvane {

class FixedScreen final : public Screen
{
public:
    explicit FixedScreen(QSize size) : m_size(size) {}
    QSize pixelSize() const override { return m_size; }
    double scale() const override { return m_scale; }
    void setSize(QSize size) { m_size = size; }
    void setScale(double scale) { m_scale = scale; }

private:
    QSize m_size;
    double m_scale = 1.0;
};

} // namespace marvane
