#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <ctime>
#include <filesystem>
#include <string>

// Where a save really goes and what lies about it: the file behind a link, a file the player
// has protected, and the temporary files a save makes beside its file.
namespace varnel {

// The file that path names once every link is followed, so that a save replaces the file a
// link points to and leaves the link itself a link. A link to nowhere names the file it would
// point to. Returns 0, or the error (ELOOP for a loop of links).
int resolveLinks(const std::filesystem::path& path, std::filesystem::path& target);

// True when the file's mode forbids writing to it: the owner's write bit for its owner, any
// write bit for everyone else. Judged on the mode alone, so that a file the player has made
// read-only stays protected even from a game run with the rights to write anything.
bool isWriteProtected(const struct stat& info, uid_t user);

// A new name for a temporary file beside path: ".<name>.<process>.<serial>.tmp".
std::filesystem::path tempNameBeside(const std::filesystem::path& path);

// True for a name TempNameBeside makes for a file called fileName.
bool isTempNameFor(const std::string& name, const std::string& fileName);

// Left by a save that was killed before it could clean up: no save writes for so long.
inline constexpr std::time_t kStaleTempSeconds = 60 * 60;

// Removes the temporary files of earlier saves of path: only regular files with our own
// pattern of name, last written more than kStaleTempSeconds before now, so that a save still
// under way in another copy of the game keeps its file. Looks at a bounded number of entries,
// so that a crowded folder cannot hold up a save.
void removeStaleTempFiles(const std::filesystem::path& path, std::time_t now);

}  // namespace varnel
