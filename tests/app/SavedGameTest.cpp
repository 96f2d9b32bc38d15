#include "WindowFixture.h"

namespace varnel::testing {
namespace {

using SavedGamePlace = WindowTest;

// Installed for everyone, the game saves in the player's data folder, made by the first save,
// and the restore finds the save there, with its layout, whatever is being played meanwhile.
TEST_F(SavedGamePlace, RestoreBringsBackTheSavedLayoutAndBoard) {
    canWriteIn = [](const std::filesystem::path&) { return false; };  // a folder owned by root
    frmVarnel& w = Open();
    ModalAnswerer answerer;  // a failure would otherwise wait for the player
    for (int pairs = 0; pairs < 3; ++pairs) {
        const auto [a, b] = FreePair();
        ClickTile(a);
        ClickTile(b);
    }
    const TileTable saved = State().Tiles;
    ASSERT_FALSE(QFileInfo::exists(DataFolder()));
    w.mnuSave->trigger();
    EXPECT_EQ(QFileInfo(DataFolder() + QStringLiteral("/varnel.sav")).size(), 582);
    EXPECT_FALSE(QFileInfo::exists(appDir.filePath("varnel.sav")));

    w.mnuLayout[1]->trigger();  // on to a Rivers game
    ClickTile(0);
    w.mnuRestore->trigger();
    EXPECT_TRUE(answerer.seen.empty());
    EXPECT_TRUE(w.mnuLayout[0]->isChecked());
    EXPECT_EQ(w.lblScore->text(), " 138");
    for (int i = 0; i < 144; ++i) {
        EXPECT_EQ(State().Tiles[i].Face, saved[i].Face) << i;
        EXPECT_EQ(State().Tiles[i].X, saved[i].X) << i;
    }
}

}  // namespace
}  // namespace varnel::testing
