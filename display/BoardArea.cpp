#include "display/BoardArea.h"

#include <QAccessible>
#include <QApplication>
#include <algorithm>

#include "board/Rounding.h"
#include "display/BoardAccessible.h"
#include "display/ColorDialog.h"

namespace varnel {
namespace {

QLabel* makeBoardLabel(QWidget* board, const design::Box& box, const char* name) {
    auto* label = new QLabel(board);
    label->setObjectName(QString::fromLatin1(name));
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

BoardArea::BoardArea(QWidget* form, float pixelRatio, SheetCache sheetCache)
    : QObject(form),
      form_(form),
      surfaces_(pixelRatio, std::move(sheetCache)),
      board_(new BoardWidget(form)),
      frame_(new SelectionFrame(board_)),
      cursor_(new CursorFrame(board_)),
      caption_(makeBoardLabel(board_, design::kMessageLabel, "tilesLeftCaption")),
      tilesLeft_(makeBoardLabel(board_, design::kScoreLabel, "tilesLeft")),
      spare_(makeBoardLabel(board_, design::kTestLabel, "spareLabel")),
      note_(makeBoardLabel(board_, design::kNoteLabel, "solverNote")),
      time_(makeBoardLabel(board_, design::kTimeLabel, "timePlayed")),
      pausedNote_(new QLabel(QStringLiteral("Paused. Click the board or press P to play on."), board_)),
      panel_(new MatchPanel(form)) {
    board_->setObjectName(QStringLiteral("board"));
    frame_->setObjectName(QStringLiteral("selectionFrame"));
    cursor_->setObjectName(QStringLiteral("keyboardCursor"));
    panel_->setObjectName(QStringLiteral("matchPanel"));
    // The board takes the keyboard when the window opens, so that a screen reader follows it
    // while the player plays by keys; the keys themselves go on to the window.
    board_->setFocusPolicy(Qt::StrongFocus);
    showOnlyShownChildren(form_);
    time_->hide();
    note_->setWordWrap(true);
    note_->setAutoFillBackground(true);
    note_->setFrameShape(QFrame::Box);
    note_->setMargin(3);
    note_->hide();
    pausedNote_->setObjectName(QStringLiteral("pausedNote"));
    pausedNote_->setAlignment(Qt::AlignCenter);
    pausedNote_->setAttribute(Qt::WA_TransparentForMouseEvents);
    pausedNote_->setFont(tilesLeft_->font());
    pausedNote_->hide();
    connect(board_, &BoardWidget::clicked, this, &BoardArea::clicked);
    connect(panel_, &MatchPanel::newGameChosen, this, &BoardArea::panelNewGame);
    connect(panel_, &MatchPanel::shuffleChosen, this, &BoardArea::panelShuffle);
    connect(panel_, &MatchPanel::quitChosen, this, &BoardArea::panelQuit);
    placeWidgets();
}

void BoardArea::placeWidgets() {
    const RectF& board = geometry_.board();
    // A board smaller than the design letters its labels smaller too, as far as they stay
    // readable; a larger one keeps the classic size.
    const int letters = geometry_.scale() < 1 ? std::max(9, roundToInt32(14 * geometry_.scale())) : 14;
    for (QLabel* label : {caption_, tilesLeft_, spare_, time_, pausedNote_, note_}) {
        QFont font = label->font();
        font.setPixelSize(letters);
        label->setFont(font);
    }
    board_->setGeometry(roundToInt32(board.left), roundToInt32(board.top), roundToInt32(board.width),
                        roundToInt32(board.height));
    frame_->resizeOutline(
        QSize(roundToInt32(geometry_.frameWidth()), roundToInt32(geometry_.frameHeight())));
    frame_->setBorderWidth(geometry_.frameBorder());
    cursor_->resize(roundToInt32(geometry_.tileWidth()), roundToInt32(geometry_.tileHeight()));
    cursor_->setLineWidth(geometry_.cursorLineWidth());
    const LabelPlaces labels = geometry_.labels(labels_);
    caption_->move(labels.messageLeft, labels.messageTop);
    tilesLeft_->move(labels.scoreLeft, labels.scoreTop);
    spare_->move(spare_->x(), labels.testTop);
    note_->move(labels.noteLeft, labels.noteTop);
    note_->setFixedWidth(labels.noteWidth);
    note_->adjustSize();
    time_->move(labels.timeLeft, labels.timeTop);
    pausedNote_->setGeometry(board_->rect());
    const Point panel = geometry_.matchPanelAt(panel_->width(), panel_->height());
    panel_->move(panel.x, panel.y);
    if (frameTile_ >= 0) showFrame(frameKind_, frameTile_);
    if (cursorTile_ >= 0) showCursor(cursorTile_);
}

void BoardArea::place(const DesignPlacement& placement, int tileSetInUse, Drawing drawing) {
    geometry_.place(placement);
    if (drawing == Drawing::Sharp)
        surfaces_.fitTo(geometry_, tileSetInUse);
    else
        surfaces_.fitQuicklyTo(geometry_, tileSetInUse);
    placeWidgets();
}

void BoardArea::sharpen(int tileSetInUse) { surfaces_.fitTo(geometry_, tileSetInUse); }

void BoardArea::setPixelRatio(float ratio, int tileSetInUse) {
    surfaces_.setPixelRatio(ratio);
    surfaces_.fitTo(geometry_, tileSetInUse);
}

void BoardArea::useLayout(const LayoutRow& layout) {
    labels_ = layout.labels;
    geometry_.useLayout(layout);
    placeWidgets();
}

void BoardArea::setBackground(int32_t colour) {
    const QRgb rgb = colourFromSetting(colour).rgb();
    QPalette palette = form_->palette();
    palette.setColor(QPalette::Window, QColor(rgb));
    form_->setPalette(palette);
    surfaces_.setBackground(rgb);
    // The labels lie on the background: light text on a dark colour, dark text on a light one.
    const QColor text = qGray(rgb) < 128 ? QColor(255, 236, 160) : QColor(24, 24, 24);
    for (QLabel* label : {caption_, tilesLeft_, spare_, time_, pausedNote_, note_}) {
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::WindowText, text);
        label->setPalette(labelPalette);
    }
    // The note may lie over tiles: a panel of the background's own colour keeps it readable.
    QPalette notePalette = note_->palette();
    notePalette.setColor(QPalette::Window, QColor(rgb));
    note_->setPalette(notePalette);
}

void BoardArea::usePictureSheet(const QImage& picture) { surfaces_.usePictureSheet(picture, geometry_); }

void BoardArea::redraw(const Board& board, int tileSet) {
    surfaces_.compose(paused_ ? Board(board.tileCount()) : board, geometry_, tileSet);
    board_->showPicture(surfaces_.board(), surfaces_.pixelRatio());
}

void BoardArea::setTilesLeft(int16_t tilesLeft) {
    // A blank stands before the count where a minus sign would, as the game has always shown it.
    tilesLeft_->setText(QLatin1Char(' ') + QString::number(tilesLeft));
}

void BoardArea::setCaptionText(const QString& text) { caption_->setText(text); }

void BoardArea::setCaptionVisible(bool visible) { caption_->setVisible(visible); }

void BoardArea::setTimeShown(bool shown) { time_->setVisible(shown); }

void BoardArea::setTimeText(const QString& text) { time_->setText(text); }

void BoardArea::setNoteText(const QString& text) {
    note_->setText(text);
    note_->adjustSize();
    note_->setVisible(!text.isEmpty());
    note_->raise();
}

void BoardArea::setPaused(bool paused, const Board& board, int tileSet) {
    paused_ = paused;
    pausedNote_->setVisible(paused);
    // The frames would tell where the tiles lie; they come back with the board.
    frame_->setVisible(!paused && frameTile_ >= 0);
    cursor_->setVisible(!paused && cursorTile_ >= 0);
    redraw(board, tileSet);
}

void BoardArea::showFrame(FrameKind kind, int16_t tile) {
    frameKind_ = kind;
    frameTile_ = tile;
    const Point at = kind == FrameKind::Hint ? geometry_.hintFrameAt(tile) : geometry_.selectionFrameAt(tile);
    frame_->moveOutline(QPoint(at.x, at.y));
    frame_->setVisible(!paused_);
    frame_->raise();
    cursor_->raise();  // the cursor stays visible over a selected tile
}

void BoardArea::showSelectionFrame(int16_t tile) { showFrame(FrameKind::Selection, tile); }

void BoardArea::showHintFrame(int16_t tile) { showFrame(FrameKind::Hint, tile); }

void BoardArea::hideFrame() {
    frameTile_ = -1;
    frame_->hide();
}

void BoardArea::showCursor(int16_t tile) {
    cursorTile_ = tile;
    const TilePlace at = geometry_.place(tile);
    cursor_->move(at.x, at.y);
    cursor_->setVisible(!paused_);
    cursor_->raise();
}

void BoardArea::hideCursor() {
    cursorTile_ = -1;
    cursor_->hide();
}

void BoardArea::setMatchPanelVisible(bool visible) {
    const bool hadFocus = panel_->isAncestorOf(QApplication::focusWidget());
    panel_->setVisible(visible);
    if (visible) panel_->raise();
    // The panel comes into the screen reader's tree, or leaves it.
    QAccessibleEvent reordered(form_, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
    // Keys pressed after a panel button go to the board again.
    if (!visible && hadFocus) board_->setFocus();
}

}  // namespace varnel
