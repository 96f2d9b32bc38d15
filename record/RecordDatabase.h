#pragma once

#include <QSqlError>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "record/PlayedGame.h"

// One SQLite connection to a record file, through Qt's QSQLITE driver. Every change is one
// transaction, whole or not at all. A failed call leaves the reason in lastFailure().
namespace varnel {

class RecordDatabase {
  public:
    enum class Failure { None, Locked, Damaged, ReadOnly, Other };

    // Nothing is touched until open().
    RecordDatabase(const QString& path, bool readOnly);
    ~RecordDatabase();
    RecordDatabase(const RecordDatabase&) = delete;
    RecordDatabase& operator=(const RecordDatabase&) = delete;

    bool open();
    // Reads every page, so damage shows now rather than in the middle of a game.
    bool check();
    // From schema `from` (0 for an empty file) to the game's own.
    bool upgrade(int from);
    // Every game, oldest first, from a record of that schema version, into `games`. Rows no
    // version of the game could have written are passed over. On a damaged page it stops,
    // returning false with the games read before it.
    bool load(int version, std::vector<PlayedGame>& games);
    bool insert(std::span<const PlayedGame> games);
    // The games of one layout, or of all when none is named.
    bool remove(std::optional<int> layout);
    // Whether another connection (another copy of the game) changed the file since the last
    // call; the first call only learns where things stand.
    bool changedElsewhere();

    Failure lastFailure() const { return failure_; }
    // Why the last call failed, in words for the player.
    QString lastReason() const { return reason_; }

  private:
    bool fail(const QSqlError& error);
    bool run(const QStringList& statements);
    // The end of a transaction: its statement failed and all of it is undone, or it is kept.
    bool rollBack(QSqlQuery& query, QSqlDatabase& db);
    bool commit(QSqlDatabase& db);

    QString connection_;
    QString path_;
    bool readOnly_;
    std::optional<qint64> dataVersion_;
    Failure failure_ = Failure::None;
    QString reason_;
};

}  // namespace varnel
