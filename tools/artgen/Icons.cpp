#include "tools/artgen/Icons.h"

#include <algorithm>

#include "art/Ink.h"
#include "art/PictureCanvas.h"

namespace varnel::artgen {

using namespace varnel::art;
namespace {

const QColor kOutlineColour{52, 40, 30};
const QColor kFace{250, 245, 230};
const QColor kBone{214, 198, 164};
const QColor kBack{200, 118, 40};
const QColor kBackShade{160, 88, 26};

// One tile drawn as shapes: face rectangle at (x, y, w, h) and its side depth d down-left.
void drawTile(QPainter& p, QRectF face, qreal depth, qreal line, bool withRing) {
    const qreal x = face.left();
    const qreal y = face.top();
    const qreal r = face.right();
    const qreal b = face.bottom();
    const QPainterPath outline = ink::polygon({{x, y},
                                               {r, y},
                                               {r, b},
                                               {r - depth, b + depth},
                                               {x - depth, b + depth},
                                               {x - depth, y + depth}});
    ink::fill(p, outline, kBack);
    // The bottom band is in shade, the left band in light.
    ink::fill(p, ink::polygon({{x, b}, {r, b}, {r - depth, b + depth}, {x - depth, b + depth}}),
              kBackShade);
    const qreal bone = depth * 0.45;
    ink::fill(p,
              ink::polygon({{x, y},
                            {r, y},
                            {r, b},
                            {r - bone, b + bone},
                            {x - bone, b + bone},
                            {x - bone, y + bone}}),
              kBone);
    ink::fill(p, ink::rect(face), kFace);
    ink::stroke(p, ink::polyline({{x, y + 0.2}, {x, b}, {r, b}}), QColor(150, 132, 104),
                line * 0.8);
    ink::stroke(p, outline, kOutlineColour, line);

    if (!withRing) return;
    const QPointF centre = face.center();
    const qreal radius = std::min(face.width(), face.height()) * 0.36;
    ink::inkShape(p, ink::circle(centre, radius), ink::kBlue, line, kOutlineColour);
    ink::inkShape(p, ink::circle(centre, radius * 0.55), ink::kOrange, line, kOutlineColour);
    ink::fill(p, ink::circle(centre, radius * 0.2), kFace);
}

}  // namespace

QImage makeIcon(int size) {
    PictureCanvas canvas(size, size);
    QPainter& p = canvas.Painter();
    // Drawn on a 64-unit square; lines stay at least one pixel wide at the small sizes.
    const qreal scale = size / 64.0;
    p.scale(scale, scale);
    const qreal line = std::max(1.0, size / 56.0) / scale;
    if (size <= 24) {
        // Too small for a stack: one tile, as large as the square allows.
        drawTile(p, QRectF(13, 1, 48, 51), 10, line, true);
    } else {
        drawTile(p, QRectF(25, 2, 36, 42), 7, line, false);
        drawTile(p, QRectF(13, 11, 38, 44), 8, line, true);
    }
    return canvas.toImage();
}

}  // namespace varnel::artgen
