#include <gtest/gtest.h>

#include <QWidget>

#include "board/Deal.h"
#include "display/BoardArea.h"

// A window moved to a screen of another density draws its board again at that density: the
// board then shows exactly what a window opened there shows.
namespace varnel {
namespace {

TEST(BoardArea, ANewPixelRatioDrawsTheBoardAsAWindowOpenedAtIt) {
    const LayoutRow& dragon = *findLayout(kDragon);
    Board board = dealFaces(dragon.tileCount(), 5);
    dragon.rules.markStartFree(board);
    const DesignPlacement placement = placementInArea(900, 700);

    auto drawn = [&](float openedAt, float movedTo) {
        QWidget form;
        form.resize(900, 700);
        BoardArea area(&form, openedAt, SheetCache());
        area.useLayout(dragon);
        area.place(placement, 0, BoardArea::Drawing::Sharp);
        if (movedTo != openedAt) area.setPixelRatio(movedTo, 0);
        area.redraw(board, 0);
        return area.picture();
    };
    const QImage moved = drawn(1, 2);
    BoardGeometry geometry;
    geometry.place(placement);
    EXPECT_EQ(moved.width(), 2 * geometry.boardWidth());
    EXPECT_EQ(moved, drawn(2, 2));
    EXPECT_NE(moved, drawn(1, 1).scaled(moved.size()));
}

}  // namespace
}  // namespace varnel
