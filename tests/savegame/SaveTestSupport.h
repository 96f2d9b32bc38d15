#pragma once

#include <stdlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "Game.h"
#include "RecordingWindow.h"
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
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::filesystem::path path_;
};

inline std::vector<std::byte> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string chars((std::istreambuf_iterator<char>(in)), {});
    const auto* data = reinterpret_cast<const std::byte*>(chars.data());
    return {data, data + chars.size()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::byte>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A dealt game with some pairs taken off as play would, each freeing a neighbour.
inline GameState MidGame(int16_t layout, uint32_t seed) {
    GameState state;
    Random random([seed] { return seed; });
    const LayoutRow& row = *FindLayout(layout);
    state.CurrentLayout = layout;
    state.TileCount = state.TilesLeft = row.tileCount;
    row.rules.BuildLayout(state, random, DealMode::NewFaces);
    for (int16_t face : {0, 3, 3, 7, 12, 20}) {
        int taken = 0;
        for (int16_t i = 0; i < state.TileCount && taken < 2; ++i) {
            if (state.Tiles[i].Face != face) continue;
            state.Tiles[i].Face = kNoFace;
            if (i + 1 < state.TileCount) state.Tiles[i + 1].Free = kTrue;
            ++taken;
        }
        state.TilesLeft = static_cast<int16_t>(state.TilesLeft - taken);
    }
    return state;
}

// What the restore command does: hand the engine only a game that passed every check, and
// give the player a reason for a refusal.
inline ReadResult AttemptRestore(const std::filesystem::path& path, GameState& state) {
    ReadResult result = ReadSavedGame(path);
    if (!result) {
        EXPECT_FALSE(result.reason.empty());
        return result;
    }
    RecordingWindow window;
    Random random([] { return 1u; });
    Game game(state, window, random);
    const SavedGame& saved = *result.game;
    EXPECT_TRUE(game.RestoreGame(saved.CurrentLayout(), saved.TilesLeft(), saved.Tiles()));
    return result;
}

}  // namespace varnel::testing
