#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "AboutBox.h"
#include "AppInfo.h"

namespace varnel {
namespace {

QPixmap TestIcon() {
    QPixmap icon(32, 32);
    icon.fill(Qt::darkRed);
    return icon;
}

QString LabelText(const QWidget& box, const char* name) {
    const auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->text() : QStringLiteral("<no %1>").arg(name);
}

QPoint ScreenCentredPosition(const QWidget& window) {
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    const QSize size = window.frameGeometry().size();
    return {area.x() + (area.width() - size.width()) / 2,
            area.y() + (area.height() - size.height()) / 2};
}

TEST(AppInfoTest, CaptionsCarryTitleVersionAndNotice) {
    EXPECT_EQ(ProgramNameAndVersion(), "Varnel Solitaire v2.0");
    EXPECT_EQ(MainWindowCaption(),
              "Varnel Solitaire v2.0 - Copyright (C) 2026 The Varnel Solitaire developers");
    // Contact lines never point at a real address.
    EXPECT_TRUE(QString::fromUtf8(AppWebLine).endsWith(".example"));
    EXPECT_TRUE(QString::fromUtf8(AppEmailLine).endsWith(".example"));
}

TEST(AboutBoxTest, ShowsTheProgramItsNoticeAndTheWayBack) {
    frmAboutBox box(TestIcon());

    EXPECT_EQ(box.windowTitle(), "Varnel Solitaire");
    EXPECT_EQ(LabelText(box, "lblProgram"), "Varnel Solitaire v2.0");
    EXPECT_EQ(LabelText(box, "lblCopyright"), QString::fromUtf8(AppLegalCopyright));
    EXPECT_EQ(LabelText(box, "lblWeb"), "www.varnel-solitaire.example");
    EXPECT_EQ(LabelText(box, "lblEmail"), "help@varnel-solitaire.example");
    const auto* button = box.findChild<QPushButton*>("cmdCancel");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Return to Game");
    const auto* icon = box.findChild<QLabel*>("imgIcon");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
    const auto* divider = box.findChild<QFrame*>("linDivider");
    ASSERT_NE(divider, nullptr);
    EXPECT_EQ(divider->frameShape(), QFrame::HLine);
    EXPECT_TRUE(box.isModal());
}

TEST(AboutBoxTest, ALargeIconIsShrunkToFit) {
    QPixmap large(256, 128);
    large.fill(Qt::blue);
    frmAboutBox box(large);
    EXPECT_EQ(box.findChild<QLabel*>("imgIcon")->pixmap().size(), QSize(64, 32));
}

TEST(AboutBoxTest, PaintsItsTealBackground) {
    frmAboutBox box(TestIcon());
    EXPECT_EQ(box.palette().color(QPalette::Window), QColor(0, 192, 192));
    const QImage shot = box.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    // A corner lies in the margin, away from every control.
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(0, 192, 192));
    EXPECT_EQ(shot.pixelColor(shot.width() - 3, shot.height() - 3), QColor(0, 192, 192));
}

TEST(AboutBoxTest, CentresOnTheScreenNotOnTheGameWindow) {
    QWidget game;
    game.setGeometry(10, 10, 200, 120);
    game.show();
    frmAboutBox box(TestIcon(), &game);
    EXPECT_EQ(box.pos(), ScreenCentredPosition(box));

    QPoint shownAt;
    QPoint centred;
    QWidget* modal = nullptr;
    QTimer::singleShot(0, &box, [&] {
        shownAt = box.pos();
        centred = ScreenCentredPosition(box);
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

TEST(AboutBoxTest, ReturnToGameClosesIt) {
    frmAboutBox box(TestIcon());
    box.show();
    ASSERT_TRUE(box.isVisible());
    box.cmdCancel_Click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace varnel
