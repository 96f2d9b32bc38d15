#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "board/Board.h"

// The layouts are made of runs: tiles side by side in one row of one layer, the number growing
// leftward. A run is placed from its right-most tile by steps of one tile width less the
// overlap of the tiles' sides, rounding at every step.
namespace varnel {

enum class StartFree { None, Ends, FirstOnly, All };

// The size the layout is laid out at: one tile cell, the scale of the 5-unit side, and the
// board's whole width, all in the units of the places wanted (pixels, for the display).
struct CellSize {
    float width, height, scale;
    int boardWidth;
};

struct TilePlace {
    int16_t x = 0, y = 0;  // the tile's top-left corner
    friend bool operator==(const TilePlace&, const TilePlace&) = default;
};
using TilePlaces = std::array<TilePlace, kMaxTiles>;

// The sizes are single precision, and so is every product and sum of these formulas: a place
// worked out in double precision can land on the other side of a half and round to the next
// pixel.
struct TileRun {
    int16_t first;
    int16_t last;
    // X of the first tile = board width + xW * cell width + xS * scale
    float xW, xS;
    // Y of the run = yS * scale + yH * (cell height - hS * scale - hC)
    float yS, yH, hS, hC;
    StartFree startFree;
};

// Sets the place of every tile of the runs.
void placeRuns(std::span<const TileRun> runs, const CellSize& cell, TilePlaces& places);
// Marks the tiles free from the start.
void markRunsStartFree(std::span<const TileRun> runs, Board& board);

}  // namespace varnel
