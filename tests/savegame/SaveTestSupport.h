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

#include "app/savegame/SavedGame.h"
#include "board/Deal.h"
#include "play/LayoutTable.h"

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
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // The names in the folder, to catch files left behind.
    std::vector<std::string> names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::filesystem::path path_;
};

inline std::vector<std::byte> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string chars((std::istreambuf_iterator<char>(in)), {});
    const auto* data = reinterpret_cast<const std::byte*>(chars.data());
    return {data, data + chars.size()};
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<std::byte>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A game as the saved-game file keeps it.
struct Position {
    int16_t layout;
    Board board;
};

// A dealt game with some pairs taken off as play would, each freeing a neighbour.
inline Position midGame(int16_t layout, uint32_t dealNumber) {
    const LayoutRow& row = *findLayout(layout);
    Board board = dealFaces(row.tileCount(), dealNumber);
    row.rules.markStartFree(board);
    for (int8_t face : {0, 3, 3, 7, 12, 20}) {
        int taken = 0;
        for (int16_t i = 0; i < board.tileCount() && taken < 2; ++i) {
            if (board[i].face != face) continue;
            board.remove(i);
            if (i + 1 < board.tileCount()) board.setFree(static_cast<int16_t>(i + 1));
            ++taken;
        }
    }
    return {layout, board};
}

}  // namespace varnel::testing
