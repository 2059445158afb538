#include "data/ProgramUser.h"

#include <pwd.h>
#include <unistd.h>

namespace quarvel {

QString programVersion() {
    return QStringLiteral(QUARVEL_VERSION);
}

QString loginName() {
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    const QString fromEnvironment = qEnvironmentVariable("USER");
    return fromEnvironment.isEmpty() ? QStringLiteral("unknown") : fromEnvironment;
}

QString applicationName() {
    QByteArray name = QStringLiteral("Quarvel %1 %2").arg(programVersion(), loginName()).toUtf8();
    if (name.size() > 63)
        name = QString::fromUtf8(name.left(63)).toUtf8(); // never half a character
    return QString::fromUtf8(name);
}

} // namespace quarvel
