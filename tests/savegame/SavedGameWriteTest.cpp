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
#include <fstream>
#include <tuple>
#include <utility>

#include "SaveTarget.h"
#include "SaveTestSupport.h"
#include "SavedGameWriter.h"

namespace varnel::testing {
namespace {

class RoundTrip : public ::testing::TestWithParam<int16_t> {};

TEST_P(RoundTrip, AMidGameComesBackAsSaved) {
    TempFolder folder;
    const GameState saved = MidGame(GetParam(), 20240601);
    ASSERT_LT(saved.TilesLeft, saved.TileCount);
    ASSERT_TRUE(WriteSavedGame(folder / kSavedGameFileName, saved));
    EXPECT_EQ(ReadBytes(folder / kSavedGameFileName).size(), SavedGameBytes(saved.TileCount));

    // Restore into a different game of another layout, as the player would.
    GameState restored = DealtGame(GetParam() == kRivers ? kDragon : kRivers, 7);
    const GameState before = restored;
    const ReadResult result = AttemptRestore(folder / kSavedGameFileName, restored);
    ASSERT_TRUE(result) << result.reason;
    EXPECT_EQ(std::tie(restored.CurrentLayout, restored.TileCount, restored.TilesLeft),
              std::tie(saved.CurrentLayout, saved.TileCount, saved.TilesLeft));
    // Free and Face of the saved tiles come from the file (positions and pictures are the
    // rebuild's business), and the tiles past the game are left alone.
    for (int i = 0; i < kTableSize; ++i) {
        if (i < saved.TileCount) {
            EXPECT_EQ(restored.Tiles[i].Free, saved.Tiles[i].Free) << "tile " << i;
            EXPECT_EQ(restored.Tiles[i].Face, saved.Tiles[i].Face) << "tile " << i;
        } else {
            EXPECT_EQ(restored.Tiles[i], before.Tiles[i]) << "tile " << i;
        }
    }
    EXPECT_TRUE(restored.UndoTiles == before.UndoTiles);
}

INSTANTIATE_TEST_SUITE_P(
    EveryLayout, RoundTrip, ::testing::Values(kDragon, kRivers, kPyramid), [](const auto& info) {
        return std::string(std::array{"Dragon", "Rivers", "Pyramid"}[info.param]);
    });

TEST(ByteLayout, FlatLittleEndianWordsInTileOrder) {
    // Rivers with the faces in deck order (tile i shows face i / 4), tiles 1 and 2 taken off.
    GameState rivers;
    rivers.CurrentLayout = kRivers;
    rivers.TileCount = 84;
    for (int16_t i = 0; i < 84; ++i) rivers.Tiles[i].Face = static_cast<int16_t>(i / 4);
    rivers.Tiles[0].Free = rivers.Tiles[2].Free = kTrue;
    rivers.Tiles[1].Face = rivers.Tiles[2].Face = kNoFace;
    rivers.TilesLeft = 82;
    TempFolder folder;
    ASSERT_TRUE(WriteSavedGame(folder / kSavedGameFileName, rivers));
    const std::vector<std::byte> bytes = ReadBytes(folder / kSavedGameFileName);
    ASSERT_EQ(bytes.size(), 342u);

    // CurrentLayout 1, TileCount 84, TilesLeft 82; tile 0 free with face 0; tile 1 blocked and
    // removed; tile 2 free and removed; tile 3 blocked with face 0.
    const unsigned head[] = {0x01, 0x00, 0x54, 0x00, 0x52, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00,
                             0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00};
    for (std::size_t i = 0; i < std::size(head); ++i)
        EXPECT_EQ(static_cast<unsigned>(bytes[i]), head[i]) << "offset " << i;
    // The rest are blocked, tile i with face i / 4, up to tile 83 with face 20: 00 00 14 00.
    for (int i = 4; i < 84; ++i)
        EXPECT_EQ(std::vector(bytes.begin() + 6 + 4 * i, bytes.begin() + 10 + 4 * i),
                  Words({0, i / 4}))
            << "tile " << i;
}

TEST(ShorterSave, KeepsTheLongerFilesTailAndReadsAsTheShorterGame) {
    TempFolder folder;
    const auto path = folder / kSavedGameFileName;
    ASSERT_TRUE(WriteSavedGame(path, MidGame(kDragon, 1)));
    const std::vector<std::byte> dragonBytes = ReadBytes(path);

    std::filesystem::permissions(path, std::filesystem::perms(0640));
    const GameState rivers = MidGame(kRivers, 2);
    ASSERT_TRUE(WriteSavedGame(path, rivers));
    // The new file takes the old one's place and its permissions, and nothing else is left.
    EXPECT_EQ(folder.Names(), std::vector<std::string>{kSavedGameFileName});
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
    // The file stays at 582 bytes: the Rivers game, then the rest of the Dragon file as it was;
    // and it reads back as the Rivers game.
    const std::vector<std::byte> bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 582u);
    const std::vector<std::byte> riversBytes = EncodeSavedGame(rivers);
    EXPECT_TRUE(std::equal(riversBytes.begin(), riversBytes.end(), bytes.begin()));
    EXPECT_TRUE(std::equal(bytes.begin() + 342, bytes.end(), dragonBytes.begin() + 342));
    GameState state = DealtGame(kPyramid, 3);
    ASSERT_TRUE(AttemptRestore(path, state));
    EXPECT_EQ(EncodeSavedGame(state), riversBytes);

