#include <QApplication>

#include "app/FirstBoard.h"
#include "app/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel Solitaire"));
    // The menu entry's name, so that docks and task bars match the running window to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("varnel-solitaire"));

    varnel::MainWindow window(varnel::programEnvironment());
    QObject::connect(&window, &varnel::MainWindow::firstBoardShown, &window,
                     [] { varnel::afterFirstBoardShown(); });
    // A maximized window fits any screen, and on a large one the board is scaled up to fill it
    // as the window first appears.
    window.showMaximized();
    return app.exec();
}
