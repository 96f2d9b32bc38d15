#include "app/savegame/SavePlace.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

#include "app/savegame/SavedGame.h"

namespace varnel {

bool playerCanWriteIn(const std::filesystem::path& folder) {
    // The save makes a new file beside the old one and renames it: that takes write and search
    // permission on the folder, whoever owns the file itself.
    return std::filesystem::is_directory(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::filesystem::path savedGamePath(const SavePlaces& places, const FolderCheck& canWriteIn) {
    // Without a data folder (no home) there is nowhere better; the save then says why it failed.
    const bool inProgramFolder = places.dataFolder.empty() || canWriteIn(places.programFolder);
    return (inProgramFolder ? places.programFolder : places.dataFolder) / kSavedGameFileName;
}

std::string makeFolderFor(const std::filesystem::path& savedGame) {
    std::vector<std::filesystem::path> missing;
    std::error_code unknown;  // a folder that cannot even be looked at is tried, and says why
    for (std::filesystem::path folder = savedGame.parent_path();
         !folder.empty() && !std::filesystem::exists(folder, unknown);
         folder = folder.parent_path()) {
        missing.push_back(folder);
        if (folder == folder.parent_path()) break;
    }
    for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder) {
        if (::mkdir(folder->c_str(), 0700) != 0 && errno != EEXIST) {
            std::string why = std::generic_category().message(errno);
            if (!why.empty() && why[0] >= 'A' && why[0] <= 'Z') why[0] += 'a' - 'A';
            return "the folder " + folder->string() + " could not be made (" + why + ")";
        }
    }
    return "";
}

}  // namespace varnel
