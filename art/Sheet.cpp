#include "art/Sheet.h"

#include "art/PictureCanvas.h"
#include "art/TileBody.h"

namespace varnel::art {
namespace {

// Where cells overlap, one cell's tile may have painted over the corner of the next one; the
// corners of every cell go back to black so that the board shows through them.
void blackenCorners(RgbImage& sheet, const SheetGrid& grid) {
    const TileShape& shape = grid.shape;
    for (int top : grid.rowTop)
        for (int left : grid.columnLeft)
            for (int y = 0; y < shape.height && top + y < sheet.height; ++y)
                for (int x = 0; x < shape.width && left + x < sheet.width; ++x)
                    if (!shape.inside(x, y)) sheet.at(left + x, top + y) = Rgb{};
}

}  // namespace

SheetGrid SheetGrid::design() {
    SheetGrid grid;
    for (int column = 0; column < kSheetColumns; ++column)
        grid.columnLeft[column] = column * kTileWidth;
    for (int row = 0; row < kSheetRows; ++row) grid.rowTop[row] = row * kTileHeight;
    return grid;
}

void paintTile(RgbImage& target, int left, int top, FacePainter paintFace, int face,
               const TileShape& shape, float scale) {
    paintTileBody(target, left, top, shape);
    const int faceWidth = shape.faceWidth(), faceHeight = shape.faceHeight();
    // The committed files are supersampled to the byte; a sheet drawn for the board at any
    // other size is smoothed by the library, several times quicker.
    PictureCanvas canvas(faceWidth, faceHeight, scale == 1 ? kSupersample : 1);
    QPainter& painter = canvas.Painter();
    // The pictures are drawn in design units: one unit is one pixel of the 39 x 50 face.
    if (scale != 1)
        painter.scale(static_cast<qreal>(faceWidth) / kFaceWidth,
                      static_cast<qreal>(faceHeight) / kFaceHeight);
    // Pictures stay inside the rim, so the outline of the tile is the same on every face.
    painter.setClipRect(QRectF(1, 1, kFaceWidth - 2, kFaceHeight - 2));
    paintFace(painter, face);
    canvas.compositeOnto(target, left + shape.depth, top);
}

RgbImage renderSheet(FacePainter paintFace, const SheetGrid& grid) {
    RgbImage sheet(grid.width, grid.height);
    for (int face = 0; face < kFaceCount; ++face)
        paintTile(sheet, grid.columnLeft[face % kSheetColumns], grid.rowTop[face / kSheetColumns],
                  paintFace, face, grid.shape, grid.scale);
    blackenCorners(sheet, grid);
    return sheet;
}

QImage renderMask(const TileShape& shape) {
    QImage mask(shape.width, shape.height, QImage::Format_RGB32);
    for (int y = 0; y < shape.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < shape.width; ++x)
            line[x] = shape.inside(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return mask;
}

QImage toQImage(const RgbImage& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& c = picture.at(x, y);
            line[x] = qRgb(c.red, c.green, c.blue);
        }
    }
    return image;
}

}  // namespace varnel::art
