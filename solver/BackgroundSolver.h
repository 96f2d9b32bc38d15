#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "board/Board.h"
#include "layouts/Layout.h"
#include "solver/Solver.h"

namespace varnel {

// Solves one position at a time on a thread of its own, so that the window never waits for the
// solver. A new position replaces the one being solved, which is cancelled and never reported.
// The report runs on the worker thread: the caller passes it on to its own thread, and uses the
// ticket to tell which position an answer belongs to.
//
// Other work that leans on the solver (dealing until a deal can be won, say) runs the same way
// as a job, which replaces and is replaced like a position and reports by its own means.
class BackgroundSolver {
  public:
    using Report = std::function<void(uint64_t ticket, const SolveResult& result)>;
    // Runs on the worker; should give up soon after `cancelled` turns true, and then report
    // nothing.
    using Job = std::function<void(const std::atomic<bool>& cancelled)>;

    explicit BackgroundSolver(Report report = {});
    // Cancels what is being solved and waits for the worker to end.
    ~BackgroundSolver();
    BackgroundSolver(const BackgroundSolver&) = delete;
    BackgroundSolver& operator=(const BackgroundSolver&) = delete;

    // Solves this position instead of any other; the budget's own cancel flag is not used. The
    // board is copied, and the layout must outlive the answer.
    uint64_t solve(const Board& board, const Layout& layout, const SolveBudget& budget = {});
    // Runs this job instead of anything else.
    uint64_t run(Job job);
    // Drops the position being solved, and any waiting, without a report.
    void cancel();
    // Nothing waiting and nothing being solved: every report of what was asked has been made.
    bool idle();

  private:
    struct Request {
        uint64_t ticket;
        Job job;
    };
    void work();

    Report report_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> waiting_;
    uint64_t lastTicket_ = 0;
    bool stopping_ = false;
    bool working_ = false;
    std::atomic<bool> cancelRunning_{false};
    std::thread worker_;
};

}  // namespace varnel
