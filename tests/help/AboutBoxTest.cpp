#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "app/help/AboutBox.h"

namespace varnel {
namespace {

// The about box names the program and stays until Return to Game (where it opens, as every
// dialog, is the dialog tests'). On a high-density screen the icon keeps its size in the
// window's pixels and its own pixels with it: a 128-pixel icon of ratio 2 shows at 64 x 64,
// sharp, not shrunk to 32.
TEST(AboutBoxTest, ShowsTheProgramUntilReturnToGame) {
    QWidget game;
    game.show();
    QPixmap icon(256, 256);
    icon.setDevicePixelRatio(2);
    icon.fill(Qt::darkRed);
    AboutBox box(icon, &game);
    EXPECT_EQ(box.findChild<QLabel*>("program")->text(), "Varnel Solitaire v2.0");
    const QPixmap shown = box.findChild<QLabel*>("icon")->pixmap();
    EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(64, 64));
    EXPECT_EQ(shown.devicePixelRatio(), 2);
    auto* button = box.findChild<QPushButton*>("returnToGame");
    ASSERT_NE(button, nullptr);

    QTimer::singleShot(0, &box, [&] {
        // The corners lie in the margin, away from every control.
        const QImage shot = box.grab().toImage();
        EXPECT_EQ(shot.pixelColor(2, 2), QColor(0, 192, 192));
        EXPECT_EQ(shot.pixelColor(shot.width() - 3, shot.height() - 3), QColor(0, 192, 192));
        button->click();
        // Should the button fail, end the dialog anyway so the test reports it and goes on.
        if (box.isVisible()) box.done(-1);
    });
    EXPECT_EQ(box.exec(), QDialog::Accepted);
}

}  // namespace
}  // namespace varnel
