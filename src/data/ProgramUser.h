#pragma once

#include <QString>

namespace quarvel {

// Who runs the program, and which program it is, as the program tells a database server and
// its About box.
QString programVersion();
// The login name of the user running the program ("unknown" when the system has none).
QString loginName();
// What a server sees as the connection's application: "Quarvel <version> <login>", at most the
// 63 bytes a server keeps.
QString applicationName();

} // namespace quarvel
