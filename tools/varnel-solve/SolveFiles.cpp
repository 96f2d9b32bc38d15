#include <ostream>

#include "app/savegame/SavedGame.h"
#include "play/LayoutTable.h"
#include "solver/Solver.h"
#include "tools/varnel-solve/Commands.h"

namespace varnel::solvecli {

int solveFiles(const Request& request, std::ostream& out, std::ostream& err) {
    int status = 0;
    for (const std::string& file : request.files) {
        const ReadResult read = readSavedGame(file);
        if (!read) {
            err << "varnel-solve: could not read a saved game from " << file << ": " << read.reason << ".\n";
            status = 1;
            continue;
        }
        // As a restore does: the tiles free from the start of the layout are free in any case.
        const LayoutRow* row = findLayout(read.game->layout());
        Board board = read.game->board();
        row->rules.markStartFree(board);
        SolveBudget budget;
        budget.maxTime = request.budget;
        const SolveResult result = solve(board, row->rules, budget);
        out << file << ": ";
        switch (result.verdict) {
            case Verdict::Winnable: {
                out << "winnable:";
                const char* separator = " ";
                for (const auto& [a, b] : result.moves) {
                    out << separator << a << ' ' << b;
                    separator = ", ";
                }
                // A board with no tile left is won already: nothing to take.
                break;
            }
            case Verdict::NotWinnable:
                out << "not winnable";
                break;
            case Verdict::Unknown:
                out << "unknown";
                break;
        }
        out << '\n';
    }
    return status;
}

}  // namespace varnel::solvecli
