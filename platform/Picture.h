#pragma once

#include <QBitArray>
#include <QImage>

namespace marvane {

// A painted picture whose plain rows hold nothing but the background colour. Those rows were never
// written, so their memory may hold anything (usually zeros, and it need not even be mapped in):
// a reader takes the colour for them instead of the pixels. Saving and uploading a picture that is
// mostly background then touches only the rows that were drawn on.
class Picture
{
public:
    Picture() = default;
    // Every row drawn.
    explicit Picture(QImage image) : m_image(std::move(image)) {}
    Picture(QImage image, QRgb background, QBitArray plainRows)
        : m_image(std::move(image)), m_background(background), m_plainRows(std::move(plainRows))
    {
    }

    // Only the rows that are not plain are meaningful.
    const QImage &pixels() const { return m_image; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QSize size() const { return m_image.size(); }
    QRgb background() const { return m_background; }
    bool isPlain(int row) const { return row >= 0 && row < m_plainRows.size() && m_plainRows.testBit(row); }
    bool hasPlainRows() const { return m_plainRows.count(true) > 0; }

    // The whole picture as an ordinary image, the plain rows filled in.
    QImage toImage() const;

private:
    QImage m_image;
    QRgb m_background = 0;
    QBitArray m_plainRows;
};

} // namespace marvane
