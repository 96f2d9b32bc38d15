#include "TileRuns.h"

#include "Conversions.h"

namespace varnel {

void PlaceRuns(GameState& state, std::span<const TileRun> runs) {
    const float w = state.TileWidth;
    const float h = state.TileHeight;
    const float s = state.BoardScale;
    const auto boardWidth = static_cast<float>(state.BoardScaleWidth);
    for (const TileRun& run : runs) {
        int16_t x = CInt(boardWidth + run.xW * w + run.xS * s);
        const float rowHeight = h - run.hS * s - run.hC;
        const int16_t y = CInt(run.yS * s + run.yH * rowHeight);
        for (int16_t i = run.first; i <= run.last; ++i) {
            state.Tiles[i].X = x;
            state.Tiles[i].Y = y;
            x = CInt(x - w + 5 * s);
        }
        switch (run.startFree) {
            case StartFree::None:
                break;
            case StartFree::FirstOnly:
                state.Tiles[run.first].Free = kTrue;
                break;
            case StartFree::Ends:
                state.Tiles[run.first].Free = kTrue;
                state.Tiles[run.last].Free = kTrue;
                break;
            case StartFree::All:
                for (int16_t i = run.first; i <= run.last; ++i) state.Tiles[i].Free = kTrue;
                break;
        }
    }
}

TileStacks::TileStacks(std::span<const Stack> stacks) {
    above_.fill(-1);
    below_.fill(-1);
    for (const Stack& stack : stacks) {
        for (int16_t upper = stack.upperFirst; upper <= stack.upperLast; ++upper)
            Lay(upper, static_cast<int16_t>(stack.lowerFirst + (upper - stack.upperFirst)));
    }
}

void TileStacks::Lay(int16_t upper, int16_t lower) {
    above_[lower] = upper;
    below_[upper] = lower;
}

void FreeUnlessCovered(GameState& state, const TileStacks& stacks, int16_t n) {
    const int16_t cover = stacks.Above(n);
    if (cover >= 0 && IsPresent(state.Tiles[cover])) return;
    state.Tiles[n].Free = kTrue;
}

void FreeBeneath(GameState& state, const TileStacks& stacks, int16_t k) {
    const int16_t u = stacks.Below(k);
    if (u < 0) return;
    // A covered tile is never at the end of its run, so u - 1 and u + 1 are its row neighbours.
    if (!IsPresent(state.Tiles[u - 1]) || !IsPresent(state.Tiles[u + 1]))
        state.Tiles[u].Free = kTrue;
}

}  // namespace varnel
