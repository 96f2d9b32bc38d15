#include "solver/Solver.h"

#include <memory>

#include "layouts/DragonLayout.h"
#include "layouts/PyramidLayout.h"
#include "layouts/RiversLayout.h"
#include "solver/FaceGroups.h"
#include "solver/MoveSearch.h"
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

// The turns of the two searches where a pair rule looks at the board, in positions looked at.
constexpr uint64_t kFirstMoveNodes = 5000;
constexpr uint64_t kPairingNodes = 2000;

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
    if (rules.pairRuleLooksAtBoard()) {
        // Paths make the plain search strong and the looser game weak: a first look by the
        // plain search settles most deals, and those it does not, the search over pairings
        // settles, before the plain one goes on where it stopped.
        MoveSearch moves(board, rules, limits);
        result.verdict = moves.run(kFirstMoveNodes, result.moves);
        if (result.verdict == Verdict::Unknown && !limits.spent()) {
            auto search = std::make_unique<PairingSearch>(board, rules, *groups, limits);
            result.verdict = search->run(result.moves, kPairingNodes);
        }
        if (result.verdict == Verdict::Unknown && !limits.spent())
            result.verdict = moves.run(UINT64_MAX - limits.nodes(), result.moves);
    } else {
        auto search = std::make_unique<PairingSearch>(board, rules, *groups, limits);
        result.verdict = search->run(result.moves);
    }
    result.nodes = limits.nodes();
    return result;
}

}  // namespace varnel
