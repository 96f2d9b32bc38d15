#include "Game.h"

#include "Conversions.h"
#include "DragonLayout.h"
#include "PyramidLayout.h"
#include "Shuffle.h"

namespace varnel {

Game::Game(GameState& state, GameWindow& window, Random& random, const Layout& riversLayout)
    : state_(state), window_(window), random_(random), riversLayout_(riversLayout) {}

const Layout& Game::CurrentLayoutRules() const {
    switch (state_.CurrentLayout) {
        case kRivers:
            return riversLayout_;
        case kPyramid:
            return PyramidLayout();
        default:
            return DragonLayout();
    }
}

void Game::NewGame() {
    ++boardVersion_;
    window_.SetCommandEnabled(Command::Hint, false);
    window_.SetCommandEnabled(Command::Undo, false);
    window_.SetBoardEnabled(false);
    window_.SetBusy(true);

    // A new board starts clean: no frame over a tile of the old one, no panel about it.
    Deselect();
    window_.SetMatchPanelVisible(false);

    const LabelPositions& labels = state_.Labels;
    if (state_.CurrentLayout == kRivers) {
        window_.SetCommandEnabled(Command::Shuffle, false);
        window_.PlaceLabels(labels.RiversMessageTop, labels.RiversScoreTop, labels.RiversScoreLeft,
                            labels.RiversTestTop);
    } else {
        window_.SetCommandEnabled(Command::Shuffle, true);
        window_.PlaceLabels(labels.MessageTop, labels.ScoreTop, labels.ScoreLeft, labels.TestTop);
    }
    state_.TileCount = TileCountOf(state_.CurrentLayout);
    if (!state_.KeepDeal) state_.TilesLeft = state_.TileCount;
    ShowScore();

    BuildLayout();
    window_.DisplayBoard();

    window_.SetCommandEnabled(Command::Hint, true);
    window_.SetBoardEnabled(true);
    window_.SetBusy(false);
}

void Game::BuildLayout() { CurrentLayoutRules().BuildLayout(state_, random_); }

void Game::UpdateFree(int16_t k) { CurrentLayoutRules().UpdateFree(state_, k); }

void Game::mnuNewGame_Click() { NewGame(); }

void Game::mnuShuffle_Click() {
    ++boardVersion_;
    window_.SetCommandEnabled(Command::Undo, false);
    window_.SetCommandEnabled(Command::Shuffle, false);
    ShuffleBoard(state_, random_);
    window_.DisplayBoard();
    window_.SetCommandEnabled(Command::Shuffle, true);
}

void Game::mnuLayout_Click(int16_t index) {
    state_.CurrentLayout = index;
    window_.SetLayoutChecked(index);
    window_.WriteSetting("Layout", Str(state_.CurrentLayout));
    NewGame();
}

void Game::ShowScore() { window_.SetScoreCaption(Str(state_.TilesLeft)); }

void Game::FrameTile(int16_t tile, int16_t dx, int16_t dy) {
    const TileRec& rec = state_.Tiles[tile];
    if (state_.BoardScale == 1.25f) {
        dx = 3;
        dy = -3;
    }
    window_.ShowFrame(static_cast<int16_t>(rec.X + dx), static_cast<int16_t>(rec.Y + dy));
}

bool Game::PauseUnchanged(float seconds) {
    const unsigned before = boardVersion_;
    window_.Pause(seconds);
    return boardVersion_ == before;
}

}  // namespace varnel
