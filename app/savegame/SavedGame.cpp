#include "SavedGame.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <system_error>
#include <vector>

namespace varnel {
namespace {

// What went wrong with a file, in the player's words.
std::string SystemReason(int err) {
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

SaveResult SaveFailed(std::string reason) {
    return SaveResult{false, std::move(reason)};
}

ReadResult ReadRefused(Refusal refusal, std::string reason) {
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
    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Returns 0 or the error of close, which may be the first news of a failed write.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

// Returns 0 or the error.
int WriteAll(int fd, const std::byte* data, std::size_t size) {
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
ssize_t ReadUpTo(int fd, std::byte* data, std::size_t size) {
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

// Copies the old file from offset to its end; returns 0 or the error.
int CopyTail(int from, off_t offset, int to) {
    if (::lseek(from, offset, SEEK_SET) < 0) return errno;
    std::array<std::byte, 4096> buffer;
    for (;;) {
        const ssize_t got = ReadUpTo(from, buffer.data(), buffer.size());
        if (got < 0) return errno;
        if (got == 0) return 0;
        if (const int err = WriteAll(to, buffer.data(), static_cast<std::size_t>(got))) return err;
    }
}

// A new file beside the saved game, named so that it cannot be taken for one.
int CreateTempBeside(const std::filesystem::path& path, std::filesystem::path& tempPath) {
    static std::atomic<unsigned> serial{0};
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder / ("." + path.filename().string() + "." + std::to_string(::getpid()) +
                             "." + std::to_string(serial++) + ".tmp");
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes the rename itself survive a power cut; the save has happened either way.
void SyncFolderOf(const std::filesystem::path& path) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    FileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.IsOpen()) ::fsync(dir.Get());
}

}  // namespace

SaveResult WriteSavedGame(const std::filesystem::path& path, const GameState& state) {
    const std::vector<std::byte> game = EncodeSavedGame(state);
    if (game.empty())
        return SaveFailed("the game in progress has an impossible number of tiles (" +
                          std::to_string(state.TileCount) + ")");
    // A file the game would refuse to restore is worth nothing; better to keep the old one.
    if (const ReadResult check = CheckSavedGame(game); !check)
        return SaveFailed("the game in progress does not add up (" + check.reason + ")");

    FileHandle old(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat oldStat {};
    if (!old.IsOpen()) {
        if (errno != ENOENT) return SaveFailed(SystemReason(errno));
    } else {
        if (::fstat(old.Get(), &oldStat) != 0) return SaveFailed(SystemReason(errno));
        if (S_ISDIR(oldStat.st_mode)) return SaveFailed(SystemReason(EISDIR));
        if (!S_ISREG(oldStat.st_mode))
            return SaveFailed("something that is not an ordinary file has that name");
    }

    std::filesystem::path tempPath;
    FileHandle temp(CreateTempBeside(path, tempPath));
    if (!temp.IsOpen()) return SaveFailed(SystemReason(errno));
    // From here on every failure takes the new file away again.
    const auto failAndClean = [&](int err) {
        if (temp.IsOpen()) temp.Close();
        ::unlink(tempPath.c_str());
        return SaveFailed(SystemReason(err));
    };

    if (old.IsOpen()) ::fchmod(temp.Get(), oldStat.st_mode & 07777);
    if (const int err = WriteAll(temp.Get(), game.data(), game.size())) return failAndClean(err);
    if (old.IsOpen() && oldStat.st_size > static_cast<off_t>(game.size())) {
        if (const int err = CopyTail(old.Get(), static_cast<off_t>(game.size()), temp.Get()))
            return failAndClean(err);
    }
    if (::fsync(temp.Get()) != 0) return failAndClean(errno);
    if (const int err = temp.Close()) return failAndClean(err);
    if (::rename(tempPath.c_str(), path.c_str()) != 0) return failAndClean(errno);
    SyncFolderOf(path);
    return SaveResult{true, ""};
}

ReadResult ReadSavedGame(const std::filesystem::path& path) {
    // Not blocking keeps a pipe of that name from hanging the game.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.IsOpen()) {
        if (errno == ENOENT) return ReadRefused(Refusal::Missing, "there is no saved game yet");
        return ReadRefused(Refusal::Unreadable, SystemReason(errno));
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        return ReadRefused(Refusal::Unreadable, SystemReason(errno));
    if (S_ISDIR(info.st_mode))
        return ReadRefused(Refusal::Unreadable, "it is a folder, not a saved game");
    if (!S_ISREG(info.st_mode))
        return ReadRefused(Refusal::Unreadable, "it is not an ordinary file");

    // No game is longer than this; whatever follows is ignored unread.
    std::array<std::byte, kLargestSavedGameBytes> buffer;
    const ssize_t got = ReadUpTo(file.Get(), buffer.data(), buffer.size());
    if (got < 0) return ReadRefused(Refusal::Unreadable, SystemReason(errno));
    return CheckSavedGame(std::span<const std::byte>(buffer.data(), static_cast<std::size_t>(got)));
}

std::string SaveFailedMessage(const std::filesystem::path& path, const std::string& reason) {
    return "Could not save the game to " + path.string() + ": " + reason +
           ". Any earlier saved game is kept as it was.";
}

std::string RestoreFailedMessage(const std::filesystem::path& path, const std::string& reason) {
    return "Could not restore the saved game from " + path.string() + ": " + reason +
           ". The game in progress goes on.";
}

}  // namespace varnel
