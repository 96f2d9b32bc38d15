#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "GameWindow.h"

namespace varnel::testing {

// A window that remembers what the play logic asked of it, and answers questions from a queue.
class RecordingWindow : public GameWindow {
public:
    struct Frame {
        int16_t left, top;
        bool operator==(const Frame&) const = default;
    };

    // What the window shows now.
    Availability available;
    bool busy = false;
    int16_t messageTop = 0, scoreTop = 0, scoreLeft = 0, testTop = 0;
    std::string scoreCaption;
    bool messageVisible = true;
    bool frameVisible = false;
    Frame frame{0, 0};
    bool cursorVisible = false;
    Frame cursor{0, 0};
    bool timerRunning = false;
    bool matchPanelVisible = false;
    std::map<std::string, std::string> settings;

    // What happened, in order.
    std::vector<std::string> events;
    std::vector<Frame> framesShown;
    std::vector<float> timers;  // every delay asked for
    std::vector<std::string> messages;
    std::vector<std::pair<std::string, std::string>> questions;
    int beeps = 0;
    int redraws = 0;
    int exits = 0;

    // Answers for AskYesNo, taken from the front; No once they run out.
    std::deque<bool> answers;

    void SetAvailability(const Availability& now) override { available = now; }
    void SetLayoutChecked(int16_t) override {}
    void SetBusy(bool isBusy) override { busy = isBusy; }
    void PlaceLabels(int16_t message, int16_t score, int16_t scoreLeftPos, int16_t test) override {
        messageTop = message;
        scoreTop = score;
        scoreLeft = scoreLeftPos;
        testTop = test;
    }
    void SetScoreCaption(const std::string& caption) override { scoreCaption = caption; }
    void SetMessageVisible(bool visible) override {
        messageVisible = visible;
        events.push_back(visible ? "message shown" : "message hidden");
    }
    void ShowFrame(int16_t left, int16_t top) override {
        frameVisible = true;
        frame = {left, top};
        framesShown.push_back(frame);
        events.push_back("frame " + std::to_string(left) + "," + std::to_string(top));
    }
    void HideFrame() override { frameVisible = false; }
    void ShowCursor(int16_t left, int16_t top) override {
        cursorVisible = true;
        cursor = {left, top};
    }
    void HideCursor() override { cursorVisible = false; }
    void Beep() override {
        ++beeps;
        events.push_back("beep");
    }
    void StartTimer(float seconds) override {
        timerRunning = true;
        timers.push_back(seconds);
        events.push_back("timer " + std::to_string(seconds).substr(0, 3));
    }
    void StopTimer() override { timerRunning = false; }
    void DisplayBoard() override {
        ++redraws;
        events.push_back("redraw");
    }
    void ShowMessage(const std::string& text) override {
        messages.push_back(text);
        events.push_back("message: " + text);
    }
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        questions.emplace_back(caption, text);
        events.push_back("ask: " + text);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void SetMatchPanelVisible(bool visible) override { matchPanelVisible = visible; }
    void WriteSetting(const std::string& key, const std::string& value) override {
        settings[key] = value;
    }
    void ExitProgram() override {
        ++exits;
        events.push_back("exit");
    }

    // Lets the time pass: the timer fires until the engine asks for it no more.
    template <typename Engine>
    void RunTimer(Engine& game) {
        while (timerRunning) {
            timerRunning = false;
            game.TimerTick();
        }
    }
};

}  // namespace varnel::testing
