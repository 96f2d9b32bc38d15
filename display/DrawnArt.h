#pragma once

#include <QImage>
#include <QSize>

#include "display/BoardGeometry.h"
#include "art/Sheet.h"

// The built-in tile sets and the tile mask at the size the board draws its tiles: drawn afresh
// by the art library, so that they stay sharp at any scale, rather than stretched.
namespace varnel {

// Where the board looks for each face on a sheet, in device pixels: the geometry's cells times
// the pixel ratio, each a rounded tile size of device pixels, on a sheet at least sheetSize (in
// the window's pixels) big.
art::SheetGrid boardSheetGrid(const BoardGeometry& geometry, QSizeF sheetSize, float pixelRatio);

// True for the grid of the committed sheets (44 x 55 cells, no scaling).
bool isDesignSize(const art::SheetGrid& grid);

// The built-in set of a slot for the grid: the committed sheet at the design size, otherwise
// drawn at the grid's size (or, should its typefaces be missing, the committed sheet stretched).
QImage makeBuiltinSheet(int slot, const art::SheetGrid& grid);

// The tile mask for the grid's tile shape: black on the tile, white on the two cut corners.
QImage makeTileMask(const art::TileShape& shape);

// Makes every cell of a stretched picture black where the mask leaves the board showing, so
// that ORing it in leaves the board untouched there.
void blackenCorners(QImage& sheet, const art::SheetGrid& grid);

}  // namespace varnel
