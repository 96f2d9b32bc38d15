#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "Game.h"
#include "PyramidLayout.h"
#include "RecordingWindow.h"

// The incremental free rules of the stacked layouts, compared after every removal with a rule
// worked out from scratch: a tile is free when it is present, no present tile lies on it, and
// on its left or on its right no present tile touches it.
namespace varnel {
namespace {

struct Cell {
    int layer, row, column;
    auto operator<=>(const Cell&) const = default;
};

// The reference knows the layouts only as cells, written out here from the layout tables.
class ReferenceRule {
public:
    static ReferenceRule Dragon() {
        ReferenceRule rule(144);
        // layer, row, first column, first tile, last tile (columns grow with the index)
        rule.AddRuns({{0, 0, 0, 2, 13},     {0, 1, 2, 14, 21},    {0, 2, 1, 22, 31},
                      {0, 3, 0, 32, 43},    {0, 4, 0, 44, 55},    {0, 5, 1, 56, 65},
                      {0, 6, 2, 66, 73},    {0, 7, 0, 74, 85},    {1, 1, 3, 87, 92},
                      {1, 2, 3, 93, 98},    {1, 3, 3, 99, 104},   {1, 4, 3, 105, 110},
                      {1, 5, 3, 111, 116},  {1, 6, 3, 117, 122},  {2, 2, 4, 123, 126},
                      {2, 3, 4, 127, 130},  {2, 4, 4, 131, 134},  {2, 5, 4, 135, 138},
                      {3, 3, 5, 139, 140},  {3, 4, 5, 141, 142}});
        // The pieces outside the grid: 0 and 1 at the right between rows 3 and 4, 86 at the
        // left, 143 on top of the four tiles of layer 3.
        rule.leftOf_[0] = {1};
        rule.rightOf_[1] = {0};
        rule.leftOf_[1] = {32, 44};
        rule.rightOf_[32] = {1};
        rule.rightOf_[44] = {1};
        rule.leftOf_[43] = {86};
        rule.leftOf_[55] = {86};
        rule.rightOf_[86] = {43, 55};
        for (int tile = 139; tile <= 142; ++tile) rule.coveredBy_[tile] = {143};
        rule.onlyFromTheRight_ = 1;  // tile 1 opens only when tile 0 has gone
        return rule;
    }

    static ReferenceRule Pyramid() {
        ReferenceRule rule(120);
        std::vector<Run> runs;
        int tile = 0;
        for (int layer = 0; layer < 4; ++layer) {
            const int size = 8 - 2 * layer;
            for (int row = layer; row < layer + size; ++row, tile += size)
                runs.push_back({layer, row, 2 + layer, tile, tile + size - 1});
        }
        rule.AddRuns(runs);
        return rule;
    }

    bool IsFree(const TileTable& tiles, int tile) const {
        if (!IsPresent(tiles[tile])) return false;
        for (int upper : coveredBy_[tile])
            if (IsPresent(tiles[upper])) return false;
        auto open = [&](const std::vector<int>& side) {
            for (int other : side)
                if (IsPresent(tiles[other])) return false;
            return true;
        };
        if (tile == onlyFromTheRight_) return open(rightOf_[tile]);
        return open(leftOf_[tile]) || open(rightOf_[tile]);
    }

private:
    struct Run {
        int layer, row, firstColumn, first, last;
    };

    explicit ReferenceRule(int count) : leftOf_(count), rightOf_(count), coveredBy_(count) {}

    void AddRuns(const std::vector<Run>& runs) {
        std::map<Cell, int> cells;
        for (const Run& run : runs)
            for (int tile = run.first; tile <= run.last; ++tile)
                cells[{run.layer, run.row, run.firstColumn + tile - run.first}] = tile;
        for (const auto& [cell, tile] : cells) {
            auto at = [&](Cell c) { return cells.find(c); };
            if (auto it = at({cell.layer, cell.row, cell.column + 1}); it != cells.end())
                leftOf_[tile].push_back(it->second);
            if (auto it = at({cell.layer, cell.row, cell.column - 1}); it != cells.end())
                rightOf_[tile].push_back(it->second);
            if (auto it = at({cell.layer + 1, cell.row, cell.column}); it != cells.end())
                coveredBy_[tile].push_back(it->second);
        }
    }

