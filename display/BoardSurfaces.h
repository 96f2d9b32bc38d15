#pragma once

#include <QImage>
#include <array>

#include "GameState.h"
#include "Sheet.h"
#include "SheetCache.h"

namespace varnel {

// The pictures behind the board: the back surface the tiles are composed on, the front surface
// the player sees, the scratch surface, the tile mask and the five tile-sheet slots. The
// surfaces are in device pixels, pixelRatio times the window's pixels that the board's
// geometry is kept in, so that a high-density screen shows the tiles at its own resolution.
struct BoardSurfaces {
    QImage picBoard;     // back: every redraw is composed here
    QImage picBoardOld;  // front: the last finished board, sharing the back surface's pixels
    QImage picHold;      // one tile is composed here
    QImage picMask;      // the tile outline at the current tile size: black tile, white corners
    // A null slot holds its built-in set, made at the board's size when first drawn with.
    std::array<QImage, 5> picTile;
    std::array<bool, 5> builtIn{true, true, true, true, true};  // false: a picture file's sheet
    art::SheetGrid sheetGrid = art::SheetGrid::Design();  // where the built-in sets' cells lie
    float pixelRatio = 1;
    QRgb background = qRgb(0, 64, 64);
    SheetCache sheetCache;  // built-in sets drawn at the board's size in an earlier run

    // The sheet of a slot, its built-in set made first if it is not yet.
    const QImage& Sheet(int slot);
    // Clears the back surface, draws every present tile in index order and hands the result
    // to the front surface.
    void DisplayBoard(const GameState& state, int currentTileSet);
    // Lays one tile over what is beneath it, through the mask.
    void DrawTile(const GameState& state, const TileRec& tile, const QImage& sheet);
};

// The device pixels that cover a board of the given whole size in the window's pixels, rounded
// up, so that at a fractional ratio the picture still fills its widget to the last row.
QSize BoardDeviceSize(int width, int height, float pixelRatio);

}  // namespace varnel
