#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <vector>

#include "record/GameRecord.h"

namespace varnel::testing {

inline PlayedGame sampleGame(int layout, int seconds, GameEnding ending = GameEnding::Won) {
    return {layout, 1000, 1'700'000'000 + seconds * 7, seconds, 12, ending};
}

// A few games of every layout and ending, each kind of help, an unnumbered deal among them.
inline std::vector<PlayedGame> sampleGames() {
    std::vector<PlayedGame> games;
    for (int i = 0; i < 9; ++i)
        games.push_back({i % 3, 4'000'000'000u + i, 1'700'000'000 + i, 100 + i, 12,
                         static_cast<GameEnding>(i / 3), i == 3, i == 4 ? 2 : 0, i == 5, i == 6,
                         i == 7});
    games[8].deal.reset();
    return games;
}

// The bytes of a regular file; nothing for anything else (reading a FIFO would wait for ever).
inline QByteArray bytesOf(const QString& path) {
    struct stat status {};
    QFile file(path);
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A record as the game leaves it, holding `games`.
inline void writeRecord(const QString& folder, const std::vector<PlayedGame>& games) {
    GameRecord record;
    for (const PlayedGame& game : games) record.add(game);
    record.open(folder);
    ASSERT_TRUE(record.isKept()) << record.notice().toStdString();
}

// The games a fresh start of the game finds in the folder.
inline std::vector<PlayedGame> gamesIn(const QString& folder) {
    GameRecord record;
    record.open(folder);
    EXPECT_TRUE(record.notice().isEmpty()) << record.notice().toStdString();
    return record.games();
}

// A connection of the test's own to a database file, as another program (or an older version
// of the game) would have.
class OtherConnection {
  public:
    explicit OtherConnection(const QString& path) : name_(QString::number(++made_)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
    }
    ~OtherConnection() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    QVariant run(const QStringList& statements) {
        QSqlQuery query(QSqlDatabase::database(name_, false));
        for (const QString& statement : statements)
            EXPECT_TRUE(query.exec(statement)) << query.lastError().text().toStdString();
        return query.next() ? query.value(0) : QVariant();
    }

  private:
    static inline int made_ = 0;
    QString name_;
};

}  // namespace varnel::testing
