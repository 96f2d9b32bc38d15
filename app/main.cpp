#include <QApplication>

#include "FirstBoard.h"
#include "frmVarnel.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel Solitaire"));

    varnel::frmVarnel window(varnel::ProgramEnvironment());
    QObject::connect(&window, &varnel::frmVarnel::FirstBoardShown, &window,
                     [] { varnel::AfterFirstBoardShown(); });
    // A maximized window fits any screen, and on a large one the board is scaled up to fill it
    // as the window first appears.
    window.showMaximized();
    return app.exec();
}
