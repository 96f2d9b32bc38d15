#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <utility>

#include "app/savegame/SaveTarget.h"
#include "app/savegame/SavedGameWriter.h"
#include "tests/savegame/SaveTestSupport.h"

namespace varnel::testing {
namespace {

namespace fs = std::filesystem;

// Files may not grow past the given size while this lives: a full disk, even for root. The
// signal is ignored so that the write fails with an error.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) : oldHandler_(::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        const rlimit limit{bytes, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, oldHandler_);
    }

  private:
    sighandler_t oldHandler_;
    rlimit saved_{};
};

// A Dragon save (582 bytes) overwritten in each of the writer's two ways of making the new file.
class SaveOver : public ::testing::TestWithParam<TempFile> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(writeSavedGame(path_, kDragon, midGame(kDragon, 1).board));
        oldSave_ = readBytes(path_);
    }
    SaveResult write(const fs::path& path, const Position& game) {
        return writeSavedGame(path, game.layout, game.board, GetParam());
    }
    // The save fails with a reason holding the words, leaving the old save and the folder as
    // they were.
    void expectFails(const fs::path& path, const Position& game, const char* words) {
        const std::vector<std::string> names = folder_.names();
        const SaveResult result = write(path, game);
        EXPECT_FALSE(result);
        EXPECT_NE(result.reason.find(words), std::string::npos) << result.reason;
        EXPECT_EQ(readBytes(path_), oldSave_);
        EXPECT_EQ(folder_.names(), names);
    }

    TempFolder folder_;
    fs::path path_ = folder_ / kSavedGameFileName;
    std::vector<std::byte> oldSave_;
};

