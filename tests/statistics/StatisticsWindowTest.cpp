#include <gtest/gtest.h>

#include <QDir>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <ctime>

#include "app/statistics/LayoutStatistics.h"
#include "app/statistics/StatisticsWindow.h"
#include "app/statistics/TimesChart.h"
#include "record/GameRecord.h"
#include "tests/support/ModalAnswerer.h"

namespace varnel {
namespace {

using testing::ModalAnswerer;

constexpr int kDragon = 0, kRivers = 1, kPyramid = 2;
constexpr GameEnding W = GameEnding::Won;

PlayedGame played(int layout, GameEnding ending, int seconds, std::optional<std::uint32_t> deal,
                  int hints = 0) {
    // Started on 1 June 2024 at noon UTC: 2 June for the player, fourteen hours ahead.
    return {layout, deal, 1'717'243'200 + seconds, seconds, 20, ending, hints};
}

class StatisticsWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The player lives fourteen hours ahead of UTC, where noon UTC is already the next day.
        qputenv("TZ", "<+14>-14");
        tzset();
        for (const PlayedGame& game :
             {played(kDragon, W, 300, 11), played(kDragon, GameEnding::Stuck, 200, 15),
              played(kDragon, W, 240, 12, 1),  // with a hint: no best time
              played(kDragon, W, 180, 13), played(kDragon, W, 3725, std::nullopt),
              played(kDragon, GameEnding::Abandoned, 50, 14), played(kRivers, W, 100, 7)})
            record.add(game);
        record.open(dir.path());
        main.show();
        window = new StatisticsWindow(record, &main);
    }

