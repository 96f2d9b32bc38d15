#include <gtest/gtest.h>

#include <QDir>

#include "tests/record/RecordTestSupport.h"

namespace varnel {
namespace {

using namespace testing;

class Record : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    // The player's data folder, made by the record when it first opens.
    QString folder = dir.filePath(QStringLiteral("data/Varnel Solitaire"));
    QString file = folder + QStringLiteral("/record.sqlite");
};

TEST_F(Record, KeepsEveryGameWholeAndInOrderUntilReset) {
    const std::vector<PlayedGame> games = sampleGames();
    GameRecord record;
    // Games that end before the record opens are written when it does.
    record.add(games[0]);
    record.open(folder);
    EXPECT_TRUE(record.isKept() && record.notice().isEmpty()) << record.notice().toStdString();
    for (std::size_t i = 1; i < games.size(); ++i) EXPECT_TRUE(record.add(games[i]));
    // Nothing of a deal left without a pair, nor of a layout the game does not have.
    EXPECT_FALSE(record.add({0, 7, 1'700'000'000, 30, 0, GameEnding::Abandoned}));
    EXPECT_FALSE(record.add(sampleGame(3, 30)));

    EXPECT_EQ(record.games(), games);
    EXPECT_EQ(gamesIn(folder), games);
    EXPECT_EQ(record.games(1), (std::vector<PlayedGame>{games[1], games[4], games[7]}));

    // A reset forgets one layout's games, then all of them.
    record.reset(2);
    EXPECT_TRUE(record.games(2).empty());
    EXPECT_EQ(record.games().size(), 6u);
    EXPECT_EQ(gamesIn(folder), record.games());
    record.resetAll();
    EXPECT_TRUE(record.games().empty());
    EXPECT_TRUE(gamesIn(folder).empty());
}

TEST_F(Record, TwoCopiesOfTheGameSeeEachOthersGames) {
    GameRecord first, second;
    first.open(folder);
    second.open(folder);
    const std::vector<PlayedGame> all = {sampleGame(0, 100), sampleGame(1, 200),
                                         sampleGame(2, 300)};
    first.add(all[0]);
    second.add(all[1]);
    first.add(all[2]);
    EXPECT_EQ(first.games(), all);
    EXPECT_EQ(second.games(), all);
}

TEST_F(Record, MigratesTheFirstVersionKeepingEveryGame) {
    // The first record the game wrote (its checks of each column left out): no settings were
    // kept with a game then.
    QDir().mkpath(folder);
    OtherConnection(file).run(
        {"PRAGMA application_id = 1448234572",
         "CREATE TABLE games (id INTEGER PRIMARY KEY, layout INTEGER NOT NULL, deal INTEGER,"
         " started_utc INTEGER NOT NULL, seconds INTEGER NOT NULL, pairs_taken INTEGER NOT NULL,"
         " ending TEXT NOT NULL, hints INTEGER NOT NULL, undos INTEGER NOT NULL,"
         " shuffles INTEGER NOT NULL)",
         "CREATE INDEX games_by_layout ON games (layout, id)",
         "INSERT INTO games VALUES (1, 0, 17, 1600000000, 250, 72, 'won', 0, 0, 0)",
         "INSERT INTO games VALUES (2, 1, NULL, 1600000400, 90, 5, 'abandoned', 2, 1, 0)",
         "INSERT INTO games VALUES (3, 2, 4294967295, 1600000900, 4000, 31, 'stuck', 0, 0, 3)",
         "PRAGMA user_version = 1"});
    std::vector<PlayedGame> expected = {
        {0, 17, 1600000000, 250, 72, GameEnding::Won},
        {1, std::nullopt, 1600000400, 90, 5, GameEnding::Abandoned, 2, 1},
        {2, 4294967295u, 1600000900, 4000, 31, GameEnding::Stuck, 0, 0, 3}};

    EXPECT_EQ(gamesIn(folder), expected);
    EXPECT_EQ(OtherConnection(file).run({"PRAGMA user_version"}).toInt(), 2);
    // The settings of the games played since are kept.
    expected.push_back({1, 5, 1700000000, 77, 9, GameEnding::Won, 0, 0, 0, true, true});
    writeRecord(folder, {expected.back()});
    EXPECT_EQ(gamesIn(folder), expected);
}

}  // namespace
}  // namespace varnel
