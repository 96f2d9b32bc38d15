#include "play/LayoutTable.h"

#include <array>

#include "layouts/DragonLayout.h"
#include "layouts/PyramidLayout.h"
#include "layouts/RiversLayout.h"

namespace varnel {

std::span<const LayoutRow> layoutTable() {
    static const std::array<LayoutRow, 3> rows{{
        {kDragon, "Dragon", LabelSet::Stacked, true, StuckEnding::MatchPanel, dragonLayout()},
        {kRivers, "Rivers", LabelSet::Flat, false, StuckEnding::AskPlayAgain, riversLayout()},
        {kPyramid, "Pyramid", LabelSet::Stacked, true, StuckEnding::AskPlayAgain, pyramidLayout()},
    }};
    return rows;
}

const LayoutRow* findLayout(int number) {
    const std::span<const LayoutRow> rows = layoutTable();
    if (number < 0 || static_cast<std::size_t>(number) >= rows.size()) return nullptr;
    return &rows[static_cast<std::size_t>(number)];
}

}  // namespace varnel
