#include "app/statistics/StatisticsWindow.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <numeric>

#include "record/GameRecord.h"
#include "app/statistics/LayoutStatistics.h"
#include "play/LayoutTable.h"
#include "display/DialogWindow.h"
#include "display/MessageBox.h"

namespace varnel {
namespace {

const char* layoutName(int layout) {
    const LayoutRow* row = findLayout(layout);
    return row ? row->name : "";
}

}  // namespace

StatisticsWindow::StatisticsWindow(GameRecord& record, QWidget* parent)
    : QDialog(parent), record_(record) {
    setObjectName(QStringLiteral("StatisticsWindow"));
    setWindowTitle(tr("Statistics"));
    // A title and a close button; nothing to maximize or ask help of.
    makeGameDialog(this, parent);
    setModal(false);

    dealInPlay_ = new QLabel;
    dealInPlay_->setObjectName(QStringLiteral("DealInPlay"));
    dealInPlay_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    noticeIcon_ = new QLabel;
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    noticeIcon_->setPixmap(style()
                               ->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
                               .pixmap(iconSize, iconSize));
    noticeIcon_->setAlignment(Qt::AlignTop);
    notice_ = new QLabel;
    notice_->setObjectName(QStringLiteral("RecordNotice"));
    notice_->setWordWrap(true);
    notice_->setTextFormat(Qt::PlainText);
    notice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The notice wraps to the width the pages give the window rather than widening it.
    notice_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* noticeRow = new QHBoxLayout;
    noticeRow->addWidget(noticeIcon_);
    noticeRow->addWidget(notice_, 1);

    tabs_ = new QTabWidget;
    for (int layout = 0; layout < kLayoutCount; ++layout) {
        auto* page = new LayoutStatistics(layout);
        pages_[static_cast<std::size_t>(layout)] = page;
        tabs_->addTab(page, QString::fromUtf8(layoutName(layout)));
        connect(page, &LayoutStatistics::playDealRequested, this,
                &StatisticsWindow::playDealRequested);
    }

    resetLayout_ = new QPushButton;
    resetLayout_->setObjectName(QStringLiteral("ResetLayout"));
    resetAll_ = new QPushButton(tr("Reset &All..."));
    resetAll_->setObjectName(QStringLiteral("ResetAll"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(resetLayout_, QDialogButtonBox::ResetRole);
    buttons->addButton(resetAll_, QDialogButtonBox::ResetRole);
    // Enter belongs to the list of best times, never to a button of this window.
    for (QAbstractButton* button : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);

    auto* window = new QVBoxLayout(this);
    window->addWidget(dealInPlay_);
    window->addLayout(noticeRow);
    window->addWidget(tabs_, 1);
    window->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(resetLayout_, &QPushButton::clicked, this, &StatisticsWindow::resetLayout);
    connect(resetAll_, &QPushButton::clicked, this, &StatisticsWindow::resetAll);
    connect(tabs_, &QTabWidget::currentChanged, this, &StatisticsWindow::updateResetButtons);
    connect(&record_, &GameRecord::changed, this, [this] {
        stale_ = true;
        if (isVisible()) refresh();
    });

    // The window keeps the size its contents ask for, measured in the font's own units, so it
    // reads alike at any scale; window managers offer no maximize button on such a window.
    // The size is fixed before the window is first shown, for some window managers look at it
    // only then.
    window->setSizeConstraint(QLayout::SetFixedSize);
    refresh();
    window->activate();
}

void StatisticsWindow::present(int layout) {
    if (layout >= 0 && layout < kLayoutCount) tabs_->setCurrentIndex(layout);
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void StatisticsWindow::setDealInPlay(int layout, std::optional<uint32_t> deal) {
    dealInPlay_->setText(deal ? tr("The game in play: %1, deal %2").arg(QString::fromUtf8(layoutName(layout))).arg(*deal)
                              : tr("The game in play: %1, a restored game without a deal number")
                                    .arg(QString::fromUtf8(layoutName(layout))));
}

int StatisticsWindow::currentLayout() const {
    return tabs_->currentIndex();
}

void StatisticsWindow::showEvent(QShowEvent* event) {
    if (stale_) refresh();
    QDialog::showEvent(event);
    if (!placed_) {
        placed_ = true;
        centreOnGameScreen(this, frameGeometry().size(), parentWidget());
    }
}

void StatisticsWindow::refresh() {
    stale_ = false;
    const std::vector<PlayedGame> games = record_.games();
    played_.fill(0);
    for (const PlayedGame& game : games) ++played_[static_cast<std::size_t>(game.layout)];
    for (LayoutStatistics* page : pages_) page->showGames(games);

    const QString notice = record_.notice();
    notice_->setText(notice);
    notice_->setVisible(!notice.isEmpty());
    noticeIcon_->setVisible(!notice.isEmpty());
    updateResetButtons();
}

void StatisticsWindow::updateResetButtons() {
    const int layout = currentLayout();
    resetLayout_->setText(tr("&Reset %1...").arg(QString::fromUtf8(layoutName(layout))));
    resetLayout_->setEnabled(played_[static_cast<std::size_t>(layout)] > 0);
    resetAll_->setEnabled(std::accumulate(played_.begin(), played_.end(), 0) > 0);
}

bool StatisticsWindow::ask(const QString& question) {
    return showMessageBox(this, QMessageBox::Question, windowTitle(), question,
                          QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void StatisticsWindow::resetLayout() {
    const int layout = currentLayout();
    const int played = played_[static_cast<std::size_t>(layout)];
    const QString name = QString::fromUtf8(layoutName(layout));
    const QString question =
        played == 1 ? tr("Forget the one %1 game in the record? This cannot be undone.").arg(name)
                    : tr("Forget all %1 %2 games in the record? This cannot be undone.")
                          .arg(QLocale().toString(played), name);
    if (ask(question)) record_.reset(layout);
}

void StatisticsWindow::resetAll() {
    const int played = std::accumulate(played_.begin(), played_.end(), 0);
    const QString question =
        played == 1
            ? tr("Forget the one game in the record? This cannot be undone.")
            : tr("Forget all %1 games of every layout in the record? This cannot be undone.")
                  .arg(QLocale().toString(played));
    if (ask(question)) record_.resetAll();
}

}  // namespace varnel
