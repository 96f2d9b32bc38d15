// The main of the Qt test programs: windows without a display, settings in a throw-away folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
#ifdef VARNEL_TEST_PLATFORM
    // A suite that needs a platform of its own (two screens, say) names it here, so that it
    // runs the same however it is started: by ctest, the planted-fault run or by hand.
    qputenv("QT_QPA_PLATFORM", VARNEL_TEST_PLATFORM);
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
