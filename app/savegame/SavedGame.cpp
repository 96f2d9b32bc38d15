#include "app/savegame/SavedGame.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <ctime>
#include <system_error>
#include <vector>

#include "app/savegame/SaveTarget.h"
#include "app/savegame/SavedGameWriter.h"

namespace varnel {
namespace {

// What went wrong with a file, in the player's words.
std::string systemReason(int err) {
    switch (err) {
        case EACCES:
        case EPERM:
            return "permission was denied";
        case ENOENT:
            return "the folder does not exist";
        case ENOTDIR:
            return "part of the path is not a folder";
        case ENOSPC:
            return "the disk is full";
        case EDQUOT:
            return "the disk quota is used up";
        case EFBIG:
            return "the file would grow beyond the size allowed";
        case EROFS:
            return "the disk is read-only";
        case EIO:
            return "the disk reported an error";
        case ENAMETOOLONG:
            return "the path is too long";
        case ELOOP:
            return "the path goes round in a loop of links";
        case EISDIR:
            return "a folder of that name is in the way";
        default: {
            std::string text = std::generic_category().message(err);
            if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] += 'a' - 'A';
            return text;
        }
    }
}

SaveResult saveFailed(std::string reason) {
    return SaveResult{false, std::move(reason)};
}

ReadResult readRefused(Refusal refusal, std::string reason) {
    ReadResult result;
    result.refusal = refusal;
    result.reason = std::move(reason);
    return result;
}

// Closes a descriptor when it goes out of scope, unless it was closed by hand to see the error.
class FileHandle {
  public:
    explicit FileHandle(int fd) : fd_(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    // Returns 0 or the error of close, which may be the first news of a failed write.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

// Returns 0 or the error.
int writeAll(int fd, const std::byte* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

// Reads until size bytes or the end of the file; returns the count, or -1 with errno set.
ssize_t readUpTo(int fd, std::byte* data, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, data + got, size - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

// Copies the old file from offset up to end, or to its end if sooner; returns 0 or the error.
int copyTail(int from, off_t offset, off_t end, int to) {
    std::array<std::byte, kLargestSavedGameBytes> buffer;
    while (offset < end) {
        const auto wanted = static_cast<std::size_t>(end - offset);
        const ssize_t got = ::pread(from, buffer.data(), std::min(wanted, buffer.size()), offset);
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (got == 0) return 0;
        if (const int err = writeAll(to, buffer.data(), static_cast<std::size_t>(got))) return err;
        offset += got;
    }
    return 0;
}

std::filesystem::path folderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// What goes into the new file: the new game, then whatever the old file held beyond it, up to
// the length of the longest game. Past that nothing is ever game data, so however large the old
// file, a save reads and writes no more than one game's worth.
struct NewContent {
    const std::vector<std::byte>& game;
    const FileHandle& old;  // closed when there is no old file
    off_t oldSize;
};

// Writes the whole content and makes it durable; returns 0 or the error.
int fill(int fd, const NewContent& content, mode_t mode) {
    if (content.old.isOpen()) ::fchmod(fd, mode);
    if (const int err = writeAll(fd, content.game.data(), content.game.size())) return err;
    const auto gameSize = static_cast<off_t>(content.game.size());
    const auto tailEnd = std::min(content.oldSize, static_cast<off_t>(kLargestSavedGameBytes));
    if (content.old.isOpen() && tailEnd > gameSize) {
        if (const int err = copyTail(content.old.get(), gameSize, tailEnd, fd)) return err;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Gives a filled unnamed file a name beside the save. False when the system cannot (no
// privilege, no /proc): the caller then writes a named file instead.
bool nameUnnamedFile(int fd, const std::filesystem::path& path, std::filesystem::path& tempPath) {
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = tempNameBeside(path);
        if (::linkat(fd, "", AT_FDCWD, tempPath.c_str(), AT_EMPTY_PATH) == 0) return true;
        if (errno == EEXIST) continue;
        if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, tempPath.c_str(), AT_SYMLINK_FOLLOW) ==
            0)
            return true;
        if (errno != EEXIST) break;
    }
    tempPath.clear();
    return false;
}

// A new named file beside the save; on failure returns -1 with errno set.
int createTempBeside(const std::filesystem::path& path, std::filesystem::path& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = tempNameBeside(path);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes the rename itself survive a power cut; the save has happened either way.
void syncFolderOf(const std::filesystem::path& path) {
    FileHandle dir(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen()) ::fsync(dir.get());
}

}  // namespace

SaveResult writeSavedGame(const std::filesystem::path& path, int16_t layout, const Board& board) {
    return writeSavedGame(path, layout, board, TempFile::UnnamedFirst);
}

SaveResult writeSavedGame(const std::filesystem::path& path, int16_t layout, const Board& board,
                          TempFile tempFile) {
    const std::vector<std::byte> game = encodeSavedGame(layout, board);
    // A file the game would refuse to restore is worth nothing; better to keep the old one.
    if (const ReadResult check = checkSavedGame(game); !check)
        return saveFailed("the game in progress does not add up (" + check.reason + ")");

    // A link named like the save stays a link: the file it points to is the one replaced.
    std::filesystem::path target;
    if (const int err = resolveLinks(path, target)) return saveFailed(systemReason(err));

    FileHandle old(::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat oldStat {};
    if (!old.isOpen()) {
        if (errno != ENOENT) return saveFailed(systemReason(errno));
    } else {
        if (::fstat(old.get(), &oldStat) != 0) return saveFailed(systemReason(errno));
        if (S_ISDIR(oldStat.st_mode)) return saveFailed(systemReason(EISDIR));
        if (!S_ISREG(oldStat.st_mode))
            return saveFailed("something that is not an ordinary file has that name");
        if (isWriteProtected(oldStat, ::geteuid()))
            return saveFailed("the saved game there is read-only");
    }
    const NewContent content{game, old, oldStat.st_size};
    const mode_t mode = oldStat.st_mode & 07777;

    // An unnamed file first: should the program be killed while writing, nothing is left over.
    std::filesystem::path tempPath;
    FileHandle unnamed(
        tempFile == TempFile::UnnamedFirst
            ? ::open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666)
            : -1);
    if (unnamed.isOpen()) {
        if (const int err = fill(unnamed.get(), content, mode))
            return saveFailed(systemReason(err));
        if (nameUnnamedFile(unnamed.get(), target, tempPath)) {
            if (const int err = unnamed.close()) {
                ::unlink(tempPath.c_str());
                return saveFailed(systemReason(err));
            }
        }
    }
    if (tempPath.empty()) {
        FileHandle temp(createTempBeside(target, tempPath));
        if (!temp.isOpen()) return saveFailed(systemReason(errno));
        int err = fill(temp.get(), content, mode);
        if (const int closeErr = temp.close(); err == 0) err = closeErr;
        if (err != 0) {
            ::unlink(tempPath.c_str());
            return saveFailed(systemReason(err));
        }
    }
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tempPath.c_str());
        return saveFailed(systemReason(err));
    }
    syncFolderOf(target);
    // Where the folder takes no unnamed files, a save killed half-way leaves its file behind.
    removeStaleTempFiles(target, std::time(nullptr));
    return SaveResult{true, ""};
}

ReadResult readSavedGame(const std::filesystem::path& path) {
    // Not blocking keeps a pipe of that name from hanging the game.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.isOpen()) {
        if (errno == ENOENT) return readRefused(Refusal::Missing, "there is no saved game yet");
        return readRefused(Refusal::Unreadable, systemReason(errno));
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return readRefused(Refusal::Unreadable, systemReason(errno));
    if (S_ISDIR(info.st_mode))
        return readRefused(Refusal::Unreadable, "it is a folder, not a saved game");
    if (!S_ISREG(info.st_mode))
        return readRefused(Refusal::Unreadable, "it is not an ordinary file");

    // No game is longer than this; whatever follows is ignored unread.
    std::array<std::byte, kLargestSavedGameBytes> buffer;
    const ssize_t got = readUpTo(file.get(), buffer.data(), buffer.size());
    if (got < 0) return readRefused(Refusal::Unreadable, systemReason(errno));
    return checkSavedGame(std::span<const std::byte>(buffer.data(), static_cast<std::size_t>(got)));
}

std::string saveFailedMessage(const std::filesystem::path& path, const std::string& reason) {
    return "Could not save the game to " + path.string() + ": " + reason +
           ". Any earlier saved game is kept as it was.";
}

std::string restoreFailedMessage(const std::filesystem::path& path, const std::string& reason) {
    return "Could not restore the saved game from " + path.string() + ": " + reason +
           ". The game in progress goes on.";
}

}  // namespace varnel
