#include "WindowFixture.h"

namespace varnel::testing {
namespace {

using PlayByMouse = WindowTest;

// The match panel of a stuck Dragon: its title fits, and each of its buttons does its part.
TEST_F(PlayByMouse, StuckDragonShowsThePanelWithItsButtons) {
    frmVarnel& w = Open();
    auto makeStuck = [&] {
        for (int i = 0; i < 144; ++i) State().Tiles[i].Face = kNoFace;
        // Tile 87 lies on its own twin; tiles 2 and 13 are the last free pair.
        State().Tiles[87].Face = State().Tiles[15].Face = 5;
        State().Tiles[2].Face = State().Tiles[13].Face = 7;
        State().TilesLeft = 4;
        w.DisplayBoard();
        ClickTile(2);
        ClickTile(13);
    };
    makeStuck();
    EXPECT_TRUE(w.picMatch->isVisible());
    // The title is 18 point where it fits; a wider stand-in face steps down only as it must.
    const QLabel* title = w.picMatch->lblTitle;
    auto fits = [title](qreal points) {
        QFont font = title->font();
        font.setPointSizeF(points);
        const QFontMetricsF metrics(font);
        return metrics.horizontalAdvance(title->text()) <= title->width() &&
               metrics.height() <= title->height();
    };
    const qreal points = title->font().pointSizeF();
    EXPECT_TRUE(fits(points));
    EXPECT_TRUE(points == 18 || !fits(points + 0.5)) << points;

    QTest::mouseClick(w.picMatch->cmdMatchShuffle, Qt::LeftButton);
    EXPECT_TRUE(w.picMatch->isVisible()) << "two tiles, one on the other: still stuck";
    QTest::mouseClick(w.picMatch->cmdMatchNew, Qt::LeftButton);
    EXPECT_FALSE(w.picMatch->isVisible());
    EXPECT_EQ(w.lblScore->text(), " 144");
    makeStuck();
    QTest::mouseClick(w.picMatch->cmdMatchQuit, Qt::LeftButton);
    EXPECT_EQ(exits, 1);
}

}  // namespace
}  // namespace varnel::testing
