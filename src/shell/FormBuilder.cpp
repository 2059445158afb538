#include "shell/FormBuilder.h"

#include "controls/LinkLabel.h"
#include "platform/Twips.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace quarvel::shell::form {

using platform::Twips;

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(Twips::rect(left, top, width, height, widget));
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top,
              int width, int height) {
    auto* result = new QLabel(text, parent);
    result->setObjectName(name);
    place(result, left, top, width, height);
    return result;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height) {
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(name);
    result->setAccessibleName(caption);
    result->setAutoDefault(false);
    place(result, left, top, width, height);
    return result;
}

QFrame* frame(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    auto* result = new QFrame(parent);
    result->setObjectName(name);
    result->setFrameShape(QFrame::NoFrame);
    place(result, left, top, width, height);
    return result;
}

QLabel* heading(QWidget* parent, const QString& name, int left, int top, int width, int height,
                qreal pointSize, bool wrap) {
    QLabel* result = label(parent, name, QString(), left, top, width, height);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(true);
    result->setFont(font);
    result->setWordWrap(wrap);
    return result;
}

controls::LinkLabel* link(QWidget* parent, const QString& name, const QString& text, int left,
                          int top, int width, int height) {
    auto* result = new controls::LinkLabel(text, parent);
    result->setObjectName(name);
    place(result, left, top, width, height);
    QFont font = result->font();
    font.setBold(true);
    font.setUnderline(true);
    result->setFont(font);
    QPalette palette = result->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    result->setPalette(palette);
    return result;
}

void setCaptionLabel(QLabel* caption, QWidget* control) {
    caption->setBuddy(control);
    QString name = caption->text();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    control->setAccessibleName(name);
}

void fitText(QLabel* label, qreal largestPointSize) {
    constexpr qreal smallest = 8.0;
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    QFont font = label->font();
    font.setPointSizeF(largestPointSize);
    while (font.pointSizeF() > smallest &&
           !room.contains(QFontMetrics(font).boundingRect(room, flags, label->text())))
        font.setPointSizeF(std::max(smallest, font.pointSizeF() - 0.75));
    label->setFont(font);
}

} // namespace quarvel::shell::form
