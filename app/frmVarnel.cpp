#include "frmVarnel.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <chrono>

#include "AppInfo.h"
#include "BuiltinArt.h"
#include "ColorDialog.h"
#include "Conversions.h"
#include "MessageBox.h"
#include "RasterOps.h"

namespace varnel {
namespace {

QLabel* MakeBoardLabel(QWidget* board, const design::Box& box) {
    auto* label = new QLabel(board);
    label->setGeometry(box.left, box.top, box.width, box.height);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Text hangs from the top of the label, so labels of different heights placed at one top
    // (the Rivers tiles-left caption and count) line up.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(14);
    label->setFont(font);
    return label;
}

}  // namespace

VarnelEnvironment ProgramEnvironment() {
    VarnelEnvironment environment;
    environment.appPath = QCoreApplication::applicationDirPath();
    environment.dataPath = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    environment.cachePath = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    environment.screenSize = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry().size() : QSize(640, 480);
    };
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        environment.pixelRatio = static_cast<float>(screen->devicePixelRatio());
    environment.endProgram = [] { QCoreApplication::exit(0); };
    environment.beep = [] { QApplication::beep(); };
    return environment;
}

frmVarnel::frmVarnel(VarnelEnvironment environment, QWidget* parent)
    : QMainWindow(parent),
      environment_(std::move(environment)),
      random_(environment_.seedSource ? Random(environment_.seedSource) : Random()),
      game_(state_, *this, random_) {
    CreateControls();
    CreateMenus();
    ConnectMenus();
    // The music waits for the first board: the window comes first, then the synthesiser. A
    // window that is never painted (started minimized) lets it go after a second anyway.
    MMControl1.HoldStart(true);
    picBoard->installEventFilter(this);
    QTimer::singleShot(1000, this, [this] { AfterFirstBoard(); });
    Form_Load();
}

frmVarnel::~frmVarnel() {
    if (busy_) QApplication::restoreOverrideCursor();
}

void frmVarnel::CreateControls() {
    form = new QWidget(this);
    form->setAutoFillBackground(true);
    setCentralWidget(form);

    // The surfaces at their design size, in device pixels. The built-in tile sets wait in their
    // slots until they are first drawn with.
    const float r = environment_.pixelRatio;
    surfaces_.pixelRatio = r;
    surfaces_.sheetCache = SheetCache(environment_.cachePath);
    const QSize board = BoardDeviceSize(design::kBoardWidth, design::kBoardHeight, r);
    surfaces_.board = BoardPicture::Blank(
        board, qRgb(0, 0, 0), MakeSurface(CLng(design::kTileWidth * r), CLng(design::kTileHeight * r)));

    picBoard = new BoardWidget(form);
    picBoard->setFocusPolicy(Qt::ClickFocus);  // its keys go on to the window
    shpBox = new SelectionFrame(picBoard);
    shpCursor = new CursorFrame(picBoard);
    lblMessage = MakeBoardLabel(picBoard, design::kMessageLabel);
    lblScore = MakeBoardLabel(picBoard, design::kScoreLabel);
    lblTest = MakeBoardLabel(picBoard, design::kTestLabel);
    picMatch = new MatchPanel(form);

    sequenceTimer_.setSingleShot(true);
    connect(&sequenceTimer_, &QTimer::timeout, this, [this] { game_.TimerTick(); });

    connect(picBoard, &BoardWidget::MouseUp, this,
            [this](int button, float x, float y) { game_.picBoard_MouseUp(button, x, y); });
    connect(picMatch->cmdMatchNew, &QPushButton::clicked, this, [this] { game_.cmdMatchNew_Click(); });
    connect(picMatch->cmdMatchShuffle, &QPushButton::clicked, this,
            [this] { game_.cmdMatchShuffle_Click(); });
    connect(picMatch->cmdMatchQuit, &QPushButton::clicked, this,
            [this] { game_.cmdMatchQuit_Click(); });
    connect(&MMControl1, &MusicDevice::StatusUpdate, this, [this] { MMControl1_StatusUpdate(); });
}

void frmVarnel::ApplyGeometry() {
    const RectF& board = geometry_.board;
    picBoard->setGeometry(CLng(board.left), CLng(board.top), CLng(board.width),
                          CLng(board.height));
    shpBox->ResizeOutline(QSize(CLng(geometry_.frameWidth), CLng(geometry_.frameHeight)));
    shpBox->SetBorderWidth(geometry_.frameBorder);
    shpCursor->resize(CLng(state_.TileWidth), CLng(state_.TileHeight));
    shpCursor->SetLineWidth(std::max<int>(2, CInt(3 * state_.BoardScale)));
    lblMessage->move(CLng(geometry_.messageLeft), CLng(geometry_.messageTop));
    lblScore->move(CLng(geometry_.scoreLeft), CLng(geometry_.scoreTop));
}

