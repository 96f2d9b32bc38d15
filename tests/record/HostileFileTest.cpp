#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <functional>

#include "tests/record/RecordTestSupport.h"

// Whatever lies where the record should be, the game goes on: every call returns at once, the
// games of the run are kept and shown, the window is told why, and the player's file is left as
// it was unless it was damaged, in which case it is found whole under a new name.
namespace varnel {
namespace {

using namespace testing;

// What stands at a path, down to its bytes, so that "left as it was" can be checked.
QByteArray portrait(const QString& path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) return "none";
    const QString target = QFileInfo(path).symLinkTarget();
    if (S_ISLNK(status.st_mode)) return "link to " + target.toUtf8() + ": " + portrait(target);
    // The mode tells a folder from a file as well as its permissions.
    QByteArray kind = QByteArray::number(status.st_mode, 8) + " " + bytesOf(path).toHex();
    for (const QString& name : QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        kind += " " + name.toUtf8() + "(" + portrait(path + "/" + name) + ")";
    return kind;
}

void makeFifo(const QString& path) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
}

// A record of 400 games on eight pages of 4 KB: the schema, the roots of the table and of its
// index, three pages of games and two of the index. Pages from `first` on are overwritten.
void breakPages(const QString& folder, int first, int count) {
    std::vector<PlayedGame> games;
    for (int i = 0; i < 400; ++i) games.push_back(sampleGame(i % 3, 60 + i));
    writeRecord(folder, games);
    QFile broken(folder + "/record.sqlite");
    ASSERT_TRUE(broken.open(QIODevice::ReadWrite));
    ASSERT_EQ(broken.size(), 8 * 4096);
    broken.seek((first - 1) * 4096 + 8);
    broken.write(QByteArray(count * 4096 - 8, '\x5A'));
}

enum class After { SetAside, FileGamesShown, MovedAside, Salvaged };

// Lays the hostile thing out in the folder, where "record.sqlite" should be.
using Prepare = std::function<void(const QString& folder, const QString& file)>;

// The same over a record of the sample games.
Prepare overRecord(Prepare then) {
    return [then](const QString& folder, const QString& file) {
        writeRecord(folder, sampleGames());
        then(folder, file);
    };
}

struct HostileCase {
    const char* name;
    Prepare prepare;
    const char* why;  // found in the window's notice
    After after = After::SetAside;
    bool locked = false;  // held by another connection while the game opens the record
};

const HostileCase kCases[] = {
    {"Fifo", [](auto, auto file) { makeFifo(file); }, "is not a regular file"},
    // A record another tool left in write-ahead mode, whose shared-memory file SQLite would open.
    {"FifoForItsSharedMemory", overRecord([](auto, auto file) {
         OtherConnection(file).run({"PRAGMA journal_mode = WAL"});
         makeFifo(file + "-shm");
     }),
     "record.sqlite-shm\u201D is not a regular file"},
    {"SymbolicLink",
     [](auto folder, auto file) {
         writeRecord(folder + "/../elsewhere", sampleGames());
         QFile::link(folder + "/../elsewhere/record.sqlite", file);
     },
     "is a symbolic link"},
    {"HugeFile",
     [](auto, auto file) {
         QFile huge(file);
         ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(17 << 20));
     },
     "is larger than 16 MB"},
    {"ForeignDatabase",
     [](auto, auto file) { OtherConnection(file).run({"CREATE TABLE notes (text TEXT)"}); },
     "is a database of another program"},
    {"NewerVersion",
     overRecord([](auto, auto file) { OtherConnection(file).run({"PRAGMA user_version = 3"}); }),
     "was written by a newer version of the game"},
    {"Locked", overRecord([](auto, auto) {}), "could not be read: it is locked by another program",
     After::SetAside, true},
    {"ReadOnlyFile", overRecord([](auto, auto file) {
         QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
     }),
     "record.sqlite\u201D is read-only", After::FileGamesShown},
    {"ReadOnlyFolderWithoutARecord",
     [](auto folder, auto) { ::chmod(QFile::encodeName(folder).constData(), 0555); },
     "could not be started: the folder"},
    {"NotADatabaseWithAJournal",
     [](auto, auto file) {
         QFile garbage(file), journal(file + "-journal");
         ASSERT_TRUE(garbage.open(QIODevice::WriteOnly) && journal.open(QIODevice::WriteOnly));
         for (int i = 0; i < 3000; ++i) garbage.putChar(static_cast<char>(i * 7919 % 251));
         journal.write("the last transaction, never finished");
     },
     "it is not an SQLite database", After::MovedAside},
    {"BrokenLastPageOfGames", [](auto folder, auto) { breakPages(folder, 6, 1); },
     "damaged (its pages failed SQLite's check)", After::Salvaged},
};

