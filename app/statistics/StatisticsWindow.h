#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "record/PlayedGame.h"

class QLabel;
class QPushButton;
class QTabWidget;

// The "Statistics" window: a page for each layout with its figures, the chart of its last
// games and its best times, and Reset for one layout or all. It stays open beside the game
// (it is not modal) and follows the record as games end.
//
// The game makes it the first time the player asks for it, and keeps it:
//     if (!statistics_) {
//         statistics_ = new StatisticsWindow(record_, this);
//         connect(statistics_, &StatisticsWindow::playDealRequested, this, &...::playDeal);
//     }
//     statistics_->present(currentLayout);
namespace varnel {

class GameRecord;
class LayoutStatistics;

class StatisticsWindow : public QDialog {
    Q_OBJECT

  public:
    // The record must outlive the window; the parent is the game's main window.
    StatisticsWindow(GameRecord& record, QWidget* parent);

    // Shows the window at the layout's page and brings it to the front. The first time, it
    // opens centred on the screen of its parent.
    void present(int layout);

    // The deal in play, named above the pages.
    void setDealInPlay(int layout, std::optional<uint32_t> deal);

    int currentLayout() const;
    LayoutStatistics* page(int layout) const { return pages_.at(static_cast<std::size_t>(layout)); }

  signals:
    // The player double-clicked a best time: play that deal of that layout again.
    void playDealRequested(int layout, quint32 deal);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void refresh();
    void updateResetButtons();
    void resetLayout();
    void resetAll();
    bool ask(const QString& question);

    GameRecord& record_;
    QLabel* dealInPlay_;
    QLabel* noticeIcon_;
    QLabel* notice_;
    QTabWidget* tabs_;
    std::array<LayoutStatistics*, kLayoutCount> pages_{};
    QPushButton* resetLayout_;
    QPushButton* resetAll_;
    std::array<int, kLayoutCount> played_{};
    bool placed_ = false;
    bool stale_ = true;
};

}  // namespace varnel
