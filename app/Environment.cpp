#include "app/Environment.h"

#include <QApplication>
#include <QStandardPaths>

namespace varnel {

Environment programEnvironment() {
    Environment environment;
    environment.appPath = QCoreApplication::applicationDirPath();
    environment.dataPath = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    environment.cachePath = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    environment.endProgram = [] { QCoreApplication::exit(0); };
    environment.beep = [] { QApplication::beep(); };
    return environment;
}

}  // namespace varnel
