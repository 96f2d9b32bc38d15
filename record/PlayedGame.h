#pragma once

#include <cstdint>
#include <optional>

// One game as the record keeps it, stored when the game ends. Only games in which at least one
// pair was taken are kept: a deal looked at and left at once is not a game played.
namespace varnel {

// The layouts by the numbers the game gives them (their places in the Layouts menu).
inline constexpr int kLayoutCount = 3;

enum class GameEnding {
    Won,        // every tile taken
    Stuck,      // tiles left and no pair to take
    Abandoned,  // a new game, another layout, a restored game or the end of the program
};

struct PlayedGame {
    int layout = 0;                     // 0 Dragon, 1 Rivers, 2 Pyramid
    std::optional<std::uint32_t> deal;  // absent for a game restored from an older saved file
    std::int64_t startedUtc = 0;        // seconds since 1970-01-01 00:00 UTC
    int seconds = 0;                    // time played
    int pairsTaken = 0;
    GameEnding ending = GameEnding::Abandoned;
    // The help the game used, and two settings it was played with.
    int hints = 0;
    int undos = 0;
    int shuffles = 0;
    bool winnableDeals = false;   // only chooses the deal; it never marks a game
    bool warnLosingMove = false;  // a warning before a losing move is help, like a hint

    bool won() const { return ending == GameEnding::Won; }
    // A game played without help; only these set best and median times.
    bool unassisted() const { return hints == 0 && undos == 0 && shuffles == 0 && !warnLosingMove; }
    // What the record accepts: a layout of the game, a pair taken, no negative counts.
    bool worthKeeping() const {
        return layout >= 0 && layout < kLayoutCount && pairsTaken >= 1 && seconds >= 0 &&
               hints >= 0 && undos >= 0 && shuffles >= 0;
    }

    bool operator==(const PlayedGame&) const = default;
};

}  // namespace varnel
