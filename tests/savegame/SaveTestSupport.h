#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "Deal.h"
#include "DragonLayout.h"
#include "GameState.h"
#include "PyramidLayout.h"
#include "Random.h"
#include "SavedGame.h"

namespace varnel::testing {

// A folder of its own for each test, removed with everything in it afterwards.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "varnel-save-XXXXXX");
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // The names in the folder, to catch files left behind.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

  private:
    std::filesystem::path path_;
};

inline std::vector<std::byte> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> chars((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::byte> bytes(chars.size());
    for (std::size_t i = 0; i < chars.size(); ++i) bytes[i] = static_cast<std::byte>(chars[i]);
    return bytes;
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::byte>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// Little-endian 16-bit words, encoded here by hand rather than by the writer under test.
inline std::vector<std::byte> Words(std::initializer_list<int> words) {
    std::vector<std::byte> bytes;
    for (int word : words) {
        bytes.push_back(static_cast<std::byte>(word & 0xFF));
        bytes.push_back(static_cast<std::byte>((word >> 8) & 0xFF));
    }
    return bytes;
}

// A fresh deal of the layout, placed and with its starting tiles free. Rivers has no builder in
// the engine, so its free tiles are marked by hand: the two ends of each row.
inline GameState DealtGame(int16_t layout, uint32_t seed) {
    GameState state;
    Random random([seed] { return seed; });
    state.CurrentLayout = layout;
    state.TileCount = TileCountOf(layout);
    state.TilesLeft = state.TileCount;
    DealFaces(state, random, state.TileCount);
    if (layout == kDragon) BuildDragon(state);
    if (layout == kPyramid) BuildPyramid(state);
    if (layout == kRivers) {
        for (int16_t i = 0; i < state.TileCount; ++i)
            if (i % 14 == 0 || i % 14 == 13) state.Tiles[i].Free = kTrue;
    }
    return state;
}

// Takes off the first two tiles of each of the given faces, as play would, freeing a neighbour.
inline void RemovePairs(GameState& state, std::initializer_list<int16_t> faces) {
    for (int16_t face : faces) {
        int taken = 0;
        for (int16_t i = 0; i < state.TileCount && taken < 2; ++i) {
            if (state.Tiles[i].Face != face) continue;
            state.Tiles[i].Face = kNoFace;
            if (i + 1 < state.TileCount) state.Tiles[i + 1].Free = kTrue;
            ++taken;
        }
        state.TilesLeft = static_cast<int16_t>(state.TilesLeft - taken);
    }
}

inline GameState MidGame(int16_t layout, uint32_t seed) {
    GameState state = DealtGame(layout, seed);
    RemovePairs(state, {0, 3, 3, 7, 12, 20});
    return state;
}

inline void ExpectSameState(const GameState& a, const GameState& b) {
    EXPECT_TRUE(a.Tiles == b.Tiles);
    EXPECT_TRUE(a.UndoTiles == b.UndoTiles);
    EXPECT_EQ(a.TileCount, b.TileCount);
    EXPECT_EQ(a.TilesLeft, b.TilesLeft);
    EXPECT_EQ(a.CurrentLayout, b.CurrentLayout);
    EXPECT_EQ(a.TileSelected, b.TileSelected);
    EXPECT_EQ(a.SelectedTile, b.SelectedTile);
    EXPECT_EQ(a.KeepDeal, b.KeepDeal);
    EXPECT_EQ(a.SoundOn, b.SoundOn);
    EXPECT_EQ(a.RetVal, b.RetVal);
    EXPECT_EQ(a.TileWidth, b.TileWidth);
    EXPECT_EQ(a.TileHeight, b.TileHeight);
    EXPECT_EQ(a.BoardScale, b.BoardScale);
    EXPECT_EQ(a.BoardScaleWidth, b.BoardScaleWidth);
    EXPECT_EQ(a.Labels.MessageTop, b.Labels.MessageTop);
    EXPECT_EQ(a.Labels.ScoreTop, b.Labels.ScoreTop);
    EXPECT_EQ(a.Labels.ScoreLeft, b.Labels.ScoreLeft);
    EXPECT_EQ(a.Labels.TestTop, b.Labels.TestTop);
    EXPECT_EQ(a.Labels.RiversMessageTop, b.Labels.RiversMessageTop);
    EXPECT_EQ(a.Labels.RiversScoreTop, b.Labels.RiversScoreTop);
    EXPECT_EQ(a.Labels.RiversScoreLeft, b.Labels.RiversScoreLeft);
    EXPECT_EQ(a.Labels.RiversTestTop, b.Labels.RiversTestTop);
}

// What the restore command does with the file layer: apply only a game that passed every check.
inline ReadResult AttemptRestore(const std::filesystem::path& path, GameState& state) {
    ReadResult result = ReadSavedGame(path);
    if (result) ApplySavedGame(*result.game, state);
    return result;
}

}  // namespace varnel::testing
