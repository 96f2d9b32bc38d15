#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "solver/FaceGroups.h"
#include "solver/TileSet.h"

namespace varnel {

// The pairings still allowed to every group, three bits a group, so that comparing them with a
// pattern is a few word operations.
class PairingBits {
  public:
    static constexpr int kWords = (3 * kMaxGroups + 63) / 64;

    static PairingBits all();
    static PairingBits of(const std::array<uint8_t, kMaxGroups>& allowed);

    uint8_t get(int group) const {
        return static_cast<uint8_t>(words_[word(group)] >> shift(group) & 7u);
    }
    void set(int group, uint8_t pairings) {
        uint64_t& w = words_[word(group)];
        w = (w & ~(uint64_t{7} << shift(group))) | (uint64_t{pairings & 7u} << shift(group));
    }
    // Whether every group allows here no pairing that `bound` does not.
    bool within(const PairingBits& bound) const {
        for (int i = 0; i < kWords; ++i)
            if (words_[i] & ~bound.words_[i]) return false;
        return true;
    }
    // The one group that allows a pairing `bound` does not, -1 when none does, -2 when several.
    int onlyGroupBeyond(const PairingBits& bound) const;
    const std::array<uint64_t, kWords>& words() const { return words_; }

  private:
    // 21 groups a word, so that no group straddles two words.
    static constexpr int word(int group) { return group / 21; }
    static constexpr int shift(int group) { return 3 * (group % 21); }
    std::array<uint64_t, kWords> words_{};
};

// A pattern of a lost game: while all of `tiles` are present and every group allows no pairing
// beyond `allowed`, the board can never be cleared, whatever else lies on it. Free flags follow
// from the tiles gone and taking tiles never blocks others, so a pattern found once holds in
// every position the search meets with those tiles still there; the tiles of groups it says
// nothing of, and all the tiles not in it, may be anywhere.
struct LostPattern {
    TileSet tiles;
    PairingBits allowed = PairingBits::all();

    bool holdsIn(const TileSet& present, const PairingBits& pairings) const {
        TileSet missing = tiles;
        missing &= present;
        return missing == tiles && pairings.within(allowed);
    }
    // Merges in another pattern that rules out the pairings `regained` of `group`: both
    // together lose whenever the group keeps to the pairings either allows and every other group
    // to what both allow, since a win settles the group on one pairing.
    void resolve(int group, const LostPattern& reason);
};

// The patterns the search has learnt, most recent first when the store is full: a position is
// given up as soon as one holds, and a pattern that holds but for one group rules out that
// group's pairings it names.
class LostPatterns {
  public:
    // The index of a pattern that holds here, or -1.
    int find(const TileSet& present, const PairingBits& pairings) const;
    // Every pattern that holds but for one group, which allows a pairing it names: calls
    // f(group, index).
    template <typename F>
    void forEachNearMiss(const TileSet& present, const PairingBits& pairings, F&& f) const {
        for (int i = 0; i < static_cast<int>(patterns_.size()); ++i) {
            const LostPattern& pattern = patterns_[static_cast<std::size_t>(i)];
            TileSet here = pattern.tiles;
            here &= present;
            if (!(here == pattern.tiles)) continue;
            const int group = pairings.onlyGroupBeyond(pattern.allowed);
            if (group >= 0) f(group, i);
        }
    }
    const LostPattern& operator[](int index) const { return patterns_[static_cast<std::size_t>(index)]; }
    void add(const LostPattern& pattern);
    int size() const { return static_cast<int>(patterns_.size()); }

  private:
    // Looking through them is the price of every position; past this many, the oldest go.
    static constexpr std::size_t kMaxPatterns = 2048;
    std::vector<LostPattern> patterns_;
    std::size_t next_ = 0;
};

}  // namespace varnel
