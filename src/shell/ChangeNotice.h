#pragma once

#include <QLabel>

namespace quarvel::shell {

// A short notice at the foot of a window, over whatever lies there, that tells of something
// that happened outside the user's own doing ("Changed by jane at 07/12/2026 14:32"). A screen
// reader hears it as an alert. It goes when the user clicks it, or when its cause is over.
class ChangeNotice : public QLabel {
    Q_OBJECT

public:
    explicit ChangeNotice(QWidget* window);

    void showText(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace quarvel::shell
