#pragma once

#include <QtGlobal>

class QIODevice;

namespace marvane {

// What decoding a JPEG holds and repeats: a JPEG in more than one scan (a progressive one, say)
// keeps every coefficient of the picture until its last scan, and goes over them all in each.
struct JpegScans
{
    int scans = 0;
    qint64 coefficientBytes = 0; // held while decoding, when there is more than one scan
};

// Read from the file's markers up to the end of its first picture (an EXIF thumbnail is not
// counted), through `device` in blocks, at most `maxBytes` of it; leaves `device` at its start.
JpegScans jpegScans(QIODevice &device, qint64 maxBytes);

} // namespace marvane
