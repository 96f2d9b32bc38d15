#include "app/savegame/SaveTarget.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string_view>
#include <vector>

namespace varnel {
namespace {

// As many links as the system itself follows before it calls the path a loop.
constexpr int kMostLinks = 40;
// Far more than the folder of a saved game holds; past this the rest waits for the next save.
constexpr int kMostEntriesLooked = 4096;

std::filesystem::path folderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// Takes one run of digits off the front of text.
bool takeDigits(std::string_view& text) {
    std::size_t count = 0;
    while (count < text.size() && text[count] >= '0' && text[count] <= '9') ++count;
    text.remove_prefix(count);
    return count > 0;
}

bool takePrefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

}  // namespace

int resolveLinks(const std::filesystem::path& path, std::filesystem::path& target) {
    target = path;
    for (int links = 0;; ++links) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0) return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(info.st_mode)) return 0;
        if (links == kMostLinks) return ELOOP;
        std::vector<char> text(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
        const ssize_t length = ::readlink(target.c_str(), text.data(), text.size());
        if (length < 0) return errno;
        if (static_cast<std::size_t>(length) >= text.size()) return ENAMETOOLONG;
        const std::filesystem::path next(
            std::string(text.data(), static_cast<std::size_t>(length)));
        target = next.is_absolute() ? next : folderOf(target) / next;
    }
}

bool isWriteProtected(const struct stat& info, uid_t user) {
    const mode_t mayWrite = info.st_uid == user ? S_IWUSR : (S_IWUSR | S_IWGRP | S_IWOTH);
    return (info.st_mode & mayWrite) == 0;
}

std::filesystem::path tempNameBeside(const std::filesystem::path& path) {
    static std::atomic<unsigned> serial{0};
    return folderOf(path) / ("." + path.filename().string() + "." + std::to_string(::getpid()) +
                             "." + std::to_string(serial++) + ".tmp");
}

bool isTempNameFor(const std::string& name, const std::string& fileName) {
    std::string_view rest = name;
    return takePrefix(rest, ".") && takePrefix(rest, fileName) && takePrefix(rest, ".") &&
           takeDigits(rest) && takePrefix(rest, ".") && takeDigits(rest) && rest == ".tmp";
}

void removeStaleTempFiles(const std::filesystem::path& path, std::time_t now) {
    const int folderFd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) return;
    DIR* folder = ::fdopendir(folderFd);
    if (folder == nullptr) {
        ::close(folderFd);
        return;
    }
    const std::string fileName = path.filename().string();
    int looked = 0;
    while (const dirent* entry = ::readdir(folder)) {
        if (++looked > kMostEntriesLooked) break;
        if (!isTempNameFor(entry->d_name, fileName)) continue;
        struct stat info {};
        if (::fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(info.st_mode) || now - info.st_mtime <= kStaleTempSeconds) continue;
        ::unlinkat(folderFd, entry->d_name, 0);
    }
    ::closedir(folder);
}

}  // namespace varnel
