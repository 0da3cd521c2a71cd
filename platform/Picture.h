#pragma once

#include <QImage>
#include <QList>

#include <utility>

namespace marvane {

// Columns left to right - 1 of a row.
struct RowSpan
{
    int left = 0;
    int right = 0;
    bool isEmpty() const { return left >= right; }
    bool operator==(const RowSpan &) const = default;
};

// A painted picture where only part of each row was drawn on: the rest of the row is the
// background colour and was never written, so its memory may hold anything (usually zeros, and
// it need not even be mapped in). A reader takes the colour there instead of the pixels. Saving
// and uploading a picture that is mostly background then touches only what was drawn.
class Picture
{
public:
    Picture() = default;
    // Every pixel drawn.
    explicit Picture(QImage image) : m_image(std::move(image)) {}
    // `drawn` has a span for each row.
    Picture(QImage image, QRgb background, QList<RowSpan> drawn)
        : m_image(std::move(image)), m_background(background), m_drawn(std::move(drawn))
    {
    }

    // Meaningful only within each row's drawn span.
    const QImage &pixels() const { return m_image; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QSize size() const { return m_image.size(); }
    QRgb background() const { return m_background; }
    RowSpan drawnSpan(int row) const
    {
        if (m_drawn.isEmpty())
            return {0, m_image.width()};
        return row >= 0 && row < m_drawn.size() ? m_drawn.at(row) : RowSpan{};
    }
    // Whether any pixel is taken from the background instead of the image.
    bool hasUndrawnParts() const;

    // The whole picture as an ordinary image, the undrawn parts filled in.
    QImage toImage() const;

private:
    QImage m_image;
    QRgb m_background = 0;
    QList<RowSpan> m_drawn;
};

} // namespace marvane
