#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "board/Board.h"
#include "layouts/Layout.h"

// The one search over the board that Hint, Remaining and the end of a game share.
namespace varnel {

// Whether tiles i and j could be taken now as a pair: both present and free, equal faces, and
// joined by the layout's pair rule.
bool isRemovablePair(const Board& board, const Layout& layout, int16_t i, int16_t j);

// The pairs that could be taken now, each pair of tiles counted once: four free tiles of one
// face make six pairs.
int countPairs(const Board& board, const Layout& layout);

// Those pairs themselves, the lower tile first.
std::vector<std::pair<int16_t, int16_t>> removablePairs(const Board& board, const Layout& layout);

// The pair a hint shows: the one with the highest first tile, and for it the lowest partner.
std::optional<std::pair<int16_t, int16_t>> hintPair(const Board& board, const Layout& layout);

}  // namespace varnel
