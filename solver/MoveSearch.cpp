#include "solver/MoveSearch.h"

#include <algorithm>

namespace varnel {

MoveSearch::MoveSearch(const Board& board, const SolverRules& rules, SearchLimits& limits)
    : rules_(rules), limits_(limits), root_(board) {
    for (int16_t tile = 0; tile < board.tileCount(); ++tile) {
        if (board[tile].present()) rootPresent_.insert(tile);
    }
}

std::size_t MoveSearch::KeyHash::operator()(const Key& key) const {
    uint64_t h = 0x9e3779b97f4a7c15u;
    for (uint64_t word : key) {
        h ^= word + 0x9e3779b97f4a7c15u + (h << 6) + (h >> 2);
        h *= 0xbf58476d1ce4e5b9u;
        h ^= h >> 31;
    }
    return static_cast<std::size_t>(h);
}

Verdict MoveSearch::run(uint64_t maxNodes, std::vector<TilePair>& moves) {
    stopAt_ = limits_.nodes() + maxNodes;
    moves_.clear();
    const Outcome outcome = search(root_, rootPresent_);
    if (outcome == Outcome::Won) {
        moves = moves_;
        return Verdict::Winnable;
    }
    moves.clear();
    return outcome == Outcome::Lost ? Verdict::NotWinnable : Verdict::Unknown;
}

void MoveSearch::openPairs(const Board& board, const TileSet& present, std::vector<TilePair>& pairs) const {
    // The free tiles of each face, and how many of each face are left.
    std::array<std::array<int16_t, 4>, 256> freeOfFace;
    std::array<uint8_t, 256> freeCount{}, leftCount{};
    bool crowded = false;
    present.forEach([&](int16_t tile) {
        const auto face = static_cast<uint8_t>(board[tile].face);
        ++leftCount[face];
        if (!board[tile].free) return;
        if (freeCount[face] == 4) {
            crowded = true;
            return;
        }
        freeOfFace[face][freeCount[face]++] = tile;
    });
    std::array<TilePair, 6 * 72> asked;
    std::array<bool, 6 * 72> joined{};
    std::array<uint8_t, 6 * 72> leftOfPair{};
    std::size_t count = 0;
    for (int face = 0; face < 256 && !crowded; ++face) {
        const int n = freeCount[static_cast<std::size_t>(face)];
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) {
                if (count == asked.size()) break;
                leftOfPair[count] = leftCount[static_cast<std::size_t>(face)];
                asked[count++] = {freeOfFace[static_cast<std::size_t>(face)][static_cast<std::size_t>(i)],
                                  freeOfFace[static_cast<std::size_t>(face)][static_cast<std::size_t>(j)]};
            }
    }
    if (rules_.pairRuleLooksAtBoard())
        rules_.layout().pairsJoined(board, std::span(asked.data(), count), std::span(joined.data(), count));
    else
        std::fill(joined.begin(), joined.begin() + static_cast<std::ptrdiff_t>(count), true);
    pairs.clear();
    for (std::size_t i = 0; i < count; ++i) {
        if (!joined[i]) continue;
        // The last two tiles of a face, joined now, can only go together: taking them at once
        // loses nothing, since taking never blocks another pair.
        if (leftOfPair[i] == 2) {
            pairs.assign(1, asked[i]);
            return;
        }
        pairs.push_back(asked[i]);
    }
}

MoveSearch::Outcome MoveSearch::search(const Board& board, const TileSet& present) {
    if (present.empty()) return Outcome::Won;
    if (limits_.nodes() >= stopAt_ || !limits_.step()) return Outcome::Stopped;
    Key key{};
    for (int i = 0; i < TileSet::kWords; ++i) key[static_cast<std::size_t>(i)] = present.words()[static_cast<std::size_t>(i)];
    if (lost_.contains(key)) return Outcome::Lost;
    std::vector<TilePair> pairs;
    openPairs(board, present, pairs);
    for (const auto& [a, b] : pairs) {
        Board next = board;
        rules_.take(next, a, b);
        TileSet left = present;
        left.erase(a);
        left.erase(b);
        moves_.emplace_back(a, b);
        const Outcome outcome = search(next, left);
        if (outcome != Outcome::Lost) return outcome;
        moves_.pop_back();
    }
    // Forgetting only costs time; a long search would otherwise fill memory.
    if (lost_.size() >= kMaxLost) lost_.clear();
    lost_.insert(key);
    return Outcome::Lost;
}

}  // namespace varnel
