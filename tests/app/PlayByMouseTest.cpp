#include "WindowFixture.h"

namespace varnel::testing {
namespace {

using PlayByMouse = WindowTest;

TEST_F(PlayByMouse, SelectThenRemoveAnEqualPair) {
    frmVarnel& w = Open();
    const auto [a, b] = FreePair();
    ClickTile(a, Qt::RightButton);
    EXPECT_TRUE(w.shpBox->isVisible());
    EXPECT_EQ(w.shpBox->Outline().topLeft(),
              QPoint(State().Tiles[a].X + 1, State().Tiles[a].Y - 4));
    EXPECT_EQ(w.shpBox->BorderWidth(), 7);

    const QImage before = w.picBoard->Picture();
    ClickTile(b, Qt::MiddleButton);
    EXPECT_FALSE(w.shpBox->isVisible());
    EXPECT_EQ(State().Tiles[a].Face, kNoFace);
    EXPECT_EQ(w.lblScore->text(), " 142");
    EXPECT_NE(w.picBoard->Picture(), before) << "the board is drawn again without the pair";
    EXPECT_EQ(beeps, 0);

    w.mnuUndo->trigger();
    EXPECT_EQ(w.lblScore->text(), " 144");
    EXPECT_EQ(w.picBoard->Picture(), before);
    EXPECT_FALSE(w.mnuUndo->isEnabled());

    // A refused click (the rules of refusal are the engine's) beeps and drops the frame.
    ClickTile(a);
    ClickAt(QPoint(3, 3));  // an empty corner of the board
    EXPECT_FALSE(w.shpBox->isVisible());
    EXPECT_EQ(beeps, 1);
}

TEST_F(PlayByMouse, HintRemainingAndTheirMessages) {
    frmVarnel& w = Open();
    ModalAnswerer answerer;
    w.mnuRemain->trigger();
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0].caption, "Varnel Solitaire");
    EXPECT_EQ(answerer.seen[0].text,
              QString::number(w.GameLogic().CountPairs()) + " Matches Remain");
    EXPECT_EQ(answerer.seen[0].buttons, QMessageBox::Ok);

    // While the hint shows, the board takes no clicks, even after a new tile set has redrawn
    // it; afterwards it does again, with nothing selected behind the player's back.
    w.mnuHint->trigger();
    EXPECT_TRUE(w.shpBox->isVisible());
    EXPECT_FALSE(w.picBoard->AcceptsClicks());
    w.mnuTileSet[1]->trigger();
    EXPECT_FALSE(w.picBoard->AcceptsClicks());
    ClickTile(FreePair().first);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.GameLogic().SequenceRunning(); }));
    EXPECT_TRUE(w.picBoard->AcceptsClicks());
    EXPECT_FALSE(w.shpBox->isVisible());
    EXPECT_FALSE(State().TileSelected);
    EXPECT_TRUE(w.mnuHint->isEnabled());
}

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
    EXPECT_EQ(w.picMatch->geometry(), QRect(224, 200, 361, 105));
    EXPECT_EQ(w.picMatch->lblTitle->text(), "0 Matching Tiles Remaining");
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
    EXPECT_FALSE(w.picBoard->AcceptsClicks());

    QTest::mouseClick(w.picMatch->cmdMatchShuffle, Qt::LeftButton);
    EXPECT_TRUE(w.picMatch->isVisible()) << "two tiles, one on the other: still stuck";

    QTest::mouseClick(w.picMatch->cmdMatchNew, Qt::LeftButton);
    EXPECT_FALSE(w.picMatch->isVisible());
    EXPECT_EQ(w.lblScore->text(), " 144");
    EXPECT_TRUE(w.mnuHint->isEnabled());

    makeStuck();
    QTest::mouseClick(w.picMatch->cmdMatchQuit, Qt::LeftButton);
    EXPECT_EQ(exits, 1);
}

}  // namespace
}  // namespace varnel::testing
