#include "DrawnArt.h"

#include <algorithm>

#include "BuiltinArt.h"
#include "Conversions.h"
#include "RasterOps.h"
#include "TilePicture.h"
#include "Typefaces.h"

namespace varnel {

bool IsDesignSize(const art::SheetGrid& grid) {
    return grid.scale == 1 && grid.shape.width == art::kTileWidth &&
           grid.shape.height == art::kTileHeight && grid.width == art::kSheetWidth &&
           grid.height == art::kSheetHeight;
}

art::SheetGrid BoardSheetGrid(const GameState& state, QSizeF sheetSize, float pixelRatio) {
    const float r = pixelRatio;
    const int w = CLng(state.TileWidth * r), h = CLng(state.TileHeight * r);
    art::SheetGrid grid;
    grid.scale = state.BoardScale * r;
    grid.shape = art::TileShape::AtScale(w, h, grid.scale);
    // The cells lie where the layouts' picture offsets point, each face's own rounding kept.
    for (int16_t face = 0; face < art::kFaceCount; ++face) {
        TileRec tile{};
        tile.Face = face;
        SetPictureOffsets(tile, state.TileWidth, state.TileHeight);
        grid.columnLeft[face % art::kSheetColumns] = CLng(tile.PicX * r);
        grid.rowTop[face / art::kSheetColumns] = CLng(tile.PicY * r);
    }
    grid.width = std::max(CLng(sheetSize.width() * r), grid.columnLeft.back() + w);
    grid.height = std::max(CLng(sheetSize.height() * r), grid.rowTop.back() + h);
    return grid;
}

QImage MakeBuiltinSheet(int slot, const art::SheetGrid& grid) {
    if (IsDesignSize(grid)) return LoadBuiltinSheet(slot);
    // The typefaces some sets letter their faces with are two megabytes of font files: read for
    // each sheet drawn and let go after it, since sheets are drawn seldom (at the first
    // maximize and when a set is first chosen).
    const art::Typefaces typefaces;
    if (typefaces.Error().empty()) {
        const auto& sets = art::BuiltInTileSets();
        if (slot >= 0 && slot < static_cast<int>(sets.size()))
            return art::ToQImage(art::RenderSheet(sets[slot].paintFace, grid));
    }
    QImage sheet = MakeSurface(grid.width, grid.height);
    const QImage committed = LoadBuiltinSheet(slot);
    StretchBlt(sheet, 0, 0, grid.width, grid.height, committed, 0, 0, committed.width(),
               committed.height());
    BlackenCorners(sheet, grid);
    return sheet;
}

QImage MakeTileMask(const art::TileShape& shape) {
    return art::RenderMask(shape);
}

void BlackenCorners(QImage& sheet, const art::SheetGrid& grid) {
    const art::TileShape& shape = grid.shape;
    for (int top : grid.rowTop)
        for (int left : grid.columnLeft)
            for (int y = 0; y < shape.height && top + y < sheet.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(sheet.scanLine(top + y));
                for (int x = 0; x < shape.width && left + x < sheet.width(); ++x)
                    if (!shape.Inside(x, y)) row[left + x] = qRgb(0, 0, 0);
            }
}

}  // namespace varnel
