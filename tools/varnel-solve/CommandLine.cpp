#include "tools/varnel-solve/CommandLine.h"

#include <cctype>
#include <charconv>
#include <cstdint>

#include "play/LayoutTable.h"

namespace varnel::solvecli {

const char kUsage[] =
    "usage: varnel-solve [--time SECONDS] FILE...\n"
    "       varnel-solve --layout dragon|pyramid|rivers --deals N [--seed S] [--time SECONDS]\n";

const char kHelp[] =
    "Tells whether saved games of Varnel Solitaire can still be won, and how.\n"
    "\n"
    "  FILE...              for each saved game, one line: the pairs of tiles that win it in\n"
    "                       play order, \"not winnable\", or \"unknown\" when the time ran out\n"
    "  --layout L --deals N deals N fresh games of layout L (deal numbers S+1 to S+N) and\n"
    "                       counts those that can be won, with the time each took\n"
    "  --seed S             the deal before the first (default 0)\n"
    "  --time SECONDS       the longest look at one position (default 1)\n"
    "  --help               this text\n";

namespace {

template <typename Number>
bool readNumber(const std::string& text, Number& value) {
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, value);
    return fault == std::errc() && stop == end && !text.empty();
}

std::optional<int16_t> layoutNamed(const std::string& name) {
    for (const LayoutRow& row : layoutTable()) {
        std::string lower = row.name;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (lower == name) return row.number;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Request> readCommandLine(const std::vector<std::string>& arguments, std::string& error) {
    Request request;
    std::optional<int16_t> layout;
    std::optional<uint32_t> deals;
    bool seedGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            request.mode = Request::Mode::Help;
            return request;
        }
        const bool takesValue = argument == "--layout" || argument == "--deals" || argument == "--seed" ||
                                argument == "--time";
        if (takesValue && i + 1 == arguments.size()) {
            error = argument + " wants a value";
            return std::nullopt;
        }
        if (argument == "--layout") {
            layout = layoutNamed(arguments[++i]);
            if (!layout) {
                error = "no layout is called " + arguments[i];
                return std::nullopt;
            }
        } else if (argument == "--deals") {
            uint32_t count = 0;
            if (!readNumber(arguments[++i], count) || count == 0) {
                error = "--deals wants a count of 1 or more, not " + arguments[i];
                return std::nullopt;
            }
            deals = count;
        } else if (argument == "--seed") {
            if (!readNumber(arguments[++i], request.seed)) {
                error = "--seed wants a whole number of 0 or more, not " + arguments[i];
                return std::nullopt;
            }
            seedGiven = true;
        } else if (argument == "--time") {
            double seconds = 0;
            if (!readNumber(arguments[++i], seconds) || !(seconds > 0) || seconds > 86400) {
                error = "--time wants a number of seconds above 0, not " + arguments[i];
                return std::nullopt;
            }
            request.budget = std::chrono::milliseconds(static_cast<int64_t>(seconds * 1000 + 0.5));
            if (request.budget.count() == 0) request.budget = std::chrono::milliseconds(1);
        } else if (argument == "--") {
            request.files.insert(request.files.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                 arguments.end());
            break;
        } else if (argument.size() > 1 && argument[0] == '-') {
            error = "unknown option " + argument;
            return std::nullopt;
        } else {
            request.files.push_back(argument);
        }
    }
    if (layout || deals || seedGiven) {
        if (!layout || !deals) {
            error = "--layout and --deals go together";
            return std::nullopt;
        }
        if (!request.files.empty()) {
            error = "files and --deals do not go together";
            return std::nullopt;
        }
        if (*deals > UINT32_MAX - request.seed) {
            error = "the deal numbers run past " + std::to_string(UINT32_MAX);
            return std::nullopt;
        }
        request.mode = Request::Mode::Deals;
        request.layout = *layout;
        request.deals = *deals;
        return request;
    }
    if (request.files.empty()) {
        error = "no saved game named";
        return std::nullopt;
    }
    return request;
}

}  // namespace varnel::solvecli
