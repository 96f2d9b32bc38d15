#pragma once

#include <cstdint>
#include <span>

#include "layouts/Layout.h"

// The three layouts side by side: what the game, the saved game and the menus ask of a layout is
// answered here rather than by branching on its number.
namespace varnel {

// Layout numbers are the places of their entries in the Layouts menu, as the settings and the
// saved game keep them.
enum LayoutNumber : int16_t { kDragon = 0, kRivers = 1, kPyramid = 2 };

// What a game with tiles left but no pair to take shows.
enum class StuckEnding { MatchPanel, AskPlayAgain };

// Where the tiles-left labels go: beside the stacked layouts, or in the top margin above the
// flat one, which fills more of the board.
enum class LabelSet { Stacked, Flat };

struct LayoutRow {
    int16_t number;
    const char* name;
    LabelSet labels;
    bool shuffleOffered;
    StuckEnding stuckEnding;
    const Layout& rules;  // places, free rule, pair rule

    int16_t tileCount() const { return rules.tileCount(); }
    // Faces 0 to facesDealt() - 1 are dealt, four tiles of each.
    int16_t facesDealt() const { return static_cast<int16_t>(tileCount() / kTilesPerFace); }
};

// In menu order, row i holding layout number i.
std::span<const LayoutRow> layoutTable();
// The row of a layout number; nullptr for a number no layout has.
const LayoutRow* findLayout(int number);

}  // namespace varnel
