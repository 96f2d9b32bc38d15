#include "LayoutTable.h"

#include <array>

#include "DragonLayout.h"
#include "PyramidLayout.h"
#include "RiversLayout.h"

namespace varnel {

std::span<const LayoutRow> Layouts() {
    static const std::array<LayoutRow, 3> rows{{
        {kDragon, "Dragon", 144, &LabelPositions::Stacked, true, StuckEnding::MatchPanel,
         DragonLayout()},
        {kRivers, "Rivers", 84, &LabelPositions::Rivers, false, StuckEnding::AskPlayAgain,
         RiversLayout()},
        {kPyramid, "Pyramid", 120, &LabelPositions::Stacked, true, StuckEnding::AskPlayAgain,
         PyramidLayout()},
    }};
    return rows;
}

const LayoutRow* FindLayout(int16_t number) {
    const std::span<const LayoutRow> rows = Layouts();
    if (number < 0 || static_cast<std::size_t>(number) >= rows.size()) return nullptr;
    return &rows[static_cast<std::size_t>(number)];
}

}  // namespace varnel
