#pragma once

#include <cstdint>
#include <span>

#include "GameState.h"
#include "Layout.h"

// The three layouts side by side: what the play logic, the saved game and the menus ask of a
// layout is answered here rather than by branching on its number.
namespace varnel {

// What a game with tiles left but no pair to take shows.
enum class StuckEnding { MatchPanel, AskPlayAgain };

struct LayoutRow {
    int16_t number;  // the index of its entry in the Layouts menu, as settings and saves keep it
    const char* name;
    int16_t tileCount;
    LabelPlaces LabelPositions::*labels;  // which set of label places its board uses
    bool shuffleOffered;
    StuckEnding stuckEnding;
    const Layout& rules;  // deal and placing, free rule, pair rule

    // Faces 0 to FacesDealt() - 1 are dealt, four tiles of each.
    int16_t FacesDealt() const { return static_cast<int16_t>(tileCount / kTilesPerFace); }
};

// In menu order, row i holding layout number i.
std::span<const LayoutRow> Layouts();
// The row of a layout number; nullptr for a number no layout has.
const LayoutRow* FindLayout(int16_t number);

}  // namespace varnel
