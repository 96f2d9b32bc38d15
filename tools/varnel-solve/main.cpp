#include <iostream>
#include <string>
#include <vector>

#include "tools/varnel-solve/CommandLine.h"
#include "tools/varnel-solve/Commands.h"

// varnel-solve: whether saved games of Varnel Solitaire can still be won, and how; or how many
// fresh deals of a layout can be.
int main(int argc, char** argv) {
    using namespace varnel::solvecli;
    std::string error;
    const auto request = readCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!request) {
        std::cerr << "varnel-solve: " << error << "\n" << kUsage;
        return 2;
    }
    switch (request->mode) {
        case Request::Mode::Help:
            std::cout << kUsage << "\n" << kHelp;
            return 0;
        case Request::Mode::Deals:
            return solveDeals(*request, std::cout);
        case Request::Mode::Files:
            return solveFiles(*request, std::cout, std::cerr);
    }
    return 2;
}
