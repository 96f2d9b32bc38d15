#include "solver/LostPositions.h"

namespace varnel {

LostPositions::Key LostPositions::keyOf(const TileSet& present,
                                        const std::array<uint8_t, kMaxGroups>& allowed) {
    Key key{};
    for (int i = 0; i < TileSet::kWords; ++i) key[static_cast<std::size_t>(i)] = present.words()[static_cast<std::size_t>(i)];
    // Three bits a group, 21 groups a word.
    for (int g = 0; g < kMaxGroups; ++g) {
        key[static_cast<std::size_t>(TileSet::kWords + g / 21)] |=
            uint64_t{allowed[static_cast<std::size_t>(g)]} << (3 * (g % 21));
    }
    return key;
}

void LostPositions::insert(const Key& key) {
    // A long search would otherwise fill memory; forgetting only costs time.
    if (lost_.size() >= kMaxEntries) lost_.clear();
    lost_.insert(key);
}

std::size_t LostPositions::Hash::operator()(const Key& key) const {
    uint64_t h = 0x9e3779b97f4a7c15u;
    for (uint64_t word : key) {
        h ^= word + 0x9e3779b97f4a7c15u + (h << 6) + (h >> 2);
        h *= 0xbf58476d1ce4e5b9u;
        h ^= h >> 31;
    }
    return static_cast<std::size_t>(h);
}

}  // namespace varnel
