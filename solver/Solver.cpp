#include "solver/Solver.h"

#include <memory>

#include "layouts/DragonLayout.h"
#include "layouts/PyramidLayout.h"
#include "layouts/RiversLayout.h"
#include "solver/FaceGroups.h"
#include "solver/PairingSearch.h"
#include "solver/SearchLimits.h"
#include "solver/SolverRules.h"

namespace varnel {
namespace {

// What the solver learns of a layout is the same for every board, so the three layouts of the
// game learn it once.
const SolverRules& rulesFor(const Layout& layout, std::unique_ptr<SolverRules>& own) {
    static const SolverRules dragon(dragonLayout());
    static const SolverRules pyramid(pyramidLayout());
    static const SolverRules rivers(riversLayout());
    if (&layout == &dragonLayout()) return dragon;
    if (&layout == &pyramidLayout()) return pyramid;
    if (&layout == &riversLayout()) return rivers;
    own = std::make_unique<SolverRules>(layout);
    return *own;
}

}  // namespace

SolveResult solve(const Board& board, const Layout& layout, const SolveBudget& budget) {
    SolveResult result;
    if (board.tileCount() != layout.tileCount()) return result;
    auto groups = std::make_unique<FaceGroups>();
    switch (FaceGroups::gather(board, *groups)) {
        case FaceGroups::Shape::OddFace:
            result.verdict = Verdict::NotWinnable;
            return result;
        case FaceGroups::Shape::CrowdedFace:
            return result;
        case FaceGroups::Shape::Pairs:
            break;
    }
    std::unique_ptr<SolverRules> ownRules;
    const SolverRules& rules = rulesFor(layout, ownRules);
    SearchLimits limits(budget);
    auto search = std::make_unique<PairingSearch>(board, rules, *groups, limits);
    result.verdict = search->run(result.moves);
    result.nodes = limits.nodes();
    return result;
}

}  // namespace varnel
