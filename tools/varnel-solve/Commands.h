#pragma once

#include <iosfwd>

#include "tools/varnel-solve/CommandLine.h"

// The two things varnel-solve does. Each writes its answers to `out` and its complaints to
// `err`, and returns the exit status.
namespace varnel::solvecli {

// One line per saved game: its winning pairs, "not winnable" or "unknown". A file that is not a
// saved game is named on `err` with the reason, and the status is 1; the other files are still
// answered.
int solveFiles(const Request& request, std::ostream& out, std::ostream& err);

// Deals the fresh games and reports the counts of each answer and the time per deal.
int solveDeals(const Request& request, std::ostream& out);

}  // namespace varnel::solvecli
