#include "play/SolverAssist.h"

#include <chrono>

#include "board/Deal.h"
#include "board/Random.h"
#include "solver/WinnableShuffle.h"

namespace varnel {
namespace {

using namespace std::chrono_literals;

// The budgets count positions, so that the same deal gets the same answer on any machine and
// under any load (the deal a seed leads to is the same everywhere); the clock only guards
// against a machine so slow that the window would wait too long.
//
// A deal the solver cannot prove winnable in this many positions is passed over for the next:
// most take a few dozen, the player waits for the board meanwhile, and a deal that cannot be
// won need not be proved so.
constexpr SolveBudget kDealBudget{400, 250ms, nullptr};
// Each arrangement of a shuffle likewise.
constexpr SolveBudget kArrangementBudget{300, 150ms, nullptr};
// A position in play: the player goes on meanwhile, so it may take longer.
constexpr SolveBudget kCheckBudget{30000, 3s, nullptr};

}  // namespace

SolverAssist::SolverAssist(GameView& view) : view_(view), alive_(std::make_shared<bool>(true)) {}

SolverAssist::~SolverAssist() {
    // The worker ends before anything it could post to is gone; what it posted already finds
    // the flag down.
    worker_.reset();
    *alive_ = false;
}

BackgroundSolver& SolverAssist::worker() {
    if (!worker_) worker_ = std::make_unique<BackgroundSolver>();
    return *worker_;
}

void SolverAssist::post(std::function<void()> task) {
    std::weak_ptr<bool> alive = alive_;
    view_.post([alive, task = std::move(task)] {
        const auto flag = alive.lock();
        if (flag && *flag) task();
    });
}

void SolverAssist::cancel() {
    if (worker_) worker_->cancel();
}

void SolverAssist::findWinnableDeal(uint64_t serial, const Layout& layout, uint32_t first, uint32_t lastNumber,
                                    DealFound found) {
    worker().run([this, serial, &layout, first, lastNumber, found = std::move(found)](const std::atomic<bool>& cancelled) {
        SolveBudget budget = kDealBudget;
        budget.cancel = &cancelled;
        uint32_t number = first;
        for (int tries = 1;; ++tries) {
            Board board = dealFaces(layout.tileCount(), number);
            layout.markStartFree(board);
            const Verdict verdict = solve(board, layout, budget).verdict;
            if (cancelled) return;
            if (verdict == Verdict::Winnable || tries == kMaxDealTries) break;
            number = number >= lastNumber ? 1 : number + 1;
        }
        post([found, serial, number] { found(serial, number); });
    });
}

void SolverAssist::arrangeWinnable(uint64_t serial, const Board& board, const Layout& layout, uint32_t seed,
                                   Arranged arranged) {
    worker().run([this, serial, board, &layout, seed, arranged = std::move(arranged)](const std::atomic<bool>& cancelled) {
        SolveBudget budget = kArrangementBudget;
        budget.cancel = &cancelled;
        Random random(seed);
        ShuffleOutcome outcome = shuffleUntilWinnable(board, layout, random, kMaxShuffleTries, budget);
        if (cancelled) return;
        post([arranged, serial, found = std::move(outcome.board)] { arranged(serial, found); });
    });
}

void SolverAssist::check(uint64_t serial, const Board& now, std::optional<Board> before, const Layout& layout,
                         Checked checked) {
    worker().run([this, serial, now, before = std::move(before), &layout, checked = std::move(checked)](
                     const std::atomic<bool>& cancelled) {
        SolveBudget budget = kCheckBudget;
        budget.cancel = &cancelled;
        Check check;
        check.now = solve(now, layout, budget);
        if (cancelled) return;
        if (check.now.verdict == Verdict::NotWinnable && before) {
            check.before = solve(*before, layout, budget).verdict;
            if (cancelled) return;
        }
        post([checked, serial, check = std::move(check)] { checked(serial, check); });
    });
}

void SolverAssist::lookAhead(uint64_t serial, const Board& board, std::vector<TilePair> pairs, const Layout& layout,
                             LookedAhead lookedAhead) {
    worker().run([this, serial, board, pairs = std::move(pairs), &layout, lookedAhead = std::move(lookedAhead)](
                     const std::atomic<bool>& cancelled) {
        SolveBudget budget = kCheckBudget;
        budget.cancel = &cancelled;
        for (const TilePair& pair : pairs) {
            Board after = board;
            layout.takePair(after, pair.first, pair.second);
            SolveResult result = solve(after, layout, budget);
            if (cancelled) return;
            post([lookedAhead, serial, pair, result = std::move(result)] { lookedAhead(serial, pair, result); });
        }
    });
}

}  // namespace varnel
