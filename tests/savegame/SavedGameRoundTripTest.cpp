#include <gtest/gtest.h>

#include "SaveTestSupport.h"

namespace varnel::testing {
namespace {

class RoundTrip : public ::testing::TestWithParam<int16_t> {};

TEST_P(RoundTrip, AMidGameComesBackAsSaved) {
    TempFolder folder;
    const GameState saved = MidGame(GetParam(), 20240601);
    ASSERT_LT(saved.TilesLeft, saved.TileCount);
    ASSERT_TRUE(WriteSavedGame(folder / kSavedGameFileName, saved));
    EXPECT_EQ(ReadBytes(folder / kSavedGameFileName).size(), SavedGameBytes(saved.TileCount));

    // Restore into a different game of another layout, as the player would.
    GameState restored = DealtGame(GetParam() == kRivers ? kDragon : kRivers, 7);
    const GameState before = restored;
    const ReadResult result = AttemptRestore(folder / kSavedGameFileName, restored);
    ASSERT_TRUE(result) << result.reason;
    EXPECT_EQ(restored.CurrentLayout, saved.CurrentLayout);
    EXPECT_EQ(restored.TileCount, saved.TileCount);
    EXPECT_EQ(restored.TilesLeft, saved.TilesLeft);
    for (int16_t i = 0; i < saved.TileCount; ++i) {
        EXPECT_EQ(restored.Tiles[i].Free, saved.Tiles[i].Free) << "tile " << i;
        EXPECT_EQ(restored.Tiles[i].Face, saved.Tiles[i].Face) << "tile " << i;
        // Positions and pictures are the rebuild's business, not the file's.
        EXPECT_EQ(restored.Tiles[i].X, before.Tiles[i].X);
        EXPECT_EQ(restored.Tiles[i].PicX, before.Tiles[i].PicX);
    }
    for (int i = saved.TileCount; i < kTableSize; ++i)
        EXPECT_EQ(restored.Tiles[i], before.Tiles[i]) << "tile " << i;
    EXPECT_TRUE(restored.UndoTiles == before.UndoTiles);
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, RoundTrip, ::testing::Values(kDragon, kRivers, kPyramid),
                         [](const auto& info) {
                             return std::string(info.param == kDragon   ? "Dragon"
                                                : info.param == kRivers ? "Rivers"
                                                                        : "Pyramid");
                         });

// Rivers with the faces in deck order (tile i shows face i / 4), tiles 1 and 2 taken off.
GameState OrderedRivers() {
    GameState state;
    state.CurrentLayout = kRivers;
    state.TileCount = 84;
    for (int16_t i = 0; i < 84; ++i) state.Tiles[i].Face = static_cast<int16_t>(i / 4);
    state.Tiles[0].Free = kTrue;
    state.Tiles[1].Face = kNoFace;
    state.Tiles[2].Face = kNoFace;
    state.Tiles[2].Free = kTrue;
    state.TilesLeft = 82;
    return state;
}

TEST(ByteLayout, FlatLittleEndianWordsInTileOrder) {
    TempFolder folder;
    ASSERT_TRUE(WriteSavedGame(folder / kSavedGameFileName, OrderedRivers()));
    const std::vector<std::byte> bytes = ReadBytes(folder / kSavedGameFileName);
    ASSERT_EQ(bytes.size(), 342u);
    const struct {
        std::size_t offset;
        unsigned value;
    } expected[] = {
        {0, 0x01},   {1, 0x00},    // CurrentLayout 1
        {2, 0x54},   {3, 0x00},    // TileCount 84
        {4, 0x52},   {5, 0x00},    // TilesLeft 82
        {6, 0xFF},   {7, 0xFF},    // tile 0 free
        {8, 0x00},   {9, 0x00},    // tile 0 face 0
        {10, 0x00},  {11, 0x00},   // tile 1 blocked
        {12, 0xFF},  {13, 0xFF},   // tile 1 removed
        {14, 0xFF},  {15, 0xFF},   // tile 2 free
        {16, 0xFF},  {17, 0xFF},   // tile 2 removed
        {22, 0x00},  {24, 0x01},   // tile 4 blocked, face 1
        {338, 0x00}, {339, 0x00},  // tile 83 blocked
        {340, 0x14}, {341, 0x00},  // tile 83 face 20
    };
    for (const auto& [offset, value] : expected)
        EXPECT_EQ(static_cast<unsigned>(bytes[offset]), value) << "offset " << offset;
}

TEST(ByteLayout, AFileWrittenByHandReadsBack) {
    std::vector<std::byte> bytes = Words({2, 120, 118});
    for (int i = 0; i < 120; ++i) {
        const std::vector<std::byte> tile = Words({i >= 116 ? -1 : 0, i < 2 ? -1 : i / 4});
        bytes.insert(bytes.end(), tile.begin(), tile.end());
    }
    const ReadResult result = CheckSavedGame(bytes);
    ASSERT_TRUE(result) << result.reason;
    EXPECT_EQ(result.game->CurrentLayout(), kPyramid);
    EXPECT_EQ(result.game->TilesLeft(), 118);
    EXPECT_EQ(result.game->Tiles()[1], (SavedTile{kFalse, kNoFace}));
    EXPECT_EQ(result.game->Tiles()[119], (SavedTile{kTrue, 29}));
}

TEST(ShorterSave, KeepsTheLongerFilesTailAndReadsAsTheShorterGame) {
    TempFolder folder;
    const auto path = folder / kSavedGameFileName;
    ASSERT_TRUE(WriteSavedGame(path, MidGame(kDragon, 1)));
    const std::vector<std::byte> dragonBytes = ReadBytes(path);

    const GameState rivers = MidGame(kRivers, 2);
    ASSERT_TRUE(WriteSavedGame(folder / "rivers-alone.sav", rivers));
    const std::vector<std::byte> riversBytes = ReadBytes(folder / "rivers-alone.sav");
    ASSERT_TRUE(WriteSavedGame(path, rivers));

    const std::vector<std::byte> bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 582u);
    EXPECT_TRUE(std::equal(riversBytes.begin(), riversBytes.end(), bytes.begin()));
    EXPECT_TRUE(std::equal(bytes.begin() + 342, bytes.end(), dragonBytes.begin() + 342));

