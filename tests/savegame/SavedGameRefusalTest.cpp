#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "SaveTestSupport.h"

namespace varnel::testing {
namespace {

// A sound Rivers save written by hand: faces in deck order, tiles 0 and 1 (face 0) taken off.
std::vector<std::byte> SoundRivers() {
    std::vector<std::byte> bytes = Words({1, 84, 82});
    for (int i = 0; i < 84; ++i) {
        const std::vector<std::byte> tile = Words({i % 14 == 0 ? -1 : 0, i < 2 ? -1 : i / 4});
        bytes.insert(bytes.end(), tile.begin(), tile.end());
    }
    return bytes;
}

// Word 0 is CurrentLayout, 1 TileCount, 2 TilesLeft; tile i has Free at 3 + 2i, Face at 4 + 2i.
void SetWord(std::vector<std::byte>& bytes, std::size_t word, int value) {
    bytes[2 * word] = static_cast<std::byte>(value & 0xFF);
    bytes[2 * word + 1] = static_cast<std::byte>((value >> 8) & 0xFF);
}
constexpr std::size_t FreeWord(std::size_t tile) {
    return 3 + 2 * tile;
}
constexpr std::size_t FaceWord(std::size_t tile) {
    return 4 + 2 * tile;
}

struct BadFile {
    const char* name;
    Refusal refusal;
    std::function<void(std::vector<std::byte>&)> spoil;
};

void PrintTo(const BadFile& file, std::ostream* out) {
    *out << file.name;
}

class RefusedFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(RefusedFile, IsRefusedWithAReasonAndTheGameGoesOnUntouched) {
    TempFolder folder;
    const auto path = folder / kSavedGameFileName;
    std::vector<std::byte> bytes = SoundRivers();
    GetParam().spoil(bytes);
    WriteBytes(path, bytes);

