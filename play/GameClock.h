#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace varnel {

// The time a game has been played. It runs from the first tile chosen to the last pair taken,
// and stands still while anything holds it: the game paused, the window minimised, a message box
// open, the game over. Times are the caller's, in milliseconds of a steady clock, so that the
// clock never reads one itself.
class GameClock {
  public:
    enum class Hold : unsigned { Paused = 1, Minimised = 2, Dialog = 4, GameOver = 8 };

    // A new game: nothing played yet, and nothing holding the clock but the window's own state.
    void reset();
    // The first tile chosen: the clock runs from now unless something holds it.
    void start(int64_t now);
    void hold(Hold hold, bool on, int64_t now);
    bool held(Hold hold) const { return (holds_ & static_cast<unsigned>(hold)) != 0; }

    bool started() const { return started_; }
    bool running() const { return since_.has_value(); }
    int64_t elapsed(int64_t now) const;

  private:
    void update(int64_t now);

    int64_t played_ = 0;
    std::optional<int64_t> since_;  // while running: when it last started
    unsigned holds_ = 0;
    bool started_ = false;
};

// "4:05", or "1:02:07" past an hour.
std::string playedTimeText(int64_t milliseconds);

}  // namespace varnel
