#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "SaveTestSupport.h"
#include "SavedGameWriter.h"

namespace varnel::testing {
namespace {

// Files may not grow past the given size while this lives: the nearest thing to a full disk a
// test run as root can have. The signal is ignored so that the write fails with an error.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, oldHandler_);
    }

  private:
    rlimit saved_{};
    sighandler_t oldHandler_;
};

// The writer's two ways of making the new file, named for the test list.
struct Writer {
    TempFile tempFile;
    const char* name;
};
void PrintTo(const Writer& writer, std::ostream* out) {
    *out << writer.name;
}

class FailedSave : public ::testing::TestWithParam<Writer> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(WriteSavedGame(path_, MidGame(kDragon, 9)));
        oldSave_ = ReadBytes(path_);
    }
    // The old save is there byte for byte, and nothing else is.
    void ExpectOldSaveWhole() {
        EXPECT_EQ(ReadBytes(path_), oldSave_);
        EXPECT_EQ(folder_.Names(), std::vector<std::string>{kSavedGameFileName});
    }
    SaveResult Save(const std::filesystem::path& path, const GameState& state) {
        return WriteSavedGame(path, state, GetParam().tempFile);
    }
    void ExpectFailure(const SaveResult& result, const char* words) {
        EXPECT_FALSE(result);
        EXPECT_NE(result.reason.find(words), std::string::npos) << result.reason;
    }

    TempFolder folder_;
    std::filesystem::path path_ = folder_ / kSavedGameFileName;
    std::vector<std::byte> oldSave_;
};

TEST_P(FailedSave, DiskFullWhileWritingTheGame) {
    FileSizeLimit limit(100);
    ExpectFailure(Save(path_, MidGame(kPyramid, 1)), "size");
    ExpectOldSaveWhole();
}

TEST_P(FailedSave, DiskFullWhileCopyingTheOldTail) {
    FileSizeLimit limit(400);  // the Rivers game fits, the rest of the old file does not
    ExpectFailure(Save(path_, MidGame(kRivers, 1)), "size");
    ExpectOldSaveWhole();
}

TEST_P(FailedSave, ProgramKilledWhileWriting) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 100;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        Save(path_, MidGame(kPyramid, 1));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "status " << status;
    EXPECT_EQ(ReadBytes(path_), oldSave_);
    // Where the folder takes unnamed files, a killed save leaves nothing behind at all.
    const int probe = GetParam().tempFile == TempFile::UnnamedFirst
                          ? ::open(folder_.Path().c_str(), O_TMPFILE | O_WRONLY, 0600)
                          : -1;
    if (probe >= 0) {
        ::close(probe);
        EXPECT_EQ(folder_.Names(), std::vector<std::string>{kSavedGameFileName});
    }
}

TEST_P(FailedSave, AFolderInThePlaceOfTheSave) {
    const auto blocked = folder_ / "blocked";
    std::filesystem::create_directory(blocked);
    ExpectFailure(Save(blocked, MidGame(kRivers, 1)), "folder");
    EXPECT_TRUE(std::filesystem::is_directory(blocked));
    EXPECT_EQ(folder_.Names().size(), 2u);
}

TEST_P(FailedSave, ReadOnlyFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
    std::filesystem::permissions(folder_.Path(), std::filesystem::perms(0555));
    ExpectFailure(Save(path_, MidGame(kPyramid, 1)), "permission");
    std::filesystem::permissions(folder_.Path(), std::filesystem::perms(0755));
    ExpectOldSaveWhole();
}

INSTANTIATE_TEST_SUITE_P(EitherTempFile, FailedSave,
                         ::testing::Values(Writer{TempFile::UnnamedFirst, "Unnamed"},
                                           Writer{TempFile::NamedOnly, "Named"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UnwritableFolder, IsAFileOrMissing) {
    TempFolder folder;
    WriteBytes(folder / "plain", Words({1, 2, 3}));
    const SaveResult underFile =
        WriteSavedGame(folder / "plain" / kSavedGameFileName, MidGame(0, 1));
    EXPECT_FALSE(underFile);
    EXPECT_NE(underFile.reason.find("not a folder"), std::string::npos) << underFile.reason;
    const SaveResult missing = WriteSavedGame(folder / "gone" / kSavedGameFileName, MidGame(0, 1));
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.reason.find("does not exist"), std::string::npos) << missing.reason;
    EXPECT_EQ(ReadBytes(folder / "plain"), Words({1, 2, 3}));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"plain"});
}

}  // namespace
}  // namespace varnel::testing
