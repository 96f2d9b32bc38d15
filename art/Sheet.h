#pragma once

#include <QImage>
#include <array>

#include "art/RgbImage.h"
#include "art/TileGeometry.h"
#include "art/TileSets.h"

namespace varnel::art {

// Where the 36 cells of a sheet lie and how big the tile in each is. Cells may overlap by a
// pixel where the board's tile size is not a whole number.
struct SheetGrid {
    TileShape shape;
    std::array<int, kSheetColumns> columnLeft{};
    std::array<int, kSheetRows> rowTop{};
    int width = kSheetWidth;
    int height = kSheetHeight;
    float scale = 1;  // of the design, for the pictures on the faces

    // The 396 x 220 sheet of 44 x 55 cells the committed files hold.
    static SheetGrid design();
};

// Paints one whole tile (body and face picture) into the cell at (left, top).
void paintTile(RgbImage& target, int left, int top, FacePainter paintFace, int face,
               const TileShape& shape = {}, float scale = 1);

// The sheet of a set: face f in row f / 9, column f % 9, black round every tile.
RgbImage renderSheet(FacePainter paintFace, const SheetGrid& grid = SheetGrid::design());

// The outline every tile of the grid's shape is drawn through, in the board's colours: black
// on the tile, white where the board shows through.
QImage renderMask(const TileShape& shape);

QImage toQImage(const RgbImage& picture);

}  // namespace varnel::art
