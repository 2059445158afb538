#pragma once

// Header only: the tests that include it link quarvel_platform, the support library does not.

#include "platform/MessageBox.h"

#include <QList>
#include <QPushButton>
#include <QStringList>
#include <utility>

// The one message-box recorder of the tests. While it lives it answers every box the program
// shows and keeps what each box showed; the previous handler comes back when it goes.
// Boxes are answered with the buttons given to answerNext(), in order, then with `answer`
// (by default each box's own default button).
class BoxRecorder {
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    explicit BoxRecorder(QMessageBox::StandardButton answer = QMessageBox::NoButton)
        : m_handler([this, answer](QMessageBox& box) {
              boxes.append(read(box));
              if (!m_answers.isEmpty())
                  return m_answers.takeFirst();
              if (answer != QMessageBox::NoButton)
                  return answer;
              return boxes.last().defaultButton ? boxes.last().defaultButton : QMessageBox::Ok;
          }) {}

    // What a box shows, read while it is up.
    static Box read(const QMessageBox& box) {
        Box shown{box.windowTitle(), box.text(), box.icon(), box.standardButtons()};
        if (QPushButton* button = box.defaultButton())
            shown.defaultButton = box.standardButton(button);
        return shown;
    }

    // The next boxes are answered with these buttons, in order.
    void answerNext(QMessageBox::StandardButton button) { m_answers.push_back(button); }
    void clearAnswers() { m_answers.clear(); }

    QStringList texts() const {
        QStringList result;
        for (const Box& box : boxes)
            result << box.text;
        return result;
    }
    QList<Box> takeBoxes() { return std::exchange(boxes, {}); }

    QList<Box> boxes;

private:
    QList<QMessageBox::StandardButton> m_answers;
    quarvel::platform::ScopedMessageBoxHandler m_handler;
};
