#pragma once

#include <filesystem>

#include "app/savegame/SavedGame.h"

// The two ways the writer builds the new file beside the save, so that tests can try both.
namespace varnel {

enum class TempFile {
    UnnamedFirst,  // an unnamed file, named only once complete; a named one where unsupported
    NamedOnly,     // a named file from the start, removed again on failure
};

SaveResult writeSavedGame(const std::filesystem::path& path, int16_t layout, const Board& board,
                          TempFile tempFile);

}  // namespace varnel
