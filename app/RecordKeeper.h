#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

#include "app/statistics/StatisticsWindow.h"
#include "play/GameView.h"
#include "record/GameRecord.h"

namespace varnel {

// Keeps every finished game in the record of games and shows the Statistics window over it.
// The record and the window are made the first time they are needed.
class RecordKeeper : public QObject {
    Q_OBJECT
  public:
    RecordKeeper(QString dataFolder, QWidget* window);

    // Keeps the game with the settings it was played under; returns "a new best for Dragon"
    // (or its layout) for a win that beats every earlier unassisted win of its layout, else "".
    std::string keep(const FinishedGame& game, bool winnableDeals, bool warnLosingMove);
    void showStatistics(int layout, std::optional<uint32_t> dealInPlay);
    // A new deal is on the table: an open Statistics window names it.
    void dealChanged(int layout, std::optional<uint32_t> dealInPlay);
    const GameRecord& record() const { return record_; }

  signals:
    // A best time double-clicked in the Statistics window: play that deal again.
    void playDealRequested(int layout, quint32 deal);

  private:
    QString dataFolder_;
    QWidget* window_;
    GameRecord record_;
    StatisticsWindow* statistics_ = nullptr;

    // The record is opened when it is first needed (the first game ended, or Statistics asked
    // for), never at the start: the start of the game does not pay for the database.
    void openWhenNeeded() { record_.open(dataFolder_); }
};

}  // namespace varnel
