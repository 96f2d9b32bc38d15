#include <QDir>

#include "WindowFixture.h"

namespace varnel::testing {
namespace {

using SavedGameMenu = WindowTest;

// Run from a folder of the player's, the game saves there; installed for everyone, in the
// player's data folder, made by the first save. Either way the restore finds the save.
class SavedGamePlace : public WindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SavedGamePlace, RestoreBringsBackTheSavedLayoutAndBoard) {
    const bool programFolderWritable = GetParam();
    if (!programFolderWritable) canWriteIn = [](const std::filesystem::path&) { return false; };
    frmVarnel& w = Open();
    for (int pairs = 0; pairs < 3; ++pairs) {
        const auto [a, b] = FreePair();
        ClickTile(a);
        ClickTile(b);
    }
    const TileTable saved = State().Tiles;
    ASSERT_FALSE(QFileInfo::exists(DataFolder()));
    w.mnuSave->trigger();
    const QString savedFile = programFolderWritable ? appDir.filePath("varnel.sav")
                                                    : DataFolder() + QStringLiteral("/varnel.sav");
    const QString notSaved = programFolderWritable ? DataFolder() : appDir.filePath("varnel.sav");
    EXPECT_EQ(QFileInfo(savedFile).size(), 582);
    EXPECT_FALSE(QFileInfo::exists(notSaved));

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

INSTANTIATE_TEST_SUITE_P(ProgramFolder, SavedGamePlace, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "Writable" : "OwnedByRoot");
});

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