    // The longer game over it takes the whole file again.
    ASSERT_TRUE(WriteSavedGame(path, MidGame(kDragon, 1)));
    EXPECT_EQ(ReadBytes(path), dragonBytes);
}

// Files may not grow past the given size while this lives: the nearest thing to a full disk a
// test run as root can have. The signal is ignored so that the write fails with an error.
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

// Run with either of the writer's two ways of making the new file.
class FailedSave : public ::testing::TestWithParam<TempFile> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(WriteSavedGame(path_, MidGame(kDragon, 9)));
        oldSave_ = ReadBytes(path_);
    }
    // The save fails with a reason holding the words, the old save is there byte for byte, and
    // the folder holds just what it held before.
    void ExpectFails(const std::filesystem::path& path, const GameState& state, const char* words) {
        const std::vector<std::string> names = folder_.Names();
        const SaveResult result = WriteSavedGame(path, state, GetParam());
        EXPECT_FALSE(result);
        EXPECT_NE(result.reason.find(words), std::string::npos) << result.reason;
        EXPECT_EQ(ReadBytes(path_), oldSave_);
        EXPECT_EQ(folder_.Names(), names);
    }

    TempFolder folder_;
    std::filesystem::path path_ = folder_ / kSavedGameFileName;
    std::vector<std::byte> oldSave_;
};

TEST_P(FailedSave, DiskFullWhileWritingTheGameOrCopyingTheOldTail) {
    // At 400 bytes the Rivers game fits but the rest of the old Dragon file does not.
    for (const auto& [bytes, layout] : {std::pair{100, kPyramid}, std::pair{400, kRivers}}) {
        SCOPED_TRACE(bytes);
        FileSizeLimit limit(bytes);
        ExpectFails(path_, MidGame(layout, 1), "size");
    }
}

TEST_P(FailedSave, ProgramKilledWhileWriting) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FileSizeLimit limit(100);
        ::signal(SIGXFSZ, SIG_DFL);
        WriteSavedGame(path_, MidGame(kPyramid, 1), GetParam());
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "status " << status;
    EXPECT_EQ(ReadBytes(path_), oldSave_);
    // Where the folder takes unnamed files, a killed save leaves nothing behind at all.
    const int probe = ::open(folder_.Path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (probe >= 0) ::close(probe);
    if (probe >= 0 && GetParam() == TempFile::UnnamedFirst) {
        EXPECT_EQ(folder_.Names(), std::vector<std::string>{kSavedGameFileName});
    }
}

