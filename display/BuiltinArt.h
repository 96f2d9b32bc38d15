#pragma once

#include <QIcon>
#include <QImage>

#include "art/TileSets.h"

// The pictures compiled into the program: the five tile sets in the order of the Tiles menu,
// the tile mask and the program icon.
namespace varnel {

using art::kTileSetCount;
// The fifth slot also takes a tile sheet from a picture file.
constexpr int kPictureSlot = kTileSetCount - 1;

QImage loadBuiltinSheet(int slot);
// The size of a built-in sheet file, read from its header alone.
QSize builtinSheetSize(int slot);
QImage loadTileMask();
QIcon programIcon();

}  // namespace varnel
