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
    // Four times a second, so that the seconds turn over evenly; only while the time is shown.
    clockTick_.setInterval(250);
    QObject::connect(&clockTick_, &QTimer::timeout, [this] { showTime(); });
}

void WindowView::setTimeShown(bool shown) {
    parts_.board.setTimeShown(shown);
    if (shown) {
        showTime();
        clockTick_.start();
    } else {
        clockTick_.stop();
    }
}

void WindowView::showTime() {
    // A blank before the time, as before the count above it, so that the two line up.
    if (game_)
        parts_.board.setTimeText(QLatin1Char(' ') +
                                 QString::fromStdString(playedTimeText(game_->playedMilliseconds())));
}

WindowView::~WindowView() {
    if (busy_) QApplication::restoreOverrideCursor();
}

void WindowView::show(Game& game) {
    game_ = &game;
    narrator_ = std::make_unique<BoardNarrator>(game, parts_.board, parts_.menus);
}

void WindowView::narrate() {
    if (narrator_) narrator_->update();
}

void WindowView::redraw() {
    // Drawing never changes what may be clicked: that is the game's to say.
    if (!game_) return;
    parts_.board.redraw(game_->board(), parts_.tileSet());
    narrate();
}

void WindowView::showAvailability(const Availability& available) {
    parts_.menus.showAvailability(available);
    parts_.board.setAcceptsClicks(available.board);
}

void WindowView::showLayout(int16_t layout) {
    if (game_) parts_.record.dealChanged(layout, game_->dealNumber());
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

void WindowView::showTilesLeft(int16_t tilesLeft) {
    parts_.board.setTilesLeft(tilesLeft);
    if (parts_.play.showTime) showTime();
    narrate();
}

void WindowView::setTilesLeftCaptionVisible(bool visible) { parts_.board.setCaptionVisible(visible); }

void WindowView::showSelectionFrame(int16_t tile) {
    parts_.board.showSelectionFrame(tile);
    narrate();
}

void WindowView::showHintFrame(int16_t tile) {
    parts_.board.showHintFrame(tile);
    if (narrator_) narrator_->hintShown(tile);
}

void WindowView::hideFrame() {
    parts_.board.hideFrame();
    narrate();
}

void WindowView::showCursor(int16_t tile) {
    parts_.board.showCursor(tile);
    narrate();
}

void WindowView::hideCursor() {
    parts_.board.hideCursor();
    narrate();
}

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

void WindowView::setMatchPanelVisible(bool visible) {
    parts_.board.setMatchPanelVisible(visible);
    narrate();
}

void WindowView::showPaused(bool paused) {
    parts_.menus.checkPause(paused);
    if (game_) parts_.board.setPaused(paused, game_->board(), parts_.tileSet());
}

std::string WindowView::keepRecord(const FinishedGame& game) {
    return parts_.record.keep(game, parts_.play.winnableDeals, parts_.play.warnLosingMove);
}

void WindowView::post(std::function<void()> task) {
    // Queued to the window, so that it runs on its thread once the present event is done; a
    // window gone first drops it.
    QMetaObject::invokeMethod(parts_.window, std::move(task), Qt::QueuedConnection);
}

void WindowView::showSolverNote(const std::string& text) { parts_.board.setNoteText(QString::fromStdString(text)); }

void WindowView::rememberLayout(int16_t layout) { parts_.settings.writeNumber("Layout", layout); }

void WindowView::exitProgram() { parts_.exit(); }

}  // namespace varnel
