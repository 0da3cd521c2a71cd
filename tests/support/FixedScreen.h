#pragma once

#include "platform/Screen.h"

#include <stdexcept>

namespace marvane {

class FixedScreen final : public Screen
{
public:
    explicit FixedScreen(QSize size) : m_size(size) {}
    QSize pixelSize() const override
    {
        if (m_broken)
            throw std::runtime_error("the screen could not be asked");
        return m_size;
    }
    void setSize(QSize size) { m_size = size; }
    // From now on asking the size throws, as a failing system call would.
    void breakDown() { m_broken = true; }

private:
    QSize m_size;
    bool m_broken = false;
};

} // namespace marvane
