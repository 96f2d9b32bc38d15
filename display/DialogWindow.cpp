#include "display/DialogWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace varnel {
namespace {

// Keeps a dialog where and how big it belongs. It opens centred on the game window's screen.
// Some window managers maximize any window on a double click of its title bar, buttons and size
// hints or not (weston's for X11 programs does, without even saying so in the window's state):
// the dialog goes back to its own size at once.
class DialogKeeper : public QObject {
  public:
    static constexpr char kName[] = "dialogKeeper";

    explicit DialogKeeper(QWidget* dialog) : QObject(dialog) {
        setObjectName(QLatin1String(kName));
        dialog->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QWidget*>(watched);
        if (!dialog) return false;
        if (event->type() == QEvent::Show) {
            // The frame is known by now; a dialog that sizes itself as it is shown centres
            // itself again afterwards.
            centreOnGameScreen(dialog, dialog->frameGeometry().size(), dialog->parentWidget());
        } else if (event->type() == QEvent::WindowStateChange || event->type() == QEvent::Resize) {
            const bool filling = dialog->windowState() & kFilling;
            const bool fixed = dialog->minimumSize() == dialog->maximumSize();
            if (filling || (fixed && dialog->size() != dialog->minimumSize()))
                QTimer::singleShot(0, dialog, [dialog] {
                    dialog->setWindowState(dialog->windowState() & ~kFilling);
                    if (dialog->minimumSize() == dialog->maximumSize()) dialog->resize(dialog->minimumSize());
                });
        }
        return false;
    }

  private:
    static constexpr Qt::WindowStates kFilling{Qt::WindowMaximized | Qt::WindowFullScreen};
};

}  // namespace

Qt::WindowFlags dialogWindowFlags(CloseButton close) {
    // CustomizeWindowHint turns the window system's own choice of buttons off: only the hints
    // named here are asked for.
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (close == CloseButton::Shown) flags |= Qt::WindowCloseButtonHint;
    return flags;
}

void makeGameDialog(QWidget* dialog, QWidget* owner, CloseButton close) {
    QWidget* game = owner ? owner->window() : nullptr;
    if (dialog->parentWidget() != game)
        dialog->setParent(game, dialogWindowFlags(close));
    else
        dialog->setWindowFlags(dialogWindowFlags(close));
    if (!dialog->findChild<QObject*>(QLatin1String(DialogKeeper::kName), Qt::FindDirectChildrenOnly))
        new DialogKeeper(dialog);
}

QScreen* gameScreen(const QWidget* owner) {
    if (owner)
        if (QScreen* screen = owner->window()->screen()) return screen;
    return QGuiApplication::primaryScreen();
}

void centreOnGameScreen(QWidget* window, QSize size, const QWidget* owner) {
    const QScreen* screen = gameScreen(owner);
    if (!screen) return;
    const QRect area = screen->geometry();
    window->move(area.x() + (area.width() - size.width()) / 2,
                 area.y() + (area.height() - size.height()) / 2);
}

}  // namespace varnel
