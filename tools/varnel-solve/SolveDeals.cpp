#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ostream>
#include <vector>

#include "board/Deal.h"
#include "play/LayoutTable.h"
#include "solver/Solver.h"
#include "tools/varnel-solve/Commands.h"

namespace varnel::solvecli {
namespace {

double processorMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The value below which the given share of the times lie, the largest for a share of 1.
double share(std::vector<double> times, double part) {
    std::sort(times.begin(), times.end());
    const auto at = static_cast<std::size_t>(part * static_cast<double>(times.size()));
    return times[std::min(times.size() - 1, at)];
}

std::string milliseconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, value < 10 ? "%.2f ms" : "%.1f ms", value);
    return text;
}

}  // namespace

int solveDeals(const Request& request, std::ostream& out) {
    const LayoutRow& row = *findLayout(request.layout);
    std::vector<double> wall, processor;
    wall.reserve(request.deals);
    processor.reserve(request.deals);
    uint32_t winnable = 0, notWinnable = 0, unknown = 0;
    SolveBudget budget;
    budget.maxTime = request.budget;
    for (uint32_t k = 1; k <= request.deals; ++k) {
        // The game's own deal of this number.
        Board board = dealFaces(row.tileCount(), request.seed + k);
        row.rules.markStartFree(board);
        const auto start = std::chrono::steady_clock::now();
        const double processorStart = processorMilliseconds();
        const Verdict verdict = solve(board, row.rules, budget).verdict;
        wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        processor.push_back(processorMilliseconds() - processorStart);
        ++(verdict == Verdict::Winnable ? winnable : verdict == Verdict::NotWinnable ? notWinnable : unknown);
    }
    std::string name = row.name;
    for (char& c : name) c = static_cast<char>(c | 0x20);
    out << name << ", deals " << request.seed + 1 << " to " << request.seed + request.deals << ": " << winnable
        << " winnable, " << notWinnable << " not winnable, " << unknown << " unknown\n";
    out << "time per deal: median " << milliseconds(share(wall, 0.5)) << ", p99 " << milliseconds(share(wall, 0.99))
        << ", max " << milliseconds(share(wall, 1.0)) << "\n";
    out << "processor time per deal: median " << milliseconds(share(processor, 0.5)) << ", p99 "
        << milliseconds(share(processor, 0.99)) << ", max " << milliseconds(share(processor, 1.0)) << "\n";
    return 0;
}

}  // namespace varnel::solvecli
