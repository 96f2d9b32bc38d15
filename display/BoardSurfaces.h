#pragma once

#include <QImage>
#include <QSizeF>
#include <array>

#include "board/Board.h"
#include "display/BoardGeometry.h"
#include "display/BoardPicture.h"
#include "display/BuiltinArt.h"
#include "display/SheetCache.h"
#include "art/Sheet.h"

namespace varnel {

// The pictures behind the board: the finished board the player sees, the tile mask and the five
// tile-sheet slots. They are in device pixels, pixelRatio times the window's pixels that the
// board's geometry is kept in, so that a high-density screen shows the tiles at its own
// resolution.
class BoardSurfaces {
  public:
    BoardSurfaces(float pixelRatio, SheetCache cache);

    // Makes the mask, the sheets and a blank board for the geometry's scale. The built-in sets
    // are drawn afresh at that size when first used (the set in use now at once); picture files
    // are stretched to the size of the sheet in use.
    void fitTo(const BoardGeometry& geometry, int tileSetInUse);
    // The same at once, for a window being resized: the sheet in use is stretched from the one
    // already drawn rather than drawn anew. fitTo makes it sharp once the size holds still.
    void fitQuicklyTo(const BoardGeometry& geometry, int tileSetInUse);
    // The screen's device pixels per pixel of the window; fitTo follows.
    void setPixelRatio(float ratio) { pixelRatio_ = ratio; }
    // Puts a picture file's sheet in the fifth slot, fitted to the board.
    void usePictureSheet(const QImage& picture, const BoardGeometry& geometry);
    // Replaces the finished board with every present tile, laid in number order on a clear
    // background, from the sheet of that tile set.
    void compose(const Board& board, const BoardGeometry& geometry, int tileSet);
    void setBackground(QRgb colour) { background_ = colour; }

    float pixelRatio() const { return pixelRatio_; }
    const BoardPicture& board() const { return board_; }
    const QImage& mask() const { return mask_; }
    const art::SheetGrid& sheetGrid() const { return sheetGrid_; }
    // The sheet of a slot, its built-in set drawn first if it is not yet.
    const QImage& sheet(int slot);

  private:
    void fitFrame(const BoardGeometry& geometry, int tileSetInUse);
    QImage fittedPicture(const QImage& picture, const BoardGeometry& geometry) const;

    float pixelRatio_;
    SheetCache sheetCache_;  // built-in sets drawn at the board's size in an earlier run
    BoardPicture board_;
    QImage mask_;  // the tile outline at the current tile size: black tile, white corners
    // A null slot holds its built-in set, made at the board's size when first drawn with.
    std::array<QImage, kTileSetCount> sheets_;
    std::array<bool, kTileSetCount> pictureFile_{};  // a slot holding a picture file's sheet
    QImage picture_;  // the picture file itself, which every size is stretched from
    art::SheetGrid sheetGrid_ = art::SheetGrid::design();  // where the cells of a sheet lie
    QSizeF sheetSize_{design::kTileWidth * design::kSheetColumns,
                      design::kTileHeight * design::kSheetRows};  // in the window's pixels
    QRgb background_ = qRgb(0, 64, 64);
};

// The device pixels that cover a board of the given whole size in the window's pixels, rounded
// up, so that at a fractional ratio the picture still fills its widget to the last row.
QSize boardDeviceSize(int width, int height, float pixelRatio);

}  // namespace varnel
