#include "layouts/PyramidLayout.h"

#include <vector>

#include "layouts/TileRuns.h"
#include "layouts/TileStacks.h"

namespace varnel {
namespace {

// Each layer is a square of runs, centred on the layer below: one column in from each side and
// drawn 5 scaled units to the right of and above it. Grid row r lies at r(H - 5S) plus 5S on
// the ground layer and less 5S on layer 2; layer 3 is given as 3H - 25S and 4H - 30S.
std::vector<TileRun> makePyramidRuns() {
    struct Layer {
        int16_t firstTile, firstRow, size;
        float xW, xS, yS;
    };
    constexpr Layer kLayers[] = {{0, 0, 8, -5, 10, 5}, {64, 1, 6, -6, 20, 0},
                                 {100, 2, 4, -7, 30, -5}, {116, 3, 2, -8, 40, 0}};
    std::vector<TileRun> runs;
    for (int level = 0; level < 4; ++level) {
        const Layer& layer = kLayers[level];
        for (int16_t row = 0; row < layer.size; ++row) {
            const auto first = static_cast<int16_t>(layer.firstTile + row * layer.size);
            const auto last = static_cast<int16_t>(first + layer.size - 1);
            const auto gridRow = static_cast<float>(layer.firstRow + row);
            if (level == 3)
                runs.push_back({first, last, layer.xW, layer.xS, -25 - 5.0f * row, gridRow, 0, 0,
                                StartFree::All});
            else
                runs.push_back({first, last, layer.xW, layer.xS, layer.yS, gridRow, 5, 0,
                                StartFree::Ends});
        }
    }
    return runs;
}

const std::vector<TileRun>& pyramidRuns() {
    static const std::vector<TileRun> runs = makePyramidRuns();
    return runs;
}

constexpr TileStacks::Stack kPyramidStacks[] = {
    {64, 69, 9},    {70, 75, 17},   {76, 81, 25},   {82, 87, 33},
    {88, 93, 41},   {94, 99, 49},   {100, 103, 71}, {104, 107, 77},
    {108, 111, 83}, {112, 115, 89}, {116, 117, 105}, {118, 119, 109},
};

const TileStacks& pyramidStacks() {
    static const TileStacks stacks(kPyramidStacks);
    return stacks;
}

class Pyramid final : public Layout {
  public:
    int16_t tileCount() const override { return 120; }
    TilePlaces places(const CellSize& cell) const override {
        TilePlaces places;
        placeRuns(pyramidRuns(), cell, places);
        return places;
    }
    void markStartFree(Board& board) const override { markRunsStartFree(pyramidRuns(), board); }
    void updateFree(Board& board, int16_t k) const override;
    bool hasPairRule() const override { return false; }
};

}  // namespace

void Pyramid::updateFree(Board& board, int16_t k) const {
    const TileStacks& stacks = pyramidStacks();
    for (const TileRun& run : pyramidRuns()) {
        if (k < run.first || k > run.last) continue;
        // Only neighbours inside k's own run: the first and last tile of the pyramid have none
        // beyond it.
        if (k > run.first) freeUnlessCovered(board, stacks, static_cast<int16_t>(k - 1));
        if (k < run.last) freeUnlessCovered(board, stacks, static_cast<int16_t>(k + 1));
        freeBeneath(board, stacks, k);
        return;
    }
}

const Layout& pyramidLayout() {
    static const Pyramid pyramid;
    return pyramid;
}

}  // namespace varnel
