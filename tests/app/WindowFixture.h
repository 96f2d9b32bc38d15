#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "app/MainWindow.h"
#include "display/PictureChooser.h"
#include "tests/support/ModalAnswerer.h"

namespace varnel::testing {

// The entry of a menu as the player reads it ("E&xit" for "E&xit\tAlt+F4"), or, without an
// entry, the command of that name on the menu bar itself. Null when there is none.
inline QAction* menuEntry(QMainWindow& window, const QString& menu, const QString& entry = {}) {
    for (QAction* onBar : window.menuBar()->actions()) {
        if (onBar->text() != menu) continue;
        if (entry.isEmpty()) return onBar;
        if (!onBar->menu()) return nullptr;
        for (QAction* item : onBar->menu()->actions())
            if (item->text().section('\t', 0, 0) == entry) return item;
    }
    return nullptr;
}

// Chooses the entry as the player would; a missing entry fails the test instead of crashing.
inline void choose(QMainWindow& window, const QString& menu, const QString& entry = {}) {
    QAction* action = menuEntry(window, menu, entry);
    EXPECT_NE(action, nullptr) << menu.toStdString() << " " << entry.toStdString();
    if (action) action->trigger();
}

// The Tiles menu's entry of a built-in set, slot 0 to 4.
inline QAction* tileSetEntry(QMainWindow& window, int slot) {
    static const char* const names[] = {"&Traditional", "&Alphabet", "&Flower Power", "&Egyptian",
                                        "&Creepy Crawlers"};
    return menuEntry(window, QStringLiteral("&Tiles"), QString::fromLatin1(names[slot]));
}

inline QAction* layoutEntry(QMainWindow& window, int layout) {
    static const char* const names[] = {"&Dragon Layout", "&Rivers Layout", "&Pyramid Layout"};
    return menuEntry(window, QStringLiteral("&Layouts"), QString::fromLatin1(names[layout]));
}

// Opens Load Tileset, picks the file in the folder and presses OK (or double-clicks it). A file
// the loader refused leaves the chooser open; it is then left as the player would.
inline void loadTileset(QMainWindow& window, const QString& folder, const QString& file,
                        bool doubleClick = false) {
    onNextModal<PictureChooser>([=](PictureChooser* chooser) {
        chooser->setFolder(folder);
        auto* files = chooser->findChild<QListWidget*>("files");
        const auto found = files->findItems(file, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << file.toStdString();
        files->setCurrentItem(found[0]);
        if (doubleClick)
            emit files->itemActivated(found[0]);
        else
            chooser->findChild<QPushButton*>("ok")->click();
        if (chooser->isVisible()) chooser->findChild<QPushButton*>("cancel")->click();
    });
    choose(window, "&Tiles", "&Load Tileset");
}

// Writes the file whole, over whatever was there; its path.
inline QString writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(content);
    return path;
}
// The whole file, or nothing when it cannot be read.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first free pair of the board, if any.
inline std::pair<int16_t, int16_t> freePair(const Game& game) {
    const int16_t count = game.board().tileCount();
    for (int16_t i = 0; i < count; ++i)
        for (int16_t j = static_cast<int16_t>(i + 1); j < count; ++j)
            if (game.isRemovablePair(i, j)) return {i, j};
    return {-1, -1};
}

// The points of the area, row by row, that pass the test: the pixels of a picture, say.
template <typename Test>
QList<QPoint> pixelsWhere(QRect area, Test test) {
    QList<QPoint> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(QPoint(x, y))) found << QPoint(x, y);
    return found;
}

