#include <QTreeWidget>

#include "app/RecordKeeper.h"
#include "app/statistics/LayoutStatistics.h"
#include "app/statistics/StatisticsWindow.h"
#include "record/GameRecord.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/BoardBuilder.h"

namespace varnel::testing {
namespace {

using RecordOfGames = WindowTest;

// A won game goes into the record in the player's data folder; its best time, double-clicked in
// the Statistics window while another layout is in play, deals it again in its own layout.
TEST_F(RecordOfGames, AWinIsKeptAndItsBestTimeDealsItAgain) {
    MainWindow& w = open();
    // The record opens once the first board is on screen; one that never does fails below, on
    // the disk.
    static_cast<void>(QTest::qWaitFor([&] { return w.record().record().isKept(); }));
    const Board lastPair =
        BoardBuilder(findLayout(kRivers)->rules).keepOnly({{0, 5, true}, {1, 5, true}});
    ASSERT_TRUE(game().restoreGame(kRivers, lastPair, 4242));
    {
        ModalAnswerer answerer({QMessageBox::Yes});  // play again
        clickTile(0);
        clickTile(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.seen.empty(); }));
        // The first win of a layout is its best so far (its time is under a second).
        EXPECT_TRUE(answerer.seen[0].text.startsWith("Deal 4242 won in 0:0"));
        EXPECT_TRUE(answerer.seen[0].text.contains(", a new best for Rivers.\n"));
    }
    GameRecord onDisk;
    onDisk.open(dataFolder());
    ASSERT_EQ(onDisk.games().size(), 1u);
    EXPECT_EQ(onDisk.games()[0].layout, kRivers);
    EXPECT_EQ(onDisk.games()[0].deal, 4242u);
    EXPECT_EQ(onDisk.games()[0].ending, GameEnding::Won);

    layoutEntry(w, kPyramid)->trigger();
    choose(w, "&Game", "S&tatistics...");
    auto* statistics = w.findChild<StatisticsWindow*>();
    ASSERT_NE(statistics, nullptr);
    QTreeWidget* best = statistics->page(kRivers)->bestTimesList();
    ASSERT_EQ(best->topLevelItemCount(), 1);
    const QPoint row = best->visualItemRect(best->topLevelItem(0)).center();
    QTest::mouseClick(best->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(best->viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(game().layout(), kRivers);
    EXPECT_TRUE(layoutEntry(w, kRivers)->isChecked());
    EXPECT_EQ(game().dealNumber(), 4242u);
    EXPECT_EQ(tilesLeft(), " 84");
}

// The record keeps the whole seconds played, the time the win question told: a win in 59.9
// seconds is a best of 0:59, beaten by a win in 59.2 seconds no more than equalled.
TEST(RecordKeeperTimes, TheRecordKeepsTheTimeTheWinQuestionTold) {
    QTemporaryDir data;
    QWidget window;
    RecordKeeper keeper(data.path(), &window);
    keeper.open();
    const FinishedGame slow{kDragon, 5, 59'900, 72, 0, 0, 0, FinishedGame::Ending::Won};
    EXPECT_EQ(playedTimeText(slow.playedMilliseconds), "0:59");
    EXPECT_EQ(keeper.keep(slow, false, false), "a new best for Dragon");
    FinishedGame quicker = slow;
    quicker.playedMilliseconds = 59'200;
    EXPECT_EQ(keeper.keep(quicker, false, false), "");
    ASSERT_EQ(keeper.record().games().size(), 2u);
    EXPECT_EQ(keeper.record().games()[0].seconds, 59);
}

}  // namespace
}  // namespace varnel::testing
