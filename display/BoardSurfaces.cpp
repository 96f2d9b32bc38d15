#include "BoardSurfaces.h"

#include <cmath>

#include "Conversions.h"
#include "DrawnArt.h"

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
    // The board's positions are in the window's pixels; the pictures in device pixels.
    const float r = pixelRatio;
    auto device = [r](int16_t at) { return r == 1 ? at : CLng(at * r); };
    board.background = background;
    board.sheet = Sheet(currentTileSet);
    board.mask = picMask;
    board.tile = QSize(CLng(state.TileWidth * r), CLng(state.TileHeight * r));
    board.tiles.clear();
    for (int i = 0; i < state.TileCount; ++i) {
        const TileRec& tile = state.Tiles[i];
        if (IsPresent(tile))
            board.tiles.push_back({device(tile.X), device(tile.Y), device(tile.PicX), device(tile.PicY)});
    }
}

QSize BoardDeviceSize(int width, int height, float pixelRatio) {
    return QSize(static_cast<int>(std::ceil(width * pixelRatio)),
                 static_cast<int>(std::ceil(height * pixelRatio)));
}

}  // namespace varnel
