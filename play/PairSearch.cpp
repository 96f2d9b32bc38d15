#include "play/PairSearch.h"

namespace varnel {

bool isRemovablePair(const Board& board, const Layout& layout, int16_t i, int16_t j) {
    const Tile& a = board[i];
    const Tile& b = board[j];
    if (!a.present() || !a.free || !b.present() || !b.free) return false;
    return a.face == b.face && layout.pairJoined(board, i, j);
}

int countPairs(const Board& board, const Layout& layout) {
    int count = 0;
    for (int16_t i = 0; i < board.tileCount() - 1; ++i) {
        if (!board[i].present() || !board[i].free) continue;
        for (int16_t j = static_cast<int16_t>(i + 1); j < board.tileCount(); ++j)
            if (isRemovablePair(board, layout, i, j)) ++count;
    }
    return count;
}

std::vector<std::pair<int16_t, int16_t>> removablePairs(const Board& board, const Layout& layout) {
    std::vector<std::pair<int16_t, int16_t>> pairs;
    for (int16_t i = 0; i < board.tileCount() - 1; ++i)
        for (int16_t j = static_cast<int16_t>(i + 1); j < board.tileCount(); ++j)
            if (isRemovablePair(board, layout, i, j)) pairs.emplace_back(i, j);
    return pairs;
}

std::optional<std::pair<int16_t, int16_t>> hintPair(const Board& board, const Layout& layout) {
    for (int16_t i = static_cast<int16_t>(board.tileCount() - 2); i >= 0; --i) {
        if (!board[i].present() || !board[i].free) continue;
        for (int16_t j = static_cast<int16_t>(i + 1); j < board.tileCount(); ++j)
            if (isRemovablePair(board, layout, i, j)) return std::pair{i, j};
    }
    return std::nullopt;
}

}  // namespace varnel