void frmVarnel::ApplyBackground(int32_t colour) {
    BackgroundColour_ = colour;
    const QRgb rgb = ColourFromLong(colour).rgb();
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, QColor(rgb));
    form->setPalette(palette);
    surfaces_.background = rgb;
    // The labels lie on the background: light text on a dark colour, dark text on a light one.
    const QColor text = qGray(rgb) < 128 ? QColor(255, 236, 160) : QColor(24, 24, 24);
    for (QLabel* label : {lblMessage, lblScore, lblTest}) {
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::WindowText, text);
        label->setPalette(labelPalette);
    }
}

// ---- What the play logic asks of the window ----

void frmVarnel::SetAvailability(const Availability& available) {
    mnuHint->setEnabled(available.Hint);
    mnuUndo->setEnabled(available.Undo);
    mnuShuffle->setEnabled(available.Shuffle);
    picBoard->SetAcceptsClicks(available.Board);
}

void frmVarnel::SetLayoutChecked(int16_t layout) {
    for (int i = 0; i < 3; ++i) mnuLayout[i]->setChecked(i == layout);
}

void frmVarnel::SetBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void frmVarnel::PlaceLabels(int16_t messageTop, int16_t scoreTop, int16_t scoreLeft,
                            int16_t testTop) {
    lblMessage->move(lblMessage->x(), messageTop);
    lblScore->move(scoreLeft, scoreTop);
    lblTest->move(lblTest->x(), testTop);
}

void frmVarnel::SetScoreCaption(const std::string& caption) {
    lblScore->setText(QString::fromStdString(caption));
}

void frmVarnel::SetMessageVisible(bool visible) { lblMessage->setVisible(visible); }

void frmVarnel::ShowFrame(int16_t left, int16_t top) {
    shpBox->MoveOutline(QPoint(left, top));
    shpBox->show();
    shpBox->raise();
    shpCursor->raise();  // the cursor stays visible over a selected tile
}

void frmVarnel::HideFrame() { shpBox->hide(); }

void frmVarnel::Beep() { environment_.beep(); }

void frmVarnel::ShowCursor(int16_t left, int16_t top) {
    shpCursor->move(left, top);
    shpCursor->show();
    shpCursor->raise();
}

void frmVarnel::HideCursor() { shpCursor->hide(); }

void frmVarnel::StartTimer(float seconds) {
    sequenceTimer_.start(std::chrono::milliseconds(CLng(seconds * 1000.0 * environment_.timerScale)));
}

void frmVarnel::StopTimer() { sequenceTimer_.stop(); }

void frmVarnel::DisplayBoard() {
    // Drawing never changes what may be clicked: that is the engine's to say.
    surfaces_.DisplayBoard(state_, CurrentTileSet_);
    picBoard->ShowPicture(surfaces_.board, surfaces_.pixelRatio);
}

int frmVarnel::MessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                          QMessageBox::StandardButtons buttons) {
    return ShowMessageBox(this, icon, caption, text, buttons);
}

void frmVarnel::ShowMessage(const std::string& text) {
    MessageBox(QMessageBox::NoIcon, QString::fromUtf8(AppTitle), QString::fromStdString(text),
               QMessageBox::Ok);
}

void frmVarnel::ShowWarning(const QString& text) {
    MessageBox(QMessageBox::Warning, QString::fromUtf8(AppTitle), text, QMessageBox::Ok);
}

bool frmVarnel::AskYesNo(const std::string& caption, const std::string& text) {
    return MessageBox(QMessageBox::Question, QString::fromStdString(caption),
                      QString::fromStdString(text),
                      QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void frmVarnel::SetMatchPanelVisible(bool visible) {
    const bool hadFocus = picMatch->isAncestorOf(QApplication::focusWidget());
    picMatch->setVisible(visible);
    if (visible) picMatch->raise();
    // Keys pressed after a panel button go to the board again.
    if (!visible && hadFocus) picBoard->setFocus();
}

void frmVarnel::WriteSetting(const std::string& key, const std::string& value) {
    settings_.Write(key, value);
}

void frmVarnel::ExitProgram() { mnuExit_Click(); }

}  // namespace varnel
