#include "layouts/DragonLayout.h"

#include "layouts/TileRuns.h"
#include "layouts/TileStacks.h"

namespace varnel {
namespace {

// Rows of layer 0 and up lie at rH - kS; the end pieces (tiles 0, 1 and 86) sit between rows 3
// and 4 at 5S + 3.5(H - 5), with a plain 5.
constexpr TileRun kDragonRuns[] = {
    {0, 1, -1, -10, 5, 3.5f, 0, 5, StartFree::FirstOnly},
    {2, 13, -3, 0, 5, 0, 0, 0, StartFree::Ends},
    {14, 21, -5, 10, 0, 1, 0, 0, StartFree::Ends},
    {22, 31, -4, 5, -5, 2, 0, 0, StartFree::Ends},
    {32, 43, -3, 0, -10, 3, 0, 0, StartFree::None},  // closed by tile 1 and tile 86
    {44, 55, -3, 0, -15, 4, 0, 0, StartFree::None},
    {56, 65, -4, 5, -20, 5, 0, 0, StartFree::Ends},
    {66, 73, -5, 10, -25, 6, 0, 0, StartFree::Ends},
    {74, 85, -3, 0, -30, 7, 0, 0, StartFree::Ends},
    {86, 86, -15, 60, 5, 3.5f, 0, 5, StartFree::Ends},
    {87, 92, -6, 20, -5, 1, 0, 0, StartFree::Ends},
    {93, 98, -6, 20, -10, 2, 0, 0, StartFree::Ends},
    {99, 104, -6, 20, -15, 3, 0, 0, StartFree::Ends},
    {105, 110, -6, 20, -20, 4, 0, 0, StartFree::Ends},
    {111, 116, -6, 20, -25, 5, 0, 0, StartFree::Ends},
    {117, 122, -6, 20, -30, 6, 0, 0, StartFree::Ends},
    {123, 126, -7, 30, -15, 2, 0, 0, StartFree::Ends},
    {127, 130, -7, 30, -20, 3, 0, 0, StartFree::Ends},
    {131, 134, -7, 30, -25, 4, 0, 0, StartFree::Ends},
    {135, 138, -7, 30, -30, 5, 0, 0, StartFree::Ends},
    {139, 140, -8, 40, -25, 3, 0, 0, StartFree::None},  // under the top tile
    {141, 142, -8, 40, -30, 4, 0, 0, StartFree::None},
    {143, 143, -7.5f, 5, -5, 3, 0, 0, StartFree::Ends},
};

constexpr TileStacks::Stack kDragonStacks[] = {
    {87, 92, 15},    {93, 98, 24},    {99, 104, 35},   {105, 110, 47},
    {111, 116, 58},  {117, 122, 67},  {123, 126, 94},  {127, 130, 100},
    {131, 134, 106}, {135, 138, 112}, {139, 140, 128}, {141, 142, 132},
};

const TileStacks& dragonStacks() {
    static const TileStacks stacks = [] {
        TileStacks s(kDragonStacks);
        // The top tile covers all four tiles of layer 3; its own removal is a case of its own.
        for (int16_t tile = 139; tile <= 142; ++tile) s.lay(143, tile);
        return s;
    }();
    return stacks;
}

class Dragon final : public Layout {
  public:
    int16_t tileCount() const override { return 144; }
    TilePlaces places(const CellSize& cell) const override {
        TilePlaces places;
        placeRuns(kDragonRuns, cell, places);
        return places;
    }
    void markStartFree(Board& board) const override { markRunsStartFree(kDragonRuns, board); }
    void updateFree(Board& board, int16_t k) const override;
    bool hasPairRule() const override { return false; }
};

}  // namespace

void Dragon::updateFree(Board& board, int16_t k) const {
    const TileStacks& stacks = dragonStacks();
    auto free = [&](int16_t tile) { board.setFree(tile); };
    // Where a run meets the end pieces, or where k - 1 or k + 1 would cross into the wrong row,
    // the tile that opens is named outright. Tile 1 opens only when tile 0 goes: rows 3 and 4
    // cleared up to it from the left do not free it.
    switch (k) {
        case 0:
            free(1);
            break;
        case 1:
            free(32);
            free(44);
            break;
        case 2:
            free(3);
            break;
        case 31:
            free(30);
            break;
        case 32:
            free(33);
            break;
        case 43:
            free(42);
            break;
        case 44:
            free(45);
            break;
        case 55:
            free(54);
            break;
        case 56:
            free(57);
            break;
        case 86:
            free(43);
            free(55);
            break;
        case 138:
            free(137);
            freeBeneath(board, stacks, k);
            break;
        case 143:
            for (int16_t tile = 139; tile <= 142; ++tile) free(tile);
            break;
        default:
            freeUnlessCovered(board, stacks, static_cast<int16_t>(k - 1));
            freeUnlessCovered(board, stacks, static_cast<int16_t>(k + 1));
            if (k > 86) freeBeneath(board, stacks, k);
            break;
    }
}

const Layout& dragonLayout() {
    static const Dragon dragon;
    return dragon;
}

}  // namespace varnel
