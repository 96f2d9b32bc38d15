#include "record/Figures.h"

#include <algorithm>

namespace varnel {

LayoutFigures figuresOf(std::span<const PlayedGame> games, int layout) {
    LayoutFigures figures;
    std::vector<int> unassistedTimes;
    for (const PlayedGame& game : games) {
        if (game.layout != layout) continue;
        ++figures.played;
        if (game.won()) {
            ++figures.won;
            ++figures.currentStreak;
            figures.longestStreak = std::max(figures.longestStreak, figures.currentStreak);
            if (game.unassisted()) unassistedTimes.push_back(game.seconds);
        } else {
            // A stuck game and an abandoned one both end a streak: leaving a bad deal early
            // must not keep a streak alive.
            figures.currentStreak = 0;
        }
    }
    if (unassistedTimes.empty()) return figures;

    std::sort(unassistedTimes.begin(), unassistedTimes.end());
    figures.bestSeconds = unassistedTimes.front();
    const std::size_t middle = unassistedTimes.size() / 2;
    figures.medianSeconds = unassistedTimes.size() % 2 == 1
                                ? unassistedTimes[middle]
                                : (unassistedTimes[middle - 1] + unassistedTimes[middle]) / 2.0;
    return figures;
}

std::vector<TimePoint> lastTimes(std::span<const PlayedGame> games, int layout, std::size_t count) {
    std::vector<TimePoint> points;
    for (auto game = games.rbegin(); game != games.rend() && points.size() < count; ++game) {
        if (game->layout == layout) points.push_back({game->seconds, game->won()});
    }
    std::reverse(points.begin(), points.end());
    return points;
}

std::vector<PlayedGame> bestTimes(std::span<const PlayedGame> games, int layout,
                                  std::size_t count) {
    std::vector<PlayedGame> best;
    for (const PlayedGame& game : games) {
        if (game.layout == layout && game.won() && game.unassisted()) best.push_back(game);
    }
    // Stable, so that of two equal times the one set first stays first.
    std::stable_sort(best.begin(), best.end(), [](const PlayedGame& a, const PlayedGame& b) {
        return a.seconds < b.seconds;
    });
    if (best.size() > count) best.resize(count);
    return best;
}

bool isNewBest(std::span<const PlayedGame> earlier, const PlayedGame& game) {
    if (!game.won() || !game.unassisted()) return false;
    return std::none_of(earlier.begin(), earlier.end(), [&game](const PlayedGame& before) {
        return before.layout == game.layout && before.won() && before.unassisted() &&
               before.seconds <= game.seconds;
    });
}

}  // namespace varnel
