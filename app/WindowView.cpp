#include "app/WindowView.h"

#include <QApplication>
#include <chrono>

#include "app/help/AppInfo.h"
#include "board/Rounding.h"
#include "display/MessageBox.h"

namespace varnel {

WindowView::WindowView(Parts parts) : parts_(std::move(parts)) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (game_) game_->timerTick();
    });
}

WindowView::~WindowView() {
    if (busy_) QApplication::restoreOverrideCursor();
}

void WindowView::show(Game& game) { game_ = &game; }

void WindowView::redraw() {
    // Drawing never changes what may be clicked: that is the game's to say.
    if (game_) parts_.board.redraw(game_->board(), parts_.tileSet());
}

void WindowView::showAvailability(const Availability& available) {
    parts_.menus.showAvailability(available);
    parts_.board.setAcceptsClicks(available.board);
}

void WindowView::showLayout(int16_t layout) {
    parts_.menus.checkLayout(layout);
    if (const LayoutRow* row = findLayout(layout)) parts_.board.useLayout(*row);
}

void WindowView::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void WindowView::showTilesLeft(int16_t tilesLeft) { parts_.board.setTilesLeft(tilesLeft); }

void WindowView::setTilesLeftCaptionVisible(bool visible) { parts_.board.setCaptionVisible(visible); }

void WindowView::showSelectionFrame(int16_t tile) { parts_.board.showSelectionFrame(tile); }

void WindowView::showHintFrame(int16_t tile) { parts_.board.showHintFrame(tile); }

void WindowView::hideFrame() { parts_.board.hideFrame(); }

void WindowView::showCursor(int16_t tile) { parts_.board.showCursor(tile); }

void WindowView::hideCursor() { parts_.board.hideCursor(); }

void WindowView::refuseClick() {
    // The beep is part of the sound: with the music off a refused click is silent.
    if (parts_.music.soundOn()) parts_.beep();
}

void WindowView::startTimer(float seconds) {
    timer_.start(std::chrono::milliseconds(roundToInt32(seconds * 1000.0 * parts_.timerScale)));
}

void WindowView::stopTimer() { timer_.stop(); }

void WindowView::showMessage(const std::string& text) {
    showMessageBox(parts_.window, QMessageBox::NoIcon, QString::fromUtf8(AppTitle),
                   QString::fromStdString(text), QMessageBox::Ok);
}

bool WindowView::askYesNo(const std::string& caption, const std::string& text) {
    return showMessageBox(parts_.window, QMessageBox::Question, QString::fromStdString(caption),
                          QString::fromStdString(text),
                          QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void WindowView::setMatchPanelVisible(bool visible) { parts_.board.setMatchPanelVisible(visible); }

void WindowView::rememberLayout(int16_t layout) { parts_.settings.writeNumber("Layout", layout); }

void WindowView::exitProgram() { parts_.exit(); }

}  // namespace varnel
