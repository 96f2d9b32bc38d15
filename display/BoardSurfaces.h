#pragma once

#include <QImage>
#include <array>

#include "GameState.h"

namespace varnel {

// The pictures behind the board: the back surface the tiles are composed on, the front surface
// the player sees, the scratch surfaces, the tile mask and the five tile-sheet slots.
struct BoardSurfaces {
    QImage picBoard;     // back: every redraw is composed here
    QImage picBoardOld;  // front: the last finished board
    QImage picHold;      // one tile is composed here
    QImage picMask;      // the tile outline at the current tile size: black tile, white corners
    QImage picWork;      // scratch for stretching sheets
    std::array<QImage, 5> picTile;
    QRgb background = qRgb(0, 64, 64);
    QImage spareBoard;   // the back surface of the redraw before: drawn into next time

    // Clears the back surface, draws every present tile in index order and hands the result
    // to the front surface.
    void DisplayBoard(const GameState& state, int currentTileSet);
    // Lays one tile over what is beneath it, through the mask.
    void DrawTile(const GameState& state, const TileRec& tile, int currentTileSet);
};

}  // namespace varnel
