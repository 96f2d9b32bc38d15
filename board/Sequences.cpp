#include "Game.h"

// Timed steps without waiting: a sequence is a list of actions with the delay before each,
// advanced by the window's timer. The board takes no clicks while one runs.
namespace varnel {

void Game::StartSequence(Sequence kind, std::vector<TimedStep> steps,
                         std::function<void()> cleanUp) {
    EndSequence();
    sequence_ = kind;
    steps_ = std::move(steps);
    nextStep_ = 0;
    cleanUp_ = std::move(cleanUp);
    ++sequenceSerial_;
    ReportAvailability();
    window_.StartTimer(steps_.front().delay);
}

void Game::EndSequence() {
    if (sequence_ == Sequence::None) return;
    window_.StopTimer();
    sequence_ = Sequence::None;
    steps_.clear();
    if (auto cleanUp = std::move(cleanUp_)) cleanUp();
    cleanUp_ = nullptr;
    ReportAvailability();
}

void Game::EndHint() {
    if (sequence_ == Sequence::Hint) EndSequence();
}

void Game::TimerTick() {
    if (sequence_ == Sequence::None || nextStep_ >= steps_.size()) return;
    const std::function<void()> action = steps_[nextStep_++].action;
    if (nextStep_ == steps_.size()) {
        // The last step ends the sequence before it runs, so that it may start a new game.
        sequence_ = Sequence::None;
        steps_.clear();
        cleanUp_ = nullptr;
        ReportAvailability();
        action();
        return;
    }
    const unsigned serial = sequenceSerial_;
    action();
    if (sequence_ != Sequence::None && serial == sequenceSerial_)
        window_.StartTimer(steps_[nextStep_].delay);
}

}  // namespace varnel
