#include "record/RecordFileCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cerrno>
#include <cstring>

#include "record/RecordSchema.h"

namespace varnel {
namespace {

using Verdict = RecordFileCheck::Verdict;

QString quoted(const QString& path) {
    return QStringLiteral("\u201C%1\u201D").arg(QDir::toNativeSeparators(path));
}

QString errnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

RecordFileCheck refused(const QString& why) {
    return {Verdict::Refused, 0, false, why};
}

// Someone may write there: the mode lets somebody write, and this process may.
bool mayWrite(const QByteArray& path, const struct stat& status) {
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
           ::access(path.constData(), W_OK) == 0;
}

// What is wrong with a file of the record's name: "" when it is a regular file of sane size, or
// when there is none. `missing` tells which of those two.
QString kindProblem(const QString& path, struct stat& status, bool& missing) {
    missing = false;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        if (errno == ENOENT) {
            missing = true;
            return {};
        }
        return QStringLiteral("%1 cannot be looked at (%2)").arg(quoted(path), errnoText(errno));
    }
    if (S_ISLNK(status.st_mode)) return QStringLiteral("%1 is a symbolic link").arg(quoted(path));
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("%1 is a folder, not a file").arg(quoted(path));
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("%1 is not a regular file").arg(quoted(path));
    if (status.st_size > kRecordSizeLimit)
        return QStringLiteral("%1 is larger than %2 MB, too large for a record of games")
            .arg(quoted(path))
            .arg(kRecordSizeLimit / (1024 * 1024));
    return {};
}

std::uint32_t bigEndian32(const unsigned char* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

}  // namespace

RecordFileCheck checkRecordFile(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    const QByteArray folderName = QFile::encodeName(folder);
    struct stat folderStatus {};
    if (::stat(folderName.constData(), &folderStatus) != 0)
        return refused(QStringLiteral("the folder %1 cannot be reached (%2)")
                           .arg(quoted(folder), errnoText(errno)));
    if (!S_ISDIR(folderStatus.st_mode))
        return refused(QStringLiteral("%1 is not a folder").arg(quoted(folder)));

    struct stat status {};
    bool missing = false;
    if (QString problem = kindProblem(path, status, missing); !problem.isEmpty())
        return refused(problem);
    // SQLite opens the journal and its kin of its own accord when they are there.
    for (const char* companion : {"-journal", "-wal", "-shm"}) {
        struct stat companionStatus {};
        bool companionMissing = false;
        if (QString problem =
                kindProblem(path + QLatin1String(companion), companionStatus, companionMissing);
            !problem.isEmpty())
            return refused(problem);
    }

    RecordFileCheck check;
    check.writable = mayWrite(folderName, folderStatus);
    if (!check.writable)
        check.why = QStringLiteral("the folder %1 is read-only").arg(quoted(folder));
    if (missing) {
        check.verdict = Verdict::Missing;
        return check;
    }
    const QByteArray fileName = QFile::encodeName(path);
    if (check.writable && !mayWrite(fileName, status)) {
        check.writable = false;
        check.why = QStringLiteral("%1 is read-only").arg(quoted(path));
    }
    if (status.st_size == 0) {
        check.verdict = Verdict::Empty;
        return check;
    }

    // Not following a link and not waiting on a FIFO, should either have taken its place since.
    const int file = ::open(fileName.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return refused(
            QStringLiteral("%1 cannot be opened (%2)").arg(quoted(path), errnoText(errno)));
    std::array<unsigned char, 100> header{};
    struct stat opened {};
    const bool regular = ::fstat(file, &opened) == 0 && S_ISREG(opened.st_mode);
    const ssize_t got = regular ? ::read(file, header.data(), header.size()) : -1;
    const int readError = errno;
    ::close(file);
    if (!regular) return refused(QStringLiteral("%1 is not a regular file").arg(quoted(path)));
    if (got < 0)
        return refused(
            QStringLiteral("%1 cannot be read (%2)").arg(quoted(path), errnoText(readError)));

    static constexpr char kMagic[] = "SQLite format 3";  // with its terminating zero: 16 bytes
    if (got < static_cast<ssize_t>(header.size()) ||
        std::memcmp(header.data(), kMagic, sizeof kMagic) != 0) {
        check.verdict = Verdict::Damaged;
        check.why = QStringLiteral("it is not an SQLite database");
        return check;
    }
    const std::uint32_t version = bigEndian32(&header[60]);
    if (bigEndian32(&header[68]) != kRecordApplicationId)
        return refused(QStringLiteral("%1 is a database of another program").arg(quoted(path)));
    if (version == 0) {
        check.verdict = Verdict::Damaged;
        check.why = QStringLiteral("its header carries no version");
        return check;
    }
    if (version > static_cast<std::uint32_t>(kRecordVersion))
        return refused(
            QStringLiteral("%1 was written by a newer version of the game").arg(quoted(path)));
    check.verdict = Verdict::Ours;
    check.version = static_cast<int>(version);
    return check;
}

QString makeRecordFolder(const QString& folder) {
    const QString absolute = QDir::cleanPath(QDir(folder).absolutePath());
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path;
    for (const QString& part : parts) {
        path += QLatin1Char('/') + part;
        const QByteArray name = QFile::encodeName(path);
        if (::mkdir(name.constData(), 0700) == 0 || errno == EEXIST) continue;
        return QStringLiteral("the folder %1 could not be made (%2)")
            .arg(quoted(path), errnoText(errno));
    }
    return {};
}

}  // namespace varnel
