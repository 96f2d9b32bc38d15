#include <QApplication>
#include <cstdio>

#include "app/FirstBoard.h"
#include "app/MainWindow.h"
#include "app/PlatformChoice.h"
#include "app/SingleInstance.h"

namespace {

// Brings the game to the front for a second start: out of the task bar, raised, and with the
// keyboard, or the question it is asking if one is open.
void bringForward(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    varnel::choosePlatform();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel Solitaire"));
    // The menu entry's name, so that docks and task bars match the running window to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("varnel-solitaire"));

    // A second start by the same player brings the game already running forward instead.
    varnel::SingleInstance instance(varnel::SingleInstance::placeForPlayer());
    switch (instance.start()) {
        case varnel::SingleInstance::Start::Forwarded:
            return 0;
        case varnel::SingleInstance::Start::NotAnswered:
            std::fputs("Varnel Solitaire: the game already running does not answer; starting another\n",
                       stderr);
            break;
        case varnel::SingleInstance::Start::First:
            break;
    }

    varnel::MainWindow window(varnel::programEnvironment());
    QObject::connect(&window, &varnel::MainWindow::firstBoardShown, &window,
                     [] { varnel::afterFirstBoardShown(); });
    QObject::connect(&instance, &varnel::SingleInstance::showRequested, &window,
                     [&window] { bringForward(window); });
    // A maximized window fits any screen, and on a large screen the board is scaled up to fill it
    // as the window first appears.
    window.showMaximized();
    return app.exec();
}
