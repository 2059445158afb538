#include "shell/WindowLook.h"

#include "shell/FileExists.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStringDecoder>
#include <QTextEdit>
#include <QWidget>
#include <functional>

namespace quarvel::shell {

namespace {

// The kinds of control that take the window's colour scheme.
bool isColouredControl(const QWidget* w, bool withPictureBoxes) {
    const QMetaObject* kind = w->metaObject();
    if (qobject_cast<const QLabel*>(w) || qobject_cast<const QGroupBox*>(w) ||
        qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w) ||
        kind == &QFrame::staticMetaObject) {
        return true;
    }
    return withPictureBoxes && kind == &QWidget::staticMetaObject;
}

// Controls whose insides are their own business (a grid's viewport is a plain QWidget too).
bool isOpaqueControl(const QWidget* w) {
    return qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

void forEachControl(QWidget* parent, const std::function<void(QWidget*)>& visit) {
    const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow()) {
            continue;
        }
        visit(child);
        if (!isOpaqueControl(child)) {
            forEachControl(child, visit);
        }
    }
}

void setBackground(QWidget* w, const QColor& colour) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, colour);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

void colourWindow(QWidget* window, const QColor& colour, bool withPictureBoxes) {
    if (window == nullptr) {
        return;
    }
    setBackground(window, colour);
    forEachControl(window, [&](QWidget* w) {
        if (isColouredControl(w, withPictureBoxes)) {
            setBackground(w, colour);
        }
    });
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// Qt has no public style-sheet validator; its parser says "Could not parse ... stylesheet"
// through qWarning when a sheet fails. The check applies the text to a throw-away widget and
// listens for that warning.
QtMessageHandler previousHandler = nullptr;
bool parseFailed = false;

void listenForParseFailure(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (message.contains(QLatin1String("Could not parse"))) {
        parseFailed = true;
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

} // namespace

QColor buttonFaceColor() {
    return QApplication::palette().color(QPalette::Button);
}

void SetButtonFaceColors(QWidget* window) {
    colourWindow(window, buttonFaceColor(), false);
}

void setWhiteColors(QWidget* window) {
    colourWindow(window, Qt::white, true);
}

bool isValidStyleSheet(const QString& text) {
    QWidget probe;
    QLabel child(&probe);
    parseFailed = false;
    previousHandler = qInstallMessageHandler(listenForParseFailure);
    probe.setStyleSheet(text);
    probe.ensurePolished();
    child.ensurePolished();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    return !parseFailed;
}

SkinResult ApplySkin(QWidget* window, const QString& programFolder) {
    SkinResult result;
    const QString path = programFolder + QStringLiteral("/x/o.cjs");
    if (window == nullptr || !FileExists(path) || QFileInfo(path).isDir()) {
        return result;
    }
    result.found = true;
    colourWindow(window, buttonFaceColor(), true);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (!isUtf8(bytes) || bytes.contains('\0')) {
        return result;
    }
    const QString sheet = QString::fromUtf8(bytes);
    if (!isValidStyleSheet(sheet)) {
        return result;
    }
    window->setStyleSheet(sheet);
    result.styleSheetApplied = true;
    return result;
}

} // namespace quarvel::shell
