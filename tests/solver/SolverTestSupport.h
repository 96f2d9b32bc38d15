#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <vector>

#include "board/Deal.h"
#include "play/Game.h"
#include "play/LayoutTable.h"
#include "play/PairSearch.h"
#include "solver/Solver.h"
#include "solver/TileSet.h"

namespace varnel::testing {

inline const Layout& rulesOf(int16_t layout) {
    return findLayout(layout)->rules;
}

inline Board freshDeal(int16_t layout, uint32_t number) {
    Board board = dealFaces(rulesOf(layout).tileCount(), number);
    rulesOf(layout).markStartFree(board);
    return board;
}

inline Verdict verdictOf(const Board& board, int16_t layout) {
    return solve(board, rulesOf(layout)).verdict;
}

// The first deal number from `first` on that the solver proves lost.
inline uint32_t firstLostDeal(int16_t layout, uint32_t first = 1) {
    while (verdictOf(freshDeal(layout, first), layout) != Verdict::NotWinnable) ++first;
    return first;
}

inline TileSet presentTiles(const Board& board) {
    TileSet present;
    for (int16_t t = 0; t < board.tileCount(); ++t)
        if (board[t].present()) present.insert(t);
    return present;
}

// Whether the moves, each checked by the game's own pair test, clear the board.
inline bool replayClears(Board board, const Layout& layout, const std::vector<TilePair>& moves) {
    for (const auto& [a, b] : moves) {
        if (!isRemovablePair(board, layout, a, b)) return false;
        layout.takePair(board, a, b);
    }
    return board.tilesLeft() == 0;
}

// Every order of every pair, remembering the positions (tiles and free flags alike) already
// found lost: the plain answer for boards of a few faces.
class ExhaustiveSearch {
  public:
    explicit ExhaustiveSearch(const Layout& layout) : layout_(layout) {}
    bool winnable(const Board& board) {
        if (board.tilesLeft() == 0) return true;
        std::vector<int8_t> key;
        for (const Tile& t : board.tiles())
            key.push_back(static_cast<int8_t>(t.present() ? t.free : 2));
        if (lost_.contains(key)) return false;
        for (const auto& [a, b] : removablePairs(board, layout_)) {
            Board next = board;
            layout_.takePair(next, a, b);
            if (winnable(next)) return true;
        }
        lost_.insert(key);
        return false;
    }

  private:
    const Layout& layout_;
    std::set<std::vector<int8_t>> lost_;
};

}  // namespace varnel::testing
