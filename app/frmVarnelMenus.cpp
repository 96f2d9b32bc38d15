#include "AccessKeyMenuBar.h"
#include "LayoutTable.h"
#include "frmVarnel.h"

// The menu bar: entries in their order with their access keys and shortcuts, and what each one
// calls. Whether Shuffle, Undo and Hint may be chosen now is the engine's to say.
namespace varnel {

void frmVarnel::CreateMenus() {
    auto* bar = new AccessKeyMenuBar(this);
    setMenuBar(bar);

    mnuGame = bar->addMenu(QStringLiteral("&Game"));
    mnuNewGame = mnuGame->addAction(QStringLiteral("&New Game"));
    mnuNewGame->setShortcut(Qt::Key_F2);
    mnuGame->addSeparator();
    mnuSave = mnuGame->addAction(QStringLiteral("S&ave Game"));
    mnuRestore = mnuGame->addAction(QStringLiteral("&Restore Game"));
    mnuGame->addSeparator();
    mnuSoftware = mnuGame->addAction(QStringLiteral("Software &Catalog"));
    mnuGame->addSeparator();
    mnuExit = mnuGame->addAction(QStringLiteral("E&xit"));

    mnuCustomize = bar->addMenu(QStringLiteral("C&ustomize"));
    mnuSound = mnuCustomize->addAction(QStringLiteral("&Sound On"));
    mnuCustomize->addSeparator();
    mnuBackground = mnuCustomize->addAction(QStringLiteral("&Background Color"));

    mnuLayouts = bar->addMenu(QStringLiteral("&Layouts"));
    for (const LayoutRow& row : Layouts()) {
        QAction*& entry = mnuLayout[static_cast<std::size_t>(row.number)];
        entry = mnuLayouts->addAction(QStringLiteral("&%1 Layout").arg(QString::fromUtf8(row.name)));
        entry->setCheckable(true);
    }

    mnuTileS = bar->addMenu(QStringLiteral("&Tiles"));
    mnuTile = mnuTileS->addAction(QStringLiteral("&Load Tileset"));
    mnuTileS->addSeparator();
    const char* setCaptions[] = {"&Traditional", "&Alphabet", "&Flower Power", "&Egyptian",
                                 "&Creepy Crawlers"};
    for (int i = 0; i < 5; ++i) {
        mnuTileSet[i] = mnuTileS->addAction(QString::fromUtf8(setCaptions[i]));
        mnuTileSet[i]->setCheckable(true);
    }
    mnuTileSet[0]->setChecked(true);

    // Four commands sit on the bar itself, without a menu of their own.
    mnuShuffle = bar->addAction(QStringLiteral("&Shuffle"));
    mnuRemain = bar->addAction(QStringLiteral("&Remaining"));
    mnuUndo = bar->addAction(QStringLiteral("&Undo"));
    mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuHint = bar->addAction(QStringLiteral("H&int"));
    mnuHint->setShortcut(Qt::Key_H);

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuAbout = mnuHelp->addAction(QStringLiteral("&About Varnel..."));
    mnuHelp->addSeparator();
    mnuHelpContents = mnuHelp->addAction(QStringLiteral("&Contents"));
    mnuHelpContents->setShortcut(Qt::Key_F1);
    mnuHelpPlay = mnuHelp->addAction(QStringLiteral("&How To Play"));
}

void frmVarnel::ConnectMenus() {
    connect(mnuNewGame, &QAction::triggered, this, [this] { game_.mnuNewGame_Click(); });
    connect(mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(mnuRestore, &QAction::triggered, this, [this] { mnuRestore_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuSound, &QAction::triggered, this, [this] { mnuSound_Click(); });
    connect(mnuBackground, &QAction::triggered, this, [this] { mnuBackground_Click(); });
    connect(mnuTile, &QAction::triggered, this, [this] { mnuTile_Click(); });
    for (int16_t i = 0; i < 5; ++i)
        connect(mnuTileSet[i], &QAction::triggered, this, [this, i] { mnuTileSet_Click(i); });
    // The three help entries open the same pages at their contents.
    for (QAction* entry : {mnuSoftware, mnuHelpContents, mnuHelpPlay})
        connect(entry, &QAction::triggered, this, [this] { mnuHelpContents_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    for (int16_t i = 0; i < 3; ++i)
        connect(mnuLayout[i], &QAction::triggered, this, [this, i] { game_.mnuLayout_Click(i); });
    connect(mnuShuffle, &QAction::triggered, this, [this] { game_.mnuShuffle_Click(); });
    connect(mnuRemain, &QAction::triggered, this, [this] { game_.mnuRemain_Click(); });
    connect(mnuUndo, &QAction::triggered, this, [this] { game_.mnuUndo_Click(); });
    connect(mnuHint, &QAction::triggered, this, [this] { game_.mnuHint_Click(); });
}

}  // namespace varnel
