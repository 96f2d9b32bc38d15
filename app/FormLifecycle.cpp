#include <QCloseEvent>
#include <QMenuBar>

#include "AppInfo.h"
#include "BuiltinArt.h"
#include "Conversions.h"
#include "DrawnArt.h"
#include "HelpWindow.h"
#include "LayoutTable.h"
#include "frmVarnel.h"

// Start-up, the one-time relayout at the first maximize, and the two ways the program ends.
namespace varnel {

void frmVarnel::Form_Load() {
    const QSize screen = environment_.screenSize();
    LargeScreen_ = screen.width() > 648;
    setWindowTitle(MainWindowCaption());
    AppPath_ = environment_.appPath;
    if (!AppPath_.endsWith('/')) AppPath_ += '/';
    HelpFile_ = AppPath_ + QStringLiteral("help/index.html");

    OpenMusic();

    mnuExit->setText(QStringLiteral("E&xit\tAlt+F4"));
    FirstMaximize_ = true;
    CurrentTileSet_ = settings_.ReadChoice("TileSet", 0, 0, 4);
    for (int i = 0; i < 5; ++i) mnuTileSet[i]->setChecked(i == CurrentTileSet_);
    lblMessage->setText(QStringLiteral("Tiles Left:"));

    // The new game checks the layout's menu entry.
    const auto lastLayout = static_cast<int16_t>(Layouts().size() - 1);
    state_.CurrentLayout = settings_.ReadChoice("Layout", kDragon, kDragon, lastLayout);
    ApplyBackground(settings_.ReadColour("BackGround", 4210688));

    // The tile size comes from the first built-in sheet.
    const QSize sheet = BuiltinSheetSize(0);
    state_.TileHeight = sheet.height() / static_cast<float>(design::kSheetRows);
    state_.TileWidth = sheet.width() / static_cast<float>(design::kSheetColumns);
    surfaces_.sheetGrid = BoardSheetGrid(state_, QSizeF(sheet), surfaces_.pixelRatio);
    surfaces_.picMask = MakeTileMask(surfaces_.sheetGrid.shape);
    geometry_.frameWidth = state_.TileWidth + design::kFrameSlack;
    geometry_.frameHeight = state_.TileHeight + design::kFrameSlack;
    // The board's own size, in the window's pixels (its surfaces may hold more).
    state_.BoardScaleWidth = CLng(geometry_.board.width);
    state_.BoardScaleHeight = CLng(geometry_.board.height);
    ApplyGeometry();

    game_.NewGame();
    resize(806, 588 + menuBar()->sizeHint().height());
}

void frmVarnel::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmVarnel::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmVarnel::Form_Resize() {
    if (!isMaximized() || !LargeScreen_ || !FirstMaximize_) return;
    FirstMaximize_ = false;
    const QSize screen = environment_.screenSize();
    const auto scale = ScaleForScreen(screen.width(), screen.height());
    if (!scale) return;
    HideFrame();
    FormResize(*scale, state_, geometry_, surfaces_, CurrentTileSet_);
    ApplyGeometry();
    game_.RebuildAroundDeal();
}

void frmVarnel::mnuExit_Click() {
    if (ending_) return;
    ending_ = true;
    StopMusicForShutdown();
    CloseHelp();
    environment_.endProgram();
}

void frmVarnel::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program like Exit does, without asking, even when the help
    // window is still open.
    event->accept();
    mnuExit_Click();
}

}  // namespace varnel
