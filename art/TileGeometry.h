#pragma once

namespace varnel::art {

// One tile picture is a 44 x 55 cell at the design size. The face is lifted 5 pixels up and to
// the right of the tile's base, so its side shows as a 5-pixel band along the left and bottom
// edges, and the top-left and bottom-right corners of the cell lie outside the tile.
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

// The tile at some size in whole pixels: the cell, the depth of its side, and how many pixels
// wide its one-pixel design lines (outline, rim, bevel) and its bone edge are drawn.
struct TileShape {
    int width = kTileWidth;
    int height = kTileHeight;
    int depth = kDepth;
    int line = 1;
    int bone = 2;

    // The shape for a cell of the given size, drawn at scale times the design.
    static TileShape atScale(int width, int height, float scale);

    int faceWidth() const { return width - depth; }
    int faceHeight() const { return height - depth; }

    // True on the tile itself, false on the two cut corners the board shows through.
    constexpr bool inside(int x, int y) const {
        return x + y >= depth && (width - 1 - x) + (height - 1 - y) >= depth;
    }
    constexpr bool inCell(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height;
    }
    constexpr bool onFace(int x, int y) const {
        return x >= depth && x < width && y >= 0 && y < faceHeight();
    }
};

constexpr bool insideTile(int x, int y) {
    return TileShape{}.inside(x, y);
}

}  // namespace varnel::art
