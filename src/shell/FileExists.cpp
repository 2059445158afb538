#include "shell/FileExists.h"

#include <QDateTime>
#include <QFileInfo>

namespace quarvel::shell {

bool FileExists(const QString& path) noexcept {
    try {
        if (path.isEmpty()) {
            return false;
        }
        const QFileInfo info(path);
        return info.exists() && info.lastModified().isValid();
    } catch (...) {
        return false;
    }
}

} // namespace quarvel::shell
