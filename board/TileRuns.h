#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "GameState.h"

// The stacked layouts are made of runs: tiles side by side in one row of one layer, the index
// growing leftward. A run is placed from its right-most tile by steps of one tile width less
// the 5-pixel overlap, rounding at every step.
namespace varnel {

enum class StartFree { None, Ends, FirstOnly, All };

// The sizes are Singles, and so is every product and sum of these formulas: a place worked out
// in double precision can land on the other side of a half and round to the next pixel.
struct TileRun {
    int16_t first;
    int16_t last;
    // X of the first tile = board width + xW * TileWidth + xS * BoardScale
    float xW, xS;
    // Y of the run = yS * BoardScale + yH * (TileHeight - hS * BoardScale - hC)
    float yS, yH, hS, hC;
    StartFree startFree;
};

// Sets X and Y of every tile of the runs, and Free of the tiles free from the start.
void PlaceRuns(GameState& state, std::span<const TileRun> runs);

// Which tile lies directly on which. A tile lies on at most one tile in these layouts; in the
// other direction, only the top of Dragon covers more than one.
class TileStacks {
public:
    struct Stack {
        int16_t upperFirst, upperLast, lowerFirst;  // upperFirst + i lies on lowerFirst + i
    };
    explicit TileStacks(std::span<const Stack> stacks);
    void Lay(int16_t upper, int16_t lower);

    int16_t Above(int16_t tile) const { return above_[tile]; }  // -1 when nothing lies on it
    int16_t Below(int16_t tile) const { return below_[tile]; }  // -1 when it lies on the table

private:
    std::array<int16_t, kTableSize> above_;
    std::array<int16_t, kTableSize> below_;
};

// Side step: tile n, whose row neighbour has gone, is free unless a present tile lies on it.
void FreeUnlessCovered(GameState& state, const TileStacks& stacks, int16_t n);
// Beneath step: the tile that k lay on is free once one of its row neighbours has gone.
void FreeBeneath(GameState& state, const TileStacks& stacks, int16_t k);

}  // namespace varnel