    GameState state = DealtGame(kPyramid, 3);
    ASSERT_TRUE(AttemptRestore(path, state));
    EXPECT_EQ(state.CurrentLayout, kRivers);
    EXPECT_EQ(state.TileCount, 84);
    EXPECT_EQ(state.TilesLeft, rivers.TilesLeft);
    for (int16_t i = 0; i < 84; ++i) EXPECT_EQ(state.Tiles[i].Face, rivers.Tiles[i].Face);

    // The longer game over it takes the whole file again.
    ASSERT_TRUE(WriteSavedGame(path, MidGame(kDragon, 1)));
    EXPECT_EQ(ReadBytes(path), dragonBytes);
}

TEST(Saving, LeavesNoOtherFileAndKeepsThePermissions) {
    TempFolder folder;
    const auto path = folder / kSavedGameFileName;
    ASSERT_TRUE(WriteSavedGame(path, MidGame(kDragon, 1)));
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    ASSERT_TRUE(WriteSavedGame(path, MidGame(kPyramid, 1)));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{kSavedGameFileName});
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
}

TEST(Saving, RefusesAGameThatCouldNotBeRestored) {
    TempFolder folder;
    GameState broken = MidGame(kRivers, 5);
    broken.TilesLeft = 84;
    const SaveResult result = WriteSavedGame(folder / kSavedGameFileName, broken);
    EXPECT_FALSE(result);
    EXPECT_NE(result.reason.find("tiles left"), std::string::npos) << result.reason;
    broken.TileCount = 300;  // would run past the tile table
    EXPECT_FALSE(WriteSavedGame(folder / kSavedGameFileName, broken));
    EXPECT_TRUE(folder.Names().empty());
}

}  // namespace
}  // namespace varnel::testing
