#include <QTextBrowser>

#include "HelpWindow.h"
#include "WindowFixture.h"

namespace varnel::testing {
namespace {

class PlayByKeyboard : public WindowTest {
  protected:
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window->picBoard, static_cast<Qt::Key>(key), modifiers);
    }

    // Leads the cursor to the tile with the arrow keys, the nearer way first, and presses on it.
    void PressOn(int16_t tile) {
        const TileRec& target = State().Tiles[tile];
        for (int step = 0; step < 30 && window->GameLogic().CursorTile() != tile; ++step) {
            const TileRec& at = State().Tiles[window->GameLogic().CursorTile()];
            if (at.Y != target.Y)
                Key(at.Y < target.Y ? Qt::Key_Down : Qt::Key_Up);
            else
                Key(at.X < target.X ? Qt::Key_Right : Qt::Key_Left);
        }
        ASSERT_EQ(window->GameLogic().CursorTile(), tile) << "the arrow keys cannot reach it";
        Key(tile % 2 ? Qt::Key_Space : Qt::Key_Return);
    }
};

// Rivers pairs the tiles of each row two by two: every pair lies side by side, joined whatever
// else is on the board, and the whole game is played with the arrows, Space and Enter. The
// cursor is a frame of its own; a mouse click hides it and Escape lets a selection go.
TEST_F(PlayByKeyboard, AWholeRiversGameIsWonFromTheKeyboard) {
    StoreSetting("Layout", " 1");
    frmVarnel& w = Open();
    for (int16_t i = 0; i < State().TileCount; ++i) State().Tiles[i].Face = i / 4;
    w.GameLogic().RebuildAroundDeal();
    EXPECT_FALSE(w.shpCursor->isVisible());
    Key(Qt::Key_Left);
    const TileRec& at = State().Tiles[w.GameLogic().CursorTile()];
    EXPECT_EQ(w.shpCursor->geometry(), QRect(at.X, at.Y, 44, 55));
    ClickTile(0);
    EXPECT_FALSE(w.shpCursor->isVisible());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(w.shpBox->isVisible());
    Key(Qt::Key_Left);  // the cursor shows again
    for (int16_t first = 0; first < State().TileCount; first += 2) {
        PressOn(first);
        PressOn(first + 1);
        ASSERT_EQ(State().Tiles[first + 1].Face, kNoFace) << "pair " << first;
    }
    EXPECT_FALSE(w.picBoard->AcceptsClicks()) << "the caption blinks first";
    ModalAnswerer answerer({QMessageBox::Yes});
    ASSERT_TRUE(QTest::qWaitFor([&] { return answerer.seen.size() == 1; }));
    EXPECT_EQ(answerer.seen[0].icon, QMessageBox::Question);
    EXPECT_EQ(answerer.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(w.lblScore->text(), " 84") << "Yes deals a new game";
    EXPECT_EQ(exits, 0);
}

// The shortcuts run their menu entries. While the hint shows, the board takes no clicks, even
// after a new tile set has redrawn it; the three help entries open the help at its contents.
TEST_F(PlayByKeyboard, ShortcutsFollowTheMenus) {
    frmVarnel& w = Open();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const TileTable dealt = State().Tiles;
    const auto [a, b] = FreePair();
    ClickTile(a);
    ClickTile(b);
    ASSERT_TRUE(w.mnuUndo->isEnabled());
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(State().Tiles, dealt);

    Key(Qt::Key_H);
    EXPECT_TRUE(w.GameLogic().SequenceRunning());
    w.mnuTileSet[1]->trigger();
    EXPECT_FALSE(w.picBoard->AcceptsClicks());
    Key(Qt::Key_F2);
    EXPECT_FALSE(w.GameLogic().SequenceRunning()) << "a new game ends the hint";
    EXPECT_TRUE(w.picBoard->AcceptsClicks());
    EXPECT_NE(State().Tiles, dealt);

    Key(Qt::Key_F1);
    for (QAction* entry : {w.mnuHelpPlay, w.mnuSoftware, w.mnuHelpContents}) {
        ASSERT_NE(CurrentHelpWindow(), nullptr);
        EXPECT_TRUE(CurrentHelpWindow()->Browser()->toPlainText().contains(
            appDir.filePath("help/index.html")));
        CloseHelp();
        entry->trigger();
    }
    CloseHelp();
}

}  // namespace
}  // namespace varnel::testing
