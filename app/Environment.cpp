#include "app/Environment.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

namespace varnel {

Environment programEnvironment() {
    Environment environment;
    environment.appPath = QCoreApplication::applicationDirPath();
    environment.dataPath = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    environment.cachePath = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    environment.screenSize = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry().size() : QSize(640, 480);
    };
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        environment.pixelRatio = static_cast<float>(screen->devicePixelRatio());
    environment.endProgram = [] { QCoreApplication::exit(0); };
    environment.beep = [] { QApplication::beep(); };
    return environment;
}

}  // namespace varnel
