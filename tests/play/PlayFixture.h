#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "play/Game.h"
#include "tests/support/BoardBuilder.h"
#include "tests/support/RecordingView.h"

namespace varnel::testing {

// The questions at the end of a game, caption and text.
// A won game's question, its time on the test's clock (none passes unless a test says so) above
// the classic words.
const std::pair<std::string, std::string> kWonQuestion{
    "Continue", "Won in 0:00.\nYou Won! Do you want to play again?"};
const std::pair<std::string, std::string> kStuckQuestion{
    "Continue", "0 Matching Tiles Remaining. Do you want to play again?"};

// A game played against a recording window, its new deals and shuffles drawn from seeds 1, 2, 3...
// and its clock reading the test's own time.
class PlayTest : public ::testing::Test {
  protected:
    static const Layout& rulesOf(int16_t layout) { return findLayout(layout)->rules; }

    // A new game of that layout, with the window's record cleared.
    void start(int16_t layout) {
        game.newGameIn(layout);
        forgetEvents();
    }
    // Only these tiles on the table in that layout, as if the rest had been played away.
    void keepOnly(int16_t layout, std::initializer_list<PlacedTile> tiles) {
        setUp(layout, BoardBuilder(rulesOf(layout)).keepOnly(tiles));
    }
    void setUp(int16_t layout, const Board& board) {
        ASSERT_TRUE(game.takeUpPosition(layout, board));
        forgetEvents();
    }
    void forgetEvents() { view.events.clear(); }
    bool present(int16_t tile) const { return game.board()[tile].present(); }
    void clickTiles(std::initializer_list<int16_t> tiles) {
        for (const int16_t tile : tiles) game.clickTile(tile);
    }
    // Two free pairs of Dragon: 2 and 13 share a face, 14 and 21 another.
    void twoPairs() {
        keepOnly(kDragon, {{2, 9, true}, {13, 9, true}, {14, 8, true}, {21, 8, true}});
    }
    // Dragon two pairs from stuck: once the free pairs 14, 21 and 2, 13 are gone, 87 and 88 lie
    // each on the other's twin (15 and 16), and no pair is left.
    void twoPairsFromStuck() {
        keepOnly(kDragon, {{87, 5, true}, {15, 6, false}, {88, 6, true}, {16, 5, false},
                           {2, 7, true}, {13, 7, true}, {14, 8, true}, {21, 8, true}});
    }
    // The time played once the test's clock reads `time` (milliseconds).
    int64_t playedAt(int64_t time) {
        now = time;
        return game.playedMilliseconds();
    }
    // No tile chosen, and no frame left over the board.
    bool nothingSelected() const { return !game.selectedTile() && !view.frame; }

    RecordingView view;
    uint32_t nextSeed = 1;
    int64_t now = 0;  // milliseconds
    Game game{view, [this] { return nextSeed++; }, [this] { return now; }};
};

}  // namespace varnel::testing
