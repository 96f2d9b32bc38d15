#include <cmath>
#include <limits>

#include "Game.h"

// Play by keyboard: a cursor that the arrow keys move from tile to tile, and keys that click
// the tile under it or drop the selection.
namespace varnel {
namespace {

struct Point {
    float x, y;
};

Point CentreOf(const TileRec& tile, const GameState& state) {
    return {tile.X + state.TileWidth / 2, tile.Y + state.TileHeight / 2};
}

bool Contains(const TileRec& tile, const GameState& state, Point p) {
    return tile.X < p.x && p.x < tile.X + state.TileWidth && tile.Y < p.y &&
           p.y < tile.Y + state.TileHeight;
}

}  // namespace

int16_t Game::CursorNeighbour(int16_t from, CursorDirection direction) const {
    if (from < 0 || from >= state_.TileCount) return -1;
    const Point origin = CentreOf(state_.Tiles[from], state_);
    const bool across = direction == CursorDirection::Left || direction == CursorDirection::Right;
    const float sign =
        direction == CursorDirection::Right || direction == CursorDirection::Down ? 1.0f : -1.0f;
    // A tile lying on another is only 5 scaled pixels off it: less than half a tile that way
    // is the same place, not a step.
    const float leastStep = (across ? state_.TileWidth : state_.TileHeight) / 2;

    int16_t best = -1;
    float bestScore = std::numeric_limits<float>::max();
    for (int16_t i = 0; i < state_.TileCount; ++i) {
        if (i == from || !IsPresent(state_.Tiles[i])) continue;
        const Point p = CentreOf(state_.Tiles[i], state_);
        const float along = sign * (across ? p.x - origin.x : p.y - origin.y);
        const float aside = std::fabs(across ? p.y - origin.y : p.x - origin.x);
        if (along < leastStep) continue;
        // Straight on is nearer than the same distance off to the side.
        const float score = along + 2 * aside;
        if (score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    if (best < 0) return -1;
    // Where tiles lie on each other, the cursor goes to the top one.
    const Point target = CentreOf(state_.Tiles[best], state_);
    for (int16_t i = static_cast<int16_t>(state_.TileCount - 1); i > best; --i)
        if (IsPresent(state_.Tiles[i]) && Contains(state_.Tiles[i], state_, target)) return i;
    return best;
}

int16_t Game::TileNearestTheMiddle() const {
    const Point middle{state_.BoardScaleWidth / 2.0f, state_.BoardScaleHeight / 2.0f};
    int16_t best = -1;
    float bestDistance = std::numeric_limits<float>::max();
    // A free tile if there is one; on a stuck board any tile will do.
    for (const bool freeOnly : {true, false}) {
        for (int16_t i = 0; i < state_.TileCount; ++i) {
            const TileRec& tile = state_.Tiles[i];
            if (!IsPresent(tile) || (freeOnly && tile.Free == kFalse)) continue;
            const Point p = CentreOf(tile, state_);
            const float distance = std::hypot(p.x - middle.x, p.y - middle.y);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        if (best >= 0) break;
    }
    return best;
}

void Game::ShowCursorAt(int16_t tile) {
    cursorShown_ = true;
    cursorTile_ = tile;
    RefreshCursor();
}

void Game::RefreshCursor() {
    if (!cursorShown_) return;
    // Over a tile just taken there is nothing to frame; the next arrow key moves on from there.
    if (cursorTile_ >= 0 && IsPresent(state_.Tiles[cursorTile_]))
        window_.ShowCursor(state_.Tiles[cursorTile_].X, state_.Tiles[cursorTile_].Y);
    else
        window_.HideCursor();
}

void Game::ResetCursor() {
    if (cursorShown_)
        ShowCursorAt(TileNearestTheMiddle());
    else
        cursorTile_ = -1;
}

void Game::MoveCursor(CursorDirection direction) {
    if (!cursorShown_ || cursorTile_ < 0) {
        ShowCursorAt(TileNearestTheMiddle());
        return;
    }
    const int16_t next = CursorNeighbour(cursorTile_, direction);
    if (next >= 0) ShowCursorAt(next);
}

void Game::PressAtCursor() {
    if (!Available().Board) return;
    if (!cursorShown_ || cursorTile_ < 0) {
        ShowCursorAt(TileNearestTheMiddle());
        return;
    }
    // What a click in the middle of that tile does: a blocked or taken tile is a miss.
    const TileRec& tile = state_.Tiles[cursorTile_];
    ClickTile(IsPresent(tile) && tile.Free != kFalse ? cursorTile_ : int16_t{-1});
}

void Game::DropSelection() {
    if (!Available().Board || !state_.TileSelected) return;
    Deselect();
}

}  // namespace varnel
