#include "app/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <cerrno>

namespace varnel {

SettingsFileState checkSettingsFile(const QString& path) {
    // Not blocking keeps a pipe of that name from hanging the start.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? SettingsFileState::Absent : SettingsFileState::Refused;
    struct stat info {};
    QByteArray text;
    bool sane = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                info.st_size <= kLargestSettingsFileBytes;
    if (sane) {
        text.resize(kLargestSettingsFileBytes + 1);
        qsizetype got = 0;
        while (got < text.size()) {
            const ssize_t n = ::read(fd, text.data() + got, static_cast<size_t>(text.size() - got));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                sane = n == 0;
                break;
            }
            got += n;
        }
        text.truncate(got);
        // The file may have grown since fstat; and the game only ever writes plain text values.
        sane = sane && got <= kLargestSettingsFileBytes && !text.contains("@Variant(");
    }
    ::close(fd);
    return sane ? SettingsFileState::Readable : SettingsFileState::Refused;
}

}  // namespace varnel
