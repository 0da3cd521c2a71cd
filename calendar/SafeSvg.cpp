#include "calendar/SafeSvg.h"

#include <QHash>
#include <QList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <zlib.h>

#include <algorithm>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

constexpr qint64 kMaxShapes = 1 << 20;
// Each element the renderer keeps takes some 400 bytes.
constexpr int kMaxElements = 100000;
// The renderer walks the tree recursively: deeper nesting would run it out of stack.
constexpr int kMaxDepth = 256;

// What `packed` unpacks to, counted a block at a time up to just past the bound; -1 when it is
// damaged or cut short.
qint64 unpackedSize(const QByteArray &packed)
{
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
        return -1;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    z.avail_in = static_cast<uInt>(packed.size());
    qint64 total = 0;
    int status = Z_OK;
    while (status == Z_OK && total <= kMaxSvgBytes) {
        Bytef chunk[65536];
        z.next_out = chunk;
        z.avail_out = sizeof chunk;
        status = inflate(&z, Z_NO_FLUSH);
        total += qint64(sizeof chunk - z.avail_out);
        if (status == Z_BUF_ERROR && z.avail_in == 0)
            break;
    }
    inflateEnd(&z);
    return total > kMaxSvgBytes || status == Z_STREAM_END ? total : -1;
}

// Unpacked twice, to count it and then into a buffer of its size: what it takes is what it holds.
Result<QByteArray> gunzip(const QByteArray &packed, const QString &file)
{
    const qint64 size = unpackedSize(packed);
    if (size > kMaxSvgBytes)
        return fail(file, u"cannot use %1: it is larger than %2 MB once unpacked"_s.arg(file).arg(kMaxSvgBytes >> 20));
    z_stream z{};
    if (size < 0 || inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
        return fail(file, u"cannot read %1: the picture is damaged or cut short"_s.arg(file));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    z.avail_in = static_cast<uInt>(packed.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = static_cast<uInt>(size);
    const int status = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    if (status != Z_STREAM_END)
        return fail(file, u"cannot read %1: the picture is damaged or cut short"_s.arg(file));
    return out;
}

bool isOwnReference(QStringView value)
{
    const QStringView v = value.trimmed();
    return v.startsWith(u'#') || v.startsWith(u"data:", Qt::CaseInsensitive);
}

// What each element draws: itself, its children and, for <use>, what it names.
struct Shapes
{
    QList<QList<int>> children{{}};
    QList<QString> uses{QString()};
    QHash<QString, int> ids;

    qint64 count(int node, QList<qint64> &memo, QList<bool> &open, int depth = 0) const
    {
        if (memo[node] >= 0)
            return memo[node];
        if (open[node] || depth > kMaxDepth)
            return kMaxShapes + 1; // a loop draws without end
        open[node] = true;
        qint64 n = 1;
        if (const auto target = ids.constFind(uses[node]); target != ids.constEnd())
            n += count(*target, memo, open, depth + 1);
        for (int child : children[node])
            n = std::min(kMaxShapes + 1, n + count(child, memo, open, depth + 1));
        open[node] = false;
        return memo[node] = std::min(kMaxShapes + 1, n);
    }
};

void copyElement(const QXmlStreamReader &in, QXmlStreamWriter &out, Shapes &shapes, QList<int> &path)
{
    out.writeStartElement(in.qualifiedName().toString());
    const int node = int(shapes.children.size());
    shapes.children[path.last()] << node;
    shapes.children.append(QList<int>());
    shapes.uses.append(QString());
    path << node;
    for (const QXmlStreamAttribute &a : in.attributes()) {
        const bool reference = a.qualifiedName() == u"href" || a.qualifiedName().endsWith(u":href");
        if (reference && !isOwnReference(a.value()))
            continue;
        if (reference && in.name() == u"use")
            shapes.uses[node] = a.value().trimmed().mid(1).toString();
        if (a.qualifiedName() == u"id")
            shapes.ids.insert(a.value().toString(), node);
        out.writeAttribute(a.qualifiedName().toString(), a.value().toString());
    }
}

} // namespace

Result<QByteArray> safeSvg(const QByteArray &bytes, const QString &file)
{
    QByteArray text = bytes;
    if (bytes.startsWith("\x1f\x8b")) {
        Result<QByteArray> unpacked = gunzip(bytes, file);
        if (!unpacked)
            return unpacked;
        text = std::move(*unpacked);
    }
    QXmlStreamReader in(text);
    in.setNamespaceProcessing(false);
    QByteArray safe;
    QXmlStreamWriter out(&safe);
    Shapes shapes;
    QList<int> path{0};
    bool inStyle = false;
    while (!in.atEnd()) {
        switch (in.readNext()) {
        case QXmlStreamReader::StartElement:
            if (path.size() > kMaxDepth)
                return fail(file, u"cannot use %1: its elements are nested more than %2 deep"_s.arg(file).arg(kMaxDepth));
            if (shapes.children.size() > kMaxElements)
                return fail(file, u"cannot use %1: it has more than %2 elements"_s.arg(file).arg(kMaxElements));
            copyElement(in, out, shapes, path);
            inStyle = in.name() == u"style";
            break;
        case QXmlStreamReader::EndElement:
            out.writeEndElement();
            path.removeLast();
            inStyle = false;
            break;
        case QXmlStreamReader::Characters:
            // A style sheet may import another file.
            if (inStyle && in.text().contains(u"@import", Qt::CaseInsensitive))
                break;
            if (in.isCDATA())
                out.writeCDATA(in.text().toString());
            else
                out.writeCharacters(in.text().toString());
            break;
        default: // the DTD, entity references, processing instructions, comments
            break;
        }
    }
    if (in.hasError())
        return fail(file, u"cannot read %1: not a well-formed SVG picture (%2)"_s.arg(file, in.errorString()));
    QList<qint64> memo(shapes.children.size(), -1);
    QList<bool> open(shapes.children.size(), false);
    if (shapes.count(0, memo, open) > kMaxShapes)
        return fail(file, u"cannot use %1: its <use> elements would draw more than %2 shapes"_s.arg(file).arg(kMaxShapes));
    return safe;
}

} // namespace marvane
