#include "app/PlatformChoice.h"

#include <QtGlobal>

namespace varnel {

QByteArray platformFor(const DesktopSession& session) {
    if (!session.chosenPlatform.isEmpty() || session.x11Display.isEmpty()) return {};
    const bool wayland = session.sessionType == "wayland" || !session.waylandDisplay.isEmpty();
    // Wayland stays behind X11 in the list, for a session whose X server has gone away.
    return wayland ? QByteArrayLiteral("xcb;wayland") : QByteArray();
}

void choosePlatform() {
    const QByteArray platform =
        platformFor({qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"),
                     qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY")});
    if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform);
}

}  // namespace varnel
