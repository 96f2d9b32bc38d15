#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <QMenuBar>
#include <QTimer>

#include "app/DealNumberDialog.h"
#include "app/KeyboardPlay.h"
#include <QApplication>
#include "app/help/AboutBox.h"
#include "app/help/AppInfo.h"
#include "app/help/HelpWindow.h"
#include "display/ColorDialog.h"

namespace varnel {
namespace {

QString withSlash(QString folder) {
    if (!folder.endsWith('/')) folder += '/';
    return folder;
}

// The density of the screen the window opens on, unless the environment fixes one.
float initialPixelRatio(const Environment& environment) {
    if (environment.pixelRatio > 0) return environment.pixelRatio;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<float>(screen->devicePixelRatio()) : 1.0f;
}

QWidget* makeForm(QMainWindow* window) {
    auto* form = new QWidget(window);
    form->setAutoFillBackground(true);
    window->setCentralWidget(form);
    return form;
}

}  // namespace

MainWindow::MainWindow(Environment environment, QWidget* parent)
    : QMainWindow(parent),
      environment_(std::move(environment)),
      appPath_(withSlash(environment_.appPath)),
      board_(new BoardArea(makeForm(this), initialPixelRatio(environment_), SheetCache(environment_.cachePath))),
      menus_(new GameMenus(this)),
      music_(settings_, environment_.musicOutput),
      record_(new RecordKeeper(environment_.dataPath, this)),
      view_(std::make_unique<WindowView>(WindowView::Parts{
          this, *board_, *menus_, music_, settings_, *record_, play_,
          [this] { return tileSets_.current(); }, environment_.beep, [this] { exit(); },
          environment_.timerScale})),
      game_(*view_, environment_.seedSource ? environment_.seedSource : Game::SeedSource(Random::clockSeed),
            environment_.timeSource ? environment_.timeSource : Game::TimeSource(Game::steadyMilliseconds)),
      tileSets_(*board_, *menus_, settings_, game_, [this] { view_->redraw(); }, environment_.beep, this),
      savedGame_(environment_, game_, this) {
    view_->show(game_);
    connectCommands();
    // While the player drags an edge the board follows at once from what is drawn; once the
    // size has held still this long, the tiles are drawn sharp at the new size.
    settle_.setSingleShot(true);
    settle_.setInterval(180);
    connect(&settle_, &QTimer::timeout, this, [this] { sharpen(); });
    // The music and the rest wait for the first board; a window that is never painted (started
    // minimized) lets them go after a second anyway.
    board_->boardWidget()->installEventFilter(this);
    QTimer::singleShot(1000, this, [this] { afterFirstBoard(); });
    start();
}

void MainWindow::connectCommands() {
    GameMenus& m = *menus_;
    connect(&m, &GameMenus::newGame, this, [this] { game_.newGame(); });
    connect(&m, &GameMenus::save, this, [this] { savedGame_.save(); });
    connect(&m, &GameMenus::restore, this, [this] { savedGame_.restore(); });
    connect(&m, &GameMenus::playDealNumber, this, [this] { playDealNumber(); });
    connect(&m, &GameMenus::pause, this, [this] { game_.togglePause(); });
    connect(&m, &GameMenus::statistics, this,
            [this] { record_->showStatistics(game_.layout(), game_.dealNumber()); });
    connect(record_, &RecordKeeper::playDealRequested, this, [this](int layout, quint32 deal) {
        if (layout != game_.layout()) game_.chooseLayout(static_cast<int16_t>(layout));
        game_.playDeal(deal);
    });
    connect(&m, &GameMenus::exit, this, [this] { exit(); });
    connect(&m, &GameMenus::sound, &music_, &MusicPlayer::toggle);
    connect(&music_, &MusicPlayer::captionChanged, &m, &GameMenus::setSoundCaption);
    connect(&m, &GameMenus::background, this, [this] { chooseBackground(); });
    connect(&m, &GameMenus::showTime, this, [this](bool shown) {
        setShowTime(shown);
        settings_.writeSwitch("ShowTime", shown);
    });
    connect(&m, &GameMenus::winnableDeals, this, [this](bool on) {
        setSolverHelp(on, play_.warnLosingMove);
        settings_.writeSwitch("WinnableDeals", on);
    });
    connect(&m, &GameMenus::warnLosingMove, this, [this](bool on) {
        setSolverHelp(play_.winnableDeals, on);
        settings_.writeSwitch("WarnLosingMove", on);
    });
    connect(&m, &GameMenus::layout, this, [this](int16_t layout) { game_.chooseLayout(layout); });
    connect(&m, &GameMenus::loadTileSet, this, [this] { tileSets_.loadPictureFile(); });
    connect(&m, &GameMenus::tileSet, this, [this](int set) { tileSets_.choose(set, appPath_); });
    connect(&m, &GameMenus::shuffle, this, [this] { game_.shuffle(); });
    connect(&m, &GameMenus::remaining, this, [this] { game_.showRemaining(); });
    connect(&m, &GameMenus::undo, this, [this] { game_.undo(); });
    connect(&m, &GameMenus::hint, this, [this] { game_.hint(); });
    connect(&m, &GameMenus::about, this, [this] { showAbout(); });
    connect(&m, &GameMenus::helpContents, this,
            [this] { showHelpContents(appPath_ + QStringLiteral("help/index.html"), this); });

    BoardArea& b = *board_;
    connect(&b, &BoardArea::clicked, this,
            [this](float x, float y) { game_.clickTile(board_->geometry().tileAt(game_.board(), x, y)); });
    connect(&b, &BoardArea::panelNewGame, this, [this] { game_.panelNewGame(); });
    connect(&b, &BoardArea::panelShuffle, this, [this] { game_.panelShuffle(); });
    connect(&b, &BoardArea::panelQuit, this, [this] { game_.panelQuit(); });
}

void MainWindow::start() {
    setWindowTitle(mainWindowCaption());
    music_.open(appPath_);
    tileSets_.startWithRemembered();
    board_->setCaptionText(QStringLiteral("Tiles Left:"));
    const auto lastLayout = static_cast<int16_t>(layoutTable().size() - 1);
    const int16_t layout = settings_.readChoice("Layout", kDragon, kDragon, lastLayout);
    background_ = settings_.readColour("BackGround", background_);
    board_->setBackground(background_);
    setShowTime(settings_.readSwitch("ShowTime", false));
    setSolverHelp(settings_.readSwitch("WinnableDeals", false), settings_.readSwitch("WarnLosingMove", false));
    // The window's own message boxes and choosers hold the game's clock while they are open.
    qApp->installEventFilter(this);
    game_.newGameIn(layout);
    // Below the smallest scale the faces could no longer be told apart.
    centralWidget()->setMinimumSize(static_cast<int>(std::ceil(design::kScreenWidth * kSmallestScale)),
                                    static_cast<int>(std::ceil(design::kScreenHeight * kSmallestScale)));
    resize(806, 588 + menuBar()->sizeHint().height());
}

QSize MainWindow::screenSize() const {
    if (environment_.screenSize) return environment_.screenSize();
    return screen() ? screen()->geometry().size() : QSize(design::kScreenWidth, design::kScreenHeight);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        game_.holdClock(GameClock::Hold::Minimised, isMinimized());
        stateChanged_ = true;
        followWindow();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    followWindow();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, &MainWindow::followScreen, Qt::UniqueConnection);
    followScreen();
    followWindow();
}

