#include "Game.h"

#include "Conversions.h"
#include "Shuffle.h"

namespace varnel {

Game::Game(GameState& state, GameWindow& window, Random& random)
    : state_(state), window_(window), random_(random) {}

const LayoutRow& Game::CurrentLayoutRow() const {
    // The settings are read through the same table, so an unknown number never gets this far.
    const LayoutRow* row = FindLayout(state_.CurrentLayout);
    return row ? *row : Layouts().front();
}

Availability Game::Available() const {
    Availability available;
    available.Hint = !stuck_;
    available.Undo = undoAvailable_;
    available.Shuffle = !stuck_ && CurrentLayoutRow().shuffleOffered;
    // While the hint flashes or the win blinks, the board waits; the menus do not.
    available.Board = !stuck_ && sequence_ == Sequence::None;
    return available;
}

void Game::ReportAvailability() {
    const Availability now = Available();
    if (everReported_ && now == reported_) return;
    everReported_ = true;
    reported_ = now;
    window_.SetAvailability(now);
}

void Game::LayOut(DealMode mode) {
    window_.SetBusy(true);
    Deselect();
    const LayoutRow& row = CurrentLayoutRow();
    const LabelPlaces& labels = state_.Labels.*row.labels;
    window_.PlaceLabels(labels.MessageTop, labels.ScoreTop, labels.ScoreLeft, labels.TestTop);
    state_.TileCount = row.tileCount;
    if (mode == DealMode::NewFaces) state_.TilesLeft = state_.TileCount;
    ShowScore();
    row.rules.BuildLayout(state_, random_, mode);
    window_.DisplayBoard();
    window_.SetBusy(false);
}

void Game::NewGame() {
    // A new board starts clean: nothing running, no frame over a tile of the old one, no panel
    // about it, nothing to undo.
    EndSequence();
    HideMatchPanel();
    stuck_ = false;
    undoAvailable_ = false;
    window_.SetLayoutChecked(state_.CurrentLayout);
    LayOut(DealMode::NewFaces);
    ResetCursor();
    ReportAvailability();
}

void Game::RebuildAroundDeal() {
    // The frames of a hint would point at the old places; a winning blink goes on.
    EndHint();
    // The undo copy holds the old positions.
    undoAvailable_ = false;
    LayOut(DealMode::KeepFaces);
    RefreshCursor();
    ReportAvailability();
}

bool Game::RestoreGame(int16_t layout, int16_t tilesLeft, std::span<const SavedTile> tiles) {
    const LayoutRow* row = FindLayout(layout);
    if (!row || tiles.size() != static_cast<std::size_t>(row->tileCount) || tilesLeft < 0 ||
        tilesLeft > row->tileCount)
        return false;
    EndSequence();
    HideMatchPanel();
    stuck_ = false;
    undoAvailable_ = false;  // the undo copy belonged to the game put away
    state_.CurrentLayout = layout;
    state_.TilesLeft = tilesLeft;
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        state_.Tiles[i].Free = tiles[i].Free;
        state_.Tiles[i].Face = tiles[i].Face;
    }
    LayOut(DealMode::KeepFaces);
    ResetCursor();
    window_.SetLayoutChecked(layout);
    window_.WriteSetting("Layout", Str(layout));
    ReportAvailability();
    return true;
}

void Game::DiscardUndo() {
    undoAvailable_ = false;
    ReportAvailability();
}

void Game::UpdateFree(int16_t k) {
    CurrentLayoutRow().rules.UpdateFree(state_, k);
}

void Game::mnuNewGame_Click() {
    NewGame();
}

void Game::ShuffleTiles() {
    EndHint();
    undoAvailable_ = false;  // no undo across a shuffle
    ShuffleBoard(state_, random_);
    window_.DisplayBoard();
}

void Game::mnuShuffle_Click() {
    if (!Available().Shuffle) return;
    ShuffleTiles();
    ReportAvailability();
}

void Game::mnuLayout_Click(int16_t index) {
    if (!FindLayout(index)) return;
    state_.CurrentLayout = index;
    window_.WriteSetting("Layout", Str(state_.CurrentLayout));
    NewGame();
}

void Game::ShowScore() {
    window_.SetScoreCaption(Str(state_.TilesLeft));
}

void Game::FrameTile(int16_t tile, int16_t dx, int16_t dy) {
    const TileRec& rec = state_.Tiles[tile];
    if (state_.BoardScale == 1.25f) {
        dx = 3;
        dy = -3;
    }
    window_.ShowFrame(static_cast<int16_t>(rec.X + dx), static_cast<int16_t>(rec.Y + dy));
}

void Game::HideMatchPanel() {
    panelShown_ = false;
    window_.SetMatchPanelVisible(false);
}

}  // namespace varnel
