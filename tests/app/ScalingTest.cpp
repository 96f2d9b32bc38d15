#include "Conversions.h"
#include "WindowFixture.h"

namespace varnel::testing {
namespace {

using Scaling = WindowTest;

// What the window shows after the first maximize; the scaling itself is the drawing test's.
struct Expected {
    QSize screen;
    QRect board;
    QPoint score;  // the tiles-left count
    int frameBorder;
    QSize drawnTile, sheet;
    QPoint frameOffset;  // of the selection frame from its tile: (3, -3) at a scale of 1.25
};

void ExpectScaled(frmVarnel& w, const Expected& e) {
    EXPECT_EQ(w.picBoard->geometry(), e.board);
    EXPECT_EQ(w.lblScore->pos(), e.score);
    EXPECT_EQ(w.shpBox->BorderWidth(), e.frameBorder);
    EXPECT_EQ(w.shpBox->Outline().size(), e.drawnTile);
    EXPECT_EQ(w.Surfaces().picTile[0].size(), e.sheet);
}

// The first and last board pixel of the selection frame's border across its left side, on the
// middle row of the frame.
std::pair<int, int> BorderBand(const QImage& board, QRect outline) {
    auto isBorder = [&](int x) {
        return board.pixel(x, outline.center().y()) == qRgb(255, 0, 255);
    };
    // The search stays within 40 pixels of the edge, so that a missing border fails, not hangs.
    const int from = outline.left() - 20;
    int first = from;
    while (first < from + 40 && !isBorder(first)) ++first;
    int last = first;
    while (last < from + 40 && isBorder(last + 1)) ++last;
    return {first, last};
}

TEST_F(Scaling, FirstMaximizeScalesTheBoardOnceAroundTheSameDeal) {
    // Up to 648 pixels wide the design size stays, the frame 3 pixels larger than a tile.
    Open(QSize(648, 1024)).showMaximized();
    EXPECT_EQ(window->picBoard->geometry(), QRect(16, 8, 609, 417));
    EXPECT_EQ(window->shpBox->Outline().size(), QSize(47, 58));

    // One pixel wider scales by 1: the board's left margin moves by half the extra width
    // (16 + 4.5, halves to even) and the frame loses its extra 3 pixels. The scale follows the
    // screen's height within its width; on a 16:9 screen the design sits in the middle,
    // (1920 - 640 x 2.25) / 2 = 240 pixels further right.
    const Expected screens[] = {
        {QSize(649, 480), QRect(20, 8, 609, 417), QPoint(16, 104), 7, QSize(44, 55),
         QSize(396, 220), QPoint(1, -4)},
        {QSize(800, 600), QRect(20, 10, 761, 521), QPoint(20, 130), 9, QSize(55, 69),
         QSize(495, 275), QPoint(3, -3)},
        {QSize(1024, 768), QRect(26, 13, 974, 667), QPoint(26, 166), 11, QSize(70, 88),
         QSize(634, 352), QPoint(1, -4)},
        {QSize(1280, 1024), QRect(32, 16, 1218, 834), QPoint(32, 208), 14, QSize(88, 110),
         QSize(792, 440), QPoint(1, -4)},
        {QSize(1920, 1080), QRect(276, 18, 1370, 938), QPoint(36, 234), 16, QSize(99, 124),
         QSize(891, 495), QPoint(1, -4)},
    };
    for (const Expected& e : screens) {
        SCOPED_TRACE(e.screen.width());
        Store().clear();  // the first set again
        frmVarnel& w = Open(e.screen);
        // A game in progress, with a tile selected.
        const auto [a, b] = FreePair();
        ClickTile(a);
        ClickTile(b);
        ClickTile(FreePair().first);
        const TileTable before = State().Tiles;

        w.showMaximized();
        ExpectScaled(w, e);
        EXPECT_FALSE(State().TileSelected);
        EXPECT_FALSE(w.shpBox->isVisible());
        EXPECT_EQ(w.lblScore->text(), " 142");
        for (int i = 0; i < 144; ++i) {
            EXPECT_EQ(State().Tiles[i].Face, before[i].Face);
            EXPECT_EQ(State().Tiles[i].Free, before[i].Free);
        }
        EXPECT_EQ(w.Surfaces().board.size, e.board.size());

        // Only the first maximize relays the board.
        const TileTable scaled = State().Tiles;
        w.showNormal();
        w.showMaximized();
        ExpectScaled(w, e);
        EXPECT_EQ(State().Tiles, scaled);

        // Clicks land on the scaled tiles, and the frame sits as it does at this scale.
        const int16_t free = FreePair().first;
        ClickTile(free);
        ASSERT_EQ(State().SelectedTile, free);
        const TileRec& top = State().Tiles[free];
        EXPECT_EQ(w.shpBox->Outline().topLeft(), QPoint(top.X, top.Y) + e.frameOffset);
        // Its border is centred on the outline (on the left side; the top may be off the board).
        const auto [first, last] = BorderBand(w.picBoard->grab().toImage(), w.shpBox->Outline());
        const int edge = w.shpBox->Outline().left();
        EXPECT_EQ(last - first + 1, e.frameBorder);
        EXPECT_LE(std::abs((edge - first) - (last - edge)), 1);
        // On a screen narrower than 4:3 the board and every tile stay on it.
        int rightmost = 0;
        for (int i = 0; i < 144; ++i)
            rightmost = std::max(rightmost, State().Tiles[i].X + CLng(State().TileWidth));
        EXPECT_LE(w.picBoard->x() + rightmost, e.screen.width());

        // The other sets are drawn at this size when first chosen.
        w.mnuTileSet[1]->trigger();
        EXPECT_EQ(w.Surfaces().picTile[1].size(), e.sheet);
    }
}

TEST_F(Scaling, HighDensityScreensDrawTheBoardAtDevicePixels) {
    // Twice the pixels of an 800 x 600 screen in each direction: the window keeps its geometry
    // in its own pixels, the pictures behind the board are made at twice the size.
    frmVarnel& w = Open(QSize(800, 600), 2);
    w.showMaximized();
    EXPECT_EQ(w.picBoard->geometry(), QRect(20, 10, 761, 521));
    EXPECT_EQ(w.Surfaces().board.size, QSize(1522, 1042));
    EXPECT_EQ(w.Surfaces().picMask.size(), QSize(110, 138));
    EXPECT_EQ(w.Surfaces().picTile[0].size(), QSize(990, 550));
    // A tile is drawn at twice its place; a click in the window's pixels still finds it.
    const TileRec& tile = State().Tiles[FreePair().first];
    EXPECT_EQ(w.picBoard->Picture().pixel(2 * tile.X + 60, 2 * tile.Y + 60),
              w.Surfaces().picTile[0].pixel(2 * tile.PicX + 60, 2 * tile.PicY + 60));
    ClickTile(FreePair().first);
    EXPECT_TRUE(State().TileSelected);

    // At a fractional ratio the picture still covers the board to its last row and column
    // (a 1920 x 1080 screen at 1.25: the board is 751 pixels high, 938.75 device pixels).
    frmVarnel& v = Open(QSize(1536, 864), 1.25f);
    v.showMaximized();
    EXPECT_GE(v.picBoard->Picture().width(), v.picBoard->width() * 1.25);
    EXPECT_GE(v.picBoard->Picture().height(), v.picBoard->height() * 1.25);
}

}  // namespace
}  // namespace varnel::testing