    GameState state = MidGame(kPyramid, 11);
    state.UndoTiles = DealtGame(kPyramid, 12).Tiles;
    state.TileSelected = true;
    state.SelectedTile = 77;
    const GameState before = state;
    const ReadResult result = AttemptRestore(path, state);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.refusal, GetParam().refusal) << result.reason;
    EXPECT_FALSE(result.reason.empty());
    ExpectSameState(state, before);
}

const BadFile kBadFiles[] = {
    {"Empty", Refusal::TooShort, [](auto& b) { b.clear(); }},
    {"ShorterThanTheCounters", Refusal::TooShort, [](auto& b) { b.resize(5); }},
    {"LayoutThree", Refusal::UnknownLayout, [](auto& b) { SetWord(b, 0, 3); }},
    {"LayoutNegative", Refusal::UnknownLayout, [](auto& b) { SetWord(b, 0, -1); }},
    {"TileCountOfAnotherLayout", Refusal::WrongTileCount, [](auto& b) { SetWord(b, 1, 144); }},
    {"TileCountPastTheTable", Refusal::WrongTileCount, [](auto& b) { SetWord(b, 1, 32767); }},
    {"TileCountNegative", Refusal::WrongTileCount, [](auto& b) { SetWord(b, 1, -84); }},
    {"DragonCountsOverARiversFile", Refusal::Truncated,
     [](auto& b) { SetWord(b, 0, kDragon), SetWord(b, 1, 144); }},
    {"CountersOnly", Refusal::Truncated, [](auto& b) { b.resize(6); }},
    {"LastByteMissing", Refusal::Truncated, [](auto& b) { b.pop_back(); }},
    {"FlagOne", Refusal::BadFlag, [](auto& b) { SetWord(b, FreeWord(40), 1); }},
    {"FlagMinusTwo", Refusal::BadFlag, [](auto& b) { SetWord(b, FreeWord(83), -2); }},
    {"Face36", Refusal::BadFace, [](auto& b) { SetWord(b, FaceWord(5), 36); }},
    {"FaceMinusTwo", Refusal::BadFace, [](auto& b) { SetWord(b, FaceWord(5), -2); }},
    {"FaceLowest", Refusal::BadFace, [](auto& b) { SetWord(b, FaceWord(83), -32768); }},
    {"FaceRiversNeverDeals", Refusal::FaceOutsideDeck,
     [](auto& b) { SetWord(b, FaceWord(4), 21), SetWord(b, FaceWord(5), 21); }},
    {"FivePresentOfOneFace", Refusal::TooManyOfFace,
     [](auto& b) { SetWord(b, FaceWord(0), 1), SetWord(b, FaceWord(1), 1), SetWord(b, 2, 84); }},
    {"UnpairedFace", Refusal::UnpairedFace,
     [](auto& b) { SetWord(b, FaceWord(2), -1), SetWord(b, 2, 81); }},
    {"TilesLeftOneTooMany", Refusal::TilesLeftMismatch, [](auto& b) { SetWord(b, 2, 84); }},
    {"TilesLeftNegative", Refusal::TilesLeftMismatch, [](auto& b) { SetWord(b, 2, -2); }},
};

INSTANTIATE_TEST_SUITE_P(Spoiled, RefusedFile, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PyramidFile, FacesBeyondItsDeckAreRefused) {
    std::vector<std::byte> bytes = Words({2, 120, 120});
    for (int i = 0; i < 120; ++i) {
        const std::vector<std::byte> tile = Words({0, i / 4});
        bytes.insert(bytes.end(), tile.begin(), tile.end());
    }
    EXPECT_TRUE(CheckSavedGame(bytes));
    SetWord(bytes, FaceWord(0), 30), SetWord(bytes, FaceWord(1), 30);
    EXPECT_EQ(CheckSavedGame(bytes).refusal, Refusal::FaceOutsideDeck);
}

TEST(SoundFile, IsTakenWithWhateverFollowsIt) {
    std::vector<std::byte> bytes = SoundRivers();
    ASSERT_TRUE(CheckSavedGame(bytes));
    bytes.resize(4000, std::byte{0x7F});
    EXPECT_TRUE(CheckSavedGame(bytes));
}

TEST(SoundFile, WithEveryTileGoneIsAWonGame) {
    std::vector<std::byte> bytes = SoundRivers();
    for (std::size_t i = 0; i < 84; ++i) SetWord(bytes, FaceWord(i), -1);
    SetWord(bytes, 2, 0);
    EXPECT_TRUE(CheckSavedGame(bytes));
}

class UnreadableFile : public ::testing::Test {
  protected:
    void ExpectRefused(const std::filesystem::path& path, Refusal refusal, const char* words) {
        GameState state = MidGame(kDragon, 4);
        const GameState before = state;
        const ReadResult result = AttemptRestore(path, state);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.refusal, refusal);
        EXPECT_NE(result.reason.find(words), std::string::npos) << result.reason;
        ExpectSameState(state, before);
    }
    TempFolder folder_;
};

TEST_F(UnreadableFile, NoSavedGameYet) {
    ExpectRefused(folder_ / kSavedGameFileName, Refusal::Missing, "no saved game");
}

TEST_F(UnreadableFile, AFolderInItsPlace) {
    std::filesystem::create_directory(folder_ / kSavedGameFileName);
    ExpectRefused(folder_ / kSavedGameFileName, Refusal::Unreadable, "folder");
}

TEST_F(UnreadableFile, APipeInItsPlaceDoesNotHang) {
    ASSERT_EQ(::mkfifo((folder_ / kSavedGameFileName).c_str(), 0600), 0);
    ExpectRefused(folder_ / kSavedGameFileName, Refusal::Unreadable, "ordinary file");
}

TEST_F(UnreadableFile, NoPermissionToRead) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
    WriteBytes(folder_ / kSavedGameFileName, SoundRivers());
    std::filesystem::permissions(folder_ / kSavedGameFileName, std::filesystem::perms::none);
    ExpectRefused(folder_ / kSavedGameFileName, Refusal::Unreadable, "permission");
}

TEST(Messages, NameTheFileAndTheReason) {
    EXPECT_EQ(RestoreFailedMessage("/games/varnel.sav", "there is no saved game yet"),
              "Could not restore the saved game from /games/varnel.sav: there is no saved game "
              "yet. The game in progress goes on.");
    EXPECT_EQ(SaveFailedMessage("/games/varnel.sav", "the disk is full"),
              "Could not save the game to /games/varnel.sav: the disk is full. Any earlier saved "
              "game is kept as it was.");
}

}  // namespace
}  // namespace varnel::testing
