#include "layouts/TileRuns.h"

#include "board/Rounding.h"
#include "layouts/LayoutUnits.h"

namespace varnel {

void placeRuns(std::span<const TileRun> runs, const CellSize& cell, TilePlaces& places) {
    const float w = cell.width;
    const float h = cell.height;
    const float s = cell.scale;
    const auto boardWidth = static_cast<float>(cell.boardWidth);
    for (const TileRun& run : runs) {
        int16_t x = roundToInt16(boardWidth + run.xW * w + run.xS * s);
        const float rowHeight = h - run.hS * s - run.hC;
        const int16_t y = roundToInt16(run.yS * s + run.yH * rowHeight);
        for (int16_t i = run.first; i <= run.last; ++i) {
            places[static_cast<std::size_t>(i)] = {x, y};
            x = roundToInt16(x - w + units::kSideDepth * s);
        }
    }
}

void markRunsStartFree(std::span<const TileRun> runs, Board& board) {
    for (const TileRun& run : runs) {
        switch (run.startFree) {
            case StartFree::None:
                break;
            case StartFree::FirstOnly:
                board.setFree(run.first);
                break;
            case StartFree::Ends:
                board.setFree(run.first);
                board.setFree(run.last);
                break;
            case StartFree::All:
                for (int16_t i = run.first; i <= run.last; ++i) board.setFree(i);
                break;
        }
    }
}

}  // namespace varnel
