#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What varnel-solve was asked to do, read from its arguments.
namespace varnel::solvecli {

struct Request {
    enum class Mode { Files, Deals, Help };
    Mode mode = Mode::Files;
    std::vector<std::string> files;
    int16_t layout = 0;      // with --deals
    uint32_t deals = 0;      // how many
    uint32_t seed = 0;       // the first deal is seed + 1
    std::chrono::milliseconds budget{1000};  // per position
};

// The request, or nothing with `error` saying what is wrong with the arguments.
std::optional<Request> readCommandLine(const std::vector<std::string>& arguments, std::string& error);

// The one-line reminder of how the command is used, and the longer help.
extern const char kUsage[];
extern const char kHelp[];

}  // namespace varnel::solvecli
