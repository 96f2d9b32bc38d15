#pragma once

namespace varnel::artgen {

// One tile picture is a 44 x 55 cell. The face is lifted 5 pixels up and to the right of the
// tile's base, so its side shows as a 5-pixel band along the left and bottom edges, and the
// top-left and bottom-right corners of the cell lie outside the tile.
constexpr int kTileWidth = 44;
constexpr int kTileHeight = 55;
constexpr int kDepth = 5;

constexpr int kFaceLeft = kDepth;
constexpr int kFaceTop = 0;
constexpr int kFaceWidth = kTileWidth - kDepth;    // 39
constexpr int kFaceHeight = kTileHeight - kDepth;  // 50

constexpr int kSheetColumns = 9;
constexpr int kSheetRows = 4;
constexpr int kFaceCount = kSheetColumns * kSheetRows;
constexpr int kSheetWidth = kSheetColumns * kTileWidth;
constexpr int kSheetHeight = kSheetRows * kTileHeight;

// True on the tile itself, false on the two cut corners the board shows through.
constexpr bool InsideTile(int x, int y) {
    return x + y >= kDepth && (kTileWidth - 1 - x) + (kTileHeight - 1 - y) >= kDepth;
}

constexpr bool OnFace(int x, int y) {
    return x >= kFaceLeft && x < kFaceLeft + kFaceWidth && y >= kFaceTop &&
           y < kFaceTop + kFaceHeight;
}

}  // namespace varnel::artgen
