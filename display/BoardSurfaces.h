#pragma once

#include <QImage>
#include <array>

#include "BoardPicture.h"
#include "GameState.h"
#include "Sheet.h"
#include "SheetCache.h"

namespace varnel {

// The pictures behind the board: the finished board the player sees, the tile mask and the five
// tile-sheet slots. They are in device pixels, pixelRatio times the window's pixels that the
// board's geometry is kept in, so that a high-density screen shows the tiles at its own
// resolution.
struct BoardSurfaces {
    BoardPicture board;  // the last finished board
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
    // Replaces the board with every present tile, laid in index order on a clear background.
    void DisplayBoard(const GameState& state, int currentTileSet);
};

// The device pixels that cover a board of the given whole size in the window's pixels, rounded
// up, so that at a fractional ratio the picture still fills its widget to the last row.
QSize BoardDeviceSize(int width, int height, float pixelRatio);

}  // namespace varnel
