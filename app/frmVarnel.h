#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <array>
#include <functional>

#include "BoardScaling.h"
#include "BoardSurfaces.h"
#include "BoardWidget.h"
#include "CursorFrame.h"
#include "Game.h"
#include "GameState.h"
#include "GameWindow.h"
#include "MatchPanel.h"
#include "MusicDevice.h"
#include "Random.h"
#include "SavePlace.h"
#include "Settings.h"

namespace varnel {

// What the window takes from the machine it runs on; tests put in their own.
struct VarnelEnvironment {
    QString appPath;                    // the program's folder
    QString dataPath;                   // the player's data folder, for a save made elsewhere
    QString cachePath;                  // drawn tile sets kept between runs; empty: none kept
    FolderCheck canWriteIn;             // empty: the player's own permissions decide
    std::function<QSize()> screenSize;  // the screen, in pixels
    float pixelRatio = 1;               // device pixels per pixel of the window
    std::function<void()> endProgram;   // ends the program at once
    std::function<void()> beep;         // the system's beep
    double timerScale = 1.0;            // tests shorten the hint and the winning blink
    MusicDevice::Output musicOutput = MusicDevice::Output::AudioDevice;
    Random::SeedSource seedSource;      // empty: deals are seeded from the clock
};

// The environment of the real program: the executable's folder, the player's data folder, the
// primary screen, and an end that leaves the event loop.
VarnelEnvironment ProgramEnvironment();

// The main window: the menu bar, the board, the tiles-left labels, the end-of-game panel.
// It carries out what the play logic asks for (GameWindow) and turns menu choices and mouse
// releases into calls of the play logic.
class frmVarnel : public QMainWindow, public GameWindow {
    Q_OBJECT
public:
    explicit frmVarnel(VarnelEnvironment environment, QWidget* parent = nullptr);
    ~frmVarnel() override;

    // GameWindow
    void SetAvailability(const Availability& available) override;
    void SetLayoutChecked(int16_t layout) override;
    void SetBusy(bool busy) override;
    void PlaceLabels(int16_t messageTop, int16_t scoreTop, int16_t scoreLeft,
                     int16_t testTop) override;
    void SetScoreCaption(const std::string& caption) override;
    void SetMessageVisible(bool visible) override;
    void ShowFrame(int16_t left, int16_t top) override;
    void HideFrame() override;
    void ShowCursor(int16_t left, int16_t top) override;
    void HideCursor() override;
    void Beep() override;
    void StartTimer(float seconds) override;
    void StopTimer() override;
    void DisplayBoard() override;
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    void SetMatchPanelVisible(bool visible) override;
    void WriteSetting(const std::string& key, const std::string& value) override;
    void ExitProgram() override;

    // Menu handlers of the window itself (the play commands go straight to the play logic).
    void mnuExit_Click();
    void mnuSave_Click();
    void mnuRestore_Click();
    void mnuSound_Click();
    void mnuBackground_Click();
    void mnuTile_Click();
    void mnuTileSet_Click(int16_t index);
    void mnuAbout_Click();
    void mnuHelpContents_Click();

    // Loads a picture file as the fifth tile set, fitted to the board; false, with the reason,
    // when the file is not a picture the game can use. Nothing changes then.
    bool LoadPictureAsTileSet(const QString& path, QString* reason);

    // What tests and the other pieces of the window look at.
    Game& GameLogic() { return game_; }
    GameState& State() { return state_; }
    const WindowGeometry& Geometry() const { return geometry_; }
    const BoardSurfaces& Surfaces() const { return surfaces_; }
    const QString& AppPath() const { return AppPath_; }
    int16_t CurrentTileSet() const { return CurrentTileSet_; }
    const QString& PicturePath() const { return PicturePath_; }
    MusicDevice& Music() { return MMControl1; }

    // The controls, named as the game names them.
    QWidget* form = nullptr;
    BoardWidget* picBoard = nullptr;
    SelectionFrame* shpBox = nullptr;
    CursorFrame* shpCursor = nullptr;
    QLabel* lblMessage = nullptr;
    QLabel* lblScore = nullptr;
    QLabel* lblTest = nullptr;
    MatchPanel* picMatch = nullptr;

    QMenu* mnuGame = nullptr;
    QAction* mnuNewGame = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuRestore = nullptr;
    QAction* mnuSoftware = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuCustomize = nullptr;
    QAction* mnuSound = nullptr;
    QAction* mnuBackground = nullptr;
    QMenu* mnuLayouts = nullptr;
    std::array<QAction*, 3> mnuLayout{};
    QMenu* mnuTileS = nullptr;
    QAction* mnuTile = nullptr;
    std::array<QAction*, 5> mnuTileSet{};
    QAction* mnuShuffle = nullptr;
    QAction* mnuRemain = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuHint = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpPlay = nullptr;

signals:
    // The first board is on screen (or a second has passed without it, for a window started
    // minimized): what is not needed for the first picture starts now.
    void FirstBoardShown();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void ConnectMenus();
    void Form_Load();
    void Form_Resize();
    void ApplyGeometry();
    void ApplyBackground(int32_t colour);
    void OpenMusic();
    void OpenMusicDevice();
    void MMControl1_StatusUpdate();
    void AfterFirstBoard();
    void StopMusicForShutdown();
    void ShowWarning(const QString& text);
    int MessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                   QMessageBox::StandardButtons buttons);

    VarnelEnvironment environment_;
    Settings settings_;
    GameState state_;
    Random random_;
    Game game_;
    BoardSurfaces surfaces_;
    WindowGeometry geometry_;
    MusicDevice MMControl1;
    QTimer sequenceTimer_;  // the next step of a hint or of the winning blink

    QString AppPath_;
    QString HelpFile_;
    QString PicturePath_;
    int16_t CurrentTileSet_ = 0;
    int32_t BackgroundColour_ = 4210688;  // 0x00BBGGRR, as the settings keep it
    bool LargeScreen_ = false;
    bool FirstMaximize_ = true;
    bool busy_ = false;
    bool ending_ = false;
    bool firstBoardShown_ = false;
};

}  // namespace varnel
