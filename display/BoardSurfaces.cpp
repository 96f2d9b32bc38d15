#include "display/BoardSurfaces.h"

#include <cmath>

#include "board/Rounding.h"
#include "display/DrawnArt.h"
#include "display/RasterOps.h"

namespace varnel {
namespace {

// A picture file is a bitmap: it is stretched to the board's sheet size, and the fringe the
// smooth stretch leaves round each tile goes back to black.
QImage stretchedSheet(const QImage& picture, QSizeF size, const art::SheetGrid& grid,
                      float pixelRatio) {
    const int width = roundToInt32(size.width() * pixelRatio);
    const int height = roundToInt32(size.height() * pixelRatio);
    QImage sheet = makeSurface(width, height);
    stretchRect(sheet, 0, 0, width, height, picture, 0, 0, picture.width(), picture.height());
    blackenCorners(sheet, grid);
    return sheet;
}

}  // namespace

BoardSurfaces::BoardSurfaces(float pixelRatio, SheetCache cache)
    : pixelRatio_(pixelRatio), sheetCache_(std::move(cache)) {}

// The size-dependent pictures other than the sheets: the blank board, the grid, the mask.
void BoardSurfaces::fitFrame(const BoardGeometry& geometry, int tileSetInUse) {
    const float r = pixelRatio_;
    const float s = geometry.scale();
    // A built-in set has the design size whatever size it was drawn at; a picture file is its
    // own size, and every picture sheet follows the size of the sheet in use.
    const bool pictureInUse = pictureFile_[static_cast<std::size_t>(tileSetInUse)] && !picture_.isNull();
    const QSizeF unscaled = pictureInUse ? QSizeF(picture_.size())
                                         : QSizeF(design::kTileWidth * design::kSheetColumns,
                                                  design::kTileHeight * design::kSheetRows);
    sheetSize_ = unscaled * s;
    const QSize device = boardDeviceSize(geometry.boardWidth(), geometry.boardHeight(), r);
    board_ = BoardPicture::blank(
        device, background_,
        makeSurface(roundToInt32(design::kTileWidth * s * r), roundToInt32(design::kTileHeight * s * r)));
    sheetGrid_ = boardSheetGrid(geometry, sheetSize_, r);
    mask_ = makeTileMask(sheetGrid_.shape);
}

void BoardSurfaces::fitTo(const BoardGeometry& geometry, int tileSetInUse) {
    fitFrame(geometry, tileSetInUse);
    for (std::size_t slot = 0; slot < sheets_.size(); ++slot)
        sheets_[slot] = pictureFile_[slot] ? fittedPicture(picture_, geometry) : QImage();
    sheet(tileSetInUse);
}

void BoardSurfaces::fitQuicklyTo(const BoardGeometry& geometry, int tileSetInUse) {
    const QImage drawn = sheets_[static_cast<std::size_t>(tileSetInUse)];
    fitFrame(geometry, tileSetInUse);
    for (std::size_t slot = 0; slot < sheets_.size(); ++slot)
        sheets_[slot] = pictureFile_[slot] ? fittedPicture(picture_, geometry) : QImage();
    if (drawn.isNull() || pictureFile_[static_cast<std::size_t>(tileSetInUse)]) {
        sheet(tileSetInUse);
        return;
    }
    // The built-in set in use, stretched from its last drawing: its cells land within a pixel
    // of where the new grid has them.
    QImage& stretched = sheets_[static_cast<std::size_t>(tileSetInUse)];
    stretched = drawn.scaled(sheetGrid_.width, sheetGrid_.height, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    blackenCorners(stretched, sheetGrid_);
}

QImage BoardSurfaces::fittedPicture(const QImage& picture, const BoardGeometry& geometry) const {
    QImage sheet = picture.convertToFormat(QImage::Format_RGB32);
    if (!geometry.placement().asDesigned)
        return stretchedSheet(sheet, sheetSize_, sheetGrid_, pixelRatio_);
    // On the design-size board a picture is used at its own size, in the window's pixels.
    if (pixelRatio_ != 1) return stretchedSheet(sheet, QSizeF(sheet.size()), sheetGrid_, pixelRatio_);
    return sheet;
}

void BoardSurfaces::usePictureSheet(const QImage& picture, const BoardGeometry& geometry) {
    picture_ = picture;
    sheets_[kPictureSlot] = fittedPicture(picture, geometry);
    pictureFile_[kPictureSlot] = true;
}

const QImage& BoardSurfaces::sheet(int slot) {
    QImage& sheet = sheets_[static_cast<std::size_t>(slot)];
    if (!sheet.isNull() || pictureFile_[static_cast<std::size_t>(slot)]) return sheet;
    if (isDesignSize(sheetGrid_)) return sheet = makeBuiltinSheet(slot, sheetGrid_);
    sheet = sheetCache_.load(slot, sheetGrid_);
    if (sheet.isNull()) {
        sheet = makeBuiltinSheet(slot, sheetGrid_);
        sheetCache_.store(slot, sheetGrid_, sheet);
    }
    return sheet;
}

void BoardSurfaces::compose(const Board& board, const BoardGeometry& geometry, int tileSet) {
    if (mask_.isNull()) fitTo(geometry, tileSet);
    // The board's places are in the window's pixels; the pictures in device pixels.
    const float r = pixelRatio_;
    auto device = [r](int at) { return r == 1 ? at : roundToInt32(at * r); };
    board_.background = background_;
    board_.sheet = sheet(tileSet);
    board_.mask = mask_;
    board_.tile = QSize(roundToInt32(geometry.tileWidth() * r), roundToInt32(geometry.tileHeight() * r));
    board_.tiles.clear();
    for (int16_t i = 0; i < board.tileCount(); ++i) {
        if (!board[i].present()) continue;
        const TilePlace at = geometry.place(i);
        const SheetCell cell = geometry.sheetCell(board[i].face);
        board_.tiles.push_back({device(at.x), device(at.y), device(cell.x), device(cell.y)});
    }
}

QSize boardDeviceSize(int width, int height, float pixelRatio) {
    return QSize(static_cast<int>(std::ceil(width * pixelRatio)),
                 static_cast<int>(std::ceil(height * pixelRatio)));
}

}  // namespace varnel
