#pragma once

#include <bitset>
#include <cstdint>

#include "TileRec.h"

// Two slow, plain ways of judging the Rivers path rule, written apart from the game's own code so
// that the tests can hold it to them.
namespace varnel::testing {

// For every tile of the board, the tiles it reaches by at most three straight runs through empty
// cells, the ring around the grid counting as empty. Found by spreading out from each tile one
// run at a time.
class ReachTable {
  public:
    explicit ReachTable(const TileTable& tiles);
    bool Connected(int16_t a, int16_t b) const { return reached_[a][b]; }

  private:
    std::bitset<84> reached_[84];
};

// A family of path rules judged by trying every choice of turning points. The default is the
// game's rule; the other settings give plausible wrong rules to show that the tests catch them.
struct CornerRule {
    int maxRuns = 3;         // 2: one turn at most
    bool ringOpen = true;    // false: the line may not leave the grid
    bool farDetours = true;  // false: a detour may only use the row or column next to the
                             // tiles, never one further out
    bool operator()(const TileTable& tiles, int16_t a, int16_t b) const;
};

}  // namespace varnel::testing
