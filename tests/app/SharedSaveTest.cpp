// Two copies of the game share the one saved game in the program's folder: neither writes over
// nor restores a game the other saved while it was running without asking first.
#include <QFile>

#include "app/savegame/SavedGame.h"
#include "tests/app/DesktopFixture.h"
#include "tests/support/ModalAnswerer.h"

namespace varnel::testing {
namespace {

class SharedSaveTest : public DesktopTest {
  protected:
    QByteArray savedBytes() const {
        QFile file(appDir.filePath(QString::fromLatin1(kSavedGameFileName)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void save(MainWindow& copy) { choose(copy, "&Game", "S&ave Game"); }
    static void restore(MainWindow& copy) { choose(copy, "&Game", "&Restore Game"); }
    // Plays the first pair the game would hint, so that two games differ.
    static void takeAPair(MainWindow& copy) {
        Game& game = copy.game();
        for (int16_t i = 0; i < game.board().tileCount(); ++i)
            for (int16_t j = static_cast<int16_t>(i + 1); j < game.board().tileCount(); ++j)
                if (game.isRemovablePair(i, j)) {
                    game.clickTile(i);
                    game.clickTile(j);
                    return;
                }
    }
};

TEST_F(SharedSaveTest, ACopyAsksBeforeSavingOverOrRestoringTheOtherCopysGame) {
    MainWindow& a = open();
    MainWindow& b = open();
    takeAPair(b);
    ASSERT_NE(a.game().board(), b.game().board());

    {
        ModalAnswerer answers;  // nothing to ask: the file is new
        save(a);
        EXPECT_TRUE(answers.seen.empty());
    }
    const QByteArray gameOfA = savedBytes();
    ASSERT_FALSE(gameOfA.isEmpty());

    {
        // B would write over the game A saved while B was running: it asks, and No keeps A's.
        ModalAnswerer answers({QMessageBox::No});
        save(b);
        ASSERT_EQ(answers.seen.size(), 1u);
        EXPECT_EQ(answers.seen[0].icon, QMessageBox::Question);
        EXPECT_EQ(answers.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_TRUE(answers.seen[0].text.contains("another copy"));
        EXPECT_TRUE(answers.seen[0].wholeText);
        EXPECT_EQ(savedBytes(), gameOfA);
    }
    {
        ModalAnswerer answers({QMessageBox::Yes});
        save(b);
        EXPECT_EQ(answers.seen.size(), 1u);
        EXPECT_NE(savedBytes(), gameOfA);
    }
    {
        // B saves again: its own file, no question.
        ModalAnswerer answers;
        save(b);
        EXPECT_TRUE(answers.seen.empty());
    }

    // A's Restore would load B's game over A's own: it asks; No leaves A's game as it is.
    const Board boardOfA = a.game().board();
    {
        ModalAnswerer answers({QMessageBox::No});
        restore(a);
        ASSERT_EQ(answers.seen.size(), 1u);
        EXPECT_TRUE(answers.seen[0].text.contains("Restore"));
        EXPECT_EQ(a.game().board(), boardOfA);
    }
    {
        ModalAnswerer answers({QMessageBox::Yes});
        restore(a);
        EXPECT_EQ(answers.seen.size(), 1u);
        EXPECT_EQ(a.game().board(), b.game().board());
    }
    {
        // Having restored it, A knows that file: its next save asks nothing.
        ModalAnswerer answers;
        save(a);
        EXPECT_TRUE(answers.seen.empty());
    }
}

TEST_F(SharedSaveTest, ACopyOnItsOwnNeverAsks) {
    {
        // A game saved by a copy that has ended is simply there for the next one.
        MainWindow& earlier = open();
        save(earlier);
        windows.clear();
    }
    MainWindow& copy = open();
    ModalAnswerer answers;
    takeAPair(copy);
    const Board played = copy.game().board();
    restore(copy);
    EXPECT_NE(copy.game().board(), played) << "the earlier copy's game came back";
    takeAPair(copy);
    save(copy);
    const Board saved = copy.game().board();
    takeAPair(copy);
    save(copy);
    restore(copy);
    EXPECT_NE(copy.game().board(), saved);
    EXPECT_TRUE(answers.seen.empty());
}

}  // namespace
}  // namespace varnel::testing
