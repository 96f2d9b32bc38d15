#pragma once

#include <QImage>

// The pixel transfers the board is drawn with, on 32-bit surfaces (QImage::Format_RGB32). They
// combine the colour bits of each pixel: copy, AND (black cuts a hole, white keeps what was
// there) and OR (black keeps what was there). Rectangles are clipped to both surfaces.
namespace varnel {

enum class RasterOp { Copy, And, Or };

// A blank surface of the given size in the format the transfers work on.
QImage makeSurface(int width, int height, QRgb fill = qRgb(0, 0, 0));

// Source and destination are two different surfaces.
void transferRect(QImage& destination, int x, int y, int width, int height, const QImage& source,
            int sourceX, int sourceY, RasterOp op);

// Copies a source rectangle into a destination rectangle of another size, smoothly scaled.
void stretchRect(QImage& destination, int x, int y, int width, int height, const QImage& source,
                int sourceX, int sourceY, int sourceWidth, int sourceHeight);

}  // namespace varnel
