#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>

#include "board/Deal.h"
#include "display/BoardArea.h"

namespace varnel {
namespace {

// A Dragon deal, its start tiles free, and a form of a 900 x 700 window to lay it out on.
class BoardAreaTest : public ::testing::Test {
  protected:
    BoardAreaTest() {
        form.resize(900, 700);
        dragon.rules.markStartFree(board);
    }
    // A board area opened on the form at the ratio and placed; the form owns it.
    BoardArea& open(float ratio, const DesignPlacement& placement = placementInArea(900, 700)) {
        auto* area = new BoardArea(&form, ratio, SheetCache());
        area->useLayout(dragon);
        area->place(placement, 0, BoardArea::Drawing::Sharp);
        return *area;
    }

    const LayoutRow& dragon = *findLayout(kDragon);
    Board board = dealFaces(dragon.tileCount(), 5);
    QWidget form;
};

// A window moved to a screen of another density shows exactly what a window opened there shows.
TEST_F(BoardAreaTest, ANewPixelRatioDrawsTheBoardAsAWindowOpenedAtIt) {
    auto drawn = [&](float openedAt, float movedTo) {
        BoardArea& area = open(openedAt);
        if (movedTo != openedAt) area.setPixelRatio(movedTo, 0);
        area.redraw(board, 0);
        return area.picture();
    };
    const QImage moved = drawn(1, 2), unmoved = drawn(1, 1);
    EXPECT_EQ(moved.width(), 2 * unmoved.width());
    EXPECT_EQ(moved, drawn(2, 2));
    EXPECT_NE(moved, unmoved.scaled(moved.size()));
}

// At 1.25 device pixels to the pixel, three tile places in four fall between device pixels: each
// tile is painted at the device pixel nearest its place, keeping the spacing of the tiles.
TEST_F(BoardAreaTest, AtAFractionalRatioEachTileIsPaintedNearestItsPlace) {
    const float ratio = 1.25f;
    BoardArea& area = open(ratio, DesignPlacement{});
    area.redraw(Board(dragon.tileCount()), 0);
    const QImage empty = area.picture();
    // The first device column and row that the tile alone paints.
    auto paintedCorner = [&](int16_t tile) {
        Board alone(dragon.tileCount());
        alone.setFace(tile, board[tile].face);
        area.redraw(alone, 0);
        const QImage picture = area.picture();
        QPoint corner(picture.width(), picture.height());
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) != empty.pixel(x, y))
                    corner = QPoint(std::min(corner.x(), x), std::min(corner.y(), y));
        return corner;
    };
    // Tiles at whole device pixels show the mask's own offset; those checked lie 3/4 pixel on.
    QPoint offset(-1, -1);
    for (int16_t tile = 0; tile < dragon.tileCount(); ++tile) {
        const TilePlace at = area.geometry().place(tile);
        if (offset.x() < 0 && at.x % 4 == 0) offset.setX(paintedCorner(tile).x() - at.x * 5 / 4);
        if (offset.y() < 0 && at.y % 4 == 0) offset.setY(paintedCorner(tile).y() - at.y * 5 / 4);
    }
    ASSERT_GE(std::min(offset.x(), offset.y()), 0);
    int checked = 0;
    for (int16_t tile = 0; tile < dragon.tileCount() && checked < 6; ++tile) {
        const TilePlace at = area.geometry().place(tile);
        if (at.x % 4 != 3 && at.y % 4 != 3) continue;
        ++checked;
        const QPoint corner = paintedCorner(tile) - offset;
        EXPECT_LE(std::abs(corner.x() - at.x * ratio), 0.5f) << "tile " << tile << " at " << at.x;
        EXPECT_LE(std::abs(corner.y() - at.y * ratio), 0.5f) << "tile " << tile << " at " << at.y;
    }
    EXPECT_EQ(checked, 6);
}

// A frame taken away stays away, and a screen reader reaches only the labels the player sees:
// neither a new size nor the end of a pause brings back what is hidden.
TEST_F(BoardAreaTest, WhatIsHiddenStaysHiddenThroughAResizeAndAPause) {
    BoardArea& area = open(1);
    area.redraw(board, 0);
    form.show();
    auto* frame = form.findChild<QWidget*>("selectionFrame");
    area.showSelectionFrame(100);
    ASSERT_TRUE(frame->isVisible());
    area.hideFrame();
    area.place(placementInArea(1000, 800), 0, BoardArea::Drawing::Sharp);
    EXPECT_FALSE(frame->isVisible()) << "after a resize";
    area.setPaused(true, board, 0);
    area.setPaused(false, board, 0);
    EXPECT_FALSE(frame->isVisible()) << "after a pause";

    area.setCaptionText("Tiles Left:");
    area.setTilesLeft(144);
    area.setCaptionVisible(false);
    QAccessibleInterface* reader =
        QAccessible::queryAccessibleInterface(form.findChild<QWidget*>("board"));
    ASSERT_NE(reader, nullptr);
    QStringList reached;
    for (int i = 0; i < reader->childCount(); ++i)
        reached << reader->child(i)->object()->objectName();
    EXPECT_EQ(reached, QStringList{"tilesLeft"})
        << "the caption hidden by the winning blink and the paused note stay unheard";
}

}  // namespace
}  // namespace varnel
