#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/savegame/SavedGame.h"
#include "board/Deal.h"
#include "play/LayoutTable.h"
#include "play/PairSearch.h"

// varnel-solve as its users run it: saved games of every layout answered with a line the game
// itself accepts pair by pair, files that are no saved game refused with the reader's reason,
// fresh deals counted, and the exit status of each case.
namespace varnel::testing {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out, err;
};

class SolveCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "varnel-solve-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    static std::string quoted(const std::string& text) {
        std::string q = "'";
        for (const char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    }
    static std::string slurp(const fs::path& path) {
        std::ifstream in(path);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    Outcome run(const std::vector<std::string>& arguments) const {
        std::string command = quoted(VARNEL_SOLVE);
        for (const std::string& argument : arguments) command += " " + quoted(argument);
        command += " >" + quoted((folder_ / "out").string()) + " 2>" + quoted((folder_ / "err").string());
        const int raw = std::system(command.c_str());
        Outcome result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = slurp(folder_ / "out");
        result.err = slurp(folder_ / "err");
        return result;
    }
    std::string save(const std::string& name, int16_t layout, const Board& board) const {
        const fs::path path = folder_ / name;
        const std::vector<std::byte> bytes = encodeSavedGame(layout, board);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    fs::path folder_;
};

Board freshDeal(int16_t layout, uint32_t number) {
    const Layout& rules = findLayout(layout)->rules;
    Board board = dealFaces(rules.tileCount(), number);
    rules.markStartFree(board);
    return board;
}

void takePair(Board& board, const Layout& layout, int16_t a, int16_t b) {
    board.remove(a);
    board.remove(b);
    layout.updateFree(board, a);
    layout.updateFree(board, b);
}

// Plays the pairs of a "winnable" line on the game of the file, as a restore lays it out,
// each checked by the game's own pair test; true when they clear the board.
::testing::AssertionResult lineWinsTheFile(const std::string& line, const std::string& file) {
    const std::string head = file + ": winnable:";
    if (line.rfind(head, 0) != 0) return ::testing::AssertionFailure() << "not a winning line: " << line;
    const ReadResult read = readSavedGame(file);
    if (!read) return ::testing::AssertionFailure() << read.reason;
    const Layout& layout = findLayout(read.game->layout())->rules;
    Board board = read.game->board();
    layout.markStartFree(board);
    std::string pairs = line.substr(head.size());
    for (char& c : pairs) c = c == ',' ? ' ' : c;
    std::istringstream numbers(pairs);
    int a = 0, b = 0, taken = 0;
    while (numbers >> a >> b) {
        if (!board.contains(a) || !board.contains(b) ||
            !isRemovablePair(board, layout, static_cast<int16_t>(a), static_cast<int16_t>(b)))
            return ::testing::AssertionFailure() << "pair " << taken << " (" << a << " " << b << ") cannot be taken";
        takePair(board, layout, static_cast<int16_t>(a), static_cast<int16_t>(b));
        ++taken;
    }
    if (board.tilesLeft() != 0) return ::testing::AssertionFailure() << board.tilesLeft() << " tiles left";
    return ::testing::AssertionSuccess();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

TEST_F(SolveCommandTest, SavedGamesOfEveryLayoutGetALineTheGameAccepts) {
    // Two saved in mid-game by the game itself, and a Rivers game some pairs in, written here.
    const std::string dragon = std::string(VARNEL_SAVEGAME_CORPUS) + "/valid-dragon-midgame.sav";
    const std::string pyramid = std::string(VARNEL_SAVEGAME_CORPUS) + "/valid-pyramid-midgame.sav";
    Board rivers = freshDeal(kRivers, 7);
    for (int pairs = 0; pairs < 10; ++pairs) {
        const auto hint = hintPair(rivers, findLayout(kRivers)->rules);
        ASSERT_TRUE(hint);
        takePair(rivers, findLayout(kRivers)->rules, hint->first, hint->second);
    }
    const std::string riversFile = save("rivers mid-game.sav", kRivers, rivers);
    const Outcome result = run({dragon, pyramid, riversFile});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const auto answers = lines(result.out);
    ASSERT_EQ(answers.size(), 3u) << result.out;
    EXPECT_TRUE(lineWinsTheFile(answers[0], dragon));
    EXPECT_TRUE(lineWinsTheFile(answers[1], pyramid));
    EXPECT_TRUE(lineWinsTheFile(answers[2], riversFile));
}

TEST_F(SolveCommandTest, LostAndUndecidedGamesAreSaidSo) {
    // Pyramid: 105 lies on 78, which lies on 27; three tiles of a face there can never all go.
    Board lost = freshDeal(kPyramid, 3);
    const int8_t face = lost[105].face;
    for (const int16_t tile : {78, 27}) {
        for (int16_t other = 0; other < lost.tileCount(); ++other) {
            if (lost[other].face != face || other == 105 || other == 78 || other == 27) continue;
            lost.setFace(other, lost[tile].face);
            lost.setFace(tile, face);
            break;
        }
    }
    const std::string lostFile = save("lost.sav", kPyramid, lost);
    // A Dragon deal that takes the solver a good part of a second, given a thousandth of one.
    const std::string hardFile = save("hard.sav", kDragon, freshDeal(kDragon, 3740));
    const Outcome result = run({"--time", "0.001", lostFile, hardFile});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, lostFile + ": not winnable\n" + hardFile + ": unknown\n");
}

TEST_F(SolveCommandTest, FilesThatAreNoSavedGameAreRefusedWithTheReadersReason) {
    int refused = 0;
    for (const auto& entry : fs::directory_iterator(VARNEL_SAVEGAME_CORPUS)) {
        const std::string file = entry.path().string();
        if (entry.path().filename().string().starts_with("valid-")) continue;
        SCOPED_TRACE(file);
        const ReadResult read = readSavedGame(file);
        ASSERT_FALSE(read);
        const Outcome result = run({file});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "varnel-solve: could not read a saved game from " + file + ": " + read.reason + ".\n");
        ++refused;
    }
    EXPECT_GE(refused, 20);
    // A good file beside a missing one is still answered, and the status tells of the other.
    const std::string good = std::string(VARNEL_SAVEGAME_CORPUS) + "/valid-pyramid-midgame.sav";
    const Outcome mixed = run({(folder_ / "nothing.sav").string(), good});
    EXPECT_EQ(mixed.status, 1);
    EXPECT_TRUE(lineWinsTheFile(lines(mixed.out).at(0), good));
    EXPECT_NE(mixed.err.find("there is no saved game yet"), std::string::npos) << mixed.err;
}