void MainWindow::followWindow() {
    // A window not shown yet has no size of its own: the board waits for the first one.
    if (!isVisible()) return;
    const DesignPlacement placement =
        isMaximized() || isFullScreen()
            ? placementOnScreen(screenSize().width(), screenSize().height())
            : placementInArea(centralWidget()->width(), centralWidget()->height());
    if (drawnOnce_ && placement == board_->geometry().placement()) return;
    // The first layout and a change of the window's state are drawn sharp at once; the steps of
    // a drag are stretched from what is drawn until the size holds still.
    const bool sharp = !drawnOnce_ || stateChanged_;
    drawnOnce_ = true;
    stateChanged_ = false;
    board_->place(placement, tileSets_.current(), sharp ? BoardArea::Drawing::Sharp : BoardArea::Drawing::Quick);
    view_->redraw();
    if (sharp)
        settle_.stop();
    else
        settle_.start();
}

void MainWindow::sharpen() {
    board_->sharpen(tileSets_.current());
    view_->redraw();
}

void MainWindow::followScreen() {
    // A window moved to a screen of another density draws its tiles at that density.
    if (environment_.pixelRatio > 0) return;
    const float ratio = static_cast<float>(devicePixelRatioF());
    if (ratio == board_->pixelRatio()) return;
    board_->setPixelRatio(ratio, tileSets_.current());
    view_->redraw();
}

void MainWindow::chooseBackground() {
    const int32_t colour = chooseColour(this, background_);
    if (colour == -1) return;
    background_ = colour;
    board_->setBackground(colour);
    settings_.writeNumber("BackGround", colour);
    view_->redraw();
}

void MainWindow::showAbout() {
    AboutBox about(programIcon().pixmap(64, 64), this);
    about.exec();
}

void MainWindow::playDealNumber() {
    const auto number = DealNumberDialog::ask(game_.dealNumber().value_or(1), Game::kLastDealNumber, this);
    if (number) game_.playDeal(*number);
}

void MainWindow::setShowTime(bool shown) {
    play_.showTime = shown;
    menus_->checkShowTime(shown);
    view_->setTimeShown(shown);
}

void MainWindow::setSolverHelp(bool winnableDeals, bool warnLosingMove) {
    play_.winnableDeals = winnableDeals;
    play_.warnLosingMove = warnLosingMove;
    menus_->checkSolverOptions(winnableDeals, warnLosingMove);
    game_.setSolverOptions({winnableDeals, warnLosingMove});
}

void MainWindow::holdClockWhileModal() { game_.holdClock(GameClock::Hold::Dialog, QApplication::activeModalWidget() != nullptr); }

void MainWindow::exit() {
    if (ending_) return;
    ending_ = true;
    game_.leave();
    music_.stopForShutdown();
    closeHelp();
    environment_.endProgram();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program like Exit does, without asking, even when the help
    // window is still open.
    event->accept();
    exit();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (playByKey(game_, *event))
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A window shown or hidden may be a modal box opening or closing: look once it has.
    const auto type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow())
        QTimer::singleShot(0, this, [this] { holdClockWhileModal(); });
    // Once the first board has been painted (and, after this turn of the event loop, shown),
    // the music and the rest of the start may follow.
    if (watched == board_->boardWidget() && event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { afterFirstBoard(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::afterFirstBoard() {
    if (firstBoardShown_) return;
    firstBoardShown_ = true;
    music_.letStart();
    emit firstBoardShown();
}

}  // namespace varnel
