// The game's dialogs as fixed windows centred on the game's screen; the help comes back in front.
#include <QMessageBox>
#include <functional>
#include <tuple>

#include "app/PlatformChoice.h"
#include "app/help/HelpWindow.h"
#include "display/MessageBox.h"
#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

using DialogTest = DesktopTest;

// Every dialog follows the game to the smaller screen beside the primary one; the help, asked
// for again, comes in front of the game there with the keyboard, at the player's size.
TEST_F(DialogTest, EveryDialogIsAFixedChildOfTheGameOnItsScreenAndHelpComesInFront) {
    MainWindow& game = open();
    ASSERT_EQ(game.screen(), QGuiApplication::primaryScreen());
    QScreen* second = QGuiApplication::screens().value(1);
    ASSERT_NE(second, nullptr) << "the tests run on two screens";
    // Each dialog as the player opens it; a question that must be answered has no close button.
    const std::tuple<const char*, std::function<void()>, bool> dialogs[] = {
        {"about", [&] { choose(game, "&Help", "&About Varnel..."); }, true},
        {"message", [&] { choose(game, "&Remaining"); }, true},
        {"question",
         [&] {
             showMessageBox(&game, QMessageBox::Question, "Continue", "Do you want to play again?",
                            QMessageBox::Yes | QMessageBox::No);
         },
         false},
        {"load file", [&] { choose(game, "&Tiles", "&Load Tileset"); }, true},
        {"colour", [&] { choose(game, "C&ustomize", "&Background Color"); }, true},
    };
    QTemporaryDir pages;
    for (QScreen* screen : {QGuiApplication::primaryScreen(), second}) {
        SCOPED_TRACE(screen->name().toStdString());
        if (screen == second) {
            // The player resized the help, then played on in the game, which came over it and
            // now moves.
            currentHelpWindow()->resize(500, 400);
            QApplication::setActiveWindow(&game);
            QTRY_COMPARE(QApplication::activeWindow(), &game);
            game.move(second->geometry().topLeft() + QPoint(100, 80));
            QTRY_COMPARE(game.screen(), second);
        }
        // Each a fixed-size child of the game window, closable where it may be closed, its frame
        // centred on the game window's screen; looked at while it is open.
        for (const auto& [which, openIt, closeButton] : dialogs) {
            onNextModal<QDialog>([&](QDialog* dialog) {
                SCOPED_TRACE(which);
                EXPECT_EQ(dialog->parentWidget(), &game);
                EXPECT_EQ(bool(dialog->windowFlags() & Qt::WindowCloseButtonHint), closeButton);
                EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
                EXPECT_EQ(dialog->size(), dialog->minimumSize());
                EXPECT_EQ(dialog->screen(), screen);
                const QRect area = screen->geometry(), frame = dialog->frameGeometry();
                EXPECT_EQ(frame.topLeft(),
                          area.topLeft() + QPoint((area.width() - frame.width()) / 2,
                                                  (area.height() - frame.height()) / 2));
                dialog->done(0);
            });
            openIt();
        }
        showHelpContents(pages.filePath("index.html"), &game);
        HelpWindow* help = currentHelpWindow();
        ASSERT_NE(help, nullptr);
        QTRY_COMPARE(QApplication::activeWindow(), help);
        // Centred on the game's screen, as near as the frame the window system adds allows.
        const int frame = help->frameGeometry().width() - help->width();
        EXPECT_LE((help->frameGeometry().center() - screen->geometry().center()).manhattanLength(),
                  frame);
    }
    EXPECT_EQ(currentHelpWindow()->size(), QSize(500, 400));

    // Put away out of reach (minimized, where nothing may bring a window back), the same.
    currentHelpWindow()->showMinimized();
    showHelpContents(pages.filePath("index.html"), &game);
    ASSERT_NE(currentHelpWindow(), nullptr);
    EXPECT_FALSE(currentHelpWindow()->isMinimized());
    QTRY_COMPARE(QApplication::activeWindow(), currentHelpWindow());
    closeHelp();
}

TEST(PlatformChoiceTest, InAWaylandSessionTheGameRunsOnX11UnlessThePlayerChose) {
    // What the session says (the player's choice, the session type, Wayland's and X's displays),
    // and the platforms the game asks for.
    const std::tuple<DesktopSession, const char*, const char*> sessions[] = {
        {{"", "", "wayland-0", ":0"}, "xcb;wayland", "a compositor without a session type"},
        {{"", "wayland", "", ":1"}, "xcb;wayland", "a Wayland session naming only X's display"},
        {{"wayland", "wayland", "wayland-0", ":0"}, "", "the player's choice stands"},
        {{"", "wayland", "wayland-0", ""}, "", "no XWayland to run on"},
        {{"", "x11", "", ":0"}, "", "an X session"},
    };
    for (const auto& [session, platform, why] : sessions)
        EXPECT_EQ(platformFor(session), platform) << why;
}

}  // namespace
}  // namespace varnel::testing
