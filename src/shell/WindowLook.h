#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace quarvel::shell {

// The two colour schemes of the program's windows. Unskinned, a window is white; skinned (and
// every window but the Products window), its background and that of its labels, frames, check
// boxes and option buttons take the button-face colour of the application's palette.

// The button-face colour: QPalette::Button of the application palette.
QColor buttonFaceColor();

// Colours the window and its labels, frames (QFrame itself, QGroupBox), check boxes and radio
// buttons with the button face. Other controls are left alone.
void SetButtonFaceColors(QWidget* window);

// The unskinned scheme: the same controls as the skin colours, in white.
void setWhiteColors(QWidget* window);

struct SkinResult {
    bool found = false;             // programFolder/x/o.cjs exists
    bool styleSheetApplied = false; // and its text was a style sheet that Qt could parse
};

// The skin of the Products window: when programFolder + "/x/o.cjs" exists, the button-face
// scheme on the window, its labels, frames, check boxes, option buttons and picture boxes
// (plain container widgets), and the file's text as the window's style sheet when it is
// one. A file that is not a style sheet keeps the colours and is otherwise ignored. Without
// the file nothing changes.
SkinResult ApplySkin(QWidget* window, const QString& programFolder);

// True when text is a style sheet Qt parses without complaint.
bool isValidStyleSheet(const QString& text);

} // namespace quarvel::shell
