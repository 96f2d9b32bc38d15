#pragma once

#include <chrono>
#include <cstdint>

#include "solver/Solver.h"

namespace varnel {

// Keeps count of the positions searched and says when the budget is spent. The clock is read
// only every few positions; the cancel flag at every one, so that a cancel is prompt.
class SearchLimits {
  public:
    explicit SearchLimits(const SolveBudget& budget)
        : budget_(budget), start_(std::chrono::steady_clock::now()) {}

    // Counts one more position; false once the budget is spent, and from then on.
    bool step() {
        if (spent_) return false;
        ++nodes_;
        if (budget_.cancel && budget_.cancel->load(std::memory_order_relaxed)) spent_ = true;
        if (budget_.maxNodes && nodes_ > budget_.maxNodes) spent_ = true;
        if (budget_.maxTime.count() > 0 && (nodes_ & 15) == 0 &&
            std::chrono::steady_clock::now() - start_ > budget_.maxTime)
            spent_ = true;
        return !spent_;
    }
    bool spent() const { return spent_; }
    uint64_t nodes() const { return nodes_; }

  private:
    SolveBudget budget_;
    std::chrono::steady_clock::time_point start_;
    uint64_t nodes_ = 0;
    bool spent_ = false;
};

}  // namespace varnel
