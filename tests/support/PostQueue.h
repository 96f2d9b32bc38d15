#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace varnel::testing {

// What a window's event queue does for GameView::post, run by hand: tasks handed over from any
// thread wait here until the test (on the game's thread) runs them.
class PostQueue {
  public:
    void post(std::function<void()> task) {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        arrived_.notify_all();
    }
    // Runs the tasks waiting, and those they post in turn; how many ran.
    int run() {
        int ran = 0;
        for (;;) {
            std::function<void()> task;
            {
                std::lock_guard lock(mutex_);
                if (tasks_.empty()) return ran;
                task = std::move(tasks_.front());
                tasks_.pop_front();
            }
            task();
            ++ran;
        }
    }
    // Waits until a task comes (or the time is up), then runs what is waiting; how many ran.
    int waitAndRun(std::chrono::milliseconds patience = std::chrono::seconds(10)) {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, patience, [this] { return !tasks_.empty(); });
        lock.unlock();  // the tasks may post more
        return run();
    }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace varnel::testing
