#pragma once

#include <filesystem>

#include "SavedGame.h"

// The two ways the writer builds the new file beside the save, so that tests can try both.
namespace varnel {

enum class TempFile {
    UnnamedFirst,  // an unnamed file, named only once complete; a named one where unsupported
    NamedOnly,     // a named file from the start, removed again on failure
};

SaveResult WriteSavedGame(const std::filesystem::path& path, const GameState& state,
                          TempFile tempFile);

}  // namespace varnel
