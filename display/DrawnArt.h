#pragma once

#include <QImage>
#include <QSize>

#include "GameState.h"
#include "Sheet.h"

// The built-in tile sets and the tile mask at the size the board draws its tiles: drawn afresh
// by the art library, so that they stay sharp at any scale, rather than stretched.
namespace varnel {

// Where the board looks for each face on a sheet, in device pixels: the cells at PicX and PicY
// times the pixel ratio, each CLng(TileWidth) x CLng(TileHeight) device pixels, on a sheet at
// least sheetSize (in the window's pixels) big.
art::SheetGrid BoardSheetGrid(const GameState& state, QSizeF sheetSize, float pixelRatio);

// True for the grid of the committed sheets (44 x 55 cells, no scaling).
bool IsDesignSize(const art::SheetGrid& grid);

// The built-in set of a slot for the grid: the committed sheet at the design size, otherwise
// drawn at the grid's size (or, should its typefaces be missing, the committed sheet stretched).
QImage MakeBuiltinSheet(int slot, const art::SheetGrid& grid);

// The tile mask for the grid's tile shape: black on the tile, white on the two cut corners.
QImage MakeTileMask(const art::TileShape& shape);

// Makes every cell of a stretched picture black where the mask leaves the board showing, so
// that ORing it in leaves the board untouched there.
void BlackenCorners(QImage& sheet, const art::SheetGrid& grid);

}  // namespace varnel
