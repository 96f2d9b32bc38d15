#pragma once

#include <QWidget>

class QScreen;

namespace varnel {

// The game's dialogs as windows: each is a child of the game window with a title and, when it
// can be dismissed that way, a close button, and never a minimize or maximize button. Under a
// window manager or compositor that honours the hints no dialog can be maximized; a fixed-size
// dialog asked to fill the screen would otherwise end the whole program on a strict compositor.
enum class CloseButton { Shown, Hidden };
Qt::WindowFlags dialogWindowFlags(CloseButton close = CloseButton::Shown);

// Makes the dialog a child window of the game window (the top-level window of owner) with the
// dialog flags above. It opens centred on the game window's screen, and a window manager that
// maximizes it anyway sees it go back to its size. Its size is the caller's to fix.
void makeGameDialog(QWidget* dialog, QWidget* owner, CloseButton close = CloseButton::Shown);

// The screen the game window is on; the primary screen for a dialog without a game window.
QScreen* gameScreen(const QWidget* owner);

// Moves the window so that a box of this size is centred on the game window's screen: the left
// edge at (screen width - width) \ 2 and the top at (screen height - height) \ 2, in the
// screen's own coordinates.
void centreOnGameScreen(QWidget* window, QSize size, const QWidget* owner);

}  // namespace varnel
