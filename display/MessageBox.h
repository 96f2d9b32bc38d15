#pragma once

#include <QMessageBox>

namespace varnel {

// Every message box of the game. The text is shown as it is spelt (a file named "<b>x.bmp" is
// no markup); a short text stays on one line, a long one (a path, a reason) wraps, and the box
// grows to fit within the screen. The box is a fixed-size child of the game window, centred on
// the game window's screen. A box with Yes and No and no Cancel closes only with an
// answer: Escape and the close button do nothing there, for No may end the program.
// Returns the standard button pressed.
int showMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                   const QString& text, QMessageBox::StandardButtons buttons);

}  // namespace varnel
