// The game's dialogs as fixed windows centred on the game's screen; the help comes back in front.
#include <QMessageBox>
#include <functional>
#include <tuple>

#include "app/PlatformChoice.h"
#include "app/help/HelpWindow.h"
#include "display/MessageBox.h"
#include "display/PictureChooser.h"
#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

// A fixed-size child of the game window, closable where it may be closed, its frame centred on
// the game window's screen.
void expectGameDialog(const QWidget* dialog, const QWidget* game, bool closeButton,
                      const char* which) {
    SCOPED_TRACE(which);
    EXPECT_EQ(dialog->parentWidget(), game);
    EXPECT_EQ(bool(dialog->windowFlags() & Qt::WindowCloseButtonHint), closeButton);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->size(), dialog->minimumSize());
    EXPECT_EQ(dialog->screen(), game->screen());
    const QRect screen = game->screen()->geometry();
    const QRect frame = dialog->frameGeometry();
    EXPECT_EQ(frame.topLeft(), screen.topLeft() + QPoint((screen.width() - frame.width()) / 2,
                                                         (screen.height() - frame.height()) / 2));
}

class DialogTest : public DesktopTest {
  protected:
    // Opens each dialog of the game as the player would and looks at it while it is open; a
    // question that must be answered has no close button.
    void expectEveryDialogAtHome(MainWindow& game) {
        const std::tuple<const char*, std::function<void()>, bool> dialogs[] = {
            {"about", [&] { choose(game, "&Help", "&About Varnel..."); }, true},
            {"message", [&] { choose(game, "&Remaining"); }, true},
            {"question",
             [&] {
                 showMessageBox(&game, QMessageBox::Question, "Continue",
                                "Do you want to play again?", QMessageBox::Yes | QMessageBox::No);
             },
             false},
            {"load file", [&] { choose(game, "&Tiles", "&Load Tileset"); }, true},
            {"colour", [&] { choose(game, "C&ustomize", "&Background Color"); }, true},
        };
        for (const auto& [which, openIt, closeButton] : dialogs) {
            onNextModal<QDialog>([&](QDialog* dialog) {
                expectGameDialog(dialog, &game, closeButton, which);
                if (qobject_cast<PictureChooser*>(dialog)) {
                    EXPECT_EQ(dialog->size(), QSize(335, 198));
                }
                dialog->done(0);
            });
            openIt();
        }
    }
};

// Every dialog follows the game to the smaller screen beside the primary one; the help, asked
// for again, comes in front of the game there with the keyboard, at the player's size.
TEST_F(DialogTest, EveryDialogIsAFixedChildOfTheGameOnItsScreenAndHelpComesInFront) {
    MainWindow& game = open();
    ASSERT_EQ(game.screen(), QGuiApplication::primaryScreen());
    expectEveryDialogAtHome(game);
    QTemporaryDir pages;
    const QString index = pages.filePath("index.html");
    // Opens centred on the game's screen, as near as the frame the window system adds allows.
    auto offCentre = [](const QWidget* window, const QScreen* screen) {
        const int frame = window->frameGeometry().width() - window->width();
        return (window->frameGeometry().center() - screen->geometry().center()).manhattanLength() -
               frame;
    };
    showHelpContents(index, &game);
    HelpWindow* help = currentHelpWindow();
    ASSERT_NE(help, nullptr);
    QTRY_COMPARE(QApplication::activeWindow(), help);
    EXPECT_LE(offCentre(help, game.screen()), 0);
    // The player resizes it, then plays on in the game, which comes over it and moves.
    help->resize(500, 400);
    QApplication::setActiveWindow(&game);
    QTRY_COMPARE(QApplication::activeWindow(), &game);

    QScreen* second = secondScreen();
    ASSERT_NE(second, nullptr) << "the tests run on two screens";
    game.move(second->geometry().topLeft() + QPoint(100, 80));
    QTRY_COMPARE(game.screen(), second);
    expectEveryDialogAtHome(game);
    showHelpContents(index, &game);
    help = currentHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), help);
    EXPECT_EQ(help->size(), QSize(500, 400));
    EXPECT_LE(offCentre(help, second), 0);

    // Put away out of reach (minimized, where nothing may bring a window back), the same.
    help->showMinimized();
    showHelpContents(index, &game);
    ASSERT_NE(currentHelpWindow(), nullptr);
    EXPECT_FALSE(currentHelpWindow()->isMinimized());
    QTRY_COMPARE(QApplication::activeWindow(), currentHelpWindow());
    closeHelp();
}

TEST(PlatformChoiceTest, InAWaylandSessionTheGameRunsOnX11UnlessThePlayerChose) {
    // What the session says: the player's choice, the session type, Wayland's and X's displays.
    EXPECT_EQ(platformFor({"", "wayland", "wayland-0", ":0"}), "xcb;wayland");
    EXPECT_EQ(platformFor({"", "", "wayland-0", ":0"}), "xcb;wayland")
        << "a compositor without a session type";
    EXPECT_EQ(platformFor({"", "wayland", "", ":1"}), "xcb;wayland");
    EXPECT_EQ(platformFor({"wayland", "wayland", "wayland-0", ":0"}), "")
        << "the player's choice stands";
    EXPECT_EQ(platformFor({"offscreen", "wayland", "wayland-0", ":0"}), "");
    EXPECT_EQ(platformFor({"", "wayland", "wayland-0", ""}), "") << "no XWayland to run on";
    EXPECT_EQ(platformFor({"", "x11", "", ":0"}), "");
    EXPECT_EQ(platformFor({"", "tty", "", ""}), "");
}

}  // namespace
}  // namespace varnel::testing