class HostileFile : public ::testing::TestWithParam<HostileCase> {
  protected:
    void TearDown() override { ::chmod(QFile::encodeName(folder).constData(), 0755); }

    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("Varnel Solitaire"));
    QString file = folder + QStringLiteral("/record.sqlite");
};

TEST_P(HostileFile, GameGoesOnAndThePlayersFileIsKept) {
    const HostileCase& hostile = GetParam();
    ASSERT_TRUE(QDir().mkpath(folder));
    hostile.prepare(folder, file);
    if (HasFatalFailure()) return;
    const QByteArray before = portrait(folder), fileBefore = bytesOf(file),
                     journalBefore = bytesOf(file + "-journal");
    std::optional<OtherConnection> holder;
    if (hostile.locked) holder.emplace(file).run({"BEGIN EXCLUSIVE"});

    QElapsedTimer clock;
    clock.start();
    GameRecord record;
    const PlayedGame early = sampleGame(0, 41), late = sampleGame(2, 42, GameEnding::Stuck);
    record.add(early);
    record.open(folder);
    record.add(late);
    const std::vector<PlayedGame> games = record.games();
    record.reset(1);
    EXPECT_LT(clock.elapsed(), 2000);  // nothing waits on the file
    if (holder) holder->run({"ROLLBACK"});

    const QString notice = record.notice();
    EXPECT_TRUE(notice.contains(QString::fromUtf8(hostile.why))) << notice.toStdString();
    EXPECT_FALSE(notice.contains('\n'));
    ASSERT_GE(games.size(), 2u);
    EXPECT_EQ(games[games.size() - 2], early);
    EXPECT_EQ(games.back(), late);

    if (hostile.after == After::SetAside || hostile.after == After::FileGamesShown) {
        const bool shown = hostile.after == After::FileGamesShown;
        EXPECT_EQ(games.size(), shown ? sampleGames().size() + 2 : 2u);
        EXPECT_FALSE(record.isKept());
        EXPECT_TRUE(notice.endsWith("kept until the game closes.")) << notice.toStdString();
        EXPECT_EQ(portrait(folder), before);
        return;
    }
    // The damaged file lies whole beside a new record that goes on keeping games.
    EXPECT_TRUE(record.isKept());
    const QStringList aside = QDir(folder).entryList({"record.damaged-*.sqlite"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(notice.contains("was moved to \u201C" + folder + "/" + aside[0] + "\u201D"));
    EXPECT_EQ(bytesOf(folder + "/" + aside[0]), fileBefore);
    EXPECT_EQ(bytesOf(folder + "/" + aside[0] + "-journal"), journalBefore)
        << "its journal goes with it";
    const bool salvaged = hostile.after == After::Salvaged;
    EXPECT_EQ(notice.contains("games that could still be read"), salvaged);
    const std::vector<PlayedGame> kept = gamesIn(folder);
    // Two pages of the 400 games, less those of Rivers reset since.
    EXPECT_EQ(kept.size() > 150, salvaged);
    EXPECT_EQ(std::vector<PlayedGame>(kept.end() - 2, kept.end()),
              (std::vector<PlayedGame>{early, late}));
}

INSTANTIATE_TEST_SUITE_P(Record, HostileFile, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace varnel
