#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>

#include "app/KeyboardPlay.h"
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
      board_(new BoardArea(makeForm(this), environment_.pixelRatio, SheetCache(environment_.cachePath))),
      menus_(new GameMenus(this)),
      music_(settings_, environment_.musicOutput),
      view_(std::make_unique<WindowView>(WindowView::Parts{
          this, *board_, *menus_, music_, settings_, [this] { return tileSets_.current(); },
          environment_.beep, [this] { exit(); }, environment_.timerScale})),
      game_(*view_, environment_.seedSource ? environment_.seedSource : Game::SeedSource(Random::clockSeed)),
      tileSets_(*board_, *menus_, settings_, game_, [this] { view_->redraw(); }, environment_.beep, this),
      savedGame_(environment_, game_, this) {
    view_->show(game_);
    connectCommands();
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
    connect(&m, &GameMenus::exit, this, [this] { exit(); });
    connect(&m, &GameMenus::sound, &music_, &MusicPlayer::toggle);
    connect(&music_, &MusicPlayer::captionChanged, &m, &GameMenus::setSoundCaption);
    connect(&m, &GameMenus::background, this, [this] { chooseBackground(); });
    connect(&m, &GameMenus::layout, this, [this](int16_t layout) { game_.chooseLayout(layout); });
    connect(&m, &GameMenus::loadTileSet, this, [this] { tileSets_.loadPictureFile(); });
    connect(&m, &GameMenus::tileSet, this, [this](int set) { tileSets_.choose(set, appPath_); });
    connect(&m, &GameMenus::shuffle, this, [this] { game_.shuffle(); });
    connect(&m, &GameMenus::remaining, this, [this] { game_.showRemaining(); });
    connect(&m, &GameMenus::undo, this, [this] { game_.undo(); });
    connect(&m, &GameMenus::hint, this, [this] { game_.hint(); });
    connect(&m, &GameMenus::about, this, [this] { showAbout(); });
    connect(&m, &GameMenus::helpContents, this,
            [this] { showHelpContents(appPath_ + QStringLiteral("help/index.html")); });

    BoardArea& b = *board_;
    connect(&b, &BoardArea::clicked, this,
            [this](float x, float y) { game_.clickTile(board_->geometry().tileAt(game_.board(), x, y)); });
    connect(&b, &BoardArea::panelNewGame, this, [this] { game_.panelNewGame(); });
    connect(&b, &BoardArea::panelShuffle, this, [this] { game_.panelShuffle(); });
    connect(&b, &BoardArea::panelQuit, this, [this] { game_.panelQuit(); });
}

void MainWindow::start() {
    const QSize screen = environment_.screenSize();
    largeScreen_ = screen.width() > 648;
    setWindowTitle(mainWindowCaption());
    music_.open(appPath_);
    tileSets_.startWithRemembered();
    board_->setCaptionText(QStringLiteral("Tiles Left:"));
    const auto lastLayout = static_cast<int16_t>(layoutTable().size() - 1);
    const int16_t layout = settings_.readChoice("Layout", kDragon, kDragon, lastLayout);
    background_ = settings_.readColour("BackGround", background_);
    board_->setBackground(background_);
    game_.newGameIn(layout);
    resize(806, 588 + menuBar()->sizeHint().height());
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) scaleAtFirstMaximize();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    scaleAtFirstMaximize();
}

void MainWindow::scaleAtFirstMaximize() {
    if (!isMaximized() || !largeScreen_ || !firstMaximize_) return;
    firstMaximize_ = false;
    const QSize screen = environment_.screenSize();
    const auto scale = scaleForScreen(screen.width(), screen.height());
    if (!scale) return;
    board_->scaleFor(*scale, tileSets_.current());
    game_.rebuildAroundDeal();
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

void MainWindow::exit() {
    if (ending_) return;
    ending_ = true;
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
