#pragma once

#include <QLabel>

namespace quarvel::controls {

// A text label that acts as a link: a left click on it, or Enter, Return or Space while it has
// the focus, activates it. It takes the focus with Tab (not with a click) and draws a focus
// rectangle while it has it; its caption is its accessible name, and screen readers see a link that
// can be pressed. Its look (colour, underline) is the owner's.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& caption, QWidget* parent = nullptr);

    void activate() { emit activated(); }

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quarvel::controls