    std::vector<std::vector<int>> leftOf_, rightOf_, coveredBy_;
    int onlyFromTheRight_ = -1;
};

struct Subject {
    const char* name;
    int16_t layout;
    ReferenceRule reference;
};

// Plays random games and counts the tiles whose flag differs from the reference after a
// removal. Taking single tiles (any free tile alone, straight through the layout's rule)
// reaches many more shapes of the board than the real rules do; pairs of equal free faces are
// clicked as the player would, so that the play logic's choice of rule is checked too. Even
// games pick any move at random; odd games give every tile a random priority and always take
// the move with the most urgent tiles, so that some tiles are kept to the very end (the end
// pieces, say) and the board is cleared round them.
int Mismatches(const Subject& subject, int games, bool byClicks, std::string* firstReport) {
    const LayoutRow& row = *FindLayout(subject.layout);
    const int16_t count = row.tileCount;
    int mismatches = 0;
    for (int game = 0; game < games; ++game) {
        GameState state;
        testing::RecordingWindow window;
        Random random([n = static_cast<uint32_t>(game * 131 + 7)]() mutable { return n++; });
        Game play(state, window, random);
        state.CurrentLayout = subject.layout;
        play.NewGame();
        auto click = [&](int16_t tile) {
            const TileRec& rec = state.Tiles[tile];
            play.picBoard_MouseUp(1, rec.X + state.TileWidth / 2, rec.Y + state.TileHeight / 2);
        };
        std::mt19937 pick(game);
        std::vector<uint32_t> priority(count);
        for (auto& p : priority) p = pick();
        auto check = [&](const std::string& after) {
            for (int tile = 0; tile < count; ++tile) {
                if (!IsPresent(state.Tiles[tile])) continue;
                const bool expected = subject.reference.IsFree(state.Tiles, tile);
                if ((state.Tiles[tile].Free == kTrue) != expected && mismatches++ == 0)
                    *firstReport = std::string(subject.name) + ": tile " + std::to_string(tile) +
                                   " after removing " + after;
            }
        };
        check("nothing");
        const TileTable atStart = state.Tiles;
        for (;;) {
            std::vector<std::pair<int16_t, int16_t>> moves;
            for (int16_t i = 0; i < count; ++i) {
                if (!IsPresent(state.Tiles[i]) || state.Tiles[i].Free != kTrue) continue;
                if (!byClicks) moves.emplace_back(i, -1);
                for (int16_t j = static_cast<int16_t>(i + 1); byClicks && j < count; ++j)
                    if (IsPresent(state.Tiles[j]) && state.Tiles[j].Free == kTrue &&
                        state.Tiles[j].Face == state.Tiles[i].Face)
                        moves.emplace_back(i, j);
            }
            if (moves.empty() || state.TilesLeft == 0) break;
            auto urgency = [&](std::pair<int16_t, int16_t> move) {
                return std::min(priority[move.first],
                                move.second < 0 ? UINT32_MAX : priority[move.second]);
            };
            const auto [a, b] = game % 2 == 0
                                    ? moves[pick() % moves.size()]
                                    : *std::max_element(moves.begin(), moves.end(),
                                                        [&](auto x, auto y) {
                                                            return urgency(x) < urgency(y);
                                                        });
            if (byClicks) {
                click(a);
                click(b);
                if (IsPresent(state.Tiles[a]) || IsPresent(state.Tiles[b])) {
                    *firstReport = "clicking " + std::to_string(a) + " and " +
                                   std::to_string(b) + " did not take them";
                    return mismatches + 1;
                }
            } else {
                state.Tiles[a].Face = kNoFace;
                row.rules.UpdateFree(state, a);
            }
            check(std::to_string(a) + (b >= 0 ? " and " + std::to_string(b) : ""));
        }
        // The first and last tiles have no neighbour beyond their runs: nothing outside the
        // layout is ever written.
        if (!std::equal(state.Tiles.begin() + count, state.Tiles.end(), atStart.begin() + count) &&
            mismatches++ == 0)
            *firstReport = std::string(subject.name) + ": a record beyond the layout changed";
    }
    return mismatches;
}

TEST(FreeRules, EachLayoutFollowsTheNeighbourRuleInEveryGame) {
    for (const Subject& subject : {Subject{"Dragon", kDragon, ReferenceRule::Dragon()},
                                   Subject{"Pyramid", kPyramid, ReferenceRule::Pyramid()}}) {
        std::string report;
        EXPECT_EQ(Mismatches(subject, 1500, false, &report), 0) << report;
        EXPECT_EQ(Mismatches(subject, 300, true, &report), 0) << report;
    }
}

}  // namespace
}  // namespace varnel
