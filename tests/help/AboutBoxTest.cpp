#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "AboutBox.h"

namespace varnel {
namespace {

QPixmap Icon(int width, int height) {
    QPixmap icon(width, height);
    icon.fill(Qt::darkRed);
    return icon;
}

TEST(AboutBoxTest, ShowsItsIconTheProgramItsNoticeAndTheWayBack) {
    // An icon larger than the window was drawn for is shrunk to fit, keeping its shape.
    frmAboutBox box(Icon(256, 128));
    const auto* icon = box.findChild<QLabel*>("imgIcon");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->pixmap().size(), QSize(64, 32));

    EXPECT_EQ(box.windowTitle(), "Varnel Solitaire");
    // Contact lines never point at a real address.
    const std::pair<const char*, QString> labels[] = {
        {"lblProgram", "Varnel Solitaire v2.0"},
        {"lblCopyright", "Copyright (C) 2026 The Varnel Solitaire developers"},
        {"lblWeb", "www.varnel-solitaire.example"},
        {"lblEmail", "help@varnel-solitaire.example"},
    };
    for (const auto& [name, text] : labels) {
        const auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), text) << name;
    }
    const auto* button = box.findChild<QPushButton*>("cmdCancel");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Return to Game");
}

TEST(AboutBoxTest, PaintsItsTealBackground) {
    frmAboutBox box(Icon(32, 32));
    const QImage shot = box.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    // The corners lie in the margin, away from every control.
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(0, 192, 192));
    EXPECT_EQ(shot.pixelColor(shot.width() - 3, shot.height() - 3), QColor(0, 192, 192));
}

TEST(AboutBoxTest, CentresOnTheScreenAndReturnToGameClosesIt) {
    QWidget game;
    game.setGeometry(10, 10, 200, 120);
    game.show();
    frmAboutBox box(Icon(32, 32), &game);

    QPoint shownAt;
    QPoint centred;
    QWidget* modal = nullptr;
    QTimer::singleShot(0, &box, [&] {
        shownAt = box.pos();
        const QRect area = QGuiApplication::primaryScreen()->geometry();
        const QSize size = box.frameGeometry().size();
        centred = {area.x() + (area.width() - size.width()) / 2,
                   area.y() + (area.height() - size.height()) / 2};
        modal = QApplication::activeModalWidget();
        box.findChild<QPushButton*>("cmdCancel")->click();
        // Should the button fail, end the dialog anyway so the test reports it and goes on.
        if (box.isVisible()) {
            box.done(-1);
        }
    });
    const int result = box.exec();

    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(modal, &box);
    EXPECT_EQ(shownAt, centred);
    EXPECT_NE(centred, game.geometry().center() - box.rect().center());
}

}  // namespace
}  // namespace varnel
