#include "display/DrawnArt.h"

#include <algorithm>

#include "display/BuiltinArt.h"
#include "board/Rounding.h"
#include "display/RasterOps.h"
#include "art/Typefaces.h"

namespace varnel {

bool isDesignSize(const art::SheetGrid& grid) {
    return grid.scale == 1 && grid.shape.width == art::kTileWidth &&
           grid.shape.height == art::kTileHeight && grid.width == art::kSheetWidth &&
           grid.height == art::kSheetHeight;
}

art::SheetGrid boardSheetGrid(const BoardGeometry& geometry, QSizeF sheetSize, float pixelRatio) {
    const float r = pixelRatio;
    const int w = roundToInt32(geometry.tileWidth() * r), h = roundToInt32(geometry.tileHeight() * r);
    art::SheetGrid grid;
    grid.scale = geometry.scale() * r;
    grid.shape = art::TileShape::atScale(w, h, grid.scale);
    // The cells lie where the board looks for each face, each face's own rounding kept.
    for (int face = 0; face < art::kFaceCount; ++face) {
        const SheetCell cell = geometry.sheetCell(face);
        grid.columnLeft[face % art::kSheetColumns] = roundToInt32(cell.x * r);
        grid.rowTop[face / art::kSheetColumns] = roundToInt32(cell.y * r);
    }
    grid.width = std::max(roundToInt32(sheetSize.width() * r), grid.columnLeft.back() + w);
    grid.height = std::max(roundToInt32(sheetSize.height() * r), grid.rowTop.back() + h);
    return grid;
}

QImage makeBuiltinSheet(int slot, const art::SheetGrid& grid) {
    if (isDesignSize(grid)) return loadBuiltinSheet(slot);
    // The typefaces some sets letter their faces with are two megabytes of font files: read for
    // each sheet drawn and let go after it, since sheets are drawn seldom (at the first
    // maximize and when a set is first chosen).
    const art::Typefaces typefaces;
    if (typefaces.error().empty()) {
        const auto& sets = art::builtInTileSets();
        if (slot >= 0 && slot < static_cast<int>(sets.size()))
            return art::toQImage(art::renderSheet(sets[slot].paintFace, grid));
    }
    QImage sheet = makeSurface(grid.width, grid.height);
    const QImage committed = loadBuiltinSheet(slot);
    stretchRect(sheet, 0, 0, grid.width, grid.height, committed, 0, 0, committed.width(),
               committed.height());
    blackenCorners(sheet, grid);
    return sheet;
}

QImage makeTileMask(const art::TileShape& shape) {
    return art::renderMask(shape);
}

void blackenCorners(QImage& sheet, const art::SheetGrid& grid) {
    const art::TileShape& shape = grid.shape;
    for (int top : grid.rowTop)
        for (int left : grid.columnLeft)
            for (int y = 0; y < shape.height && top + y < sheet.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(sheet.scanLine(top + y));
                for (int x = 0; x < shape.width && left + x < sheet.width(); ++x)
                    if (!shape.inside(x, y)) row[left + x] = qRgb(0, 0, 0);
            }
}

}  // namespace varnel