// The main window in a throwaway program folder (its data folder not made yet), on the test's
// screen, with beeps and the end of the program counted instead of carried out.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { store().clear(); }

    Environment testEnvironment() {
        Environment environment;
        environment.appPath = appPath.isEmpty() ? appDir.path() : appPath;
        environment.dataPath = dataFolder();
        environment.canWriteIn = canWriteIn;
        environment.endProgram = [this] { ++exits; };
        environment.beep = [this] { ++beeps; };
        environment.timerScale = 0.01;
        environment.musicOutput = MusicDevice::Output::Manual;
        environment.seedSource = [n = 1u]() mutable { return n++; };
        return environment;
    }

    static QSettings& store() {
        static QSettings settings(QStringLiteral("Varnel Solitaire"),
                                  QStringLiteral("Varnel Solitaire"));
        settings.sync();
        return settings;
    }
    static void storeSetting(const QString& key, const QString& value) {
        store().setValue(QStringLiteral("Startup/") + key, value);
        store().sync();
    }
    static QVariant storedSetting(const QString& key) {
        store().sync();
        return store().value(QStringLiteral("Startup/") + key);
    }

    MainWindow& open(QSize screen = QSize(640, 480), float pixelRatio = 1) {
        Environment environment = testEnvironment();
        environment.pixelRatio = pixelRatio;
        environment.screenSize = [screen] { return screen; };
        environment.timeSource = [this] { return now; };
        window.reset();  // one window at a time, as the program has
        window = std::make_unique<MainWindow>(environment);
        // As the program starts: maximized, on the test's screen.
        window->showMaximized();
        return *window;
    }

    Game& game() { return window->game(); }
    const BoardGeometry& geometry() { return window->boardArea().geometry(); }
    QWidget* board() { return window->boardArea().boardWidget(); }
    QString tilesLeft() { return named<QLabel>("tilesLeft")->text(); }
    // The first entry of Customize, whose caption names the state of the music.
    QAction* soundEntry() { return menuEntry(*window, "C&ustomize")->menu()->actions().value(0); }
    template <typename Widget>
    Widget* named(const char* name) {
        return window->findChild<Widget*>(QString::fromLatin1(name));
    }
    QString dataFolder() const { return dataDir.filePath(QStringLiteral("Varnel Solitaire")); }

    // The colour of face f in the picture file cellsPicture writes.
    static QRgb cellColour(int face) {
        return qRgb(40 + 5 * face, 220 - 6 * face, face % 2 ? 60 : 200);
    }
    // Writes the program's picture file ("varnel.bmp", the fifth set) with each cell a flat
    // colour of its own, so that a look at any pixel of a tile tells which face it shows.
    void writeCellsPicture() {
        QImage cells(396, 220, QImage::Format_RGB32);
        for (int y = 0; y < 220; ++y)
            for (int x = 0; x < 396; ++x) cells.setPixel(x, y, cellColour(y / 55 * 9 + x / 44));
        ASSERT_TRUE(cells.save(appDir.filePath("varnel.bmp"), "BMP"));
    }

    // A mouse release over the middle of a tile, or at a board position.
    void clickTile(int16_t tile) {
        const TilePlace at = geometry().place(tile);
        clickAt(QPoint(at.x + static_cast<int>(geometry().tileWidth() / 2),
                       at.y + static_cast<int>(geometry().tileHeight() / 2)));
    }
    void clickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(board(), button, {}, at);
    }
    void takePair() {
        const auto [a, b] = freePair();
        clickTile(a);
        clickTile(b);
    }
    std::pair<int16_t, int16_t> freePair() { return testing::freePair(game()); }

    // The board of the game in progress with only the given tiles left, faces as given, free
    // flags as dealt.
    Board leaving(std::initializer_list<std::pair<int16_t, int8_t>> tiles) {
        Board board = game().board();
        for (int16_t i = 0; i < board.tileCount(); ++i) board.remove(i);
        for (const auto& [tile, face] : tiles) board.setFace(tile, face);
        return board;
    }

    int64_t now = 0;  // the game's clock, in milliseconds: time passes when a test says so
    QTemporaryDir appDir;
    QString appPath;  // the program's folder: appDir unless the test picks another
    QTemporaryDir dataDir;
    FolderCheck canWriteIn;  // empty: the player's permissions; a test may play a root-owned one
    std::unique_ptr<MainWindow> window;
    int beeps = 0;
    int exits = 0;
};

// Game windows on the test's two screens, sharing one program folder as two copies do.
class DesktopTest : public WindowTest {
  protected:
    MainWindow& open() {
        windows.push_back(std::make_unique<MainWindow>(testEnvironment()));
        MainWindow& shown = *windows.back();
        shown.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&shown));
        return shown;
    }

    std::vector<std::unique_ptr<MainWindow>> windows;
};

}  // namespace varnel::testing
