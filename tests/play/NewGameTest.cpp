#include <optional>
#include <set>
#include <utility>

#include "tests/play/PlayFixture.h"

// New boards: numbered deals, a change of layout, a restored game, and the board laid out anew
// around the deal in play.
namespace varnel::testing {
namespace {

using NewGame = PlayTest;

// New games draw their deal numbers from the seed source, each a number from 1 to the last; a
// numbered deal is that number's board with the layout's tiles free from the start, whichever
// way it was reached. Numbers out of range deal nothing.
TEST_F(NewGame, DealsAreTheBoardsOfTheirNumbers) {
    constexpr uint32_t kLast = Game::kLastDealNumber;
    std::set<uint32_t> numbers;
    for (const int16_t layout : {kDragon, kRivers, kPyramid}) {
        for (int n = 0; n < 5; ++n) {
            game.newGameIn(layout);
            const std::optional<uint32_t> number = game.dealNumber();
            ASSERT_TRUE(number && *number >= 1 && *number <= kLast);
            numbers.insert(*number);
            EXPECT_EQ(game.board(), BoardBuilder(rulesOf(layout)).dealt(*number).board());
        }
        // Asked for, then dealt: a number out of range leaves the last board on the table.
        for (const auto& [asked, dealt] :
             {std::pair{1u, 1u}, {kLast, kLast}, {0u, kLast}, {kLast + 1, kLast}}) {
            game.playDeal(asked);
            EXPECT_EQ(game.dealNumber(), dealt);
            EXPECT_EQ(game.board(), BoardBuilder(rulesOf(layout)).dealt(dealt).board());
        }
    }
    EXPECT_EQ(numbers.size(), 15u) << "new games draw new numbers";
}

// Choosing a layout deals it afresh and remembers it: no selection, frame or panel left over, its
// tile count shown, Shuffle offered only where it may be used. The first game of a run is dealt
// without being remembered.
TEST_F(NewGame, ChoosingALayoutStartsItClean) {
    start(kDragon);
    EXPECT_EQ(view.rememberedLayout, std::nullopt);
    for (const int16_t layout : {kPyramid, kRivers, kDragon}) {
        SCOPED_TRACE(layout);
        game.moveCursor(CursorDirection::Left);
        game.pressAtCursor();
        ASSERT_TRUE(game.selectedTile());
        view.matchPanelVisible = true;
        game.chooseLayout(layout);
        EXPECT_EQ(view.layout, layout);
        EXPECT_TRUE(nothingSelected());
        EXPECT_FALSE(view.matchPanelVisible);
        EXPECT_EQ(view.tilesLeft, rulesOf(layout).tileCount());
        EXPECT_EQ(view.available,
                  (Availability{.hint = true, .shuffle = layout != kRivers, .board = true, .pause = true}));
        EXPECT_EQ(view.rememberedLayout, layout);
    }
}

// A restored game gets the tiles free from the start of its layout; a board of another size is
// refused, restored or taken up, and the game goes on as it was.
TEST_F(NewGame, RestoredBoardsMustFitTheirLayout) {
    game.playDeal(3);
    const Board dealt = game.board();
    EXPECT_FALSE(game.restoreGame(kRivers, dealt));
    EXPECT_FALSE(game.takeUpPosition(kPyramid, dealt));
    EXPECT_FALSE(game.restoreGame(9, dealt));
    EXPECT_EQ(game.board(), dealt);
    EXPECT_EQ(game.layout(), kDragon);

    const Board saved =
        BoardBuilder(rulesOf(kRivers))
            .keepOnly({{0, 1, false}, {30, 4, false}, {40, 3, false}, {41, 3, false}});
    ASSERT_TRUE(game.restoreGame(kRivers, saved, 12));
    EXPECT_EQ(game.layout(), kRivers);
    EXPECT_EQ(game.dealNumber(), 12u);
    EXPECT_EQ(view.rememberedLayout, kRivers);
    const Board& board = game.board();
    EXPECT_TRUE(board[0].free && board[40].free && board[41].free)
        << "the ring, and equal neighbours";
    EXPECT_FALSE(board[30].free);
}

}  // namespace
}  // namespace varnel::testing
