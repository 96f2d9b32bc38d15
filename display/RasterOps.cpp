#include "display/RasterOps.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace varnel {

namespace {

// Rows of two surfaces never overlap, which lets the compiler work on many pixels at once;
// where the processor has wider vector registers, a copy built for them is picked at start.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
#define VARNEL_WIDE_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define VARNEL_WIDE_VECTORS
#endif

VARNEL_WIDE_VECTORS void andRow(QRgb* __restrict out, const QRgb* __restrict in, int width) {
    for (int i = 0; i < width; ++i) out[i] &= in[i];
}

VARNEL_WIDE_VECTORS void orRow(QRgb* __restrict out, const QRgb* __restrict in, int width) {
    for (int i = 0; i < width; ++i) out[i] |= in[i];
}

}  // namespace

QImage makeSurface(int width, int height, QRgb fill) {
    QImage surface(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    surface.fill(fill);
    return surface;
}

void transferRect(QImage& destination, int x, int y, int width, int height, const QImage& source,
            int sourceX, int sourceY, RasterOp op) {
    Q_ASSERT(destination.format() == QImage::Format_RGB32);
    Q_ASSERT(source.format() == QImage::Format_RGB32);
    Q_ASSERT(&destination != &source);
    // Clip the rectangle against the four edges of both surfaces, moving both corners alike.
    const int left = std::max({0, -x, -sourceX});
    const int top = std::max({0, -y, -sourceY});
    x += left, sourceX += left, width -= left;
    y += top, sourceY += top, height -= top;
    width = std::min({width, destination.width() - x, source.width() - sourceX});
    height = std::min({height, destination.height() - y, source.height() - sourceY});
    if (width <= 0 || height <= 0) return;

    uchar* outBits = destination.bits();  // detaches once, not once a row
    const uchar* inBits = source.constBits();
    const qsizetype outStride = destination.bytesPerLine();
    const qsizetype inStride = source.bytesPerLine();
    for (int row = 0; row < height; ++row) {
        auto* out = reinterpret_cast<QRgb*>(outBits + (y + row) * outStride) + x;
        const auto* in = reinterpret_cast<const QRgb*>(inBits + (sourceY + row) * inStride) + sourceX;
        switch (op) {
            case RasterOp::Copy:
                std::memcpy(out, in, sizeof(QRgb) * width);
                break;
            case RasterOp::And:
                andRow(out, in, width);
                break;
            case RasterOp::Or:
                orRow(out, in, width);
                break;
        }
    }
}

void stretchRect(QImage& destination, int x, int y, int width, int height, const QImage& source,
                int sourceX, int sourceY, int sourceWidth, int sourceHeight) {
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return;
    const QImage scaled = source.copy(sourceX, sourceY, sourceWidth, sourceHeight)
                              .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
    transferRect(destination, x, y, width, height, scaled, 0, 0, RasterOp::Copy);
}

}  // namespace varnel
