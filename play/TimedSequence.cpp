#include "play/TimedSequence.h"

namespace varnel {

TimedSequence::TimedSequence(GameView& view, std::function<void()> runningChanged)
    : view_(view), runningChanged_(std::move(runningChanged)) {}

void TimedSequence::start(Kind kind, std::vector<Step> steps, std::function<void()> cleanUp) {
    end();
    kind_ = kind;
    steps_ = std::move(steps);
    next_ = 0;
    cleanUp_ = std::move(cleanUp);
    ++serial_;
    runningChanged_();
    view_.startTimer(steps_.front().delay);
}

void TimedSequence::end() {
    if (kind_ == Kind::None) return;
    view_.stopTimer();
    kind_ = Kind::None;
    steps_.clear();
    if (auto cleanUp = std::move(cleanUp_)) cleanUp();
    cleanUp_ = nullptr;
    runningChanged_();
}

void TimedSequence::tick() {
    if (kind_ == Kind::None || next_ >= steps_.size()) return;
    const std::function<void()> action = steps_[next_++].action;
    if (next_ == steps_.size()) {
        // The last step ends the sequence before it runs, so that it may start a new game.
        kind_ = Kind::None;
        steps_.clear();
        cleanUp_ = nullptr;
        runningChanged_();
        action();
        return;
    }
    const unsigned serial = serial_;
    action();
    if (kind_ != Kind::None && serial == serial_) view_.startTimer(steps_[next_].delay);
}

}  // namespace varnel