TEST_P(FailedSave, UnwritablePlaces) {
    std::filesystem::create_directory(folder_ / "blocked");
    std::filesystem::create_symlink("loop", folder_ / "loop");
    const std::pair<std::filesystem::path, const char*> places[] = {
        {path_ / kSavedGameFileName, "not a folder"},  // the folder is a file
        {folder_ / "gone" / kSavedGameFileName, "does not exist"},
        {folder_ / "blocked", "folder"},  // a folder in the place of the save
        {folder_ / "loop", "loop"},       // a link to itself
    };
    for (const auto& [place, words] : places) {
        SCOPED_TRACE(place);
        ExpectFails(place, MidGame(kRivers, 1), words);
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / "blocked"));
}

// The player protected the save: even a game run as root, which may write anything, keeps it.
TEST_P(FailedSave, ReadOnlySave) {
    for (const auto mode : {std::filesystem::perms(0444), std::filesystem::perms(0464)}) {
        std::filesystem::permissions(path_, mode);
        ExpectFails(path_, MidGame(kRivers, 1), "read-only");
        EXPECT_EQ(std::filesystem::status(path_).permissions(), mode);
    }
}

TEST_P(FailedSave, ReadOnlyFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
    std::filesystem::permissions(folder_.Path(), std::filesystem::perms(0555));
    ExpectFails(path_, MidGame(kPyramid, 1), "permission");
}

// A file the game would refuse to restore is worth less than the save it would replace.
TEST_P(FailedSave, AGameThatCouldNotBeRestored) {
    GameState broken = MidGame(kRivers, 5);
    broken.TilesLeft = 84;
    ExpectFails(path_, broken, "tiles left");
    broken.TileCount = 300;  // would run past the tile table
    ExpectFails(path_, broken, "300");
}

INSTANTIATE_TEST_SUITE_P(EitherTempFile, FailedSave,
                         ::testing::Values(TempFile::UnnamedFirst, TempFile::NamedOnly),
                         [](const auto& info) {
                             return std::string(std::array{"Unnamed", "Named"}[int(info.param)]);
                         });

// What the process has passed through read and write calls so far.
struct IoCounters {
    long long read = -1, written = -1;
    static IoCounters Now() {
        IoCounters counters;
        std::ifstream io("/proc/self/io");
        std::string name;
        long long value = 0;
        while (io >> name >> value) {
            if (name == "rchar:") counters.read = value;
            if (name == "wchar:") counters.written = value;
        }
        return counters;
    }
};

// Saves that succeed over what an earlier save, a killed save or the player left there; run with
// either of the writer's two ways of making the new file.
class SaveOver : public ::testing::TestWithParam<TempFile> {
  protected:
    // Saves a Rivers game to path (342 bytes, so the old file's tail shows) and returns it.
    std::vector<std::byte> SaveRivers(const std::filesystem::path& path) {
        const GameState rivers = MidGame(kRivers, 2);
        const SaveResult result = WriteSavedGame(path, rivers, GetParam());
        EXPECT_TRUE(result) << result.reason;
        return EncodeSavedGame(rivers);
    }
    // The Rivers game, then the Dragon game's bytes after it: a save over a Dragon save.
    std::vector<std::byte> RiversOverDragon() {
        std::vector<std::byte> bytes = EncodeSavedGame(MidGame(kDragon, 1));
        const std::vector<std::byte> rivers = EncodeSavedGame(MidGame(kRivers, 2));
        std::copy(rivers.begin(), rivers.end(), bytes.begin());
        return bytes;
    }

    TempFolder folder_;
    std::filesystem::path path_ = folder_ / kSavedGameFileName;
};

