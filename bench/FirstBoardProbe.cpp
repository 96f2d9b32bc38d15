// Starts the game as the program does and ends as soon as the first board is on screen: the
// start-up benchmark times this process from its start to its end. With "--memory" it stays
// until the music (when it is on) has started and played a moment, then prints its resident
// memory in KiB.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "FirstBoard.h"
#include "FirstPaint.h"
#include "ResidentMemory.h"
#include "frmVarnel.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel Solitaire"));
    varnel::VarnelEnvironment environment = varnel::ProgramEnvironment();
    if (argc > 1) environment.appPath = QString::fromLocal8Bit(argv[1]);
    const bool memory = argc > 2 && QByteArray(argv[2]) == "--memory";
    varnel::frmVarnel window(environment);
    QObject::connect(&window, &varnel::frmVarnel::FirstBoardShown, &window,
                     [] { varnel::AfterFirstBoardShown(); });
    window.showMaximized();
    // Once the board is on screen, stop; or measure once the music plays.
    const AfterFirstPaint firstBoard(window.picBoard, [&window, memory] {
        if (!memory) AfterFirstPaint::EndNow();
        window.Music().WaitUntilStarted();
        QTimer::singleShot(1000, [] {
            std::printf("%ld\n", ResidentKiB());
            AfterFirstPaint::EndNow();
        });
    });
    return app.exec();
}
