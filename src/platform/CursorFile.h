#pragma once

#include <QByteArray>
#include <QCursor>
#include <QPoint>
#include <QString>
#include <optional>

namespace quarvel::platform {

// A Windows cursor file (.cur) as a QCursor. Qt's ICO image plugin reads the picture; the
// hotspot, which Qt's image reader does not expose, is read from the file's directory entry.
class CursorFile {
public:
    // The cursor of the file, or nothing when the file cannot be read as a cursor.
    static std::optional<QCursor> load(const QString& path);
    static std::optional<QCursor> fromBytes(const QByteArray& bytes);

    // The hotspot of the first image of a .cur file's bytes, or nothing when the bytes are not
    // a cursor file.
    static std::optional<QPoint> hotspot(const QByteArray& bytes);
};

} // namespace quarvel::platform
