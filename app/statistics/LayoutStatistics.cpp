#include "app/statistics/LayoutStatistics.h"

#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QShortcut>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

#include "record/Figures.h"
#include "app/statistics/TimeText.h"
#include "app/statistics/TimesChart.h"

namespace varnel {
namespace {

constexpr int kLastGames = 50;
constexpr int kBestTimes = 10;
constexpr int kDealRole = Qt::UserRole;

const QString kNothing = QStringLiteral("\u2014");

}  // namespace

LayoutStatistics::LayoutStatistics(int layout, QWidget* parent) : QWidget(parent), layout_(layout) {
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(fontMetrics().height());
    played_ = addFigure(figures, 0, 0, tr("Games played:"));
    won_ = addFigure(figures, 1, 0, tr("Games won:"));
    winRate_ = addFigure(figures, 2, 0, tr("Win rate:"));
    currentStreak_ = addFigure(figures, 0, 1, tr("Current winning streak:"));
    longestStreak_ = addFigure(figures, 1, 1, tr("Longest winning streak:"));
    bestTime_ = addFigure(figures, 0, 2, tr("Best time:"));
    medianTime_ = addFigure(figures, 1, 2, tr("Median time:"));
    auto* unassisted =
        new QLabel(tr("Times count wins without a hint, an undo, a shuffle or "
                      "the warning of a losing move."));
    unassisted->setWordWrap(true);
    unassisted->setForegroundRole(QPalette::PlaceholderText);
    figures->addWidget(unassisted, 3, 0, 1, 6);
    figures->setColumnStretch(5, 1);

    chart_ = new TimesChart;
    auto* chartBox = new QGroupBox(tr("Last %1 games").arg(kLastGames));
    auto* chartLayout = new QVBoxLayout(chartBox);
    chartLayout->addWidget(chart_);

    bestTimes_ = new QTreeWidget;
    bestTimes_->setObjectName(QStringLiteral("BestTimes"));
    bestTimes_->setColumnCount(3);
    bestTimes_->setHeaderLabels({tr("Time"), tr("Deal"), tr("Date")});
    bestTimes_->setRootIsDecorated(false);
    bestTimes_->setUniformRowHeights(true);
    bestTimes_->setAlternatingRowColors(true);
    bestTimes_->setSelectionMode(QAbstractItemView::SingleSelection);
    bestTimes_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    bestTimes_->header()->setStretchLastSection(true);
    // Wide enough for the longest time, deal number and date there can be, so that the window
    // never needs to change its size or scroll sideways.
    bestTimes_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics = bestTimes_->fontMetrics();
    bestTimes_->setMinimumWidth(
        metrics.horizontalAdvance(QStringLiteral("00:00:00 4294967295 0000-00-00")) +
        metrics.height() * 2 + bestTimes_->frameWidth() * 2 +
        style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bestTimes_));
    auto* bestBox = new QGroupBox(tr("Best times"));
    auto* bestLayout = new QVBoxLayout(bestBox);
    bestLayout->addWidget(bestTimes_);
    auto* replay = new QLabel(tr("Double-click a time to play its deal again."));
    replay->setWordWrap(true);
    replay->setForegroundRole(QPalette::PlaceholderText);
    bestLayout->addWidget(replay);

    auto* lists = new QHBoxLayout;
    lists->addWidget(chartBox, 3);
    lists->addWidget(bestBox, 2);

    auto* page = new QVBoxLayout(this);
    page->addLayout(figures);
    page->addLayout(lists, 1);

    connect(bestTimes_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { playDealOf(item); });
    // Enter does from the keyboard what a double-click does.
    for (QKeySequence key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, bestTimes_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this] { playDealOf(bestTimes_->currentItem()); });
    }
}

QLabel* LayoutStatistics::addFigure(QGridLayout* grid, int row, int column,
                                    const QString& caption) {
    auto* name = new QLabel(caption);
    auto* value = new QLabel(kNothing);
    value->setObjectName(caption);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    name->setBuddy(value);
    grid->addWidget(name, row, column * 2);
    grid->addWidget(value, row, column * 2 + 1);
    return value;
}

QString LayoutStatistics::figure(const QString& caption) const {
    const auto* value = findChild<QLabel*>(caption + QLatin1Char(':'));
    return value ? value->text() : QString();
}

void LayoutStatistics::showGames(std::span<const PlayedGame> games) {
    const LayoutFigures figures = figuresOf(games, layout_);
    const QLocale locale;
    played_->setText(locale.toString(figures.played));
    won_->setText(locale.toString(figures.won));
    winRate_->setText(figures.winRate() ? locale.toString(std::lround(*figures.winRate() * 100)) +
                                              QLatin1Char('%')
                                        : kNothing);
    currentStreak_->setText(locale.toString(figures.currentStreak));
    longestStreak_->setText(locale.toString(figures.longestStreak));
    bestTime_->setText(figures.bestSeconds ? playTimeText(*figures.bestSeconds) : kNothing);
    medianTime_->setText(figures.medianSeconds
                             ? playTimeText(static_cast<int>(std::lround(*figures.medianSeconds)))
                             : kNothing);

    chart_->setTimes(lastTimes(games, layout_, kLastGames));

    bestTimes_->clear();
    QList<QTreeWidgetItem*> items;
    for (const PlayedGame& game : varnel::bestTimes(games, layout_, kBestTimes)) {
        const QString date = QDateTime::fromSecsSinceEpoch(game.startedUtc, Qt::UTC)
                                 .toLocalTime()
                                 .date()
                                 .toString(Qt::ISODate);
        auto* item = new QTreeWidgetItem(QStringList{
            playTimeText(game.seconds), game.deal ? QString::number(*game.deal) : kNothing, date});
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (game.deal) {
            item->setData(0, kDealRole, QVariant::fromValue<quint32>(*game.deal));
        } else {
            // A game restored from a saved file of an older version: its deal has no number.
            item->setToolTip(1, tr("This deal has no number and cannot be played again."));
        }
        items.append(item);
    }
    bestTimes_->addTopLevelItems(items);
}

void LayoutStatistics::playDealOf(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    const QVariant deal = item->data(0, kDealRole);
    if (deal.isValid()) emit playDealRequested(layout_, deal.value<quint32>());
}

}  // namespace varnel
