#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <optional>

#include "app/savegame/SavePlace.h"
#include "app/savegame/SaveStamp.h"
#include "tests/savegame/SaveTestSupport.h"

namespace varnel::testing {
namespace {

namespace fs = std::filesystem;

// Root writes anywhere, so as root the check is made by a child process that has become an
// ordinary user; otherwise the test's own user makes it. Empty where root may not change user.
std::optional<bool> canWriteInAsPlayer(const fs::path& folder) {
    if (::geteuid() != 0) return playerCanWriteIn(folder);
    const pid_t child = ::fork();
    if (child == 0) {
        const uid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(2);
        ::_exit(playerCanWriteIn(folder) ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) > 1)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

TEST(SavePlace, WritableMeansThePlayerMayCreateFilesInTheFolder) {
    TempFolder temp;
    fs::permissions(temp.path(), fs::perms(0711));  // the player may pass through to the cases
    const auto writable = [&](const char* name, int mode) {
        fs::create_directory(temp / name);
        fs::permissions(temp / name, fs::perms(mode));
        return canWriteInAsPlayer(temp / name);
    };
    const std::optional<bool> open = writable("open", 0777);
    if (!open) GTEST_SKIP() << "root could not become an ordinary user here";
    EXPECT_TRUE(*open);
    EXPECT_EQ(writable("read-only", 0555), false);  // the program folder of a system-wide install
    EXPECT_EQ(writable("no-search", 0666), false);  // a file could not be opened in it
    EXPECT_FALSE(playerCanWriteIn(temp / "missing"));
}

// The save goes beside the program where the player may write there, else into the data folder.
// Without a home there is no data folder: the save is still aimed beside the program, where it
// fails and says why, never at whatever folder the game was started from.
TEST(SavePlace, BesideTheProgramOrInTheDataFolderNeverInTheStartingFolder) {
    const fs::path program = "/opt/varnel", data = "/home/player/.local/share/Varnel Solitaire";
    const FolderCheck writable = [](const fs::path&) { return true; };
    const FolderCheck readOnly = [](const fs::path&) { return false; };
    EXPECT_EQ(savedGamePath({program, data}, writable), program / kSavedGameFileName);
    EXPECT_EQ(savedGamePath({program, data}, readOnly), data / kSavedGameFileName);
    EXPECT_EQ(savedGamePath({program, ""}, readOnly), program / kSavedGameFileName);
}

TEST(SavePlace, FirstSaveMakesTheDataFolderForThePlayerAlone) {
    TempFolder temp;
    const fs::path save = temp / "data" / "Varnel Solitaire" / kSavedGameFileName;
    EXPECT_EQ(makeFolderFor(save), "");
    for (const fs::path& made : {save.parent_path(), save.parent_path().parent_path()})
        EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all) << made;
    EXPECT_TRUE(writeSavedGame(save, kRivers, midGame(kRivers, 3).board));

    writeBytes(temp / "in-the-way", {std::byte{1}});
    const std::string why = makeFolderFor(temp / "in-the-way" / "Varnel Solitaire" / "x");
    EXPECT_NE(why.find("could not be made (not a directory)"), std::string::npos) << why;
}

// Each save, by any copy, puts a new file in the saved game's place: that counts as replaced.
// A saved game another copy deleted replaced nothing this copy could lose.
TEST(SaveStampTest, OnlyAFileWrittenSinceCountsAsReplaced) {
    TempFolder folder;
    const fs::path saved = folder / "varnel.sav";
    auto save = [&](const char* text) {
        std::ofstream(folder / "varnel.sav.new") << text;
        fs::rename(folder / "varnel.sav.new", saved);
        return stampOf(saved);
    };
    const SaveStamp none = stampOf(saved);
    EXPECT_FALSE(none.exists);
    EXPECT_FALSE(replacedSince(none, stampOf(saved)));
    const SaveStamp first = save("one");
    EXPECT_TRUE(replacedSince(none, first));
    EXPECT_FALSE(replacedSince(first, stampOf(saved)));
    const SaveStamp second = save("two");
    EXPECT_TRUE(replacedSince(first, second));
    fs::remove(saved);
    EXPECT_FALSE(replacedSince(second, stampOf(saved)));
}

}  // namespace
}  // namespace varnel::testing