    QTemporaryDir dir;
    GameRecord record;
    QMainWindow main;
    StatisticsWindow* window;  // deleted with the main window
};

TEST_F(StatisticsWindowTest, ShowsEachLayoutsFiguresAndAsksForABestTimesDeal) {
    window->present(kDragon);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_FALSE(window->findChild<QLabel*>("RecordNotice")->isVisible());
    const QRect screen = main.screen()->availableGeometry();
    EXPECT_LE((window->frameGeometry().center() - screen.center()).manhattanLength(), 2);

    const LayoutStatistics* dragon = window->page(kDragon);
    const std::tuple<int, const char*, const char*> figures[] = {
        {kDragon, "Games played", "6"},   {kDragon, "Games won", "4"},
        {kDragon, "Win rate", "67%"},     {kDragon, "Best time", "3:00"},
        {kRivers, "Win rate", "100%"},    {kPyramid, "Win rate", "\u2014"},
        {kPyramid, "Best time", "\u2014"}};
    for (const auto& [layout, caption, value] : figures)
        EXPECT_EQ(window->page(layout)->figure(caption), value) << layout << " " << caption;
    for (const QLabel* label : window->findChildren<QLabel*>())
        EXPECT_TRUE(!label->isVisible() || ModalAnswerer::showsWholeText(label))
            << label->text().toStdString();

    QTreeWidget* best = dragon->bestTimesList();
    ASSERT_EQ(best->topLevelItemCount(), 3);
    const QStringList rows[] = {{"3:00", "13", "2024-06-02"},
                                {"5:00", "11", "2024-06-02"},
                                {"1:02:05", "\u2014", "2024-06-02"}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(best->topLevelItem(row)->text(column), rows[row][column]);
    EXPECT_EQ(dragon->chart()->times().size(), 6u) << "the chart shows every game of the layout";

    // A deal without a number cannot be played again; Return on a best time asks for its deal as
    // a double-click does (which the window tests follow to the board).
    QSignalSpy asked(window, &StatisticsWindow::playDealRequested);
    const QPoint unnumbered = best->visualItemRect(best->topLevelItem(2)).center();
    QTest::mouseClick(best->viewport(), Qt::LeftButton, {}, unnumbered);
    QTest::mouseDClick(best->viewport(), Qt::LeftButton, {}, unnumbered);
    EXPECT_EQ(asked.size(), 0);
    best->setCurrentItem(best->topLevelItem(0));
    QTest::keyClick(best, Qt::Key_Return);
    EXPECT_EQ(asked, QList<QVariantList>({{kDragon, QVariant::fromValue<quint32>(13)}}));
}

// Open, the window follows the record; opened again, it shows the games kept meanwhile.
TEST_F(StatisticsWindowTest, FollowsTheRecordAndShowsWhatWasKeptWhileClosed) {
    window->present(kRivers);
    EXPECT_EQ(window->findChild<QTabWidget*>()->currentIndex(), kRivers);
    record.add(played(kRivers, W, 90, 8));
    EXPECT_EQ(window->page(kRivers)->figure("Current winning streak"), "2");
    EXPECT_EQ(window->page(kRivers)->figure("Best time"), "1:30");
    window->close();
    record.add(played(kRivers, W, 80, 9));
    window->present(kRivers);
    EXPECT_EQ(window->page(kRivers)->figure("Best time"), "1:20");
}

// Among too many games to number each, the first is numbered, under its mark.
TEST(TimesChartNumbers, TheFirstGameIsNumbered) {
    TimesChart chart;
    std::vector<TimePoint> times;
    for (int i = 0; i < 40; ++i) times.push_back({60 + i % 7 * 20, i % 3 != 0});
    chart.setTimes(times);
    chart.resize(chart.sizeHint());
    const QImage picture = chart.grab().toImage();
    const QColor base = chart.palette().color(QPalette::Base);
    auto ink = [&](int x, int y) { return qGray(picture.pixel(x, y)) < qGray(base.rgb()) - 60; };
    // The axis along the bottom is the lowest row inked over most of the width.
    int axis = picture.height() - 1;
    auto inked = [&](int y) {
        int n = 0;
        for (int x = 0; x < picture.width(); ++x) n += ink(x, y);
        return n;
    };
    while (axis > 0 && inked(axis) < picture.width() / 2) --axis;
    // The first game's mark: the leftmost of the marks of won and lost games, the chart's only
    // colours (the rest is grey). Below it, the axis carries a tick and a number.
    int firstMark = picture.width(), underIt = 0;
    for (int y = 0; y < axis; ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y).hsvSaturation() > 100) firstMark = std::min(firstMark, x);
    const int line = chart.fontMetrics().height();
    for (int y = axis + 2; y < axis + line; ++y)
        for (int x = firstMark; x < firstMark + line / 2; ++x) underIt += ink(x, y);
    EXPECT_GT(underIt, 0);
}

TEST_F(StatisticsWindowTest, ResetAsksFirstThenForgets) {
    window->present(kDragon);
    auto* resetDragon = window->findChild<QPushButton*>("ResetLayout");
    auto* resetAll = window->findChild<QPushButton*>("ResetAll");
    auto answer = [](QPushButton* reset, QMessageBox::StandardButton answer) {
        ModalAnswerer answerer({answer});
        reset->click();
        EXPECT_EQ(answerer.seen.size(), 1u);
        return answerer.seen.empty() ? ModalAnswerer::Seen{} : answerer.seen[0];
    };

    const ModalAnswerer::Seen question = answer(resetDragon, QMessageBox::No);
    EXPECT_EQ(question.text, "Forget all 6 Dragon games in the record? This cannot be undone.");
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(question.wholeText);
    EXPECT_EQ(record.games(kDragon).size(), 6u);

    answer(resetDragon, QMessageBox::Yes);
    EXPECT_TRUE(record.games(kDragon).empty());
    EXPECT_EQ(window->page(kDragon)->figure("Games played"), "0");
    EXPECT_EQ(window->page(kRivers)->figure("Games played"), "1");
    EXPECT_FALSE(resetDragon->isEnabled());

    EXPECT_EQ(answer(resetAll, QMessageBox::Yes).text,
              "Forget the one game in the record? This cannot be undone.");
    EXPECT_EQ(window->page(kRivers)->figure("Games played"), "0");
    EXPECT_FALSE(resetAll->isEnabled());
    GameRecord again;  // nothing is left in the file either
    again.open(dir.path());
    EXPECT_TRUE(again.games().empty());
}

// A record set aside is told in one whole line; the games of the run still show.
TEST_F(StatisticsWindowTest, TellsWhyTheRecordWasSetAside) {
    QTemporaryDir other;
    ASSERT_TRUE(QDir(other.path()).mkdir("record.sqlite"));
    GameRecord aside;
    aside.open(other.path());
    aside.add(played(kPyramid, W, 400, 3));
    auto* shown = new StatisticsWindow(aside, &main);
    shown->present(kPyramid);
    const QLabel* notice = shown->findChild<QLabel*>("RecordNotice");
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().startsWith("The record of games could not be read: "));
    EXPECT_TRUE(notice->text().contains("is a folder, not a file"));
    EXPECT_TRUE(ModalAnswerer::showsWholeText(notice)) << notice->text().toStdString();
    EXPECT_EQ(shown->page(kPyramid)->figure("Games won"), "1");
}

}  // namespace
}  // namespace varnel
