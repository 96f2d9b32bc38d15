// Two copies of the game share the one saved game in the program's folder: neither writes over
// nor restores a game the other saved while it was running without asking first.

#include "app/savegame/SavedGame.h"
#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

class SharedSaveTest : public DesktopTest {
  protected:
    QByteArray savedBytes() const {
        return readFile(appDir.filePath(QString::fromLatin1(kSavedGameFileName)));
    }
    // Saves or restores in the copy with the answer given to a question, and says what was asked.
    static std::vector<ModalAnswerer::Seen> run(MainWindow& copy, const char* entry,
                                                QMessageBox::StandardButton answer) {
        ModalAnswerer answers({answer});
        choose(copy, "&Game", entry);
        return answers.seen;
    }
    // Plays the first free pair, so that two games differ.
    static void takeAPair(MainWindow& copy) {
        const auto [a, b] = testing::freePair(copy.game());
        copy.game().clickTile(a);
        copy.game().clickTile(b);
    }
};

TEST_F(SharedSaveTest, ACopyAsksBeforeSavingOverOrRestoringTheOtherCopysGame) {
    // A game saved by a copy that has ended is simply there for the next ones.
    const Board dealt = open().game().board();
    choose(*windows[0], "&Game", "S&ave Game");
    windows.clear();
    MainWindow& a = open();
    MainWindow& b = open();
    takeAPair(a);
    EXPECT_TRUE(run(a, "&Restore Game", QMessageBox::Yes).empty());
    EXPECT_EQ(a.game().board(), dealt) << "the earlier copy's game came back";
    takeAPair(b);
    EXPECT_TRUE(run(a, "S&ave Game", QMessageBox::Yes).empty()) << "A restored that file";
    const QByteArray gameOfA = savedBytes();
    ASSERT_FALSE(gameOfA.isEmpty());

    // B would write over the game A saved while B was running: it asks, and No keeps A's.
    const auto asked = run(b, "S&ave Game", QMessageBox::No);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].text.contains("another copy"));
    EXPECT_EQ(savedBytes(), gameOfA);
    EXPECT_EQ(run(b, "S&ave Game", QMessageBox::Yes).size(), 1u);
    EXPECT_NE(savedBytes(), gameOfA);
    EXPECT_TRUE(run(b, "S&ave Game", QMessageBox::Yes).empty()) << "its own file now";
    EXPECT_TRUE(run(b, "&Restore Game", QMessageBox::Yes).empty()) << "its own game";

    // A's Restore would load B's game over A's own: it asks; No leaves A's game as it is.
    const Board boardOfA = a.game().board();
    const auto restoring = run(a, "&Restore Game", QMessageBox::No);
    ASSERT_EQ(restoring.size(), 1u);
    EXPECT_TRUE(restoring[0].text.contains("Restore"));
    EXPECT_EQ(a.game().board(), boardOfA);
    EXPECT_EQ(run(a, "&Restore Game", QMessageBox::Yes).size(), 1u);
    EXPECT_EQ(a.game().board(), b.game().board());
    EXPECT_TRUE(run(a, "S&ave Game", QMessageBox::Yes).empty()) << "having restored it, A knows it";
}

}  // namespace
}  // namespace varnel::testing
