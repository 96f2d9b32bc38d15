#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/RecordingView.h"
#include "play/TimedSequence.h"

// Timed steps without waiting: each runs when the window's timer fires after its delay.
namespace varnel::testing {
namespace {

using Kind = TimedSequence::Kind;
using Log = std::vector<std::string>;

// One step a tick, each asking for its own delay. The last step runs after the sequence has
// ended, so that it may start a new game; the clean-up is only for an end before that, and runs
// once. A new sequence ends the one running; an action that starts a sequence of its own leaves
// the timer to it.
TEST(TimedSequence, StepsRunOneATickUntilEndedOrReplaced) {
    RecordingView view;
    Log log;
    TimedSequence sequence(view, [&] { log.push_back(sequence.running() ? "running" : "ended"); });
    auto step = [&](float delay, std::string name) {
        return TimedSequence::Step{delay, [&log, name] { log.push_back(name); }};
    };
    auto tick = [&] {
        view.timerRunning = false;
        sequence.tick();
    };
    auto lastStep = [&] { log.push_back(sequence.running() ? "c running" : "c"); };
    sequence.start(Kind::WinBlink, {step(0.5f, "a"), step(1.2f, "b"), {0.5f, lastStep}},
                   [&] { log.push_back("clean up"); });
    for (int n = 0; n < 4; ++n) tick();
    EXPECT_EQ(log, (Log{"running", "a", "b", "ended", "c"}));
    EXPECT_EQ(view.timers, (std::vector<float>{0.5f, 1.2f, 0.5f}));
    EXPECT_FALSE(view.timerRunning);

    log.clear();
    view.timers.clear();
    sequence.start(Kind::Hint, {step(1, "a")}, [&] { log.push_back("clean up"); });
    sequence.endIf(Kind::WinBlink);
    ASSERT_TRUE(sequence.running());
    auto startHint = [&] { sequence.start(Kind::Hint, {step(3, "x"), step(4, "y")}, nullptr); };
    sequence.start(Kind::WinBlink, {{2, startHint}, step(5, "never")},
                   [&] { log.push_back("blink cleaned up"); });
    tick();
    EXPECT_EQ(sequence.kind(), Kind::Hint);
    tick();
    sequence.endIf(Kind::Hint);
    sequence.end();
    EXPECT_FALSE(view.timerRunning);
    EXPECT_EQ(log, (Log{"running", "clean up", "ended", "running", "blink cleaned up", "ended",
                        "running", "x", "ended"}));
    EXPECT_EQ(view.timers, (std::vector<float>{1, 2, 3, 4}));
}

}  // namespace
}  // namespace varnel::testing
