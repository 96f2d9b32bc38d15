#include <gtest/gtest.h>

#include <QDialog>
#include <QMainWindow>
#include <QTest>

#include "display/DialogWindow.h"

namespace varnel {
namespace {

// A window manager may maximize a window whatever it asks for, on a double click of its title:
// a game dialog goes back to a window of its own size, fixed or not.
TEST(DialogWindow, AMaximizedDialogGoesBackToItsOwnSize) {
    QMainWindow game;
    game.show();
    for (const bool fixed : {true, false}) {
        QDialog dialog;
        dialog.resize(300, 200);
        if (fixed) dialog.setFixedSize(300, 200);
        makeGameDialog(&dialog, &game);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dialog.setWindowState(Qt::WindowMaximized);
        QTest::qWait(50);
        EXPECT_FALSE(dialog.isMaximized()) << (fixed ? "fixed" : "resizable");
        EXPECT_EQ(dialog.size(), QSize(300, 200)) << (fixed ? "fixed" : "resizable");
    }
}

}  // namespace
}  // namespace varnel
