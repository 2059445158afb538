#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <utility>

namespace quarvel::platform {

namespace {

MessageBoxHandler& currentHandler() {
    static MessageBoxHandler handler;
    return handler;
}

// A button caption without its mnemonic marks: "&Yes" -> "Yes", "&&" -> "&".
QString captionOf(const QString& text) {
    QString caption;
    caption.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&' && i + 1 < text.size()) {
            ++i;
        }
        caption.append(text.at(i));
    }
    return caption;
}

// The first button in the classic order: the lowest flag among the standard buttons given
// (Ok before Cancel, Yes before No and Cancel, Abort before Retry before Ignore).
QMessageBox::StandardButton firstButton(QMessageBox::StandardButtons buttons) {
    const auto bits = static_cast<unsigned>(buttons.toInt());
    if (bits == 0) {
        return QMessageBox::NoButton;
    }
    return static_cast<QMessageBox::StandardButton>(bits & (~bits + 1));
}

} // namespace

QString toDisplayText(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

MessageBoxSpec messageBoxSpec(const QString& text, int style, const QString& title) {
    MessageBoxSpec spec;
    spec.title = title;
    spec.text = text;
    QList<QMessageBox::StandardButton> order;
    switch (style & 0x7) {
    case 1:
        order = {QMessageBox::Ok, QMessageBox::Cancel};
        break;
    case 2:
        order = {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
        break;
    case 3:
        order = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
        break;
    case 4:
        order = {QMessageBox::Yes, QMessageBox::No};
        break;
    case 5:
        order = {QMessageBox::Retry, QMessageBox::Cancel};
        break;
    default:
        order = {QMessageBox::Ok};
        break;
    }
    spec.buttons = {};
    for (auto button : order) {
        spec.buttons |= button;
    }
    const qsizetype defaultIndex = (style >> 8) & 0x3;
    spec.defaultButton = order.value(defaultIndex < order.size() ? defaultIndex : 0);
    switch (style & 0x70) {
    case 16:
        spec.icon = QMessageBox::Critical;
        break;
    case 32:
        spec.icon = QMessageBox::Question;
        break;
    case 48:
        spec.icon = QMessageBox::Warning;
        break;
    case 64:
        spec.icon = QMessageBox::Information;
        break;
    default:
        spec.icon = QMessageBox::NoIcon;
        break;
    }
    return spec;
}

QMessageBox::StandardButton showMessageBox(QWidget* parent, const MessageBoxSpec& spec) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(spec.title.isEmpty() ? QCoreApplication::applicationName() : spec.title);
    box.setTextFormat(Qt::PlainText);
    box.setText(toDisplayText(spec.text));
    box.setIcon(spec.icon);
    const QMessageBox::StandardButtons buttons = spec.buttons ? spec.buttons : QMessageBox::Ok;
    box.setStandardButtons(buttons);
    const QMessageBox::StandardButton defaultButton =
        (spec.defaultButton != QMessageBox::NoButton && buttons.testFlag(spec.defaultButton))
            ? spec.defaultButton
            : firstButton(buttons);
    box.setDefaultButton(defaultButton);
    for (const auto& [which, caption] : spec.captions) {
        if (QAbstractButton* button = box.button(which))
            button->setText(caption);
    }
    for (QAbstractButton* button : box.buttons()) {
        button->setAccessibleName(captionOf(button->text()));
        button->setObjectName(captionOf(button->text()));
    }

    // A copy, so that a handler may replace itself while it runs.
    if (const MessageBoxHandler handler = currentHandler()) {
        return handler(box);
    }
    box.exec();
    if (QAbstractButton* clicked = box.clickedButton()) {
        return box.standardButton(clicked);
    }
    return QMessageBox::NoButton;
}

QMessageBox::StandardButton msgBox(QWidget* parent, const QString& text, int style,
                                   const QString& title) {
    return showMessageBox(parent, messageBoxSpec(text, style, title));
}

void setMessageBoxHandler(MessageBoxHandler handler) {
    currentHandler() = std::move(handler);
}

ScopedMessageBoxHandler::ScopedMessageBoxHandler(MessageBoxHandler handler)
    : m_previous(std::exchange(currentHandler(), std::move(handler))) {}

ScopedMessageBoxHandler::~ScopedMessageBoxHandler() {
    currentHandler() = std::move(m_previous);
}

} // namespace quarvel::platform
