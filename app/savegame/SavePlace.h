#pragma once

#include <filesystem>
#include <functional>
#include <string>

// Where "varnel.sav" lives. The program's own folder when the player can write there (a copy run
// from its folder, an install in the home folder); otherwise, as in a system-wide install where
// the folder belongs to root, the player's own data folder. Save and Restore both ask here, so a
// restore reads what the last save wrote.
namespace varnel {

// Whether the player may create and replace files in the folder.
using FolderCheck = std::function<bool(const std::filesystem::path&)>;
bool playerCanWriteIn(const std::filesystem::path& folder);

struct SavePlaces {
    std::filesystem::path programFolder;
    std::filesystem::path dataFolder;  // "$XDG_DATA_HOME/Varnel Solitaire"; may not exist yet
};

std::filesystem::path savedGamePath(const SavePlaces& places,
                                    const FolderCheck& canWriteIn = playerCanWriteIn);

// Makes the folder of the saved game, and any missing folder above it, for the first save.
// Folders it makes are the player's alone, as the data folder should be. Returns "" or why not.
std::string makeFolderFor(const std::filesystem::path& savedGame);

}  // namespace varnel
