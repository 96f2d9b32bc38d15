#pragma once

// The layouts are drawn for a board of 609 x 417 units with tiles of 44 x 55 units, whose
// 5-unit side shows along their left and bottom edges. At the design size a unit is a pixel of
// a 640 x 480 screen; the display scales the units to the window.
namespace varnel::units {

constexpr int kTileWidth = 44, kTileHeight = 55;
constexpr int kSideDepth = 5;
constexpr int kBoardWidth = 609, kBoardHeight = 417;

}  // namespace varnel::units
