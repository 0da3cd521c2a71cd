#pragma once

#include <QByteArray>
#include <QIODevice>

namespace marvane {

// A PNG or JPEG file as Qt's readers are given it: only what makes its pixels, read through
// `source` from where it stands. Text, comments, colour profiles and the other metadata, which
// those readers keep in memory (a PNG's text unpacked) without a bound, are left out; the EXIF
// data that says how a JPEG is turned, and Adobe's colour transform, are kept. Any other format
// is passed on whole, though its reader may want the file itself, which it can seek in.
class PictureData : public QIODevice
{
public:
    PictureData(QIODevice &source, const QByteArray &format);

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    // Reads the next chunk's or segment's head and says what to do with it.
    void nextPng();
    void nextJpeg();
    bool take(QByteArray &into, qint64 count);
    void leaveOut(qint64 bytes);

    QIODevice &m_source;
    enum class Kind { Png, Jpeg, Other } m_kind;
    QByteArray m_ready;   // heads to hand on before anything else
    qint64 m_pending = 0; // bytes of what is kept still to hand on
    qint64 m_skipping = 0;
    bool m_started = false;
    bool m_passing = false; // past the metadata: everything is handed on
    bool m_ended = false;
    bool m_exifKept = false;
    int m_leftOut = 0;
};

} // namespace marvane
