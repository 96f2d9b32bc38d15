#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace varnel {
namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");
const QByteArray kShownAnswer = QByteArrayLiteral("shown\n");
// A request longer than this is no request of ours.
constexpr qint64 kLongestLine = 64;
// How long the running game waits for a second copy to say what it wants.
constexpr int kRequestWaitMs = 200;

// The socket's address; false when the path does not fit one.
bool addressOf(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || static_cast<std::size_t>(name.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    return true;
}

// Reads one line of at most kLongestLine bytes, waiting up to the deadline for it.
QByteArray readLine(int fd, const QDeadlineTimer& deadline) {
    QByteArray line;
    while (!line.endsWith('\n') && line.size() <= kLongestLine) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, static_cast<int>(deadline.remainingTime())) <= 0) break;
        char byte = 0;
        if (::read(fd, &byte, 1) != 1) break;
        line += byte;
    }
    return line;
}

void writeAll(int fd, const QByteArray& bytes) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, static_cast<std::size_t>(bytes.size() - sent), MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += n;
    }
}

}  // namespace

SingleInstance::Place SingleInstance::placeFor(const QString& runtimeFolder, const QString& configFolder) {
    if (runtimeFolder.isEmpty()) return {};
    const QByteArray player =
        QFile::encodeName(QDir::cleanPath(QDir(configFolder).absolutePath()));
    const QString name = QStringLiteral("varnel-solitaire-") +
        QString::fromLatin1(QCryptographicHash::hash(player, QCryptographicHash::Sha256).toHex().left(16));
    const QDir folder(runtimeFolder);
    return {folder.filePath(name + QStringLiteral(".lock")), folder.filePath(name + QStringLiteral(".socket"))};
}

SingleInstance::Place SingleInstance::placeForPlayer() {
    // Qt's runtime location is XDG_RUNTIME_DIR when that is a folder of the player's own with no
    // access for others; otherwise a private folder it makes under the temporary folder.
    return placeFor(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                    QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

SingleInstance::SingleInstance(Place place, QObject* parent) : QObject(parent), place_(std::move(place)) {}

SingleInstance::~SingleInstance() {
    incoming_.reset();
    if (server_ >= 0) {
        ::close(server_);
        ::unlink(QFile::encodeName(place_.socket).constData());
    }
    if (lock_) lock_->unlock();
}

SingleInstance::Start SingleInstance::start(std::chrono::milliseconds wait) {
    if (place_.lockFile.isEmpty() || takeLock()) return Start::First;
    return askFirstCopy(wait);
}

bool SingleInstance::takeLock() {
    if (!lock_) {
        lock_ = std::make_unique<QLockFile>(place_.lockFile);
        // However long a game runs, its lock holds while its process lives.
        lock_->setStaleLockTime(0);
    }
    if (!lock_->tryLock(0)) {
        // A lock that cannot even be made (an unwritable folder) guards nothing: play on.
        if (lock_->error() == QLockFile::LockFailedError) return false;
        return true;
    }
    listen();
    return true;
}

void SingleInstance::listen() {
    // The lock is ours, so a socket left behind belongs to a copy that is gone.
    sockaddr_un address;
    if (!addressOf(place_.socket, address)) return;
    ::unlink(address.sun_path);
    server_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (server_ < 0) return;
    // Only the player may knock: the socket is made with no access for anyone else.
    const mode_t mask = ::umask(0077);
    const bool bound = ::bind(server_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(server_, 4) != 0) {
        ::close(server_);
        server_ = -1;
        return;
    }
    incoming_ = std::make_unique<QSocketNotifier>(server_, QSocketNotifier::Read);
    connect(incoming_.get(), &QSocketNotifier::activated, this, &SingleInstance::answer);
}

void SingleInstance::answer() {
    for (;;) {
        const int client = ::accept4(server_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) return;
        if (readLine(client, QDeadlineTimer(kRequestWaitMs)) == kShowRequest) {
            emit showRequested();
            writeAll(client, kShownAnswer);
        }
        ::close(client);
    }
}

SingleInstance::Start SingleInstance::askFirstCopy(std::chrono::milliseconds wait) {
    const QDeadlineTimer deadline(wait);
    sockaddr_un address;
    if (!addressOf(place_.socket, address)) return Start::NotAnswered;
    for (;;) {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (socket < 0) return Start::NotAnswered;
        if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            writeAll(socket, kShowRequest);
            const bool shown = readLine(socket, deadline) == kShownAnswer;
            ::close(socket);
            return shown ? Start::Forwarded : Start::NotAnswered;
        }
        ::close(socket);
        // Nobody listens: the copy holding the lock has just taken it and is about to, or it has
        // just ended and its lock may be ours now.
        if (takeLock()) return Start::First;
        if (deadline.hasExpired()) return Start::NotAnswered;
        QThread::msleep(20);
    }
}

}  // namespace varnel
