#include <QDir>

#include "WindowFixture.h"

namespace varnel::testing {
namespace {

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

}  // namespace
}  // namespace varnel::testing
