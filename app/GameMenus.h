#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <array>
#include <vector>

#include "display/BuiltinArt.h"
#include "play/GameView.h"

namespace varnel {

// The menu bar: the entries in their order with their access keys and shortcuts, the Layouts
// and Tiles menus built from the layout and tile-set tables. It only shows state; whether
// Shuffle, Undo and Hint may be chosen now is the game's to say. Each entry reports its choice
// as a signal.
class GameMenus : public QObject {
    Q_OBJECT
  public:
    explicit GameMenus(QMainWindow* window);

    void showAvailability(const Availability& available);
    void checkLayout(int layout);
    // No entry is checked for -1: a picture of the player's own, which no entry names.
    void checkTileSet(int tileSet);
    // The set whose entry is checked; -1 for a picture of the player's own.
    int checkedTileSet() const;
    void setSoundCaption(const QString& caption);
    void checkPause(bool paused);
    void checkShowTime(bool shown);
    void checkSolverOptions(bool winnableDeals, bool warnLosingMove);

  signals:
    void newGame();
    void save();
    void restore();
    void playDealNumber();
    void pause();
    void statistics();
    void exit();
    void sound();
    void background();
    void showTime(bool shown);
    void winnableDeals(bool on);
    void warnLosingMove(bool on);
    void layout(int16_t layout);
    void loadTileSet();
    void tileSet(int tileSet);
    void shuffle();
    void remaining();
    void undo();
    void hint();
    void about();
    void helpContents();

  private:
    QAction* sound_;
    QAction* pause_;
    QAction* showTime_;
    QAction* winnableDeals_;
    QAction* warnLosingMove_;
    std::vector<QAction*> layouts_;
    std::array<QAction*, kTileSetCount> tileSets_{};
    QAction* shuffle_;
    QAction* undo_;
    QAction* hint_;
};

}  // namespace varnel
