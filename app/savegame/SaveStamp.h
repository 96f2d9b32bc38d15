#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>

// What a copy of the game last knew of the saved-game file, so that it can tell when another
// copy has written the file since. A save replaces the file with a new one, so any save, by any
// copy, gives it a new stamp.
namespace varnel {

struct SaveStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t modifiedNs = 0;  // last written, in nanoseconds since the epoch

    friend bool operator==(const SaveStamp&, const SaveStamp&) = default;
};

// The stamp of the file that path names, links followed; a file that is not there (or cannot
// be looked at) has the stamp of no file.
SaveStamp stampOf(const std::filesystem::path& path);

// Whether the file was replaced since a copy knew it as `known`: it is there now and is not the
// file the copy knew. A file that went away replaced nothing the copy could lose.
inline bool replacedSince(const SaveStamp& known, const SaveStamp& now) {
    return now.exists && now != known;
}

}  // namespace varnel
