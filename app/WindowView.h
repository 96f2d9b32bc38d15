#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/BoardNarrator.h"
#include "app/GameMenus.h"
#include "app/MusicPlayer.h"
#include "app/PlaySettings.h"
#include "app/RecordKeeper.h"
#include "app/Settings.h"
#include "display/BoardArea.h"
#include "play/Game.h"
#include "play/GameView.h"

namespace varnel {

// What the game asks of the main window, carried out on its pieces: the board area draws, the
// menus show what may be chosen, message boxes ask, the settings remember, a timer calls the
// game back for its timed steps, and the board's description tells screen readers.
class WindowView : public GameView {
  public:
    struct Parts {
        QWidget* window;
        BoardArea& board;
        GameMenus& menus;
        MusicPlayer& music;
        Settings& settings;
        RecordKeeper& record;
        const PlaySettings& play;
        std::function<int()> tileSet;  // the tile set in use
        std::function<void()> beep;
        std::function<void()> exit;
        double timerScale = 1.0;  // tests shorten the hint and the winning blink
    };

    explicit WindowView(Parts parts);
    ~WindowView() override;
    // The game this view shows; set once, before the first call.
    void show(Game& game);
    void redraw();
    // The time played under the tiles-left count, kept up to date while the clock runs.
    void setTimeShown(bool shown);

    void showAvailability(const Availability& available) override;
    void showLayout(int16_t layout) override;
    void setBusy(bool busy) override;
    void showTilesLeft(int16_t tilesLeft) override;
    void setTilesLeftCaptionVisible(bool visible) override;
    void showSelectionFrame(int16_t tile) override;
    void showHintFrame(int16_t tile) override;
    void hideFrame() override;
    void showCursor(int16_t tile) override;
    void hideCursor() override;
    void refuseClick() override;
    void startTimer(float seconds) override;
    void stopTimer() override;
    void redrawBoard() override { redraw(); }
    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;
    void setMatchPanelVisible(bool visible) override;
    void showPaused(bool paused) override;
    std::string keepRecord(const FinishedGame& game) override;
    void post(std::function<void()> task) override;
    void showSolverNote(const std::string& text) override;
    void rememberLayout(int16_t layout) override;
    void exitProgram() override;

  private:
    // What the board shows has changed: the words for screen readers follow.
    void narrate();

    Parts parts_;
    Game* game_ = nullptr;
    void showTime();

    std::unique_ptr<BoardNarrator> narrator_;
    QTimer timer_;  // the next step of a hint or of the winning blink
    QTimer clockTick_;
    bool busy_ = false;
};

}  // namespace varnel
