#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <iterator>

#include "SaveTestSupport.h"

namespace varnel::testing {
namespace {

// A sound Rivers save written by hand: faces in deck order, tiles 0 and 1 (face 0) taken off.
std::vector<std::byte> SoundRivers() {
    std::vector<std::byte> bytes = Words({1, 84, 82});
    for (int i = 0; i < 84; ++i)
        std::ranges::copy(Words({i % 14 == 0 ? -1 : 0, i < 2 ? -1 : i / 4}),
                          std::back_inserter(bytes));
    return bytes;
}

// Word 0 is CurrentLayout, 1 TileCount, 2 TilesLeft; tile i has Free at 3 + 2i, Face at 4 + 2i.
void SetWord(std::vector<std::byte>& bytes, std::size_t word, int value) {
    bytes[2 * word] = static_cast<std::byte>(value & 0xFF);
    bytes[2 * word + 1] = static_cast<std::byte>((value >> 8) & 0xFF);
}
constexpr auto FreeWord = [](std::size_t tile) { return 3 + 2 * tile; };
constexpr auto FaceWord = [](std::size_t tile) { return 4 + 2 * tile; };

// Restores from path into a game in progress: the file must be refused for the given cause, with
// a reason that holds the given words, and the game must go on exactly as it was.
void ExpectRefused(const std::filesystem::path& path, Refusal refusal, const char* words = "") {
    GameState state = MidGame(kPyramid, 11);
    const std::vector<std::byte> before = Snapshot(state);
    const ReadResult result = AttemptRestore(path, state);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.refusal, refusal) << result.reason;
    EXPECT_TRUE(!result.reason.empty() && result.reason.find(words) != std::string::npos)
        << result.reason;
    EXPECT_TRUE(Snapshot(state) == before);
}

struct BadFile {
    const char* name;
    Refusal refusal;
    void (*spoil)(std::vector<std::byte>&);
};

class RefusedFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(RefusedFile, IsRefusedWithAReasonAndTheGameGoesOnUntouched) {
    TempFolder folder;
    std::vector<std::byte> bytes = SoundRivers();
    GetParam().spoil(bytes);
    WriteBytes(folder / kSavedGameFileName, bytes);
    ExpectRefused(folder / kSavedGameFileName, GetParam().refusal);
}

// Each range on both sides, and the last tile as well as early ones; the corpus below adds the
// extremes (empty files, huge and negative counts, random bytes).
const BadFile kBadFiles[] = {
    {"ShorterThanTheCounters", Refusal::TooShort, [](auto& b) { b.resize(5); }},
    {"LayoutThree", Refusal::UnknownLayout, [](auto& b) { SetWord(b, 0, 3); }},
    {"LayoutNegative", Refusal::UnknownLayout, [](auto& b) { SetWord(b, 0, -1); }},
    {"TileCountOfAnotherLayout", Refusal::WrongTileCount, [](auto& b) { SetWord(b, 1, 144); }},
    {"DragonCountsOverARiversFile", Refusal::Truncated,
     [](auto& b) { SetWord(b, 0, kDragon), SetWord(b, 1, 144); }},
    {"LastByteMissing", Refusal::Truncated, [](auto& b) { b.pop_back(); }},
    {"FlagOne", Refusal::BadFlag, [](auto& b) { SetWord(b, FreeWord(40), 1); }},
    {"FlagMinusTwo", Refusal::BadFlag, [](auto& b) { SetWord(b, FreeWord(83), -2); }},
    {"Face36", Refusal::BadFace, [](auto& b) { SetWord(b, FaceWord(5), 36); }},
    {"FaceMinusTwo", Refusal::BadFace, [](auto& b) { SetWord(b, FaceWord(83), -2); }},
    {"FaceRiversNeverDeals", Refusal::FaceOutsideDeck,
     [](auto& b) { SetWord(b, FaceWord(4), 21), SetWord(b, FaceWord(5), 21); }},
    {"FiveOfOneFace", Refusal::TooManyOfFace,
     [](auto& b) { SetWord(b, FaceWord(0), 1), SetWord(b, 2, 83); }},
    {"UnpairedFace", Refusal::UnpairedFace,
     [](auto& b) { SetWord(b, FaceWord(2), -1), SetWord(b, 2, 81); }},
    {"TilesLeftOneTooMany", Refusal::TilesLeftMismatch, [](auto& b) { SetWord(b, 2, 84); }},
};

INSTANTIATE_TEST_SUITE_P(Spoiled, RefusedFile, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UnreadableFile, NoSavedGameYet) {
    TempFolder folder;
    ExpectRefused(folder / kSavedGameFileName, Refusal::Missing, "no saved game");
}

TEST(UnreadableFile, AFolderInItsPlace) {
    TempFolder folder;
    std::filesystem::create_directory(folder / kSavedGameFileName);
    ExpectRefused(folder / kSavedGameFileName, Refusal::Unreadable, "folder");
}

TEST(UnreadableFile, APipeInItsPlaceDoesNotHang) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / kSavedGameFileName).c_str(), 0600), 0);
    ExpectRefused(folder / kSavedGameFileName, Refusal::Unreadable, "ordinary file");
}

TEST(UnreadableFile, NoPermissionToRead) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
    TempFolder folder;
    WriteBytes(folder / kSavedGameFileName, SoundRivers());
    std::filesystem::permissions(folder / kSavedGameFileName, std::filesystem::perms::none);
    ExpectRefused(folder / kSavedGameFileName, Refusal::Unreadable, "permission");
}

// A corpus of malformed files, each refused unless its name starts with "valid-"; a file that is
// taken gives back its own bytes when the game read from it is written again.
TEST(Corpus, EveryFileIsJudgedAsItsNameSaysAndRefusalsLeaveTheGameAlone) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(VARNEL_SAVEGAME_CORPUS))
        files.push_back(entry.path());
    ASSERT_GE(files.size(), 30u) << "the corpus is missing from " << VARNEL_SAVEGAME_CORPUS;
    int accepted = 0;
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        GameState state = MidGame(kPyramid, 99);
        const std::vector<std::byte> before = Snapshot(state);
        const ReadResult result = AttemptRestore(file, state);
        EXPECT_EQ(bool(result), file.filename().string().starts_with("valid-")) << result.reason;
        if (!result) {
            EXPECT_FALSE(result.reason.empty());
            EXPECT_TRUE(Snapshot(state) == before);
            continue;
        }
        ++accepted;
        const SavedGame& game = *result.game;
        GameState read;
        read.CurrentLayout = game.CurrentLayout();
        read.TileCount = game.TileCount();
        read.TilesLeft = game.TilesLeft();
        for (std::size_t i = 0; i < game.Tiles().size(); ++i)
            read.Tiles[i].Free = game.Tiles()[i].Free, read.Tiles[i].Face = game.Tiles()[i].Face;
        const std::vector<std::byte> bytes = ReadBytes(file), again = EncodeSavedGame(read);
        ASSERT_LE(again.size(), bytes.size());
        EXPECT_TRUE(std::equal(again.begin(), again.end(), bytes.begin()));
    }
    EXPECT_GE(accepted, 3);
}

}  // namespace
}  // namespace varnel::testing
