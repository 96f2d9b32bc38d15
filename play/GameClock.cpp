#include "play/GameClock.h"

namespace varnel {
namespace {

constexpr unsigned kWindowHolds =
    static_cast<unsigned>(GameClock::Hold::Minimised) | static_cast<unsigned>(GameClock::Hold::Dialog);

}  // namespace

void GameClock::reset() {
    played_ = 0;
    since_.reset();
    started_ = false;
    // A minimised window or an open message box holds the next game's clock as well.
    holds_ &= kWindowHolds;
}

void GameClock::start(int64_t now) {
    if (started_) return;
    started_ = true;
    update(now);
}

void GameClock::hold(Hold hold, bool on, int64_t now) {
    const auto bit = static_cast<unsigned>(hold);
    holds_ = on ? holds_ | bit : holds_ & ~bit;
    update(now);
}

void GameClock::update(int64_t now) {
    const bool shouldRun = started_ && holds_ == 0;
    if (shouldRun && !since_) since_ = now;
    if (!shouldRun && since_) {
        played_ += now - *since_;
        since_.reset();
    }
}

int64_t GameClock::elapsed(int64_t now) const { return played_ + (since_ ? now - *since_ : 0); }

std::string playedTimeText(int64_t milliseconds) {
    const int64_t seconds = milliseconds / 1000;
    const int64_t hours = seconds / 3600, minutes = seconds / 60 % 60, rest = seconds % 60;
    auto twoDigits = [](int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    if (hours > 0) return std::to_string(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(rest);
    return std::to_string(minutes) + ":" + twoDigits(rest);
}

}  // namespace varnel
