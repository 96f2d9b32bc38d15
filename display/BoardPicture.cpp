#include "display/BoardPicture.h"

#include <utility>

#include "display/RasterOps.h"

namespace varnel {

BoardPicture BoardPicture::blank(QSize size, QRgb background, QImage hold) {
    BoardPicture blank;
    blank.size = size;
    blank.background = background;
    blank.hold = std::move(hold);
    return blank;
}

void BoardPicture::compose(QImage& out, QPoint origin) const {
    out.fill(background);
    const int w = tile.width(), h = tile.height();
    for (const PlacedTile& placed : tiles) {
        const int x = placed.x - origin.x(), y = placed.y - origin.y();
        if (x >= out.width() || y >= out.height() || x + w <= 0 || y + h <= 0) continue;
        // Save what lies beneath, cut the tile's outline black, fill it with the face picture
        // (whose corners are black and so leave the board showing), and put it back. Each pixel
        // depends on itself alone, so any part of the board comes out as it does in the whole.
        transferRect(hold, 0, 0, w, h, out, x, y, RasterOp::Copy);
        transferRect(hold, 0, 0, w, h, mask, 0, 0, RasterOp::And);
        transferRect(hold, 0, 0, w, h, sheet, placed.sheetX, placed.sheetY, RasterOp::Or);
        transferRect(out, x, y, w, h, hold, 0, 0, RasterOp::Copy);
    }
}

}  // namespace varnel
