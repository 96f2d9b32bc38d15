#include "Sheet.h"

#include "PictureCanvas.h"
#include "TileBody.h"
#include "TileGeometry.h"

namespace varnel::artgen {

void PaintTile(RgbImage& target, int left, int top, FacePainter paintFace, int face) {
    PaintTileBody(target, left, top);
    PictureCanvas canvas(kFaceWidth, kFaceHeight);
    QPainter& painter = canvas.Painter();
    // Pictures stay inside the rim, so the outline of the tile is the same on every face.
    painter.setClipRect(QRectF(1, 1, kFaceWidth - 2, kFaceHeight - 2));
    paintFace(painter, face);
    canvas.CompositeOnto(target, left + kFaceLeft, top + kFaceTop);
}

RgbImage RenderSheet(FacePainter paintFace) {
    RgbImage sheet(kSheetWidth, kSheetHeight);
    for (int face = 0; face < kFaceCount; ++face)
        PaintTile(sheet, (face % kSheetColumns) * kTileWidth, (face / kSheetColumns) * kTileHeight,
                  paintFace, face);
    return sheet;
}

}  // namespace varnel::artgen
