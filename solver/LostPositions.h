#pragma once

#include <array>
#include <cstdint>
#include <unordered_set>

#include "solver/FaceGroups.h"
#include "solver/TileSet.h"

namespace varnel {

// The positions already proved lost, so that a position met again by another order of play is
// not searched twice. A position is the tiles present and the pairings still allowed to each
// group; free flags follow from the tiles gone. Kept whole, not hashed away, so that a hit is
// never a false one.
class LostPositions {
  public:
    using Key = std::array<uint64_t, TileSet::kWords + 4>;

    static Key keyOf(const TileSet& present, const std::array<uint8_t, kMaxGroups>& allowed);
    bool contains(const Key& key) const { return lost_.contains(key); }
    void insert(const Key& key);

  private:
    struct Hash {
        std::size_t operator()(const Key& key) const;
    };
    static constexpr std::size_t kMaxEntries = 1 << 20;
    std::unordered_set<Key, Hash> lost_;
};

}  // namespace varnel
