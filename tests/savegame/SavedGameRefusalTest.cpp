#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <map>

#include "tests/savegame/SaveTestSupport.h"

namespace varnel::testing {
namespace {

// Nothing there, or something that is no file: refused with a reason, and a pipe does not hang
// the game.
TEST(UnreadableFile, NothingSavedAFolderOrAPipeInItsPlace) {
    TempFolder folder;
    const auto path = folder / kSavedGameFileName;
    const auto expectRefused = [&](Refusal refusal, const char* words) {
        const ReadResult result = readSavedGame(path);
        EXPECT_EQ(result.refusal, refusal) << result.reason;
        EXPECT_NE(result.reason.find(words), std::string::npos) << result.reason;
    };
    expectRefused(Refusal::Missing, "no saved game");
    std::filesystem::create_directory(path);
    expectRefused(Refusal::Unreadable, "folder");
    std::filesystem::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    expectRefused(Refusal::Unreadable, "ordinary file");
}

// The corpus (shared with the fuzzer) names each file by what is wrong with it, or "valid-".
const std::pair<std::string, Refusal> kCorpusKinds[] = {
    {"too-short--", Refusal::TooShort},
    {"unknown-layout--", Refusal::UnknownLayout},
    {"wrong-tile-count--", Refusal::WrongTileCount},
    {"truncated--", Refusal::Truncated},
    {"bad-flag--", Refusal::BadFlag},
    {"bad-face--", Refusal::BadFace},
    {"face-outside-deck--", Refusal::FaceOutsideDeck},
    {"too-many-of-face--", Refusal::TooManyOfFace},
    {"unpaired-face--", Refusal::UnpairedFace},
    {"tiles-left-mismatch--", Refusal::TilesLeftMismatch},
};

// What the player reads of some: tiles counted from 1, as the player counts them.
const std::map<std::string, std::string> kReasons = {
    {"bad-flag--32767-on-the-last-dragon-tile.sav",
     "tile 144 is marked neither free nor blocked (32767)"},
    {"bad-face--30000-on-the-last-rivers-tile.sav", "tile 84 shows face 30000"},
};

// Every file is refused for the cause its name gives; a valid file gives back its own bytes when
// the game read from it is written again.
TEST(Corpus, EveryFileIsJudgedAsItsNameSays) {
    int files = 0, accepted = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VARNEL_SAVEGAME_CORPUS)) {
        ++files;
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        // Refused with a reason for the player, or given back with none.
        const ReadResult result = readSavedGame(entry.path());
        EXPECT_EQ(result.reason.empty(), bool(result)) << result.reason;
        if (!name.starts_with("valid-")) {
            const auto kind = std::ranges::find_if(
                kCorpusKinds, [&](const auto& k) { return name.starts_with(k.first); });
            ASSERT_NE(kind, std::end(kCorpusKinds)) << "a corpus file named for no kind";
            EXPECT_EQ(result.refusal, kind->second) << result.reason;
            EXPECT_FALSE(result);
            const std::string words = kReasons.contains(name) ? kReasons.at(name) : "";
            EXPECT_NE(result.reason.find(words), std::string::npos) << result.reason;
            continue;
        }
        ASSERT_TRUE(result) << result.reason;
        ++accepted;
        const std::vector<std::byte> bytes = readBytes(entry.path()),
                                     again = encodeSavedGame(result.game->layout(),
                                                             result.game->board());
        ASSERT_LE(again.size(), bytes.size());
        EXPECT_TRUE(std::equal(again.begin(), again.end(), bytes.begin()));
    }
    EXPECT_GE(files, 40) << "the corpus is missing from " << VARNEL_SAVEGAME_CORPUS;
    EXPECT_GE(accepted, 7);
}

}  // namespace
}  // namespace varnel::testing
