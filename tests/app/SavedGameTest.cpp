#include <QDir>

#include "WindowFixture.h"

namespace varnel::testing {
namespace {

using SavedGameMenu = WindowTest;

TEST_F(SavedGameMenu, RestoreBringsBackTheSavedLayoutAndBoard) {
    frmVarnel& w = Open();
    for (int pairs = 0; pairs < 3; ++pairs) {
        const auto [a, b] = FreePair();
        ClickTile(a);
        ClickTile(b);
    }
    const TileTable saved = State().Tiles;
    w.mnuSave->trigger();
    EXPECT_EQ(QFileInfo(appDir.filePath("varnel.sav")).size(), 582);

    w.mnuLayout[1]->trigger();  // on to a Rivers game
    ASSERT_EQ(State().TileCount, 84);
    ClickTile(0);
    w.mnuRestore->trigger();

    EXPECT_EQ(State().CurrentLayout, kDragon);
    EXPECT_EQ(State().TileCount, 144);
    EXPECT_TRUE(w.mnuLayout[0]->isChecked());
    EXPECT_FALSE(w.mnuLayout[1]->isChecked());
    EXPECT_EQ(StoredSetting("Layout").toString(), " 0");
    EXPECT_EQ(w.lblScore->text(), " 138");
    EXPECT_FALSE(w.mnuUndo->isEnabled());
    EXPECT_FALSE(State().TileSelected);
    EXPECT_TRUE(w.mnuShuffle->isEnabled());
    for (int i = 0; i < 144; ++i) {
        EXPECT_EQ(State().Tiles[i].Face, saved[i].Face) << i;
        EXPECT_EQ(State().Tiles[i].Free, saved[i].Free) << i;
        EXPECT_EQ(State().Tiles[i].X, saved[i].X) << i;
    }
}

TEST_F(SavedGameMenu, RefusedRestoreLeavesTheGameAsItWas) {
    frmVarnel& w = Open();
    const auto [a, b] = FreePair();
    ClickTile(a);
    ClickTile(b);
    const bool undo = w.mnuUndo->isEnabled();
    const TileTable before = State().Tiles;
    {
        ModalAnswerer answerer;
        w.mnuRestore->trigger();  // nothing saved yet
        ASSERT_EQ(answerer.seen.size(), 1u);
        EXPECT_EQ(answerer.seen[0].icon, QMessageBox::Warning);
        EXPECT_TRUE(answerer.seen[0].text.startsWith("Could not restore the saved game from "));
    }
    QFile broken(appDir.filePath("varnel.sav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray("\x00\x00\xff\x7f\x90\x00", 6));  // a Dragon game of 32767 tiles
    broken.close();
    {
        ModalAnswerer answerer;
        w.mnuRestore->trigger();
        ASSERT_EQ(answerer.seen.size(), 1u);
    }
    EXPECT_EQ(State().Tiles, before);
    EXPECT_EQ(w.mnuUndo->isEnabled(), undo);
    EXPECT_EQ(w.lblScore->text(), " 142");
}

TEST_F(SavedGameMenu, FailedSaveSaysSoAndPlayGoesOn) {
    ASSERT_TRUE(QDir(appDir.path()).mkdir("varnel.sav"));  // something in the way
    frmVarnel& w = Open();
    const TileTable before = State().Tiles;
    ModalAnswerer answerer;
    w.mnuSave->trigger();
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_TRUE(answerer.seen[0].text.startsWith("Could not save the game to "));
    EXPECT_EQ(State().Tiles, before);
    EXPECT_TRUE(w.mnuHint->isEnabled());
}

}  // namespace
}  // namespace varnel::testing
