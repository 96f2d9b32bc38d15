#include <QLabel>
#include <QTreeWidget>

#include "app/statistics/LayoutStatistics.h"
#include "app/statistics/StatisticsWindow.h"
#include "record/GameRecord.h"
#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

using RecordAndClock = WindowTest;

// The clock holds while the player is away; games won and abandoned go to record.sqlite, in whole
// seconds, and show in Statistics, where a best time double-clicked deals its deal again.
TEST_F(RecordAndClock, TheClockHoldsAndGamesAreKeptAndABestTimeDealsItsDealAgain) {
    MainWindow& w = open();
    // The time played stands still while the window is minimised or a box is open.
    choose(w, "C&ustomize", "Show &Time");
    QLabel* time = named<QLabel>("timePlayed");
    ASSERT_TRUE(time->isVisible());
    clickTile(freePair().first);  // the first tile chosen starts the clock
    now += 5000;
    QTest::qWait(300);
    EXPECT_EQ(time->text(), " 0:05");
    w.showMinimized();
    now += 60000;
    w.showMaximized();
    onNextModal<QDialog>([this](QDialog* about) {
        now += 30000;
        about->reject();
    });
    choose(w, "&Help", "&About Varnel...");
    QTest::qWait(300);
    now += 1000;  // the player back, it runs again
    QTest::qWait(300);
    EXPECT_EQ(time->text(), " 0:06");

    ModalAnswerer answerer({QMessageBox::Yes});
    // Two pairs of Dragon left: 2 and 13 share a face, 14 and 21 another, all four free.
    ASSERT_TRUE(game().restoreGame(kDragon, leaving({{2, 9}, {13, 9}, {14, 8}, {21, 8}}), 4242));
    for (const int16_t tile : {2, 13, 14}) clickTile(tile);
    now += 95'900;
    clickTile(21);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.seen.empty(); }, 2000));
    EXPECT_EQ(answerer.seen[0].text,
              "Deal 4242 won in 1:35, a new best for Dragon.\nYou Won! Do you want to play again?")
        << "the first win of a layout is its best so far";
    takePair();  // in the new deal, then left for another
    choose(w, "&Game", "&New Game");
    GameRecord onDisk;
    onDisk.open(dataFolder());
    ASSERT_EQ(onDisk.games().size(), 2u);
    EXPECT_EQ(onDisk.games()[0].deal, 4242u);
    EXPECT_EQ(onDisk.games()[0].seconds, 95) << "the whole seconds the question told";
    EXPECT_EQ(onDisk.games()[0].ending, GameEnding::Won);
    EXPECT_EQ(onDisk.games()[1].ending, GameEnding::Abandoned);

    choose(w, "&Game", "S&tatistics...");
    auto* statistics = w.findChild<StatisticsWindow*>();
    ASSERT_TRUE(statistics && statistics->isVisible());
    const LayoutStatistics* dragon = statistics->page(kDragon);
    EXPECT_EQ(dragon->figure("Games played"), "2") << "the figures are the statistics tests'";
    EXPECT_EQ(statistics->findChild<QLabel*>("DealInPlay")->text(),
              QStringLiteral("The game in play: Dragon, deal %1").arg(*game().dealNumber()));

    layoutEntry(w, kPyramid)->trigger();
    QTreeWidget* best = statistics->page(kDragon)->bestTimesList();
    ASSERT_EQ(best->topLevelItemCount(), 1);
    const QPoint row = best->visualItemRect(best->topLevelItem(0)).center();
    QTest::mouseClick(best->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(best->viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(game().layout(), kDragon);
    EXPECT_TRUE(layoutEntry(w, kDragon)->isChecked());
    EXPECT_EQ(game().dealNumber(), 4242u);
    EXPECT_EQ(tilesLeft(), " 144");
}

}  // namespace
}  // namespace varnel::testing
