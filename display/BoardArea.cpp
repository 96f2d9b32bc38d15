#include "display/BoardArea.h"

#include <QApplication>
#include <algorithm>

#include "board/Rounding.h"
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
      panel_(new MatchPanel(form)) {
    board_->setObjectName(QStringLiteral("board"));
    frame_->setObjectName(QStringLiteral("selectionFrame"));
    cursor_->setObjectName(QStringLiteral("keyboardCursor"));
    panel_->setObjectName(QStringLiteral("matchPanel"));
    board_->setFocusPolicy(Qt::ClickFocus);  // its keys go on to the window
    connect(board_, &BoardWidget::clicked, this, &BoardArea::clicked);
    connect(panel_, &MatchPanel::newGameChosen, this, &BoardArea::panelNewGame);
    connect(panel_, &MatchPanel::shuffleChosen, this, &BoardArea::panelShuffle);
    connect(panel_, &MatchPanel::quitChosen, this, &BoardArea::panelQuit);
    placeWidgets();
}

void BoardArea::placeWidgets() {
    const RectF& board = geometry_.board();
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
}

void BoardArea::scaleFor(const ScreenScale& scale, int tileSetInUse) {
    hideFrame();
    geometry_.scaleFor(scale);
    surfaces_.fitTo(geometry_, tileSetInUse);
    placeWidgets();
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
    for (QLabel* label : {caption_, tilesLeft_, spare_}) {
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::WindowText, text);
        label->setPalette(labelPalette);
    }
}

void BoardArea::usePictureSheet(const QImage& picture) { surfaces_.usePictureSheet(picture, geometry_); }

void BoardArea::redraw(const Board& board, int tileSet) {
    surfaces_.compose(board, geometry_, tileSet);
    board_->showPicture(surfaces_.board(), surfaces_.pixelRatio());
}

void BoardArea::setTilesLeft(int16_t tilesLeft) {
    // A blank stands before the count where a minus sign would, as the game has always shown it.
    tilesLeft_->setText(QLatin1Char(' ') + QString::number(tilesLeft));
}

void BoardArea::setCaptionText(const QString& text) { caption_->setText(text); }

void BoardArea::setCaptionVisible(bool visible) { caption_->setVisible(visible); }

void BoardArea::showFrameAt(Point at) {
    frame_->moveOutline(QPoint(at.x, at.y));
    frame_->show();
    frame_->raise();
    cursor_->raise();  // the cursor stays visible over a selected tile
}

void BoardArea::showSelectionFrame(int16_t tile) { showFrameAt(geometry_.selectionFrameAt(tile)); }

void BoardArea::showHintFrame(int16_t tile) { showFrameAt(geometry_.hintFrameAt(tile)); }

void BoardArea::hideFrame() { frame_->hide(); }

void BoardArea::showCursor(int16_t tile) {
    const TilePlace at = geometry_.place(tile);
    cursor_->move(at.x, at.y);
    cursor_->show();
    cursor_->raise();
}

void BoardArea::hideCursor() { cursor_->hide(); }

void BoardArea::setMatchPanelVisible(bool visible) {
    const bool hadFocus = panel_->isAncestorOf(QApplication::focusWidget());
    panel_->setVisible(visible);
    if (visible) panel_->raise();
    // Keys pressed after a panel button go to the board again.
    if (!visible && hadFocus) board_->setFocus();
}

}  // namespace varnel