TEST_F(SolveCommandTest, FreshDealsAreCountedAndTimed) {
    const Outcome result = run({"--layout", "pyramid", "--deals", "30", "--seed", "5"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto answer = lines(result.out);
    ASSERT_EQ(answer.size(), 3u) << result.out;
    std::smatch counts;
    ASSERT_TRUE(std::regex_match(answer[0], counts,
                                 std::regex(R"(pyramid, deals 6 to 35: (\d+) winnable, (\d+) not winnable, (\d+) unknown)")))
        << answer[0];
    EXPECT_EQ(std::stoi(counts[1]) + std::stoi(counts[2]) + std::stoi(counts[3]), 30);
    const std::regex times(R"((processor )?time per deal: median [0-9.]+ ms, p99 [0-9.]+ ms, max [0-9.]+ ms)");
    EXPECT_TRUE(std::regex_match(answer[1], times)) << answer[1];
    EXPECT_TRUE(std::regex_match(answer[2], times)) << answer[2];
    // The same deals, the same counts.
    EXPECT_EQ(lines(run({"--seed", "5", "--deals", "30", "--layout", "pyramid"}).out).at(0), answer[0]);
}

TEST_F(SolveCommandTest, WrongOptionsGiveTheUsageAndStatusTwo) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"--bogus"},
        {"--layout", "dragon"},
        {"--deals", "5"},
        {"--layout", "hexagon", "--deals", "5"},
        {"--layout", "dragon", "--deals", "none"},
        {"--layout", "dragon", "--deals", "0"},
        {"--layout", "dragon", "--deals"},
        {"--time", "-1", "x.sav"},
        {"--layout", "rivers", "--deals", "2", "x.sav"},
    };
    for (const auto& arguments : wrong) {
        std::string shown;
        for (const auto& argument : arguments) shown += argument + " ";
        SCOPED_TRACE(shown);
        const Outcome result = run(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("usage: varnel-solve"), std::string::npos) << result.err;
    }
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: varnel-solve"), std::string::npos);
}

}  // namespace
}  // namespace varnel::testing