// A save that cannot be made says why and keeps the old save whole, leaving nothing behind.
TEST_P(SaveOver, AFailedSaveKeepsTheOldOne) {
    // Killed by a full disk while writing: where the folder takes unnamed files, nothing is left.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FileSizeLimit limit(100);
        ::signal(SIGXFSZ, SIG_DFL);
        write(path_, midGame(kPyramid, 1));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "status " << status;
    EXPECT_EQ(readBytes(path_), oldSave_);
    const int probe = ::open(folder_.path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (probe >= 0) ::close(probe);
    if (probe >= 0 && GetParam() == TempFile::UnnamedFirst) {
        EXPECT_EQ(folder_.names(), std::vector<std::string>{kSavedGameFileName});
    }

    fs::create_directory(folder_ / "blocked");
    fs::create_symlink("loop", folder_ / "loop");
    const std::pair<fs::path, const char*> places[] = {
        {path_ / kSavedGameFileName, "not a folder"},  // the folder is a file
        {folder_ / "gone" / kSavedGameFileName, "does not exist"},
        {folder_ / "blocked", "folder"},  // a folder in the place of the save
        {folder_ / "loop", "loop"},       // a link to itself
    };
    for (const auto& [place, words] : places) {
        SCOPED_TRACE(place);
        expectFails(place, midGame(kRivers, 1), words);
    }
    // The disk fills while the game is written, or while the old file's tail is copied (400 bytes
    // hold the Rivers game, not the rest of the Dragon file).
    for (const auto& [bytes, layout] : {std::pair{100, kPyramid}, std::pair{400, kRivers}}) {
        SCOPED_TRACE(bytes);
        FileSizeLimit limit(bytes);
        expectFails(path_, midGame(layout, 1), "size");
    }
    // A file the game would refuse to restore is worth less than the save it would replace.
    Position unpaired = midGame(kRivers, 5);
    unpaired.board.remove(0);
    expectFails(path_, unpaired, "in pairs");
    expectFails(path_, {kRivers, midGame(kDragon, 5).board}, "144 tiles");
    // The player protected the save: even a game run as root, which may write anything, keeps it.
    for (const auto mode : {fs::perms(0444), fs::perms(0464)}) {
        fs::permissions(path_, mode);
        expectFails(path_, midGame(kRivers, 1), "read-only");
        EXPECT_EQ(fs::status(path_).permissions(), mode);
    }
}

// A shorter game over a longer file keeps the old bytes after it (none past the longest game) and
// its permissions; a link in the save's place stays a link, the file it points to takes the game.
TEST_P(SaveOver, AShorterGameKeepsTheLongerFilesTailOnlyAndItsPermissionsAndLinks) {
    fs::create_directory(folder_ / "kept");
    fs::rename(path_, folder_ / "kept" / "game");
    fs::create_symlink("kept/game", folder_ / "middle");
    fs::create_symlink("middle", path_);
    fs::permissions(path_, fs::perms(0640));
    fs::resize_file(path_, 2LL << 30);  // 2 GB, past any 32-bit size, nearly all of it a hole
    // A Rivers game is 342 bytes, so the old file's tail shows. (The game reads such a file as
    // the Rivers game: the corpus holds one.)
    const Position rivers = midGame(kRivers, 2);
    const std::vector<std::byte> riversBytes = encodeSavedGame(kRivers, rivers.board);
    ASSERT_EQ(write(path_, rivers).reason, "");
    std::vector<std::byte> riversOverDragon = oldSave_;
    std::ranges::copy(riversBytes, riversOverDragon.begin());
    ASSERT_EQ(fs::file_size(path_), oldSave_.size());
    EXPECT_EQ(readBytes(path_), riversOverDragon);
    EXPECT_EQ(fs::status(path_).permissions(), fs::perms(0640));
    EXPECT_EQ(fs::read_symlink(path_), "middle");
    EXPECT_EQ(fs::read_symlink(folder_ / "middle"), "kept/game");
    EXPECT_EQ(folder_.names(), (std::vector<std::string>{"kept", "middle", kSavedGameFileName}));
    // A longer game over it takes the whole file again.
    ASSERT_TRUE(write(path_, midGame(kDragon, 1)));
    EXPECT_EQ(readBytes(path_), oldSave_);

    // A link to a file not yet there makes that file.
    fs::remove(folder_ / "kept" / "game");
    ASSERT_EQ(write(path_, rivers).reason, "");
    EXPECT_EQ(readBytes(folder_ / "kept" / "game"), riversBytes);
    EXPECT_TRUE(fs::is_symlink(path_));
}

// Temporary files of saves killed hours ago go; anything else stays, even a save another copy of
// the game has been stopped in the middle of for ten minutes.
TEST_P(SaveOver, StaleTemporaryFilesOfEarlierSavesGo) {
    const auto age = [&](const std::string& name, std::time_t seconds) {
        const timespec then{std::time(nullptr) - seconds, 0}, times[2] = {then, then};
        ASSERT_EQ(::utimensat(AT_FDCWD, (folder_ / name).c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
    };
    const std::time_t old = 2 * 60 * 60, recent = 10 * 60;
    for (const char* stale : {".varnel.sav.123.4.tmp", ".varnel.sav.9999999.0.tmp"})
        writeBytes(folder_ / stale, {std::byte{1}}), age(stale, old);
    const std::pair<std::string, std::time_t> kept[] = {
        {".varnel.sav.77.0.tmp", recent},  // another copy of the game is saving
        {".other.sav.1.2.tmp", old},      {".varnel.sav.1.x.tmp", old},
        {".varnel.sav.1.2.tmp.keep", old},
    };
    std::vector<std::string> expected = {".varnel.sav.5.5.tmp", ".varnel.sav.6.6.tmp",
                                         kSavedGameFileName};
    for (const auto& [name, seconds] : kept) {
        writeBytes(folder_ / name, {std::byte{1}}), age(name, seconds);
        expected.push_back(name);
    }
    fs::create_directory(folder_ / ".varnel.sav.5.5.tmp");
    fs::create_symlink(".varnel.sav.77.0.tmp", folder_ / ".varnel.sav.6.6.tmp");
    age(".varnel.sav.5.5.tmp", old), age(".varnel.sav.6.6.tmp", old);

    ASSERT_EQ(write(path_, midGame(kRivers, 2)).reason, "");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder_.names(), expected);
}

INSTANTIATE_TEST_SUITE_P(EitherTempFile, SaveOver,
                         ::testing::Values(TempFile::UnnamedFirst, TempFile::NamedOnly),
                         [](const auto& info) {
                             return std::string(std::array{"Unnamed", "Named"}[int(info.param)]);
                         });

}  // namespace
}  // namespace varnel::testing
