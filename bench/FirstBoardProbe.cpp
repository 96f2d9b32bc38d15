// Starts the game as the program does and ends as soon as the first board is on screen: the
// start-up benchmark times this process from its start to its end.
#include <QApplication>
#include <QTimer>

#include "BuiltinArt.h"
#include "frmVarnel.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(varnel::ProgramIcon());
    varnel::VarnelEnvironment environment = varnel::ProgramEnvironment();
    if (argc > 1) environment.appPath = QString::fromLocal8Bit(argv[1]);
    varnel::frmVarnel window(environment);
    window.showMaximized();
    // The first event-loop pass paints the window; then stop.
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
