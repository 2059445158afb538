#include "platform/CursorFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace quarvel::platform {

namespace {

quint16 readUInt16(const QByteArray& bytes, qsizetype offset) {
    return static_cast<quint16>(static_cast<quint8>(bytes.at(offset)) |
                                (static_cast<quint8>(bytes.at(offset + 1)) << 8));
}

} // namespace

std::optional<QPoint> CursorFile::hotspot(const QByteArray& bytes) {
    // ICONDIR: reserved (0), type (2 = cursor), count; then 16-byte entries whose bytes 4..7
    // hold the hotspot's x and y for a cursor.
    constexpr qsizetype directorySize = 6;
    constexpr qsizetype entrySize = 16;
    if (bytes.size() < directorySize + entrySize) {
        return std::nullopt;
    }
    if (readUInt16(bytes, 0) != 0 || readUInt16(bytes, 2) != 2 || readUInt16(bytes, 4) == 0) {
        return std::nullopt;
    }
    return QPoint(readUInt16(bytes, directorySize + 4), readUInt16(bytes, directorySize + 6));
}

std::optional<QCursor> CursorFile::fromBytes(const QByteArray& bytes) {
    const std::optional<QPoint> spot = hotspot(bytes);
    if (!spot) {
        return std::nullopt;
    }
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "cur");
    const QImage image = reader.read();
    if (image.isNull()) {
        return std::nullopt;
    }
    const int x = qBound(0, spot->x(), image.width() - 1);
    const int y = qBound(0, spot->y(), image.height() - 1);
    return QCursor(QPixmap::fromImage(image), x, y);
}

std::optional<QCursor> CursorFile::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return fromBytes(file.readAll());
}

} // namespace quarvel::platform
