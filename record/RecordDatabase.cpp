#include "record/RecordDatabase.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <limits>

#include "record/RecordSchema.h"

namespace varnel {
namespace {

// Long enough to pass another copy of the game writing its one row, short enough that a file
// held by another program never holds the game up.
constexpr int kBusyTimeoutMs = 250;

// SQLite's primary result codes, from the low byte of the driver's extended codes.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteNotADatabase = 26;

QString newConnectionName() {
    static std::atomic<int> next{0};
    return QStringLiteral("varnel-record-%1").arg(next++);
}

QSqlDatabase database(const QString& connection) {
    return QSqlDatabase::database(connection, false);
}

}  // namespace

RecordDatabase::RecordDatabase(const QString& path, bool readOnly)
    : connection_(newConnectionName()), path_(path), readOnly_(readOnly) {}

RecordDatabase::~RecordDatabase() {
    if (!QSqlDatabase::contains(connection_)) return;
    database(connection_).close();
    QSqlDatabase::removeDatabase(connection_);
}

bool RecordDatabase::open() {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        failure_ = Failure::Other;
        reason_ = QStringLiteral("the SQLite driver of Qt is not installed");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    if (readOnly_) options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) return fail(db.lastError());
    return true;
}

bool RecordDatabase::fail(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    // The driver's words, on one line: the window shows one.
    const QString said =
        (error.databaseText().isEmpty() ? error.text() : error.databaseText()).simplified();
    switch (code) {
        case kSqliteBusy:
        case kSqliteLocked:
            failure_ = Failure::Locked;
            reason_ = QStringLiteral("it is locked by another program");
            break;
        case kSqliteCorrupt:
        case kSqliteNotADatabase:
            failure_ = Failure::Damaged;
            reason_ = said;
            break;
        case kSqliteReadOnly:
            failure_ = Failure::ReadOnly;
            reason_ = QStringLiteral("it is read-only");
            break;
        case kSqliteFull:
            failure_ = Failure::Other;
            reason_ = QStringLiteral("the disk is full");
            break;
        default:
            failure_ = Failure::Other;
            reason_ = said;
    }
    return false;
}

bool RecordDatabase::check() {
    QSqlQuery query(database(connection_));
    if (!query.exec(QStringLiteral("PRAGMA quick_check(1)"))) return fail(query.lastError());
    if (!query.next()) return fail(query.lastError());
    const QString verdict = query.value(0).toString();
    if (verdict == QLatin1String("ok")) return true;
    // The check's own list of broken pages means nothing to the player.
    failure_ = Failure::Damaged;
    reason_ = QStringLiteral("its pages failed SQLite's check");
    return false;
}

bool RecordDatabase::run(const QStringList& statements) {
    QSqlDatabase db = database(connection_);
    if (!db.transaction()) return fail(db.lastError());
    QSqlQuery query(db);
    for (const QString& statement : statements) {
        if (!query.exec(statement)) return rollBack(query, db);
    }
    return commit(db);
}

bool RecordDatabase::rollBack(QSqlQuery& query, QSqlDatabase& db) {
    const QSqlError error = query.lastError();
    query.finish();
    db.rollback();
    return fail(error);
}

bool RecordDatabase::commit(QSqlDatabase& db) {
    if (db.commit()) return true;
    const QSqlError error = db.lastError();
    db.rollback();
    return fail(error);
}

bool RecordDatabase::upgrade(int from) {
    return run(upgradeStatements(from));
}

bool RecordDatabase::load(int version, std::vector<PlayedGame>& games) {
    QSqlQuery query(database(connection_));
    query.setForwardOnly(true);
    if (!query.exec(selectGamesStatement(version))) return fail(query.lastError());
    while (query.next()) {
        PlayedGame game;
        game.layout = query.value(0).toInt();
        const QVariant deal = query.value(1);
        if (!deal.isNull()) {
            const qlonglong number = deal.toLongLong();
            if (number < 0 || number > std::numeric_limits<std::uint32_t>::max()) continue;
            game.deal = static_cast<std::uint32_t>(number);
        }
        game.startedUtc = query.value(2).toLongLong();
        game.seconds = query.value(3).toInt();
        game.pairsTaken = query.value(4).toInt();
        const std::optional<GameEnding> ending = endingFromText(query.value(5).toString());
        if (!ending) continue;
        game.ending = *ending;
        game.hints = query.value(6).toInt();
        game.undos = query.value(7).toInt();
        game.shuffles = query.value(8).toInt();
        game.winnableDeals = query.value(9).toInt() != 0;
        game.warnLosingMove = query.value(10).toInt() != 0;
        if (game.worthKeeping()) games.push_back(game);
    }
    // A page that cannot be read stops the rows short with an error, not with their end.
    if (query.lastError().isValid()) return fail(query.lastError());
    return true;
}

bool RecordDatabase::insert(std::span<const PlayedGame> games) {
    QSqlDatabase db = database(connection_);
    if (!db.transaction()) return fail(db.lastError());
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO games (layout, deal, started_utc, seconds, pairs_taken, ending, hints,"
        " undos, shuffles, winnable_deals, warn_losing_move)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const PlayedGame& game : games) {
        query.bindValue(0, game.layout);
        query.bindValue(1, game.deal ? QVariant(qlonglong{*game.deal})
                                     : QVariant(QMetaType::fromType<qlonglong>()));
        query.bindValue(2, qlonglong{game.startedUtc});
        query.bindValue(3, game.seconds);
        query.bindValue(4, game.pairsTaken);
        query.bindValue(5, endingText(game.ending));
        query.bindValue(6, game.hints);
        query.bindValue(7, game.undos);
        query.bindValue(8, game.shuffles);
        query.bindValue(9, game.winnableDeals ? 1 : 0);
        query.bindValue(10, game.warnLosingMove ? 1 : 0);
        if (!query.exec()) return rollBack(query, db);
    }
    return commit(db);
}

bool RecordDatabase::remove(std::optional<int> layout) {
    return run({layout ? QStringLiteral("DELETE FROM games WHERE layout = %1").arg(*layout)
                       : QStringLiteral("DELETE FROM games")});
}

bool RecordDatabase::changedElsewhere() {
    QSqlQuery query(database(connection_));
    if (!query.exec(QStringLiteral("PRAGMA data_version")) || !query.next()) return false;
    const qint64 now = query.value(0).toLongLong();
    const bool changed = dataVersion_ && *dataVersion_ != now;
    dataVersion_ = now;
    return changed;
}

}  // namespace varnel
