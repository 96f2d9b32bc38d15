// The floor of start-up: a bare Qt window with a menu bar, maximized, built from the same Qt as
// the game. It ends once the window is on screen, as the first-board probe does, so the
// start-up benchmark compares the two in one run. With "--memory" it prints its resident
// memory (KiB) first.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>

#include "bench/FirstPaint.h"
#include "bench/ResidentMemory.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool memory = argc > 1 && QByteArray(argv[1]) == "--memory";
    QMainWindow window;
    for (const char* title : {"&Game", "&Customize", "&Help"}) {
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Entry"));
    }
    auto* content = new QWidget(&window);
    window.setCentralWidget(content);
    window.showMaximized();
    const AfterFirstPaint firstPicture(content, [memory] {
        if (memory) std::printf("%ld\n", residentKiB());
        AfterFirstPaint::endNow();
    });
    return app.exec();
}
