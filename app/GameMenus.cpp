#include "app/GameMenus.h"

#include "app/AccessKeyMenuBar.h"
#include "play/LayoutTable.h"

namespace varnel {

GameMenus::GameMenus(QMainWindow* window) : QObject(window) {
    auto* bar = new AccessKeyMenuBar(window);
    window->setMenuBar(bar);
    auto add = [this](QMenu* menu, const QString& text, void (GameMenus::*chosen)()) {
        QAction* entry = menu->addAction(text);
        connect(entry, &QAction::triggered, this, chosen);
        return entry;
    };

    QMenu* game = bar->addMenu(QStringLiteral("&Game"));
    add(game, QStringLiteral("&New Game"), &GameMenus::newGame)->setShortcut(Qt::Key_F2);
    game->addSeparator();
    add(game, QStringLiteral("S&ave Game"), &GameMenus::save);
    add(game, QStringLiteral("&Restore Game"), &GameMenus::restore);
    game->addSeparator();
    add(game, QStringLiteral("Play &Deal Number..."), &GameMenus::playDealNumber);
    pause_ = add(game, QStringLiteral("&Pause"), &GameMenus::pause);
    pause_->setShortcut(Qt::Key_P);
    pause_->setCheckable(true);
    add(game, QStringLiteral("S&tatistics..."), &GameMenus::statistics);
    game->addSeparator();
    // The catalogue of the classic game opens the help, as Contents does.
    add(game, QStringLiteral("Software &Catalog"), &GameMenus::helpContents);
    game->addSeparator();
    // The menu shows Alt+F4 beside Exit as its key. A window manager keeps that key for closing
    // the window, which ends the game as Exit does; without one the entry takes it itself.
    add(game, QStringLiteral("E&xit"), &GameMenus::exit)->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    QMenu* customize = bar->addMenu(QStringLiteral("C&ustomize"));
    sound_ = add(customize, QStringLiteral("&Sound On"), &GameMenus::sound);
    customize->addSeparator();
    add(customize, QStringLiteral("&Background Color"), &GameMenus::background);
    customize->addSeparator();
    auto addSwitch = [this, customize](const QString& text, void (GameMenus::*chosen)(bool)) {
        QAction* entry = customize->addAction(text);
        entry->setCheckable(true);
        connect(entry, &QAction::triggered, this, chosen);
        return entry;
    };
    winnableDeals_ = addSwitch(QStringLiteral("&Winnable Deals"), &GameMenus::winnableDeals);
    warnLosingMove_ = addSwitch(QStringLiteral("Warn of a &Losing Move"), &GameMenus::warnLosingMove);
    showTime_ = customize->addAction(QStringLiteral("Show &Time"));
    showTime_->setCheckable(true);
    connect(showTime_, &QAction::triggered, this, &GameMenus::showTime);

    QMenu* layouts = bar->addMenu(QStringLiteral("&Layouts"));
    for (const LayoutRow& row : layoutTable()) {
        QAction* entry = layouts->addAction(QStringLiteral("&%1 Layout").arg(QString::fromUtf8(row.name)));
        entry->setCheckable(true);
        connect(entry, &QAction::triggered, this, [this, number = row.number] { emit layout(number); });
        layouts_.push_back(entry);
    }

    QMenu* tiles = bar->addMenu(QStringLiteral("&Tiles"));
    add(tiles, QStringLiteral("&Load Tileset"), &GameMenus::loadTileSet);
    tiles->addSeparator();
    for (int i = 0; i < kTileSetCount; ++i) {
        QAction* entry = tiles->addAction(QLatin1Char('&') + QString::fromUtf8(art::builtInTileSets()[i].name));
        entry->setCheckable(true);
        connect(entry, &QAction::triggered, this, [this, i] { emit tileSet(i); });
        tileSets_[static_cast<std::size_t>(i)] = entry;
    }
    checkTileSet(0);

    // Four commands sit on the bar itself, without a menu of their own.
    shuffle_ = bar->addAction(QStringLiteral("&Shuffle"));
    connect(shuffle_, &QAction::triggered, this, &GameMenus::shuffle);
    QAction* remain = bar->addAction(QStringLiteral("&Remaining"));
    connect(remain, &QAction::triggered, this, &GameMenus::remaining);
    undo_ = bar->addAction(QStringLiteral("&Undo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undo_, &QAction::triggered, this, &GameMenus::undo);
    hint_ = bar->addAction(QStringLiteral("H&int"));
    hint_->setShortcut(Qt::Key_H);
    connect(hint_, &QAction::triggered, this, &GameMenus::hint);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    add(help, QStringLiteral("&About Varnel..."), &GameMenus::about);
    help->addSeparator();
    add(help, QStringLiteral("&Contents"), &GameMenus::helpContents)->setShortcut(Qt::Key_F1);
    add(help, QStringLiteral("&How To Play"), &GameMenus::helpContents);
}

void GameMenus::showAvailability(const Availability& available) {
    hint_->setEnabled(available.hint);
    undo_->setEnabled(available.undo);
    shuffle_->setEnabled(available.shuffle);
    pause_->setEnabled(available.pause);
}

void GameMenus::checkPause(bool paused) { pause_->setChecked(paused); }

void GameMenus::checkShowTime(bool shown) { showTime_->setChecked(shown); }

void GameMenus::checkSolverOptions(bool winnableDeals, bool warnLosingMove) {
    winnableDeals_->setChecked(winnableDeals);
    warnLosingMove_->setChecked(warnLosingMove);
}

void GameMenus::checkLayout(int layout) {
    for (std::size_t i = 0; i < layouts_.size(); ++i) layouts_[i]->setChecked(static_cast<int>(i) == layout);
}

void GameMenus::checkTileSet(int tileSet) {
    for (std::size_t i = 0; i < tileSets_.size(); ++i)
        tileSets_[i]->setChecked(static_cast<int>(i) == tileSet);
}

int GameMenus::checkedTileSet() const {
    for (std::size_t i = 0; i < tileSets_.size(); ++i)
        if (tileSets_[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

void GameMenus::setSoundCaption(const QString& caption) { sound_->setText(caption); }

}  // namespace varnel
