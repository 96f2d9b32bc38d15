#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "board/Random.h"
#include "tests/play/PlayFixture.h"
#include "tests/solver/SolverTestSupport.h"

// The solver's help as the player meets it: new deals and shuffles that can be won, the line
// that tells of a pair that lost the game until Undo takes it back, a hint that keeps the game
// winnable, and answers about a position already left that change nothing. The solver works on
// a thread of its own; its answers wait in the recording window's queue until the test runs
// them, as the window's event loop would.
namespace varnel::testing {
namespace {

const std::string kLosingPair =
    "Lost: this game can no longer be won. Undo takes the last pair back.";
const std::string kNoWinnableShuffle =
    "No arrangement of the tiles left could be proven winnable; they were shuffled as usual.";

// The deal number the game draws from a seed, as a new game does.
uint32_t dealNumberOfSeed(uint32_t seed) {
    Random random(seed);
    return static_cast<uint32_t>(random.uniform() * Game::kLastDealNumber) + 1;
}

// The board once the pair is taken from it.
Board after(Board board, int16_t layout, const TilePair& pair) {
    rulesOf(layout).takePair(board, pair.first, pair.second);
    return board;
}

// A Dragon pair loses the game when the game can no longer be won once it is taken, while pairs
// are still left to play.
bool losesTheGame(const Board& board, const TilePair& pair) {
    const Board taken = after(board, kDragon, pair);
    return countPairs(taken, rulesOf(kDragon)) > 0 &&
           verdictOf(taken, kDragon) == Verdict::NotWinnable;
}

// Along the winning lines of deals, the first position where `pick` finds a pair: the deal, the
// pairs of the line that lead there, the board there and the pair.
struct AlongALine {
    uint32_t deal;
    std::vector<TilePair> leadIn;
    Board board;
    TilePair pair;
};

std::optional<AlongALine> alongALine(
    int16_t layout, const std::function<std::optional<TilePair>(const Board&)>& pick) {
    for (uint32_t deal = 1; deal <= 40; ++deal) {
        Board board = freshDeal(layout, deal);
        const SolveResult line = solve(board, rulesOf(layout));
        if (line.verdict != Verdict::Winnable) continue;
        std::vector<TilePair> leadIn;
        for (const TilePair& next : line.moves) {
            if (const auto pair = pick(board)) return AlongALine{deal, leadIn, board, *pair};
            board = after(board, layout, next);
            leadIn.push_back(next);
        }
    }
    return std::nullopt;
}

class SolverHelpTest : public PlayTest {
  protected:
    // The solver's answers, run on the game's thread as the window would, until it has nothing
    // more in hand (an answer may set it to look further).
    void answer() {
        waitForTheSolver();
        while (view.posted.run() > 0) waitForTheSolver();
    }
    // The solver done with all it was asked, its answers left waiting in the window's queue.
    void waitForTheSolver() {
        const auto patience = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!game.solverIdle()) {
            ASSERT_LT(std::chrono::steady_clock::now(), patience) << "no answer from the solver";
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    void click(const TilePair& pair) {
        game.clickTile(pair.first);
        game.clickTile(pair.second);
    }
};

TEST_F(SolverHelpTest, NewGamesDealUntilTheDealCanBeWon) {
    game.setSolverOptions({.winnableDeals = true});
    // Seeds whose first deal number cannot be won: the game must deal the next one instead.
    for (const int16_t layout : {kDragon, kPyramid}) {
        uint32_t seed = 1;
        while (verdictOf(freshDeal(layout, dealNumberOfSeed(seed)), layout) != Verdict::NotWinnable)
            ++seed;
        nextSeed = seed;
        game.newGameIn(layout);
        // The old board waits, unplayable, while the solver looks; the busy pointer shows.
        EXPECT_TRUE(game.waitingForSolver());
        EXPECT_FALSE(game.available().board);
        EXPECT_TRUE(view.busy);
        answer();
        EXPECT_FALSE(game.waitingForSolver());
        EXPECT_FALSE(view.busy);
        EXPECT_EQ(game.layout(), layout);
        ASSERT_TRUE(game.dealNumber());
        EXPECT_GT(*game.dealNumber(), dealNumberOfSeed(seed));
        EXPECT_EQ(game.board(), freshDeal(layout, *game.dealNumber()));
        EXPECT_EQ(verdictOf(game.board(), layout), Verdict::Winnable);
    }
    // A change of layout, Rivers too, deals a game that can be won.
    for (const int16_t layout : {kDragon, kRivers, kPyramid}) {
        game.chooseLayout(layout);
        answer();
        EXPECT_EQ(verdictOf(game.board(), layout), Verdict::Winnable);
    }
}

TEST_F(SolverHelpTest, TheLosingPairIsToldUntilUndoTakesItBack) {
    const auto found = alongALine(kDragon, [](const Board& board) -> std::optional<TilePair> {
        for (const TilePair& pair : removablePairs(board, rulesOf(kDragon)))
            if (losesTheGame(board, pair)) return pair;
        return std::nullopt;
    });
    ASSERT_TRUE(found);
    game.setSolverOptions({.warnLosingMove = true});
    game.playDeal(found->deal);
    answer();
    for (const TilePair& pair : found->leadIn) {
        click(pair);
        answer();
        EXPECT_EQ(view.solverNote, "") << "a pair of the winning line is no loss";
    }
    // While the player thought, the solver looked at each pair that could be taken: the losing
    // one is told the moment it is taken.
    click(found->pair);
    EXPECT_EQ(view.solverNote, kLosingPair);
    game.undo();
    EXPECT_EQ(view.solverNote, "");
    // Taken before the look ahead is in, then undone before the answer is run: the answers are
    // about positions left, and change nothing.
    waitForTheSolver();
    click(found->pair);
    waitForTheSolver();
    game.undo();
    view.posted.run();
    EXPECT_EQ(view.solverNote, "");
    click(found->pair);
    answer();
    EXPECT_EQ(view.solverNote, kLosingPair);
    // Undo is the way back.
    ASSERT_TRUE(game.available().undo);
    game.undo();
    EXPECT_EQ(view.solverNote, "");
    view.posted.waitAndRun(std::chrono::milliseconds(200));
    EXPECT_EQ(view.solverNote, "");
    // On a board just laid out, after the look at every next pair, each pair is told at once
    // for what it is: the losing ones (the one found among them) with Undo's way back, the others
    // not at all.
    for (const TilePair& pair : removablePairs(found->board, rulesOf(kDragon))) {
        setUp(kDragon, found->board);
        answer();
        click(pair);
        EXPECT_EQ(view.solverNote, losesTheGame(found->board, pair) ? kLosingPair : "")
            << pair.first << " and " << pair.second;
    }
    // Taken before the board's own check is in, the pair is judged with the board before it.
    setUp(kDragon, found->board);
    click(found->pair);
    answer();
    EXPECT_EQ(view.solverNote, kLosingPair);
}

TEST_F(SolverHelpTest, TheHintKeepsTheGameWinnableWhereTheClassicHintWouldLoseIt) {
    // A position whose classic hint (the highest first tile) loses the game.
    const auto found = alongALine(kPyramid, [](const Board& board) {
        const auto classic = hintPair(board, rulesOf(kPyramid));
        const Verdict then = verdictOf(after(board, kPyramid, *classic), kPyramid);
        return then == Verdict::NotWinnable ? classic : std::nullopt;
    });
    ASSERT_TRUE(found);
    game.setSolverOptions({.warnLosingMove = true});
    setUp(kPyramid, found->board);
    answer();
    game.hint();
    view.runTimer(game);
    ASSERT_EQ(view.framesShown.size(), 2u);
    const TilePair hinted{view.framesShown[0].tile, view.framesShown[1].tile};
    EXPECT_EQ(verdictOf(after(found->board, kPyramid, hinted), kPyramid), Verdict::Winnable);
}

TEST_F(SolverHelpTest, ADealThatWasNeverWinnableIsSaidSoOnce) {
    game.setSolverOptions({.warnLosingMove = true});
    game.chooseLayout(kPyramid);
    answer();
    ASSERT_EQ(view.solverNote, "") << "a deal that can be won comes first";
    game.playDeal(firstLostDeal(kPyramid));
    answer();
    EXPECT_EQ(view.solverNote, "This game cannot be won, whatever is played.");
    // Play goes on; the next pair takes the line away and it does not come back.
    const auto pair = hintPair(game.board(), rulesOf(kPyramid));
    ASSERT_TRUE(pair);
    click(*pair);
    EXPECT_EQ(view.solverNote, "");
    view.posted.waitAndRun(std::chrono::milliseconds(300));
    EXPECT_EQ(view.solverNote, "");
}

TEST_F(SolverHelpTest, ShuffleFindsAnArrangementThatCanBeWonOrSaysItShuffledAsUsual) {
    game.setSolverOptions({.winnableDeals = true});
    // A lost Dragon deal shuffled into one that can be won, the same faces on the same tiles.
    game.chooseLayout(kDragon);
    answer();
    game.playDeal(firstLostDeal(kDragon));
    const Board before = game.board();
    game.shuffle();
    EXPECT_FALSE(game.available().board);
    answer();
    EXPECT_TRUE(game.available().board);
    EXPECT_EQ(view.solverNote, "");
    EXPECT_NE(game.board(), before);
    EXPECT_EQ(verdictOf(game.board(), kDragon), Verdict::Winnable);
    EXPECT_FALSE(game.available().undo);
    // Four tiles of one face, three of them in one stack of Pyramid (105 on 78 on 27): however
    // the faces go, the middle one waits for the bottom one.
    keepOnly(kPyramid, {{105, 0, true}, {78, 0, false}, {27, 0, false}, {0, 0, true}});
    game.shuffle();
    answer();
    EXPECT_EQ(view.solverNote, kNoWinnableShuffle);
    EXPECT_TRUE(game.available().board);
    EXPECT_EQ(game.board().tilesLeft(), 4);
}

}  // namespace
}  // namespace varnel::testing
