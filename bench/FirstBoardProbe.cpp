// Starts the game as the program does and ends as soon as the first board is on screen: the
// start-up benchmark times this process from its start to its end. With "--memory" it stays
// until the music (when it is on) has started and played a moment, then prints its resident
// memory in KiB.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/FirstBoard.h"
#include "app/MainWindow.h"
#include "bench/FirstPaint.h"
#include "bench/ResidentMemory.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel Solitaire"));
    varnel::Environment environment = varnel::programEnvironment();
    if (argc > 1) environment.appPath = QString::fromLocal8Bit(argv[1]);
    const bool memory = argc > 2 && QByteArray(argv[2]) == "--memory";
    varnel::MainWindow window(environment);
    QObject::connect(&window, &varnel::MainWindow::firstBoardShown, &window,
                     [] { varnel::afterFirstBoardShown(); });
    window.showMaximized();
    // Once the board is on screen, stop; or measure once the music plays.
    const AfterFirstPaint firstBoard(window.boardArea().boardWidget(), [&window, memory] {
        if (!memory) AfterFirstPaint::endNow();
        window.music().device().waitUntilStarted();
        QTimer::singleShot(1000, [] {
            std::printf("%ld\n", residentKiB());
            AfterFirstPaint::endNow();
        });
    });
    return app.exec();
}
