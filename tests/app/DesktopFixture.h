#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <ostream>
#include <vector>

#include "app/MainWindow.h"
#include "tests/support/ModalAnswerer.h"


namespace varnel::testing {

// The game windows of a test, opened as the program opens its window but in a throwaway program
// folder, on the screen the window lands on, with beeps and the end of the program counted
// instead of carried out. Several windows may share the program folder, as two copies of the
// game share it.
class DesktopTest : public ::testing::Test {
  protected:
    MainWindow& open() {
        Environment environment;
        environment.appPath = appDir.path();
        environment.dataPath = dataDir.path();
        environment.endProgram = [this] { ++exits; };
        environment.beep = [this] { ++beeps; };
        environment.timerScale = 0.01;
        environment.musicOutput = MusicDevice::Output::Manual;
        environment.seedSource = [n = 1u]() mutable { return n++; };
        windows.push_back(std::make_unique<MainWindow>(environment));
        MainWindow& window = *windows.back();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }

    // The entry of a menu as the player reads it, or without an entry the command on the bar.
    static QAction* entry(QMainWindow& window, const QString& menu, const QString& item = {}) {
        for (QAction* onBar : window.menuBar()->actions()) {
            if (onBar->text() != menu) continue;
            if (item.isEmpty()) return onBar;
            if (!onBar->menu()) return nullptr;
            for (QAction* action : onBar->menu()->actions())
                if (action->text() == item) return action;
        }
        return nullptr;
    }
    static void choose(QMainWindow& window, const QString& menu, const QString& item = {}) {
        QAction* action = entry(window, menu, item);
        ASSERT_NE(action, nullptr) << menu.toStdString() << " " << item.toStdString();
        action->trigger();
    }

    static QScreen* secondScreen() {
        const QList<QScreen*> screens = QGuiApplication::screens();
        return screens.size() > 1 ? screens.at(1) : nullptr;
    }

    QTemporaryDir appDir;
    QTemporaryDir dataDir;
    std::vector<std::unique_ptr<MainWindow>> windows;
    int beeps = 0;
    int exits = 0;
};

}  // namespace varnel::testing
