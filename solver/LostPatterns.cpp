#include "solver/LostPatterns.h"

#include <bit>

namespace varnel {

PairingBits PairingBits::all() {
    PairingBits bits;
    for (int g = 0; g < kMaxGroups; ++g) bits.set(g, 7);
    return bits;
}

PairingBits PairingBits::of(const std::array<uint8_t, kMaxGroups>& allowed) {
    PairingBits bits;
    for (int g = 0; g < kMaxGroups; ++g) bits.set(g, allowed[static_cast<std::size_t>(g)]);
    return bits;
}

int PairingBits::onlyGroupBeyond(const PairingBits& bound) const {
    int found = -1;
    for (int i = 0; i < kWords; ++i) {
        uint64_t beyond = words_[i] & ~bound.words_[i];
        if (!beyond) continue;
        // Gather each group's three bits into its lowest one.
        beyond = (beyond | beyond >> 1 | beyond >> 2) & 0x1249249249249249u;
        if (found >= 0 || (beyond & (beyond - 1))) return -2;
        found = i * 21 + std::countr_zero(beyond) / 3;
    }
    return found;
}

void LostPattern::resolve(int group, const LostPattern& reason) {
    tiles |= reason.tiles;
    const uint8_t mine = allowed.get(group);
    for (int g = 0; g < kMaxGroups; ++g) allowed.set(g, static_cast<uint8_t>(allowed.get(g) & reason.allowed.get(g)));
    allowed.set(group, static_cast<uint8_t>(mine | reason.allowed.get(group)));
}

int LostPatterns::find(const TileSet& present, const PairingBits& pairings) const {
    for (int i = 0; i < static_cast<int>(patterns_.size()); ++i) {
        if (patterns_[static_cast<std::size_t>(i)].holdsIn(present, pairings)) return i;
    }
    return -1;
}

void LostPatterns::add(const LostPattern& pattern) {
    if (patterns_.size() < kMaxPatterns) {
        patterns_.push_back(pattern);
        return;
    }
    patterns_[next_] = pattern;
    next_ = (next_ + 1) % kMaxPatterns;
}

}  // namespace varnel
