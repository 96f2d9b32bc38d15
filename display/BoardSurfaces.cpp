#include "BoardSurfaces.h"

#include "Conversions.h"
#include "RasterOps.h"

#include <utility>

namespace varnel {

void BoardSurfaces::DisplayBoard(const GameState& state, int currentTileSet) {
    // The last picture is on show (the front surface shares it); compose the new one in the
    // other buffer, so that clearing the back surface never has to copy the front first.
    std::swap(picBoard, spareBoard);
    if (picBoard.size() != spareBoard.size())
        picBoard = MakeSurface(spareBoard.width(), spareBoard.height());
    picBoard.fill(background);
    for (int i = 0; i < state.TileCount; ++i)
        if (IsPresent(state.Tiles[i])) DrawTile(state, state.Tiles[i], currentTileSet);
    // The front surface changes once per redraw, so a half-drawn board is never seen.
    picBoardOld = picBoard;
}

void BoardSurfaces::DrawTile(const GameState& state, const TileRec& tile, int currentTileSet) {
    const int w = CLng(state.TileWidth);
    const int h = CLng(state.TileHeight);
    // Save what lies beneath, cut the tile's outline black, fill it with the face picture
    // (whose corners are black and so leave the board showing), and put it back.
    BitBlt(picHold, 0, 0, w, h, picBoard, tile.X, tile.Y, RasterOp::Copy);
    BitBlt(picHold, 0, 0, w, h, picMask, 0, 0, RasterOp::And);
    BitBlt(picHold, 0, 0, w, h, picTile[currentTileSet], tile.PicX, tile.PicY, RasterOp::Paint);
    BitBlt(picBoard, tile.X, tile.Y, w, h, picHold, 0, 0, RasterOp::Copy);
}

}  // namespace varnel
