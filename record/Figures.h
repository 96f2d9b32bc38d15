#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "record/PlayedGame.h"

// The figures of the statistics window, drawn from a layout's games in the order they were
// played. Each function takes the games of every layout and looks only at the one asked for.
namespace varnel {

struct LayoutFigures {
    int played = 0;
    int won = 0;
    int currentStreak = 0;  // wins in a row up to the last game
    int longestStreak = 0;
    // Over unassisted wins only: help makes a time say nothing about the player.
    std::optional<int> bestSeconds;
    std::optional<double> medianSeconds;  // the mean of the middle two for an even count

    // The share of games won, 0 to 1; none before the first game.
    std::optional<double> winRate() const {
        if (played == 0) return std::nullopt;
        return static_cast<double>(won) / played;
    }
};

LayoutFigures figuresOf(std::span<const PlayedGame> games, int layout);

struct TimePoint {
    int seconds = 0;
    bool won = false;
};

// The times of the last `count` games of the layout, oldest first.
std::vector<TimePoint> lastTimes(std::span<const PlayedGame> games, int layout,
                                 std::size_t count = 50);

// The layout's unassisted wins, fastest first (the earlier of two equal times first), at most
// `count` of them.
std::vector<PlayedGame> bestTimes(std::span<const PlayedGame> games, int layout,
                                  std::size_t count = 10);

// Whether `game`, just played, beats every unassisted win of its layout among `earlier` (the
// games recorded before it). The first unassisted win of a layout is its first best.
bool isNewBest(std::span<const PlayedGame> earlier, const PlayedGame& game);

}  // namespace varnel
