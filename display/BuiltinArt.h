#pragma once

#include <QIcon>
#include <QImage>

// The pictures compiled into the program: the five tile sets in the order of the Tiles menu,
// the tile mask and the program icon.
namespace varnel {

constexpr int kTileSetCount = 5;

QImage LoadBuiltinSheet(int slot);
// The size of a built-in sheet file, read from its header alone.
QSize BuiltinSheetSize(int slot);
QImage LoadTileMask();
QIcon ProgramIcon();

}  // namespace varnel
