#pragma once

#include <filesystem>
#include <string>

#include "app/savegame/SavedGameFormat.h"

// The one saved game, "varnel.sav" in the program's folder: S&ave Game writes it, &Restore Game
// reads it back. A save never destroys the previous one, and a restore never trusts the file.
namespace varnel {

inline constexpr char kSavedGameFileName[] = "varnel.sav";

struct SaveResult {
    bool saved = false;
    std::string reason;  // why not, for the player; "" when saved

    explicit operator bool() const { return saved; }
};

// Writes the game in progress to path, leaving the game untouched. The new file replaces the old
// one in a single step, so a failure at any point (full disk, unwritable folder, killed program)
// leaves the previous save whole. A shorter game over a longer file keeps the old bytes after the
// new game where they were, up to the length of the longest game; anything past that is dropped.
// When path is a link, the file it points to is replaced and the link stays. A save made
// read-only is refused and kept.
SaveResult writeSavedGame(const std::filesystem::path& path, int16_t layout, const Board& board);

// Reads and checks the saved game at path; the game in progress is not touched. Apply the result
// with the game's restoreGame only when it holds a game.
ReadResult readSavedGame(const std::filesystem::path& path);

// The texts of the message boxes for a failed save and a refused restore.
std::string saveFailedMessage(const std::filesystem::path& path, const std::string& reason);
std::string restoreFailedMessage(const std::filesystem::path& path, const std::string& reason);

}  // namespace varnel
