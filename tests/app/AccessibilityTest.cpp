// What a screen reader finds in the game window: the board described as play goes on by
// keyboard, announced once a move, until the end panel shows.
#include <QAccessible>
#include <QSignalSpy>

#include "display/BoardWidget.h"
#include "layouts/DragonLayout.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/BoardBuilder.h"

namespace varnel::testing {
namespace {

// Faces by the names the Traditional set gives them.
constexpr int8_t kBamboo3 = 11, kRedDragon = 31, kGreenDragon = 32;

class AccessibilityTest : public DesktopTest {
  protected:
    QString description() const {
        return QAccessible::queryAccessibleInterface(board)->text(QAccessible::Description);
    }

    // A key as the player presses it, to whatever has the keyboard; the event loop turns before
    // the next one, as it does between a player's keys.
    void press(Qt::Key key) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : board->window(), key);
        ++presses;
        QCoreApplication::processEvents();
    }
    // Moves the keyboard cursor along the top row of the Dragon's ground layer, whose numbers
    // grow leftward, until it is on the tile.
    void cursorTo(MainWindow& window, int16_t tile) {
        for (int step = 0; step < 14 && window.game().cursorTile() != tile; ++step)
            press(window.game().cursorTile() < tile ? Qt::Key_Left : Qt::Key_Right);
        ASSERT_EQ(window.game().cursorTile(), tile);
    }

    BoardWidget* board = nullptr;
    int presses = 0;
};

TEST_F(AccessibilityTest, TheDescriptionFollowsEachKeyUntilTheGameIsStuck) {
    MainWindow& window = open();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    board = window.findChild<BoardWidget*>("board");
    // The top row of the ground layer keeps six tiles: a pair of Bamboo 3 at its free ends, and
    // between them Red and Green Dragons that no removal lets pair.
    const Board row = BoardBuilder(dragonLayout())
                          .keepOnly({{2, kBamboo3, true},
                                     {3, kRedDragon, false},
                                     {4, kGreenDragon, false},
                                     {5, kRedDragon, false},
                                     {6, kGreenDragon, false},
                                     {7, kBamboo3, true}});
    ASSERT_TRUE(window.game().takeUpPosition(kDragon, row));
    QSignalSpy announced(board, &BoardWidget::descriptionAnnounced);
    QCoreApplication::processEvents();
    EXPECT_EQ(description(), "New Dragon board. 6 tiles left.");
    EXPECT_EQ(announced.count(), 1);

    // A hint names its pair, said once while its frames come and go; asked again, it is news.
    press(Qt::Key_H);
    const QString hint = description();
    EXPECT_TRUE(hint.startsWith("Hint: Bamboo 3, top")) << hint.toStdString();
    EXPECT_TRUE(hint.contains(", and Bamboo 3, top")) << hint.toStdString();
    EXPECT_TRUE(hint.endsWith(". 6 tiles left.")) << hint.toStdString();
    QTest::qWait(100);
    EXPECT_EQ(description(), hint);
    EXPECT_EQ(announced.count(), 2);
    EXPECT_TRUE(window.findChild<QWidget*>("selectionFrame")->isHidden()) << "the hint is over";
    press(Qt::Key_H);
    QTest::qWait(100);
    EXPECT_EQ(announced.count(), 3);

    // Each key of a step below is announced once, the last of them in exactly these words.
    auto step = [&](auto act, const QString& words) {
        const qsizetype before = announced.count();
        const int keys = presses;
        act();
        EXPECT_EQ(description(), words);
        EXPECT_EQ(announced.count() - before, presses - keys) << words.toStdString();
        if (announced.count() > before) {
            EXPECT_EQ(announced.last().at(0).toString(), words);
        }
    };
    step([&] { press(Qt::Key_Left); }, "Bamboo 3, free. 6 tiles left.");
    const int16_t first = window.game().cursorTile();
    ASSERT_TRUE(first == 2 || first == 7);
    const int16_t other = first == 2 ? 7 : 2;
    const int16_t inside = first == 2 ? 3 : 6;
    step([&] { cursorTo(window, inside); }, QStringLiteral("%1, blocked. 6 tiles left.")
                                                .arg(inside == 3 ? "Red Dragon" : "Green Dragon"));
    step([&] { cursorTo(window, first); }, "Bamboo 3, free. 6 tiles left.");
    step([&] { press(Qt::Key_Space); }, "Bamboo 3, free, selected. 6 tiles left.");
    step([&] { cursorTo(window, other); },
         "Bamboo 3, free. Selected: Bamboo 3, free. 6 tiles left.");
    step([&] { press(Qt::Key_Escape); }, "Bamboo 3, free. 6 tiles left.");
    step([&] { press(Qt::Key_Space); }, "Bamboo 3, free, selected. 6 tiles left.");
    // The pair goes; the cursor is over an empty place, and the Dragons left cannot pair.
    step([&] { cursorTo(window, first); },
         "Bamboo 3, free. Selected: Bamboo 3, free. 6 tiles left.");
    step(
        [&] { press(Qt::Key_Space); },
        "Pair taken: Bamboo 3. 4 tiles left. No matching tiles remain: New Game, Shuffle or Quit.");
    EXPECT_TRUE(window.findChild<QWidget*>("matchPanel")->isVisible());
}

}  // namespace
}  // namespace varnel::testing
