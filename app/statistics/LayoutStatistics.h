#pragma once

#include <QWidget>
#include <span>

#include "record/PlayedGame.h"

class QGridLayout;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// One layout's page of the statistics window: its figures, the chart of its last games and
// its best times, each with the deal it was set on.
namespace varnel {

class TimesChart;

class LayoutStatistics : public QWidget {
    Q_OBJECT

  public:
    LayoutStatistics(int layout, QWidget* parent = nullptr);

    int layout() const { return layout_; }
    // Shows the figures of this layout drawn from the games of every layout.
    void showGames(std::span<const PlayedGame> games);

    TimesChart* chart() const { return chart_; }
    QTreeWidget* bestTimesList() const { return bestTimes_; }
    // The figure shown beside a caption ("Games played"), for the window's tests and readers.
    QString figure(const QString& caption) const;

  signals:
    void playDealRequested(int layout, quint32 deal);

  private:
    QLabel* addFigure(QGridLayout* grid, int row, int column, const QString& caption);
    void playDealOf(QTreeWidgetItem* item);

    int layout_;
    QLabel* played_;
    QLabel* won_;
    QLabel* winRate_;
    QLabel* currentStreak_;
    QLabel* longestStreak_;
    QLabel* bestTime_;
    QLabel* medianTime_;
    TimesChart* chart_;
    QTreeWidget* bestTimes_;
};

}  // namespace varnel
