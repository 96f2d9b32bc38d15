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
    uint64_t ticket;
    {
        std::lock_guard lock(mutex_);
        ticket = ++lastTicket_;
        waiting_ = Request{ticket, board, &layout, budget};
        cancelRunning_ = true;
    }
    wake_.notify_one();
    return ticket;
}

void BackgroundSolver::cancel() {
    std::lock_guard lock(mutex_);
    waiting_.reset();
    cancelRunning_ = true;
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
        }
        request.budget.cancel = &cancelRunning_;
        const SolveResult result = varnel::solve(request.board, *request.layout, request.budget);
        // Replaced or cancelled meanwhile: the caller no longer wants this answer.
        if (cancelRunning_) continue;
        report_(request.ticket, result);
    }
}

}  // namespace varnel
