#pragma once

#include <QLockFile>
#include <QSocketNotifier>
#include <QObject>
#include <QString>
#include <chrono>
#include <memory>

namespace varnel {

// One game per player. The first copy holds a lock file in the player's runtime folder and
// listens on a local socket beside it; a later copy finds the lock held, asks the first copy to
// come forward, and ends. A copy that crashed leaves a lock naming a process that is gone, which
// the next start takes over. Copies with different configuration folders are different players
// and each runs.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // The lock file and the socket of one player's game.
    struct Place {
        QString lockFile;  // empty: no runtime folder, every copy runs
        QString socket;
    };
    // Named after the configuration folder, in the runtime folder.
    static Place placeFor(const QString& runtimeFolder, const QString& configFolder);
    // The player running this program: XDG_RUNTIME_DIR, or the private folder Qt makes when it
    // is not set, and the folder the settings live in.
    static Place placeForPlayer();

    explicit SingleInstance(Place place, QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Start {
        First,        // this copy holds the lock and answers later ones
        Forwarded,    // another copy holds it and came forward: this one ends
        NotAnswered,  // another copy holds it but did not answer in time: this one runs anyway
    };
    // Takes the lock and listens, or asks the copy holding it to come forward, waiting this long
    // at most for its answer. Called once, before the window is made.
    Start start(std::chrono::milliseconds wait = std::chrono::seconds(5));

  signals:
    // A later copy was started: the window should come to the front.
    void showRequested();

  private:
    bool takeLock();
    void listen();
    void answer();
    Start askFirstCopy(std::chrono::milliseconds wait);

    Place place_;
    std::unique_ptr<QLockFile> lock_;
    // A Unix socket of the player's own, answered on the window's thread: plain system calls,
    // so that the game needs no network library for it.
    int server_ = -1;
    std::unique_ptr<QSocketNotifier> incoming_;
};

}  // namespace varnel
