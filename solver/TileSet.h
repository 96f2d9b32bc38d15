#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "board/Tile.h"

namespace varnel {

// A set of tile numbers of one board, one bit a tile: the tiles still present, the tiles a tile
// waits for. Small enough to copy with every position the solver looks at.
class TileSet {
  public:
    static constexpr int kWords = (kMaxTiles + 63) / 64;

    bool contains(int tile) const { return (words_[word(tile)] >> bit(tile)) & 1u; }
    void insert(int tile) { words_[word(tile)] |= uint64_t{1} << bit(tile); }
    void erase(int tile) { words_[word(tile)] &= ~(uint64_t{1} << bit(tile)); }

    bool empty() const {
        for (uint64_t w : words_)
            if (w) return false;
        return true;
    }
    int size() const {
        int n = 0;
        for (uint64_t w : words_) n += std::popcount(w);
        return n;
    }
    bool intersects(const TileSet& other) const {
        for (int i = 0; i < kWords; ++i)
            if (words_[i] & other.words_[i]) return true;
        return false;
    }
    TileSet& operator|=(const TileSet& other) {
        for (int i = 0; i < kWords; ++i) words_[i] |= other.words_[i];
        return *this;
    }
    TileSet& operator&=(const TileSet& other) {
        for (int i = 0; i < kWords; ++i) words_[i] &= other.words_[i];
        return *this;
    }

    // Calls f(tile) for every tile of the set, lowest number first.
    template <typename F>
    void forEach(F&& f) const {
        for (int i = 0; i < kWords; ++i) {
            for (uint64_t w = words_[i]; w; w &= w - 1)
                f(static_cast<int16_t>(i * 64 + std::countr_zero(w)));
        }
    }

    const std::array<uint64_t, kWords>& words() const { return words_; }
    friend bool operator==(const TileSet&, const TileSet&) = default;

  private:
    static constexpr int word(int tile) { return tile >> 6; }
    static constexpr int bit(int tile) { return tile & 63; }
    std::array<uint64_t, kWords> words_{};
};

}  // namespace varnel
