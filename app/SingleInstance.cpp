#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace varnel {
namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");
const QByteArray kShownAnswer = QByteArrayLiteral("shown\n");
// A request longer than this is no request of ours.
constexpr qint64 kLongestLine = 64;

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

SingleInstance::SingleInstance(Place place, QObject* parent) : QObject(parent), place_(std::move(place)) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

SingleInstance::~SingleInstance() {
    server_.close();
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
    QLocalServer::removeServer(place_.socket);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(place_.socket);
}

void SingleInstance::answer() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto readRequest = [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kLongestLine) socket->abort();
                return;
            }
            const QByteArray request = socket->readLine(kLongestLine + 1);
            if (request == kShowRequest) {
                emit showRequested();
                socket->write(kShownAnswer);
                socket->flush();
            }
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequest);
        readRequest();
    }
}

SingleInstance::Start SingleInstance::askFirstCopy(std::chrono::milliseconds wait) {
    const QDeadlineTimer deadline(wait);
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(place_.socket);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            socket.write(kShowRequest);
            socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
            while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState &&
                   socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            }
            return socket.canReadLine() && socket.readLine(kLongestLine + 1) == kShownAnswer
                       ? Start::Forwarded
                       : Start::NotAnswered;
        }
        // Nobody listens: the copy holding the lock has just taken it and is about to, or it has
        // just ended and its lock may be ours now.
        if (takeLock()) return Start::First;
        if (deadline.hasExpired()) return Start::NotAnswered;
        QThread::msleep(20);
    }
}

}  // namespace varnel
