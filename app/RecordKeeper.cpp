#include "app/RecordKeeper.h"

#include <QDateTime>

#include "play/LayoutTable.h"
#include "record/Figures.h"

namespace varnel {
namespace {

GameEnding endingOf(FinishedGame::Ending ending) {
    switch (ending) {
        case FinishedGame::Ending::Won:
            return GameEnding::Won;
        case FinishedGame::Ending::Stuck:
            return GameEnding::Stuck;
        case FinishedGame::Ending::Abandoned:
            break;
    }
    return GameEnding::Abandoned;
}

}  // namespace

RecordKeeper::RecordKeeper(QString dataFolder, QWidget* window)
    : QObject(window), dataFolder_(std::move(dataFolder)), window_(window) {}

std::string RecordKeeper::keep(const FinishedGame& game, bool winnableDeals, bool warnLosingMove) {
    PlayedGame played;
    played.layout = game.layout;
    played.deal = game.dealNumber;
    played.seconds = static_cast<int>(game.playedMilliseconds / 1000);
    played.startedUtc = QDateTime::currentSecsSinceEpoch() - played.seconds;
    played.pairsTaken = game.pairsTaken;
    played.ending = endingOf(game.ending);
    played.hints = game.hints;
    played.undos = game.undos;
    played.shuffles = game.shuffles;
    played.winnableDeals = winnableDeals;
    played.warnLosingMove = warnLosingMove;
    openWhenNeeded();
    // Measured against the games before it, so a best is a best for the first time only.
    const bool best = isNewBest(record_.games(), played);
    record_.add(played);
    const LayoutRow* row = findLayout(game.layout);
    return best && row ? std::string("a new best for ") + row->name : std::string();
}

void RecordKeeper::dealChanged(int layout, std::optional<uint32_t> dealInPlay) {
    if (statistics_) statistics_->setDealInPlay(layout, dealInPlay);
}

void RecordKeeper::showStatistics(int layout, std::optional<uint32_t> dealInPlay) {
    openWhenNeeded();
    if (!statistics_) {
        statistics_ = new StatisticsWindow(record_, window_);
        connect(statistics_, &StatisticsWindow::playDealRequested, this,
                &RecordKeeper::playDealRequested);
    }
    statistics_->setDealInPlay(layout, dealInPlay);
    statistics_->present(layout);
}

}  // namespace varnel
