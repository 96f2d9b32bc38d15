#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "Game.h"
#include "PathReference.h"
#include "RecordingWindow.h"
#include "RiversLayout.h"

// The Rivers rules as the player meets them, through the play logic and a recording window.
namespace varnel::testing {
namespace {

struct PlacedTile {
    int16_t tile, face;
};

class RiversPlay : public ::testing::Test {
  protected:
    RiversPlay() {
        state.CurrentLayout = kRivers;
        game.NewGame();
    }

    // A full board on which face f lies on tiles f, f + 21, f + 42 and f + 63: no two equal
    // tiles touch, so only the ring is free, and the equal pairs that can be taken are the six
    // that share column 0 or column 13: (0, 42), (14, 56), (28, 70), (13, 55), (27, 69) and
    // (41, 83). Pairs such as (55, 76) and (56, 77) are equal and free but three turns apart.
    void ArrangeStripes() {
        for (int16_t i = 0; i < 84; ++i) {
            state.Tiles[i].Face = static_cast<int16_t>(i % 21);
            state.Tiles[i].Free = kFalse;
        }
        BuildRivers(state);
        state.TilesLeft = 84;
        Forget();
    }

    // Only the given tiles left, each of them free, as after a long game.
    void KeepOnly(std::initializer_list<PlacedTile> tiles) {
        for (int16_t i = 0; i < 84; ++i) state.Tiles[i].Face = kNoFace;
        for (const PlacedTile& t : tiles) {
            state.Tiles[t.tile].Face = t.face;
            state.Tiles[t.tile].Free = kTrue;
        }
        state.TilesLeft = static_cast<int16_t>(tiles.size());
        Forget();
    }

    void Forget() {
        window.events.clear();
        window.framesShown.clear();
        window.beeps = 0;
        window.redraws = 0;
    }

    void Click(int16_t tile) {
        const TileRec& rec = state.Tiles[tile];
        game.picBoard_MouseUp(1, rec.X + state.TileWidth / 2, rec.Y + state.TileHeight / 2);
    }

    // The pairs the player may take now, judged by the reference path rule.
    std::vector<std::pair<int16_t, int16_t>> TakeablePairs() const {
        const ReachTable reach(state.Tiles);
        std::vector<std::pair<int16_t, int16_t>> pairs;
        for (int16_t i = 0; i < 84; ++i) {
            for (int16_t j = static_cast<int16_t>(i + 1); j < 84; ++j) {
                const TileRec& a = state.Tiles[i];
                const TileRec& b = state.Tiles[j];
                if (IsPresent(a) && a.Free == kTrue && IsPresent(b) && b.Free == kTrue &&
                    a.Face == b.Face && reach.Connected(i, j))
                    pairs.emplace_back(i, j);
            }
        }
        return pairs;
    }

    RecordingWindow::Frame HintFrame(int16_t tile) const {
        return {state.Tiles[tile].X, static_cast<int16_t>(state.Tiles[tile].Y - 5)};
    }

