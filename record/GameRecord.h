#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "record/PlayedGame.h"

// The record of every game played, kept in "record.sqlite" in the player's data folder.
//
// The record is made cheaply and holds games in memory until open() is called, which the game
// does once its first board is on screen; games ended before that are written then. Whatever
// lies in the file's place (a damaged file, another program's database, a locked or read-only
// file, a FIFO, a link, a folder, a huge file), the game goes on: the record is set aside for
// this run with a one-line notice, and the games of this run are kept in memory and shown.
// The player's file is never deleted or overwritten; only a damaged one is moved aside to a new
// name so that a new record can start in its place.
//
// Needs a QCoreApplication (Qt's SQL drivers are plugins); every call is on the game's thread.
namespace varnel {

class RecordDatabase;
struct RecordFileCheck;

inline constexpr char kRecordFileName[] = "record.sqlite";

class GameRecord : public QObject {
    Q_OBJECT

  public:
    explicit GameRecord(QObject* parent = nullptr);
    ~GameRecord() override;

    // Opens or makes "record.sqlite" in `folder`, making the folder when it is missing, reads
    // the games kept there and writes those ended before. Only the first call does anything.
    // Always returns promptly: a file held by another program is waited for a quarter second.
    void open(const QString& folder);

    // Whether games are being written to the file.
    bool isKept() const { return database_ != nullptr; }
    // One line for the statistics window when something is wrong with the file, else "".
    QString notice() const { return notice_; }
    QString filePath() const { return path_; }

    // Keeps a game that has just ended, in the file when it is kept there. Returns false, and
    // keeps nothing, for a game the record does not take (no pair taken, no such layout).
    bool add(const PlayedGame& game);

    // The games, oldest first: those of the file and of this run, another copy of the game's
    // included. All layouts, or one.
    std::vector<PlayedGame> games() const;
    std::vector<PlayedGame> games(int layout) const;

    // Forgets the games of one layout, or of all; the only way games leave the record.
    void reset(int layout);
    void resetAll();

  signals:
    // The games changed: one was added, a reset, or the file was read.
    void changed();

  private:
    void openFile(const QString& folder);
    // Makes a new record in the file's place holding `kept`; "" or why not.
    QString startNewRecord(const std::vector<PlayedGame>& kept);
    void moveAsideDamaged(const RecordFileCheck& check, const QString& why,
                          const std::vector<PlayedGame>& session);
    void setAside(const QString& notice);
    void forget(std::optional<int> layout);
    void reloadIfChangedElsewhere() const;

    bool opened_ = false;
    QString path_;
    QString notice_;
    std::unique_ptr<RecordDatabase> database_;
    mutable std::vector<PlayedGame> games_;
};

}  // namespace varnel
