#pragma once

// Header only: the tests that include it link quarvel_platform, the support library does not.

#include "platform/MessageBox.h"

#include <QList>
#include <QStringList>

// Answers every message box shown while it lives (OK unless told otherwise) and keeps what each
// box showed; the previous handler comes back when it goes.
class BoxRecorder {
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };

    explicit BoxRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok)
        : m_handler([this, answer](QMessageBox& box) {
              boxes.append({box.windowTitle(), box.text(), box.icon(), box.standardButtons()});
              return answer;
          }) {}

    QStringList texts() const {
        QStringList result;
        for (const Box& box : boxes)
            result << box.text;
        return result;
    }

    QList<Box> boxes;

private:
    quarvel::platform::ScopedMessageBoxHandler m_handler;
};
