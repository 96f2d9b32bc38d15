#include "RiversLayout.h"

#include "Deal.h"
#include "RiversGrid.h"
#include "RiversPick.h"
#include "TileRuns.h"

namespace varnel {
namespace {

// Each row starts two tile widths in from the right edge of the board and steps leftward; the
// rows lie one tile height apart less the 5-pixel overlap. The top and bottom rows lie wholly
// on the edge of the grid, the other rows touch it with their two ends.
constexpr TileRun kRiversRowRuns[] = {
    {0, 13, -2, 0, 0, 1, 0, 0, StartFree::All},      {14, 27, -2, 0, -5, 2, 0, 0, StartFree::Ends},
    {28, 41, -2, 0, -10, 3, 0, 0, StartFree::Ends},  {42, 55, -2, 0, -15, 4, 0, 0, StartFree::Ends},
    {56, 69, -2, 0, -20, 5, 0, 0, StartFree::Ends},  {70, 83, -2, 0, -25, 6, 0, 0, StartFree::All},
};

void FreeIfEqual(GameState& state, int16_t a, int16_t b) {
    TileRec& tileA = state.Tiles[a];
    TileRec& tileB = state.Tiles[b];
    // Two taken tiles side by side are not a pair of equal faces.
    if (!IsPresent(tileA) || tileA.Face != tileB.Face) return;
    tileA.Free = kTrue;
    tileB.Free = kTrue;
}

class Rivers final : public Layout {
  public:
    void BuildLayout(GameState& state, Random& random, DealMode mode) const override {
        BuildRiversBoard(state, random, mode);
        BuildRivers(state);
    }
    void UpdateFree(GameState& state, int16_t k) const override { ModifyRivers(state, k); }
    bool PairConnected(const TileTable& tiles, int16_t first, int16_t second) const override {
        return RiversPick(tiles, first, second);
    }
};

}  // namespace

void BuildRiversBoard(GameState& state, Random& random, DealMode mode) {
    DealFaces(state, random, kRiversTileCount, mode);
}

void BuildRivers(GameState& state) {
    PlaceRuns(state, kRiversRowRuns);
    for (int row = 0; row < kRiversRows; ++row) {
        for (int column = 0; column < kRiversColumns; ++column) {
            const int16_t tile = RiversIndex(row, column);
            if (column + 1 < kRiversColumns) FreeIfEqual(state, tile, RiversIndex(row, column + 1));
            if (row + 1 < kRiversRows) FreeIfEqual(state, tile, RiversIndex(row + 1, column));
        }
    }
}

void ModifyRivers(GameState& state, int16_t indx) {
    if (!IsRiversTile(indx)) return;
    const int row = RiversRow(indx);
    const int column = RiversColumn(indx);
    auto free = [&state](int r, int c) {
        if (r >= 0 && r < kRiversRows && c >= 0 && c < kRiversColumns)
            state.Tiles[RiversIndex(r, c)].Free = kTrue;
    };
    free(row - 1, column);
    free(row + 1, column);
    free(row, column - 1);
    free(row, column + 1);
}

const Layout& RiversLayout() {
    static const Rivers rivers;
    return rivers;
}

}  // namespace varnel
