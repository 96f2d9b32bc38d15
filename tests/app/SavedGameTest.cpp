#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

using SavedGamePlace = WindowTest;

// Installed for everyone, the game saves in the player's data folder and restores from there.
TEST_F(SavedGamePlace, RestoreBringsBackTheSavedLayoutAndBoard) {
    canWriteIn = [](const std::filesystem::path&) { return false; };  // a folder owned by root
    MainWindow& w = open();
    ModalAnswerer answerer;  // a failure would otherwise wait for the player
    for (int pairs = 0; pairs < 3; ++pairs) takePair();
    const Board saved = game().board();
    ASSERT_FALSE(QFileInfo::exists(dataFolder()));
    choose(w, "&Game", "S&ave Game");
    EXPECT_EQ(QFileInfo(dataFolder() + QStringLiteral("/varnel.sav")).size(), 582);
    EXPECT_FALSE(QFileInfo::exists(appDir.filePath("varnel.sav")));

    // On to a Rivers game with a tile selected; the restore brings the Dragon back to its
    // places on the board.
    layoutEntry(w, kRivers)->trigger();
    clickTile(0);
    choose(w, "&Game", "&Restore Game");
    EXPECT_TRUE(layoutEntry(w, kDragon)->isChecked());
    EXPECT_EQ(tilesLeft(), " 138");
    EXPECT_EQ(game().board(), saved);
    EXPECT_FALSE(game().selectedTile());
    takePair();
    EXPECT_EQ(tilesLeft(), " 136");
}

}  // namespace
}  // namespace varnel::testing
