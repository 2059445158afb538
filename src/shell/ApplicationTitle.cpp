#include "shell/ApplicationTitle.h"

#include <QGuiApplication>

namespace quarvel::shell {

namespace {
constexpr qsizetype maximumLength = 40;
}

QString applicationTitleFor(const QString& productName) {
    QString title = productName;
    bool first = true;
    while (first || title.size() > maximumLength) {
        first = false;
        const qsizetype blank = title.lastIndexOf(u' ');
        if (blank < 0) {
            break;
        }
        title.truncate(blank);
    }
    if (title.isEmpty()) {
        // Only blanks at the start: nothing is left to cut, so the name itself is the title.
        title = productName.trimmed();
    }
    return title.left(maximumLength);
}

QString SetApplicationTitle(const QString& productName) {
    const QString title = applicationTitleFor(productName);
    QCoreApplication::setApplicationName(title);
    return title;
}

} // namespace quarvel::shell
