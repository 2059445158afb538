#pragma once

#include <QString>

namespace quarvel::shell {

// True when the date and time stamp of path can be read: a file or a folder that exists.
// False for an empty path and for anything that cannot be read. Never throws.
bool FileExists(const QString& path) noexcept;

} // namespace quarvel::shell
