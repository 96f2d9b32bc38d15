#pragma once

#include <QByteArray>

namespace varnel {

// What the start of a session says about the desktop, as the environment tells it.
struct DesktopSession {
    QByteArray chosenPlatform;  // QT_QPA_PLATFORM: the player's own choice, if any
    QByteArray sessionType;     // XDG_SESSION_TYPE
    QByteArray waylandDisplay;  // WAYLAND_DISPLAY
    QByteArray x11Display;      // DISPLAY: an X server, XWayland in a Wayland session
};

// The platform plugins the game asks Qt for, in order, or "" to leave the choice to Qt. In a Wayland
// session with XWayland at hand the game runs on X11: Qt's own Wayland title bars offer
// maximize on every window whatever the program asks, and a fixed-size dialog maximized there
// ends the program on a strict compositor; nor may a Wayland program place its dialogs on the
// game's screen. The player's own choice always stands.
QByteArray platformFor(const DesktopSession& session);

// Reads the session from the environment and sets QT_QPA_PLATFORM when platformFor says so.
// Call before the application object is made.
void choosePlatform();

}  // namespace varnel
