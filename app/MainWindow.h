#pragma once

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "app/Environment.h"
#include "app/GameMenus.h"
#include "app/MusicPlayer.h"
#include "app/PlaySettings.h"
#include "app/RecordKeeper.h"
#include "app/SavedGameCommands.h"
#include "app/Settings.h"
#include "app/TileSetChooser.h"
#include "app/WindowView.h"
#include "display/BoardArea.h"
#include "play/Game.h"

namespace varnel {

// The main window: the menu bar over the board. It wires the pieces that do the work (the
// game, the board area, the menus, the music, the tile sets, the saved game) and carries the
// window's own events: the start, the first maximize, the keys and the close.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(Environment environment, QWidget* parent = nullptr);

    // The game the window plays, and what shows it: for the tools and tests that drive the
    // window as a player would and look at what the player sees.
    Game& game() { return game_; }
    const BoardArea& boardArea() const { return *board_; }
    MusicPlayer& music() { return music_; }
    const TileSetChooser& tileSets() const { return tileSets_; }
    const RecordKeeper& record() const { return *record_; }
    const QString& appPath() const { return appPath_; }

  signals:
    // The first board is on screen (or a second has passed without it, for a window started
    // minimized): what is not needed for the first picture starts now.
    void firstBoardShown();

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectCommands();
    void start();
    // Lays the board out for the window as it is now. A maximized window shows the design by
    // its screen; any other by the area below the menu bar.
    void followWindow();
    void sharpen();
    void followScreen();
    QSize screenSize() const;
    void chooseBackground();
    void showAbout();
    void playDealNumber();
    void setShowTime(bool shown);
    void setSolverHelp(bool winnableDeals, bool warnLosingMove);
    // A modal box of the window's own holds the game's clock while it is open.
    void holdClockWhileModal();
    void exit();
    void afterFirstBoard();

    Environment environment_;
    QString appPath_;
    Settings settings_;
    BoardArea* board_;
    GameMenus* menus_;
    MusicPlayer music_;
    PlaySettings play_;
    RecordKeeper* record_;
    std::unique_ptr<WindowView> view_;
    Game game_;
    TileSetChooser tileSets_;
    SavedGameCommands savedGame_;
    int32_t background_ = 4210688;  // 0x00BBGGRR, as the settings keep it
    QTimer settle_;              // the size has held still: the board is drawn sharp
    bool drawnOnce_ = false;     // the board has been laid out for the shown window
    bool stateChanged_ = false;  // maximized, restored or full screen since the last layout
    bool ending_ = false;
    bool firstBoardShown_ = false;
};

}  // namespace varnel
