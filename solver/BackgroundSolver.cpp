#include "solver/BackgroundSolver.h"

namespace varnel {

BackgroundSolver::BackgroundSolver(Report report) : report_(std::move(report)), worker_([this] { work(); }) {}

BackgroundSolver::~BackgroundSolver() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        waiting_.reset();
        cancelRunning_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

uint64_t BackgroundSolver::solve(const Board& board, const Layout& layout, const SolveBudget& budget) {
    std::lock_guard lock(mutex_);
    const uint64_t ticket = ++lastTicket_;
    waiting_ = Request{ticket, [this, ticket, board, &layout, budget](const std::atomic<bool>& cancelled) {
                           SolveBudget own = budget;
                           own.cancel = &cancelled;
                           const SolveResult result = varnel::solve(board, layout, own);
                           // Replaced or cancelled meanwhile: the caller no longer wants this answer.
                           if (!cancelled && report_) report_(ticket, result);
                       }};
    cancelRunning_ = true;
    wake_.notify_one();
    return ticket;
}

uint64_t BackgroundSolver::run(Job job) {
    std::lock_guard lock(mutex_);
    waiting_ = Request{++lastTicket_, std::move(job)};
    cancelRunning_ = true;
    wake_.notify_one();
    return lastTicket_;
}

void BackgroundSolver::cancel() {
    std::lock_guard lock(mutex_);
    waiting_.reset();
    cancelRunning_ = true;
}

bool BackgroundSolver::idle() {
    std::lock_guard lock(mutex_);
    return !working_ && !waiting_;
}

void BackgroundSolver::work() {
    for (;;) {
        Request request;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || waiting_.has_value(); });
            if (stopping_) return;
            request = std::move(*waiting_);
            waiting_.reset();
            // Set under the lock, so a replacement that comes after this point cancels it.
            cancelRunning_ = false;
            working_ = true;
        }
        request.job(cancelRunning_);
        std::lock_guard lock(mutex_);
        working_ = false;
    }
}

}  // namespace varnel
