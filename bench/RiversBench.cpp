#include <benchmark/benchmark.h>

#include <random>
#include <utility>
#include <vector>

#include "Game.h"
#include "GameWindow.h"
#include "RiversLayout.h"
#include "RiversPick.h"

// What the Rivers rule costs where the player waits for it: the pair count that follows every
// taken pair, and a whole game played out by the engine.
namespace varnel {
namespace {

// Shows nothing, waits for nothing and answers every question with No.
class SilentWindow final : public GameWindow {
  public:
    void SetCommandEnabled(Command, bool) override {}
    void SetLayoutChecked(int16_t) override {}
    void SetBoardEnabled(bool) override {}
    void SetBusy(bool) override {}
    void PlaceLabels(int16_t, int16_t, int16_t, int16_t) override {}
    void SetScoreCaption(const std::string&) override {}
    void SetMessageVisible(bool) override {}
    void ShowFrame(int16_t, int16_t) override {}
    void HideFrame() override {}
    void Beep() override {}
    void Pause(float) override {}
    void DisplayBoard() override {}
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    void SetMatchPanelVisible(bool) override {}
    void WriteSetting(const std::string&, const std::string&) override {}
    void ExitProgram() override {}
};

struct RiversTable {
    explicit RiversTable(uint32_t seed) : random([n = seed]() mutable { return n++; }) {
        state.CurrentLayout = kRivers;
        game.NewGame();
    }

    void Click(int16_t tile) {
        const TileRec& rec = state.Tiles[tile];
        game.picBoard_MouseUp(1, rec.X + state.TileWidth / 2, rec.Y + state.TileHeight / 2);
    }

    // Takes one of the pairs open now, chosen at random, the way the player would: two clicks.
    // False when the board is stuck or empty.
    bool TakeRandomPair(std::mt19937& rng) {
        std::vector<std::pair<int16_t, int16_t>> open;
        for (int16_t i = 0; i < state.TileCount; ++i)
            for (int16_t j = static_cast<int16_t>(i + 1); j < state.TileCount; ++j)
                if (game.IsRemovablePair(i, j)) open.emplace_back(i, j);
        if (open.empty()) return false;
        const auto [first, second] = open[rng() % open.size()];
        Click(first);
        Click(second);
        return true;
    }

    GameState state;
    SilentWindow window;
    Random random;
    Game game{state, window, random, RiversLayout()};
};

constexpr int kBoards = 16;

std::vector<GameState> FreshBoards() {
    std::vector<GameState> boards;
    for (uint32_t seed = 0; boards.size() < kBoards; ++seed)
        boards.push_back(RiversTable(seed).state);
    return boards;
}

// Boards played down to half their tiles by random takes; deals that get stuck earlier are
// passed over.
std::vector<GameState> HalfClearedBoards() {
    std::vector<GameState> boards;
    std::mt19937 rng(5);
    for (uint32_t seed = 100; boards.size() < kBoards; ++seed) {
        RiversTable table(seed);
        while (table.state.TilesLeft > 42 && table.TakeRandomPair(rng)) {
        }
        if (table.state.TilesLeft == 42) boards.push_back(table.state);
    }
    return boards;
}

void CountPairsOn(benchmark::State& bench, const std::vector<GameState>& boards) {
    SilentWindow window;
    Random random;
    std::vector<GameState> states = boards;
    std::vector<Game> games;
    for (GameState& state : states) games.emplace_back(state, window, random, RiversLayout());
    std::size_t k = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(games[k].CountPairs());
        k = (k + 1) % games.size();
    }
}

void BM_CountPairsFreshBoard(benchmark::State& bench) {
    CountPairsOn(bench, FreshBoards());
}
BENCHMARK(BM_CountPairsFreshBoard);

void BM_CountPairsHalfCleared(benchmark::State& bench) {
    CountPairsOn(bench, HalfClearedBoards());
}
BENCHMARK(BM_CountPairsHalfCleared);

// One path test, averaged over every pair of tiles on half-cleared boards.
void BM_RiversPickHalfCleared(benchmark::State& bench) {
    const std::vector<GameState> boards = HalfClearedBoards();
    std::vector<std::pair<int16_t, int16_t>> pairs;
    for (int16_t i = 0; i < 84; ++i)
        for (int16_t j = static_cast<int16_t>(i + 1); j < 84; ++j) pairs.emplace_back(i, j);
    std::size_t k = 0;
    for (auto _ : bench) {
        const auto [a, b] = pairs[k % pairs.size()];
        benchmark::DoNotOptimize(RiversPick(boards[k % boards.size()].Tiles, a, b));
        ++k;
    }
}
BENCHMARK(BM_RiversPickHalfCleared);

// A new deal, then random open pairs until the board is won or stuck; every take runs the
// end-of-game pair count as in play.
void BM_PlayWholeGame(benchmark::State& bench) {
    std::mt19937 rng(11);
    uint32_t seed = 1000;
    int64_t games = 0, won = 0, pairsTaken = 0;
    for (auto _ : bench) {
        RiversTable table(seed++);
        while (table.TakeRandomPair(rng)) ++pairsTaken;
        ++games;
        won += table.state.TilesLeft == 0;
    }
    bench.counters["won"] = benchmark::Counter(static_cast<double>(won) / games);
    bench.counters["pairs"] = benchmark::Counter(static_cast<double>(pairsTaken) / games);
}
BENCHMARK(BM_PlayWholeGame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varnel
