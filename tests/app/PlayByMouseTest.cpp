#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <tuple>

#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

using PlayByMouse = WindowTest;

// The match panel of a stuck Dragon: its title fits, and each of its buttons does its part.
TEST_F(PlayByMouse, StuckDragonShowsThePanelWithItsButtons) {
    MainWindow& w = open();
    auto makeStuck = [&] {
        // Tile 87 lies on its own twin; tiles 2 and 13 are the last free pair.
        ASSERT_TRUE(game().takeUpPosition(kDragon, leaving({{87, 5}, {15, 5}, {2, 7}, {13, 7}})));
        clickTile(2);
        clickTile(13);
    };
    makeStuck();
    auto* panel = named<QWidget>("matchPanel");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(menuEntry(w, "&Game", "&Pause")->isEnabled()) << "nothing left to pause";
    // It keeps its place on the board in a window that shows the board lower down.
    w.showNormal();
    const int menuBar = w.height() - w.centralWidget()->height();
    QPoint onBoard[2];
    for (const int height : {675, 900}) {
        w.resize(900, height + menuBar);
        QCoreApplication::processEvents();
        onBoard[height == 900] = panel->pos() - board()->pos();
    }
    EXPECT_GT(board()->y(), 100);
    EXPECT_LE((onBoard[0] - onBoard[1]).manhattanLength(), 1) << "each is rounded on its own";
    // The title is 18 point where it fits; a wider stand-in face steps down only as it must.
    const QLabel* title = panel->findChild<QLabel*>();
    auto fits = [title](qreal points) {
        QFont font = title->font();
        font.setPointSizeF(points);
        return QFontMetricsF(font).horizontalAdvance(title->text()) <= title->width() &&
               QFontMetricsF(font).height() <= title->height();
    };
    const qreal points = title->font().pointSizeF();
    EXPECT_TRUE(fits(points));
    EXPECT_TRUE(points == 18 || !fits(points + 0.5)) << points;

    auto button = [panel](const char* name) { return panel->findChild<QPushButton*>(name); };
    QTest::mouseClick(button("shuffle"), Qt::LeftButton);
    EXPECT_TRUE(panel->isVisible()) << "two tiles, one on the other: still stuck";
    QTest::mouseClick(button("new"), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(tilesLeft(), " 144");
    makeStuck();
    QTest::mouseClick(button("quit"), Qt::LeftButton);
    EXPECT_EQ(exits, 1);
}

// After a new game, a pair taken, a shuffle and an undo, every free tile shows its own face.
TEST_F(PlayByMouse, EveryFreeTileShowsItsOwnFaceAfterEachMove) {
    writeCellsPicture();
    MainWindow& w = open();
    tileSetEntry(w, 4)->trigger();
    auto expectFacesShown = [&](const char* after) {
        SCOPED_TRACE(after);
        const QImage shown = w.boardArea().picture();
        int looked = 0;
        for (int16_t i = 0; i < game().board().tileCount(); ++i) {
            const Tile& tile = game().board()[i];
            if (!tile.present() || !tile.free) continue;
            const TilePlace at = geometry().place(i);
            ASSERT_EQ(shown.pixel(at.x + 22, at.y + 27), cellColour(tile.face)) << "tile " << i;
            ++looked;
        }
        EXPECT_GT(looked, 10);
    };
    expectFacesShown("a new game");
    takePair();
    expectFacesShown("a pair taken");
    choose(w, "&Shuffle");
    expectFacesShown("a shuffle");
    takePair();
    choose(w, "&Undo");
    expectFacesShown("an undo");
}

// The first column past the left neighbour's edge and the last column are the tile's own, at any
// scale and with any button; its own first column and row, with nothing beneath, take nothing.
TEST_F(PlayByMouse, AClickOnATilesFirstOrLastColumnTakesThatTile) {
    for (const QSize screen : {QSize(640, 480), QSize(1280, 1024), QSize(1920, 1080)}) {
        SCOPED_TRACE(screen.width());
        layoutEntry(open(screen), kRivers)->trigger();  // the whole top row is free
        const int16_t tile = 6, leftNeighbour = 7;
        const int width = static_cast<int>(std::lround(geometry().tileWidth()));
        ASSERT_EQ(width, geometry().tileWidth()) << "a whole number of pixels";
        const int y = geometry().place(tile).y + static_cast<int>(geometry().tileHeight() / 2);
        const int firstColumn = geometry().place(leftNeighbour).x + width;
        const int lastColumn = geometry().place(tile).x + width - 1;
        const std::tuple<QPoint, int16_t, Qt::MouseButton> clicks[] = {
            {{firstColumn - 1, y}, leftNeighbour, Qt::LeftButton},
            {{firstColumn, y}, tile, Qt::RightButton},
            {{lastColumn, y}, tile, Qt::MiddleButton},
            {{geometry().place(13).x, y}, -1, Qt::LeftButton},  // nothing left of tile 13
            {{lastColumn, geometry().place(tile).y}, -1, Qt::LeftButton}};
        for (const auto& [at, taken, button] : clicks) {
            clickAt(at, button);
            EXPECT_EQ(game().selectedTile().value_or(-1), taken)
                << "at " << at.x() << ", " << at.y();
            QTest::keyClick(board(), Qt::Key_Escape);
        }
    }
}

// The board as the platform keeps it on screen: a part left unpainted keeps what was there.
QImage onScreen(QWidget* widget) {
    QWindow* window = widget->window()->windowHandle();
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    return window->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// When the selection frame goes, nothing of it stays on screen, to the last row and column.
TEST_F(PlayByMouse, AFrameThatGoesLeavesNothingBehind) {
    for (const QSize screen : {QSize(640, 480), QSize(1024, 768)}) {
        SCOPED_TRACE(screen.width());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&open(screen)));
        auto* frame = named<QWidget>("selectionFrame");
        clickTile(freePair().first);
        ASSERT_TRUE(frame->isVisible());
        QApplication::processEvents();
        const QPoint onFrame(frame->x() + 1, frame->geometry().center().y());
        ASSERT_EQ(onScreen(board()).pixel(onFrame), qRgb(255, 0, 255)) << "the frame is on screen";
        const QRect was = frame->geometry();
        QTest::keyClick(board(), Qt::Key_Escape);
        ASSERT_FALSE(frame->isVisible());
        QApplication::processEvents();
        const QImage shown = onScreen(board()), alone = window->boardArea().picture();
        EXPECT_TRUE(pixelsWhere(was & shown.rect(),
                                [&](QPoint p) { return shown.pixel(p) != alone.pixel(p); })
                        .isEmpty())
            << "pixels of the frame left in " << was.width() << " x " << was.height();
    }
}

}  // namespace
}  // namespace varnel::testing
