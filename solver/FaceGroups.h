#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "board/Board.h"

namespace varnel {

// The present tiles of a board gathered by face. A group of four can be taken as two pairs in
// three ways, its pairings: pairing p joins slot s with slot s ^ (p + 1), so pairing 0 is
// {0 1}{2 3}, pairing 1 {0 2}{1 3} and pairing 2 {0 3}{1 2}. A group of two has pairing 0 only.
constexpr int kMaxGroups = kMaxTiles / 2;

struct FaceGroup {
    std::array<int16_t, 4> tiles{-1, -1, -1, -1};  // in slot order, lowest tile number first
    int8_t size = 0;                               // 2 or 4
    int8_t face = kNoFace;
};

constexpr int partnerSlot(int slot, int pairing) { return slot ^ (pairing + 1); }
// How many pairings a mask of three bits allows: a table, since the machines the game is built
// for may lack a population-count instruction, and the search asks this at every step.
constexpr int pairingCount(uint8_t mask) { return (0b11'10'10'01'10'01'01'00 >> (2 * (mask & 7))) & 3; }
static_assert(pairingCount(0) == 0 && pairingCount(0b001) == 1 && pairingCount(0b110) == 2 && pairingCount(0b111) == 3);
constexpr int pairingOf(int slotA, int slotB) { return (slotA ^ slotB) - 1; }

class FaceGroups {
  public:
    enum class Shape { Pairs, OddFace, CrowdedFace };
    // Gathers the groups; any face with an odd count of tiles, or more than four, is reported
    // instead.
    static Shape gather(const Board& board, FaceGroups& groups);

    int count() const { return count_; }
    const FaceGroup& operator[](int group) const { return groups_[static_cast<std::size_t>(group)]; }
    int groupOf(int16_t tile) const { return groupOf_[static_cast<std::size_t>(tile)]; }
    int slotOf(int16_t tile) const { return slotOf_[static_cast<std::size_t>(tile)]; }
    // The pairings a group may be taken in before anything rules some out.
    uint8_t allPairings(int group) const { return (*this)[group].size == 4 ? 0b111 : 0b001; }

  private:
    std::array<FaceGroup, kMaxGroups> groups_{};
    std::array<int8_t, kMaxTiles> groupOf_{};
    std::array<int8_t, kMaxTiles> slotOf_{};
    int count_ = 0;
};

}  // namespace varnel