    GameState state;
    RecordingWindow window;
    Random random{[n = 0u]() mutable { return n++; }};
    Game game{state, window, random, RiversLayout()};
};

TEST_F(RiversPlay, ANewGameDealsTheFlatBoardWithoutShuffle) {
    EXPECT_EQ(state.TileCount, 84);
    EXPECT_EQ(state.TilesLeft, 84);
    EXPECT_EQ(window.scoreCaption, " 84");
    EXPECT_FALSE(window.commandEnabled[Command::Shuffle]);
    EXPECT_TRUE(window.commandEnabled[Command::Hint]);
    EXPECT_FALSE(window.commandEnabled[Command::Undo]);
    EXPECT_EQ(window.messageTop, 15);
    EXPECT_EQ(window.scoreTop, 15);
    EXPECT_EQ(window.scoreLeft, 75);
    EXPECT_EQ(window.testTop, 370);
    EXPECT_EQ(state.Tiles[0].X, 521);
    EXPECT_EQ(state.Tiles[83].Y, 305);

    game.mnuLayout_Click(kDragon);
    EXPECT_TRUE(window.commandEnabled[Command::Shuffle]);
    game.mnuLayout_Click(kRivers);
    EXPECT_FALSE(window.commandEnabled[Command::Shuffle]);
    EXPECT_EQ(window.settings["Layout"], " 1");
    EXPECT_EQ(window.scoreLeft, 75);
}

TEST_F(RiversPlay, AnEqualPairWithoutAPathIsRefused) {
    ArrangeStripes();
    const TileTable before = state.Tiles;
    Click(56);
    ASSERT_TRUE(state.TileSelected);
    Click(77);
    EXPECT_EQ(window.beeps, 1);
    EXPECT_FALSE(state.TileSelected);
    EXPECT_FALSE(window.frameVisible);
    EXPECT_EQ(state.Tiles, before);
    EXPECT_EQ(state.TilesLeft, 84);
    EXPECT_EQ(window.redraws, 0);

    state.SoundOn = kFalse;
    Click(55);
    Click(76);
    EXPECT_EQ(window.beeps, 1) << "no beep with the sound off";
    EXPECT_FALSE(state.TileSelected);
    EXPECT_EQ(state.Tiles, before);
}

TEST_F(RiversPlay, AConnectedPairIsTakenAndFreesItsNeighbours) {
    ArrangeStripes();
    const TileTable before = state.Tiles;
    ASSERT_EQ(state.Tiles[40].Free, kFalse);
    Click(41);
    Click(83);
    EXPECT_EQ(state.Tiles[41].Face, kNoFace);
    EXPECT_EQ(state.Tiles[83].Face, kNoFace);
    EXPECT_EQ(state.TilesLeft, 82);
    EXPECT_EQ(window.scoreCaption, " 82");
    EXPECT_EQ(window.beeps, 0);
    EXPECT_EQ(std::vector<TileRec>(state.UndoTiles.begin(), state.UndoTiles.begin() + 84),
              std::vector<TileRec>(before.begin(), before.begin() + 84));
    EXPECT_EQ(state.Tiles[40].Free, kTrue) << "the tile right of 41 is open now";
    EXPECT_TRUE(window.commandEnabled[Command::Undo]) << "five pairs are left";

    // With a cell open in the middle of the board the count still follows the path rule.
    EXPECT_EQ(game.CountPairs(), static_cast<int16_t>(TakeablePairs().size()));
}

TEST_F(RiversPlay, CountingAndHintingLeaveTheSelectionAlone) {
    ArrangeStripes();
    Click(5);
    ASSERT_TRUE(state.TileSelected);
    ASSERT_EQ(state.SelectedTile, 5);

    EXPECT_EQ(game.CountPairs(), 6);
    EXPECT_EQ(static_cast<int>(TakeablePairs().size()), 6);
    game.mnuRemain_Click();
    EXPECT_EQ(window.messages.back(), "6 Matches Remain");
    EXPECT_TRUE(state.TileSelected);
    EXPECT_EQ(state.SelectedTile, 5);

    // The hint skips the equal but unconnected (56, 77) and (55, 76) and shows the highest
    // first tile of a takeable pair with its lowest partner.
    window.framesShown.clear();
    game.mnuHint_Click();
    EXPECT_EQ(window.framesShown,
              (std::vector<RecordingWindow::Frame>{HintFrame(41), HintFrame(83)}));
    EXPECT_EQ(TakeablePairs().back(), std::make_pair(int16_t{41}, int16_t{83}));
    EXPECT_EQ(state.SelectedTile, 5);
    EXPECT_FALSE(state.TileSelected) << "a shown hint drops the pending selection";
    EXPECT_TRUE(window.boardEnabled);
}

TEST_F(RiversPlay, AHintWithNothingToShowKeepsTheSelection) {
    // Tiles 0 and 83 are boxed into their corners: three turns apart.
    KeepOnly({{0, 5}, {83, 5}, {1, 1}, {14, 2}, {82, 3}, {69, 4}});
    Click(1);
    window.framesShown.clear();
    game.mnuHint_Click();
    EXPECT_TRUE(window.framesShown.empty());
    EXPECT_TRUE(window.pauses.empty());
    EXPECT_TRUE(state.TileSelected);
    EXPECT_EQ(state.SelectedTile, 1);
    EXPECT_EQ(game.CountPairs(), 0);
}

TEST_F(RiversPlay, AStuckGameAsksToPlayAgain) {
    KeepOnly({{0, 5}, {83, 5}, {1, 1}, {14, 2}, {82, 3}, {69, 4}, {40, 9}, {41, 9}});
    window.answers = {true};
    Click(40);
    Click(41);
    ASSERT_EQ(window.questions.size(), 1u);
    EXPECT_EQ(window.questions[0].first, "Continue");
    EXPECT_EQ(window.questions[0].second, "0 Matching Tiles Remaining. Do you want to play again?");
    EXPECT_FALSE(window.matchPanelVisible);
    EXPECT_EQ(window.exits, 0);
    // Yes: a new Rivers deal.
    EXPECT_EQ(state.TilesLeft, 84);
    EXPECT_EQ(window.scoreCaption, " 84");
    EXPECT_FALSE(window.commandEnabled[Command::Shuffle]);
}

TEST_F(RiversPlay, AStuckGameEndsOnNo) {
    KeepOnly({{0, 5}, {83, 5}, {1, 1}, {14, 2}, {82, 3}, {69, 4}, {40, 9}, {41, 9}});
    Click(40);
    Click(41);
    EXPECT_EQ(window.questions.size(), 1u);
    EXPECT_EQ(window.exits, 1);
    EXPECT_FALSE(window.matchPanelVisible);
    EXPECT_FALSE(window.commandEnabled[Command::Undo]);
    EXPECT_FALSE(window.commandEnabled[Command::Hint]);
    EXPECT_FALSE(window.commandEnabled[Command::Shuffle]);
    EXPECT_FALSE(window.boardEnabled);
    EXPECT_EQ(state.TilesLeft, 6);
}

}  // namespace
}  // namespace varnel::testing
