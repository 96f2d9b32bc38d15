#include "BoardSurfaces.h"

#include <cmath>

#include "Conversions.h"
#include "DrawnArt.h"
#include "RasterOps.h"

namespace varnel {

const QImage& BoardSurfaces::Sheet(int slot) {
    QImage& sheet = picTile[slot];
    if (!sheet.isNull() || !builtIn[slot]) return sheet;
    if (IsDesignSize(sheetGrid)) return sheet = MakeBuiltinSheet(slot, sheetGrid);
    sheet = sheetCache.Load(slot, sheetGrid);
    if (sheet.isNull()) {
        sheet = MakeBuiltinSheet(slot, sheetGrid);
        sheetCache.Store(slot, sheetGrid, sheet);
    }
    return sheet;
}

void BoardSurfaces::DisplayBoard(const GameState& state, int currentTileSet) {
    const QImage& sheet = Sheet(currentTileSet);
    // The front surface shares the back surface's pixels rather than keeping a copy of the
    // board. It lets go of them while the board is composed, so that the back surface is drawn
    // in place; nothing is painted on screen before the redraw is over.
    picBoardOld = QImage();
    picBoard.fill(background);
    for (int i = 0; i < state.TileCount; ++i)
        if (IsPresent(state.Tiles[i])) DrawTile(state, state.Tiles[i], sheet);
    // The front surface changes once per redraw, so a half-drawn board is never seen.
    picBoardOld = picBoard;
}

void BoardSurfaces::DrawTile(const GameState& state, const TileRec& tile, const QImage& sheet) {
    // The board's positions are in the window's pixels; the surfaces in device pixels.
    const float r = pixelRatio;
    auto device = [r](int16_t at) { return r == 1 ? at : CLng(at * r); };
    const int w = CLng(state.TileWidth * r);
    const int h = CLng(state.TileHeight * r);
    const int x = device(tile.X), y = device(tile.Y);
    // Save what lies beneath, cut the tile's outline black, fill it with the face picture
    // (whose corners are black and so leave the board showing), and put it back.
    BitBlt(picHold, 0, 0, w, h, picBoard, x, y, RasterOp::Copy);
    BitBlt(picHold, 0, 0, w, h, picMask, 0, 0, RasterOp::And);
    BitBlt(picHold, 0, 0, w, h, sheet, device(tile.PicX), device(tile.PicY), RasterOp::Paint);
    BitBlt(picBoard, x, y, w, h, picHold, 0, 0, RasterOp::Copy);
}

QSize BoardDeviceSize(int width, int height, float pixelRatio) {
    return QSize(static_cast<int>(std::ceil(width * pixelRatio)),
                 static_cast<int>(std::ceil(height * pixelRatio)));
}

}  // namespace varnel