// Past the longest game nothing is game data: a save costs the same however large the old file.
TEST_P(SaveOver, AHugeOldFileCostsNoMoreThanASmallOne) {
    WriteBytes(path_, EncodeSavedGame(MidGame(kDragon, 1)));
    std::filesystem::resize_file(path_, 2LL << 30);  // 2 GB, nearly all of it a hole
    const IoCounters before = IoCounters::Now();
    SaveRivers(path_);
    const IoCounters after = IoCounters::Now();

    EXPECT_EQ(ReadBytes(path_), RiversOverDragon());
    struct stat info {};
    ASSERT_EQ(::stat(path_.c_str(), &info), 0);
    EXPECT_LE(info.st_blocks * 512, 64 * 1024);
    if (before.read >= 0 && before.written >= 0) {
        EXPECT_LT(after.read - before.read, 64 * 1024);
        EXPECT_LT(after.written - before.written, 64 * 1024);
    }
}

// A link in the place of the save stays a link, and the file it points to takes the game.
TEST_P(SaveOver, ALinkLeadsToTheFileItPointsTo) {
    std::filesystem::create_directory(folder_ / "kept");
    WriteBytes(folder_ / "kept" / "game", EncodeSavedGame(MidGame(kDragon, 1)));
    std::filesystem::create_symlink("kept/game", folder_ / "middle");
    std::filesystem::create_symlink("middle", path_);
    SaveRivers(path_);
    EXPECT_EQ(std::filesystem::read_symlink(path_), "middle");
    EXPECT_EQ(std::filesystem::read_symlink(folder_ / "middle"), "kept/game");
    EXPECT_EQ(ReadBytes(folder_ / "kept" / "game"), RiversOverDragon());
    EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"kept", "middle", kSavedGameFileName}));

    // A link to a file not yet there makes that file.
    std::filesystem::remove(folder_ / "kept" / "game");
    const std::vector<std::byte> rivers = SaveRivers(path_);
    EXPECT_EQ(ReadBytes(folder_ / "kept" / "game"), rivers);
    EXPECT_TRUE(std::filesystem::is_symlink(path_));
}

// Temporary files of saves killed long ago go; anything else stays, a save under way included.
TEST_P(SaveOver, StaleTemporaryFilesOfEarlierSavesGo) {
    const auto age = [&](const std::string& name, std::time_t seconds) {
        const timespec times[2] = {{std::time(nullptr) - seconds, 0},
                                   {std::time(nullptr) - seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, (folder_ / name).c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
    };
    const std::time_t old = kStaleTempSeconds + 600, recent = 5;
    const std::string stale[] = {".varnel.sav.123.4.tmp", ".varnel.sav.9999999.0.tmp"};
    for (const auto& name : stale) WriteBytes(folder_ / name, Words({1, 2})), age(name, old);
    const std::pair<std::string, std::time_t> kept[] = {
        {".varnel.sav.77.0.tmp", recent},  // another copy of the game is saving right now
        {".other.sav.1.2.tmp", old},      {"varnel.sav.1.2.tmp", old},
        {".varnel.sav.1.x.tmp", old},     {".varnel.sav.1.2.tmp.keep", old},
        {".varnel.sav..2.tmp", old},
    };
    for (const auto& [name, seconds] : kept)
        WriteBytes(folder_ / name, Words({1})), age(name, seconds);
    std::filesystem::create_directory(folder_ / ".varnel.sav.5.5.tmp");
    std::filesystem::create_symlink(".varnel.sav.77.0.tmp", folder_ / ".varnel.sav.6.6.tmp");
    age(".varnel.sav.5.5.tmp", old), age(".varnel.sav.6.6.tmp", old);

    SaveRivers(path_);
    std::vector<std::string> expected = {".varnel.sav.5.5.tmp", ".varnel.sav.6.6.tmp",
                                         kSavedGameFileName};
    for (const auto& [name, seconds] : kept) expected.push_back(name);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder_.Names(), expected);
}

INSTANTIATE_TEST_SUITE_P(EitherTempFile, SaveOver,
                         ::testing::Values(TempFile::UnnamedFirst, TempFile::NamedOnly),
                         [](const auto& info) {
                             return std::string(std::array{"Unnamed", "Named"}[int(info.param)]);
                         });

}  // namespace
}  // namespace varnel::testing
