#include <gtest/gtest.h>

#include <QProcess>
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/savegame/SavedGame.h"
#include "tests/solver/SolverTestSupport.h"

// varnel-solve as its users run it: a saved game answered with a line the game itself accepts
// pair by pair, a file that is no saved game refused with the reader's reason, fresh deals
// counted, and the exit status of each case. Whether the answers are right for every layout is
// for the solver's own tests.
namespace varnel::testing {
namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

// varnel-solve run with the arguments, its output and its errors caught apart.
Outcome run(const QStringList& arguments) {
    QProcess solve;
    solve.start(QStringLiteral(VARNEL_SOLVE), arguments);
    solve.waitForFinished(-1);
    return {solve.exitStatus() == QProcess::NormalExit ? solve.exitCode() : -1,
            solve.readAllStandardOutput().toStdString(),
            solve.readAllStandardError().toStdString()};
}

// Whether a line "FILE: winnable: a b, c d, ..." clears the game of the file as a restore lays
// it out, each pair checked by the game's own pair test.
bool lineWinsTheFile(const std::string& line, const std::string& file) {
    const std::string head = file + ": winnable:";
    const ReadResult read = readSavedGame(file);
    if (line.rfind(head, 0) != 0 || !read) return false;
    const Layout& layout = rulesOf(read.game->layout());
    Board board = read.game->board();
    layout.markStartFree(board);
    std::string pairs = line.substr(head.size());
    std::replace(pairs.begin(), pairs.end(), ',', ' ');
    std::istringstream numbers(pairs);
    std::vector<TilePair> moves;
    for (int16_t a = 0, b = 0; numbers >> a >> b;) {
        if (!board.contains(a) || !board.contains(b)) return false;
        moves.emplace_back(a, b);
    }
    return numbers.eof() && replayClears(board, layout, moves);
}

// One line for each file read, in order; a file that is no saved game gets the reader's reason
// and a status of 1, and the rest are still answered. "--" ends the options and is no file.
TEST(SolveCommand, EachSavedGameIsAnsweredOnALineOfItsOwn) {
    const std::string dragon = std::string(VARNEL_SAVEGAME_CORPUS) + "/valid-dragon-midgame.sav";
    const std::string missing = "/no-such-folder/nothing.sav";
    const Outcome result =
        run({"--", QString::fromStdString(missing), QString::fromStdString(dragon)});
    EXPECT_EQ(result.status, 1);
    ASSERT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1) << result.out;
    EXPECT_TRUE(lineWinsTheFile(result.out.substr(0, result.out.size() - 1), dragon)) << result.out;
    EXPECT_EQ(result.err, "varnel-solve: could not read a saved game from " + missing + ": " +
                              readSavedGame(missing).reason + ".\n");
}

// The deals counted are the ones named: from the first lost Pyramid deal on, the one before it
// (winnable) is not among them.
TEST(SolveCommand, FreshDealsAreCounted) {
    const uint32_t lost = firstLostDeal(kPyramid);
    const Outcome result = run({"--layout", "pyramid", "--deals", "1", "--seed",
                                QString::number(lost - 1)});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string counts = "pyramid, deals " + std::to_string(lost) + " to " +
                               std::to_string(lost) + ": 0 winnable, 1 not winnable, 0 unknown\n";
    EXPECT_EQ(result.out.substr(0, counts.size()), counts) << result.out;
}

TEST(SolveCommand, WrongOptionsGiveTheUsageAndStatusTwo) {
    const QStringList wrong[] = {{},
                                 {"--bogus"},
                                 {"--layout", "dragon", "--deals", "0"},
                                 {"--layout", "rivers", "--deals", "2", "x.sav"}};
    for (const QStringList& arguments : wrong) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome result = run(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("usage: varnel-solve"), std::string::npos) << result.err;
    }
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: varnel-solve"), std::string::npos);
}

}  // namespace
}  // namespace varnel::testing
