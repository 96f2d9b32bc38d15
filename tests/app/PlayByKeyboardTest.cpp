#include <QTextBrowser>

#include "app/help/AboutBox.h"
#include "app/help/HelpWindow.h"
#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

class PlayByKeyboard : public WindowTest {
  protected:
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(board(), static_cast<Qt::Key>(key), modifiers);
    }
    // A key as the keyboard delivers it: to the open menu, else to the widget with the focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target) target = QApplication::focusWidget();
        if (!target) target = QApplication::activeWindow();
        QTest::keyClick(target, key, modifiers);
    }

    // Leads the cursor to the tile with the arrow keys, the nearer way first, and presses on it.
    void pressOn(int16_t tile) {
        const TilePlace target = geometry().place(tile);
        for (int step = 0; step < 30 && game().cursorTile() != tile; ++step) {
            const TilePlace at = geometry().place(game().cursorTile());
            if (at.y != target.y)
                key(at.y < target.y ? Qt::Key_Down : Qt::Key_Up);
            else
                key(at.x < target.x ? Qt::Key_Right : Qt::Key_Left);
        }
        ASSERT_EQ(game().cursorTile(), tile) << "the arrow keys cannot reach it";
        key(tile % 2 ? Qt::Key_Space : Qt::Key_Return);
    }
};

// A Rivers board of side-by-side pairs played out with the arrows, Space and Enter; a mouse click
// hides the cursor and Escape lets a selection go.
TEST_F(PlayByKeyboard, AWholeRiversGameIsWonFromTheKeyboard) {
    layoutEntry(open(), kRivers)->trigger();
    Board rows = game().board();
    for (int16_t i = 0; i < rows.tileCount(); ++i) rows.setFace(i, static_cast<int8_t>(i / 4));
    ASSERT_TRUE(game().takeUpPosition(kRivers, rows));
    auto* cursor = named<QWidget>("keyboardCursor");
    EXPECT_FALSE(cursor->isVisible());
    key(Qt::Key_Left);
    const TilePlace at = geometry().place(game().cursorTile());
    EXPECT_EQ(cursor->geometry(), QRect(at.x, at.y, 44, 55));
    clickTile(0);
    EXPECT_FALSE(cursor->isVisible());
    key(Qt::Key_Escape);
    EXPECT_FALSE(named<QWidget>("selectionFrame")->isVisible());
    key(Qt::Key_Left);  // the cursor shows again
    for (int16_t first = 0; first < rows.tileCount(); first += 2) {
        pressOn(first);
        pressOn(static_cast<int16_t>(first + 1));
    }
    ModalAnswerer answerer({QMessageBox::Yes});  // the game's end is play's GameEnd tests'
    ASSERT_TRUE(QTest::qWaitFor([&] { return answerer.seen.size() == 1; }));
    EXPECT_EQ(tilesLeft(), " 84") << "Yes deals a new game";
}

// The shortcuts and the menus' letters run their entries; the help entries open the contents,
// About the icon.
TEST_F(PlayByKeyboard, ShortcutsAndMenuLettersFollowTheMenus) {
    MainWindow& w = open();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const Board dealt = game().board();
    takePair();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game().board(), dealt);

    // H shows a hint and F2 deals a new game (what a click during the hint does is play's).
    key(Qt::Key_H);
    EXPECT_TRUE(game().sequenceRunning());
    key(Qt::Key_F2);
    EXPECT_NE(game().board(), dealt);
    clickTile(freePair().first);
    EXPECT_TRUE(game().selectedTile());

    key(Qt::Key_F1);
    for (QAction* entry :
         {menuEntry(w, "&Help", "&How To Play"), menuEntry(w, "&Game", "Software &Catalog"),
          menuEntry(w, "&Help", "&Contents")}) {
        ASSERT_NE(currentHelpWindow(), nullptr);
        EXPECT_TRUE(currentHelpWindow()->browser()->toPlainText().contains(
            appDir.filePath("help/index.html")));
        closeHelp();
        entry->trigger();
    }
    closeHelp();

    // About shows the program's icon at the size its box was drawn for, until Return to Game.
    QSize icon;
    onNextModal<AboutBox>([&icon](AboutBox* about) {
        icon = about->findChild<QLabel*>("icon")->pixmap().size();
        about->findChild<QPushButton*>("returnToGame")->click();
    });
    choose(w, "&Help", "&About Varnel...");
    EXPECT_EQ(icon, QSize(64, 64));

    // The selected tile's partner taken, the menus' letters: Customize and Undo share U.
    clickTile(freePair().second);
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QAction* undo = menuEntry(w, "&Undo");
    const QMenu* customize = menuEntry(w, "C&ustomize")->menu();
    ASSERT_TRUE(undo->isEnabled());
    // The presses go round the two entries and never undo by themselves.
    for (int round = 0; round < 2; ++round) {
        press(Qt::Key_U, Qt::AltModifier);
        EXPECT_EQ(QApplication::activePopupWidget(), customize) << round;
        press(Qt::Key_U, Qt::AltModifier);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << round;
        EXPECT_EQ(w.menuBar()->activeAction(), undo) << round;
        EXPECT_EQ(tilesLeft(), " 142") << round;
    }
    press(Qt::Key_Escape);
    EXPECT_EQ(w.menuBar()->activeAction(), nullptr);

    press(Qt::Key_U, Qt::AltModifier);
    press(Qt::Key_U, Qt::AltModifier);
    press(Qt::Key_Return);
    EXPECT_EQ(tilesLeft(), " 144") << "Enter runs the highlighted Undo";

    // With Undo unavailable the letter is Customize's alone and opens it at once; a letter of
    // one entry only runs its command at once.
    press(Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), customize);
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);
    ModalAnswerer answerer;
    press(Qt::Key_R, Qt::AltModifier);
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_TRUE(answerer.seen[0].text.endsWith(" Matches Remain"));
}

}  // namespace
}  // namespace varnel::testing
