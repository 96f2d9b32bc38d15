#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

namespace varnel {

// The finished board, kept as what it is made of rather than as pixels: the background, the
// tiles in the order they are laid, and the tile set and mask, which it shares with the surfaces.
// A board picture at the size of a large screen would hold several megabytes for nothing, since
// the window keeps what it shows anyway; the board is composed instead wherever the screen
// needs it, each time it needs it. A redraw replaces the whole record at once, so the screen
// never shows a half-drawn board. All positions and sizes are in device pixels.
struct BoardPicture {
    struct PlacedTile {
        int x, y;        // the tile's corner on the board
        int sheetX, sheetY;  // its face's corner on the sheet
    };

    // A board of the given size showing nothing but its background.
    static BoardPicture blank(QSize size, QRgb background, QImage hold);

    // Composes the part of the board whose top left corner is origin into out, as far as out
    // reaches: the background first, then each tile over what is beneath it, through the mask.
    void compose(QImage& out, QPoint origin) const;

    QSize size;
    QRgb background = qRgb(0, 0, 0);
    QSize tile;
    QImage sheet, mask;
    std::vector<PlacedTile> tiles;
    // One tile is composed here; scratch, so composing leaves the record itself as it is.
    mutable QImage hold;
};

}  // namespace varnel
