#include "display/SelectionFrame.h"
#include "play/PairSearch.h"
#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

// What the window shows after the first maximize; the scaling itself is the drawing test's.
struct Expected {
    QSize screen;
    QRect board;
    QPoint score;  // the tiles-left count
    int frameBorder;
    QSize drawnTile, sheet;
    QPoint frameOffset;  // of the selection frame from its tile: (3, -3) at a scale of 1.25
    QPoint hintOffset;   // of a hint's frame: a pixel further left and up, but at 1.25
};

class Scaling : public WindowTest {
  protected:
    SelectionFrame& frame() { return *named<SelectionFrame>("selectionFrame"); }
    const BoardSurfaces& surfaces() { return window->boardArea().surfaces(); }

    void expectScaled(const Expected& e) {
        EXPECT_EQ(board()->geometry(), e.board);
        EXPECT_EQ(named<QLabel>("tilesLeft")->pos(), e.score);
        EXPECT_EQ(frame().borderWidth(), e.frameBorder);
        EXPECT_EQ(frame().outline().size(), e.drawnTile);
        EXPECT_EQ(surfaces().board().sheet.size(), e.sheet);
    }
};

TEST_F(Scaling, FirstMaximizeScalesTheBoardOnceAroundTheSameDeal) {
    // Up to 648 pixels wide the design size stays, the frame 3 pixels larger than a tile.
    open(QSize(648, 1024));
    EXPECT_EQ(board()->geometry(), QRect(16, 8, 609, 417));
    EXPECT_EQ(frame().outline().size(), QSize(47, 58));

    // One pixel wider scales by 1: the board's left margin moves by half the extra width
    // (16 + 4.5, halves to even) and the frame loses its extra 3 pixels. The scale follows the
    // screen's height within its width; on a 16:9 screen the design sits in the middle,
    // (1920 - 640 x 2.25) / 2 = 240 pixels further right.
    const Expected screens[] = {
        {QSize(649, 480), QRect(20, 8, 609, 417), QPoint(16, 104), 7, QSize(44, 55),
         QSize(396, 220), QPoint(1, -4), QPoint(0, -5)},
        {QSize(800, 600), QRect(20, 10, 761, 521), QPoint(20, 130), 9, QSize(55, 69),
         QSize(495, 275), QPoint(3, -3), QPoint(3, -3)},
        {QSize(1920, 1080), QRect(276, 18, 1370, 938), QPoint(36, 234), 16, QSize(99, 124),
         QSize(891, 495), QPoint(1, -4), QPoint(0, -5)},
    };
    for (const Expected& e : screens) {
        SCOPED_TRACE(e.screen.width());
        store().clear();  // the first set again
        MainWindow& w = open(e.screen);
        // A game in progress in a window of its own size, with a tile selected.
        w.showNormal();
        takePair();
        const int16_t selected = freePair().first;
        clickTile(selected);
        const Board before = game().board();

        // Maximized, the board follows the screen; the game in play goes on, its selection too.
        w.showMaximized();
        expectScaled(e);
        ASSERT_EQ(game().selectedTile(), selected);
        EXPECT_TRUE(frame().isVisible());
        EXPECT_EQ(game().board(), before);

        // Restored and maximized again, the board is the first maximized board.
        const TilePlace scaledTop = geometry().place(143);
        w.showNormal();
        w.showMaximized();
        expectScaled(e);
        EXPECT_EQ(geometry().place(143), scaledTop);

        // Clicks land on the scaled tiles, and the frame sits as it does at this scale.
        clickTile(selected);  // let the selected tile go
        const int16_t free = freePair().first;
        clickTile(free);
        ASSERT_EQ(game().selectedTile(), free);
        const TilePlace top = geometry().place(free);
        EXPECT_EQ(frame().outline().topLeft(), QPoint(top.x, top.y) + e.frameOffset);
        // Its border is centred on the outline: the board's pixels of it across its left side, on
        // its middle row (the top may be off the board).
        const QImage shown = board()->grab().toImage();
        const QRect outline = frame().outline();
        const auto band =
            pixelsWhere(QRect(outline.left() - 20, outline.center().y(), 40, 1) & shown.rect(),
                        [&](QPoint p) { return shown.pixel(p) == qRgb(255, 0, 255); });
        ASSERT_FALSE(band.isEmpty());
        const int first = band.front().x(), last = band.back().x(), edge = outline.left();
        EXPECT_EQ(band.size(), e.frameBorder);
        EXPECT_EQ(last - first + 1, e.frameBorder) << "one band";
        EXPECT_LE(std::abs((edge - first) - (last - edge)), 1);
        // A hint's frame over the first tile of the pair it shows.
        clickTile(free);
        const auto hinted = hintPair(game().board(), game().layoutRow().rules);
        ASSERT_TRUE(hinted);
        choose(w, "H&int");
        const TilePlace hintedAt = geometry().place(hinted->first);
        EXPECT_EQ(frame().outline().topLeft(), QPoint(hintedAt.x, hintedAt.y) + e.hintOffset);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !game().sequenceRunning(); }));
        // The other sets are drawn at this size when first chosen.
        tileSetEntry(w, 1)->trigger();
        EXPECT_EQ(surfaces().board().sheet.size(), e.sheet);
    }
}

// The share of ordinary pixels unlike the middle of their two-by-two block on the dense board.
double shareUnlike(const QImage& ordinary, const QImage& dense) {
    const QList<QPoint> unlike = pixelsWhere(ordinary.rect(), [&](QPoint p) {
        const QRgb a = ordinary.pixel(p), b = dense.pixel(2 * p + QPoint(1, 1));
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b)) >
               24;
    });
    return double(unlike.size()) / (ordinary.width() * ordinary.height());
}

// At twice the pixels the board shows the ordinary board's faces and places, drawn at twice the
// size, before the first maximize and after it.
TEST_F(Scaling, HighDensityScreensShowTheOrdinaryBoardAtDevicePixels) {
    // Each cell a flat colour of its own: a sheet stretched to the wrong size shows other cells.
    writeCellsPicture();
    QImage design[2], maximized[2];
    for (int ratio : {1, 2}) {
        MainWindow& w = open(QSize(800, 600), float(ratio));
        tileSetEntry(w, 4)->trigger();
        design[ratio - 1] = w.boardArea().picture();
        w.showMaximized();
        maximized[ratio - 1] = w.boardArea().picture();
    }
    EXPECT_EQ(board()->geometry(), QRect(20, 10, 761, 521));
    EXPECT_EQ(surfaces().board().sheet.size(), QSize(990, 550));
    EXPECT_LT(shareUnlike(design[0], design[1]), 0.05);
    EXPECT_LT(shareUnlike(maximized[0], maximized[1]), 0.05);
    tileSetEntry(*window, 0)->trigger();
    EXPECT_EQ(surfaces().board().sheet.size(), QSize(990, 550)) << "a built-in set";
    // A click in the window's pixels still finds its tile.
    const int16_t free = freePair().first;
    clickTile(free);
    EXPECT_EQ(game().selectedTile(), free);

    // At a fractional ratio the picture still covers the board to its last row and column
    // (a screen of 1366 x 768 at 1.25: the board is 974 x 667 pixels, 1217.5 x 833.75 device
    // pixels).
    const QImage fractional = open(QSize(1366, 768), 1.25f).boardArea().picture();
    EXPECT_GE(fractional.width(), board()->width() * 1.25);
    EXPECT_GE(fractional.height(), board()->height() * 1.25);
}

}  // namespace
}  // namespace varnel::testing
