#include "app/music/TuneFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "app/music/MidiFileCheck.h"

namespace varnel {

namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::optional<std::vector<uint8_t>> readTuneFile(const std::string& path) {
    // Opening without blocking keeps a pipe of that name from holding up the start of the
    // game; the type is then checked on what was opened, not on the name.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size < 0 || static_cast<std::size_t>(info.st_size) > kLargestTuneBytes) {
        return std::nullopt;
    }
    // The size said by fstat is only a hint: a file may change while it is read, and what grew
    // past the size is left unread.
    std::vector<uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(file.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    if (!isWellFormedMidiFile(bytes)) return std::nullopt;
    return bytes;
}

}  // namespace varnel
