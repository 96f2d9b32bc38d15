#include "tests/app/WindowFixture.h"

// Through any sizes the board stays centred, the game and its selection and hint go on, and a
// click lands on the tile under the pointer.
namespace varnel::testing {
namespace {

using Resize = WindowTest;

TEST_F(Resize, PlayGoesOnThroughASequenceOfSizes) {
    // The time shown under the count, as a choice the game remembers.
    choose(open(QSize(1920, 1080)), "C&ustomize", "Show &Time");
    MainWindow& w = open(QSize(1920, 1080));
    w.showNormal();
    QLabel *count = named<QLabel>("tilesLeft"), *time = named<QLabel>("timePlayed");
    ASSERT_TRUE(time->isVisible());
    // Where the letters of a label lie (its text hangs from the label's top).
    auto letters = [](const QLabel* l) {
        return QRect(l->pos(), QFontMetrics(l->font()).size(0, l->text()));
    };
    takePair();
    const int16_t selected = freePair().first;
    clickTile(selected);
    const Board before = game().board();

    const QSize sizes[] = {{806, 640}, {1400, 420}, {480, 900},
                           {400, 300}, {1001, 767}, {640, 520}};
    for (const QSize& size : sizes) {
        SCOPED_TRACE(::testing::Message() << size.width() << " x " << size.height());
        w.resize(size);
        QCoreApplication::processEvents();
        // The design's middle on the area's middle.
        const QWidget* area = w.centralWidget();
        const DesignPlacement& p = geometry().placement();
        EXPECT_NEAR(p.left * 2 + design::kScreenWidth * p.scale, area->width(), 1.0);
        EXPECT_NEAR(p.top * 2 + design::kScreenHeight * p.scale, area->height(), 1.0);
        // The game in play, unchanged; the frame over the selected tile's new place.
        EXPECT_EQ(game().board(), before);
        ASSERT_EQ(game().selectedTile(), selected);
        const TilePlace at = geometry().place(selected);
        EXPECT_EQ(named<SelectionFrame>("selectionFrame")->outline().topLeft(),
                  QPoint(at.x + 1, at.y - 4));
        EXPECT_FALSE(letters(count).intersects(letters(time)));
    }

    // A hint under way goes on across a resize (where its frame lies is Scaling's).
    clickTile(selected);  // let it go
    game().hint();
    w.resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_TRUE(game().sequenceRunning());

    // At the smallest size a click on a tile's first pixel column takes that tile.
    w.resize(10, 10);
    QCoreApplication::processEvents();
    // The labels' letters shrink with the board only as far as nine pixels, the least that reads.
    EXPECT_EQ(count->font().pixelSize(), 9);
    QTest::qWait(60);  // the hint ends
    const int16_t tile = freePair().first;
    const TilePlace at = geometry().place(tile);
    clickAt(QPoint(at.x + 1, at.y + static_cast<int>(geometry().tileHeight() / 2)));
    EXPECT_EQ(game().selectedTile(), tile);

    // Stretched at once while the size changes, the tiles are drawn sharp once it holds still,
    // as when the window comes to that size in one step.
    w.resize(1000, 760);
    QCoreApplication::processEvents();
    const QImage stretched = w.boardArea().picture();
    QTest::qWait(400);
    const QImage sharp = w.boardArea().picture();
    EXPECT_NE(stretched, sharp);
    w.showMaximized();
    w.showNormal();
    QCoreApplication::processEvents();
    ASSERT_EQ(w.centralWidget()->width(), 1000);
    EXPECT_EQ(w.boardArea().picture(), sharp);
}

}  // namespace
}  // namespace varnel::testing
