#pragma once

#include <QRect>

namespace marvane {

// Form layouts are given in twips; 15 twips make a pixel at 96 dots per inch.
constexpr int twips(int t)
{
    return t / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace marvane
