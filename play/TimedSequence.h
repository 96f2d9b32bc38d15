#pragma once

#include <functional>
#include <vector>

#include "play/GameView.h"

namespace varnel {

// Timed steps without waiting: the hint's flashes and the winning blink are lists of actions
// with the delay before each, advanced by the window's timer.
class TimedSequence {
  public:
    enum class Kind { None, Hint, WinBlink };
    struct Step {
        float delay;  // seconds after the step before
        std::function<void()> action;
    };

    // runningChanged is told whenever a sequence starts or ends, before a last step runs.
    TimedSequence(GameView& view, std::function<void()> runningChanged);

    Kind kind() const { return kind_; }
    bool running() const { return kind_ != Kind::None; }

    // Ends the sequence running, if any, and starts this one.
    void start(Kind kind, std::vector<Step> steps, std::function<void()> cleanUp);
    // Stops the sequence running and puts back what it had changed on screen.
    void end();
    void endIf(Kind kind) {
        if (kind_ == kind) end();
    }
    // The window's timer: the next step.
    void tick();

  private:
    GameView& view_;
    std::function<void()> runningChanged_;
    Kind kind_ = Kind::None;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    std::function<void()> cleanUp_;
    unsigned serial_ = 0;  // tells a sequence apart from one started in its place
};

}  // namespace varnel
