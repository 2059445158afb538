#include "data/PhoneNumber.h"

namespace quarvel {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool matchesMask(const QString& text) {
    static const QString mask = QStringLiteral("(999) 999-9999");
    if (text.size() != mask.size())
        return false;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        if (mask[i] == u'9' ? !isDigit(text[i]) : text[i] != mask[i])
            return false;
    }
    return true;
}

} // namespace

QString FormatPhoneNumber(const QString& text) {
    if (text.isEmpty() || matchesMask(text))
        return text;
    QString digits;
    for (QChar c : text) {
        if (isDigit(c))
            digits += c;
    }
    while (digits.size() < 10)
        digits.prepend(u' ');
    const QString lastSeven = digits.right(7);
    return u'(' + digits.left(3) + QStringLiteral(") ") + lastSeven.left(3) + u'-' +
           digits.right(4);
}

} // namespace quarvel
