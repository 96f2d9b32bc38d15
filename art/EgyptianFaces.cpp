// The Egyptian set: signs and things of the Nile in gold, lapis, turquoise and carnelian.
// The twenty-one that every layout uses are the boldest outlines: ankh, eye, scarab, pyramids,
// sphinx and the rest; the two cartouches are kept far apart.
#include <array>
#include <cmath>

#include "art/Ink.h"
#include "art/TileSets.h"

namespace varnel::art {
namespace {

using namespace ink;

const QColor kGoldLeaf{234, 184, 46};
const QColor kGoldDeep{190, 136, 30};
const QColor kLapis{34, 62, 160};
const QColor kTurquoise{34, 164, 168};
const QColor kCarnelian{196, 60, 36};
const QColor kSand{226, 192, 122};
const QColor kSandShade{186, 142, 70};
const QColor kNight{34, 30, 40};
const QColor kLinen{246, 240, 222};
const QColor kNile{60, 130, 210};
const QColor kReed{64, 146, 70};

QPainterPath curve(QPointF from, QPointF control, QPointF to) {
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

void stem(QPainter& p, const QPainterPath& path, qreal width = 1.8) {
    band(p, path, kReed, width, 0.6);
}

// Stripes of two colours across a shape, as on headdresses and sceptres.
void stripes(QPainter& p, const QPainterPath& shape, const QColor& a, const QColor& b, qreal y0,
             qreal step, bool vertical = false) {
    inkShape(p, shape, a);
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    const QRectF box = shape.boundingRect();
    if (vertical) {
        for (qreal x = box.left() + step / 2 + y0; x < box.right(); x += step * 2)
            fill(p, rect(QRectF(x, box.top() - 1, step, box.height() + 2)), b);
    } else {
        for (qreal y = y0; y < box.bottom(); y += step * 2)
            fill(p, rect(QRectF(box.left() - 1, y, box.width() + 2, step)), b);
    }
    p.restore();
    stroke(p, shape, kLine, kOutline);
}

void ankh(QPainter& p) {
    QPainterPath loop = ellipse({19.5, 12.5}, 7.4, 9.6).subtracted(ellipse({19.5, 13}, 3.6, 5.8));
    const QPainterPath bar = polygon({{5.5, 20},
                                      {13.5, 21.8},
                                      {25.5, 21.8},
                                      {33.5, 20},
                                      {33.5, 27.5},
                                      {25.5, 25.8},
                                      {13.5, 25.8},
                                      {5.5, 27.5}});
    const QPainterPath stem = polygon({{17.2, 25}, {21.8, 25}, {25, 47}, {14, 47}});
    const QPainterPath ankh = loop.united(bar).united(stem);
    inkShape(p, ankh, kGoldLeaf);
    stroke(p, curve({13.8, 16}, {13, 7}, {19.5, 4.6}), QColor(252, 230, 150), 1.0);
    stroke(p, polyline({{18.6, 28}, {17.2, 44}}), QColor(252, 230, 150), 1.0);
    stroke(p, polyline({{8, 23.8}, {31, 23.8}}), kGoldDeep, 0.7);
}

void eyeOfHorus(QPainter& p) {
    band(p, curve({6, 12}, {19, 4}, {34, 10}), kLapis, 2.8, 0.6);
    QPainterPath eye({5, 21});
    eye.cubicTo({11, 13}, {26, 12}, {32, 20});
    eye.cubicTo({24, 26}, {12, 26}, {5, 21});
    inkShape(p, eye, kLinen, 1.0);
    inkShape(p, circle({19, 19.6}, 4.6), kNight, 0.6);
    fill(p, circle({17.6, 18.4}, 1.1), kLinen);
    band(p, curve({5, 21}, {18, 11.5}, {32, 20}), kLapis, 1.6, 0.5);
    band(p, polyline({{31, 20}, {37, 21}}), kLapis, 1.8, 0.5);
    band(p, polyline({{13, 25}, {13, 38}, {11, 41}}), kLapis, 2.2, 0.5);
    QPainterPath spiral({20, 25});
    spiral.cubicTo({23, 32}, {30, 34}, {31, 40});
    spiral.cubicTo({32, 45}, {25, 46}, {25, 42});
    spiral.cubicTo({25, 39.5}, {28, 39.5}, {28, 41.5});
    band(p, spiral, kLapis, 2.0, 0.5);
}

void scarab(QPainter& p) {
    inkShape(p, circle({19.5, 6}, 4.8), kCarnelian);
    fill(p, circle({18, 4.6}, 1.2), QColor(240, 140, 110));
    for (int side : {-1, 1}) {
        const qreal s = side;
        stroke(p, polyline({{19.5 + s * 3, 13}, {19.5 + s * 7, 10}, {19.5 + s * 5, 7}}), kNight,
               1.2);
        stroke(p, polyline({{19.5 + s * 7, 22}, {19.5 + s * 14, 23}, {19.5 + s * 15, 18}}), kNight,
               1.2);
        stroke(p, polyline({{19.5 + s * 8, 33}, {19.5 + s * 14, 38}, {19.5 + s * 15, 45}}), kNight,
               1.2);
    }
    inkShape(p, ellipse({19.5, 13}, 4.6, 3), kTurquoise);
    inkShape(p, ellipse({19.5, 19}, 8.5, 5.2), kTurquoise);
    QPainterPath shell = ellipse({19.5, 33}, 9.8, 11.5);
    inkShape(p, shell, QColor(28, 132, 140));
    stroke(p, polyline({{19.5, 23}, {19.5, 44}}), kLine, 0.9);
    stroke(p, curve({13, 26}, {12, 33}, {14, 40}), QColor(120, 210, 210), 1.0);
    stroke(p, curve({26, 26}, {27, 33}, {25, 40}), QColor(120, 210, 210), 1.0);
    fill(p, ellipse({17, 17.6}, 2.6, 1.2), QColor(120, 210, 210));
}

void pyramids(QPainter& p) {
    inkShape(p, circle({30.5, 9}, 4.5), QColor(240, 110, 40));
    auto pyramid = [&](qreal apexX, qreal apexY, qreal halfWidth, qreal baseY) {
        inkShape(p, polygon({{apexX, apexY}, {apexX + halfWidth, baseY}, {apexX - halfWidth, baseY}}),
              kSand);
        inkShape(p,
              polygon(
                  {{apexX, apexY}, {apexX + halfWidth, baseY}, {apexX + halfWidth * 0.25, baseY}}),
              kSandShade);
        for (int i = 1; i < 4; ++i) {
            const qreal t = i / 4.0;
            const qreal y = apexY + (baseY - apexY) * t;
            stroke(p,
                   polyline({{apexX - halfWidth * t + 0.6, y}, {apexX + halfWidth * 0.25 * t, y}}),
                   kSandShade, 0.4);
        }
    };
    pyramid(27, 24, 11, 40);
    pyramid(14, 14, 14, 40);
    pyramid(5, 30, 6, 40);
    inkShape(p, rect(QRectF(-1, 40, 41, 12)), QColor(236, 210, 150));
    stroke(p, curve({3, 44}, {15, 42}, {36, 45}), kSandShade, 0.6);
}

void sphinx(QPainter& p) {
    inkShape(p, rect(QRectF(1, 41, 37, 5)), kSandShade);
    QPainterPath body({10, 41});
    body.lineTo(10, 31);
    body.cubicTo({16, 27}, {26, 27}, {32, 28});
    body.cubicTo({36, 29}, {37, 35}, {36, 41});
    body.closeSubpath();
    inkShape(p, body, kSand);
    inkShape(p, rect(QRectF(2, 37, 12, 4), 1.5), kSand);
    stroke(p, curve({36, 39}, {38, 33}, {35, 30}), kLine, 0.9);
    stroke(p, curve({24, 34}, {27, 38}, {24, 40.5}), kSandShade, 0.8);
    const QPainterPath nemes = polygon({{6, 14}, {16, 12}, {18, 33}, {3, 33}});
    stripes(p, nemes, kGoldLeaf, kLapis, 14, 1.8);
    QPainterPath face({6.5, 16});
    face.lineTo(13, 16);
    face.lineTo(13.5, 27);
    face.lineTo(7.5, 28);
    face.lineTo(5.5, 23);
    face.lineTo(6.8, 21);
    face.closeSubpath();
    inkShape(p, face, QColor(214, 164, 96));
    fill(p, ellipse({8.6, 20}, 1.3, 0.8), kNight);
    stroke(p, polyline({{7, 25}, {9, 25.2}}), kLine, 0.6);
    inkShape(p, rect(QRectF(8, 27.5, 3, 5), 0.8), kLapis, 0.6);
}

// A cartouche: a rope loop round a royal name, tied off with a bar.
void cartouche(QPainter& p, bool upright) {
    const QRectF ring = upright ? QRectF(8.5, 3, 22, 39) : QRectF(2.5, 13, 34, 21);
    band(p, rect(ring, upright ? 11 : 10.5), kGoldLeaf, 2.4, 0.6);
    const QRectF bar = upright ? QRectF(6.5, 43, 26, 3.4) : QRectF(34.5, 13.5, 3, 20);
    inkShape(p, rect(bar, 1), kGoldLeaf);
    if (upright) {
        inkShape(p, circle({19.5, 11}, 3.8), kCarnelian);
        fill(p, circle({19.5, 11}, 1), kNight);
        QPainterPath water({12.5, 20});
        for (int i = 0; i < 7; ++i) water.lineTo(13.5 + i * 2, i % 2 ? 20 : 18);
        stroke(p, water, kNile, 1.3);
        inkShape(p, rect(QRectF(14, 24, 11, 4.2), 2), kReed);
        inkShape(p, ellipse({19.5, 35}, 3.2, 4), kLapis);
        band(p, polyline({{19.5, 31}, {19.5, 38.5}}), kLinen, 0.6, 0.3);
    } else {
        // A seated bird, a reed leaf and a loaf.
        inkShape(p, ellipse({10, 26}, 4, 2.8, -20), kNight);
        inkShape(p, circle({12.6, 20.6}, 1.8), kNight);
        fill(p, polygon({{14, 20.4}, {16.4, 21}, {14, 21.6}}), kGoldDeep);
        stroke(p, polyline({{9, 28.5}, {9, 31}}), kNight, 0.6);
        inkShape(p, petal({20, 31}, 10, 13, 3.4), kReed);
        QPainterPath loaf({24.5, 30});
        loaf.cubicTo({24.5, 23}, {31, 23}, {31, 30});
        loaf.closeSubpath();
        inkShape(p, loaf, kCarnelian);
    }
}

void obelisk(QPainter& p) {
    const QPainterPath shaft = polygon({{15.5, 10}, {23.5, 10}, {26, 43}, {13, 43}});
    inkShape(p, shaft, QColor(214, 152, 128));
    inkShape(p, polygon({{19.5, 2}, {23.5, 10}, {15.5, 10}}), kGoldLeaf);
    inkShape(p, polygon({{21.5, 10}, {23.5, 10}, {26, 43}, {23.4, 43}}), QColor(176, 112, 92));
    for (int i = 0; i < 5; ++i) {
        const qreal y = 14 + i * 5.6;
        if (i % 2)
            stroke(p, circle({18.5, y}, 1.2), kNight, 0.6);
        else
            stroke(p, polyline({{16.6, y}, {20.4, y}}), kNight, 0.8);
        stroke(p, polyline({{18.5, y + 1.8}, {18.5, y + 3.6}}), kNight, 0.6);
    }
    inkShape(p, rect(QRectF(9, 43, 21, 4.5)), kSandShade);
}

void lotus(QPainter& p) {
    stem(p, curve({19.5, 49}, {21, 40}, {19.5, 31}));
    for (int side : {-1, 1}) {
        band(p, curve({19.5, 44}, {19.5 + side * 8, 40}, {19.5 + side * 12, 31}), kReed, 1.2, 0.5);
        inkShape(p, petal({19.5 + side * 12, 32}, side * 20, 8, 5), kNile, 0.6);
    }
    const QPointF base{19.5, 31};
    for (qreal a : {-62.0, 62.0, -40.0, 40.0}) inkShape(p, petal(base, a, 18, 7.5), kLapis);
    for (qreal a : {-18.0, 18.0, 0.0}) inkShape(p, petal(base, a, 24, 8), kNile);
    inkShape(p, polygon({{13, 27}, {26, 27}, {23, 33.5}, {16, 33.5}}), kReed);
    stroke(p, polyline({{19.5, 27}, {19.5, 33}}), QColor(30, 90, 40), 0.6);
}

void cat(QPainter& p) {
    const QColor fur{40, 38, 48};
    QPainterPath tail({26, 44});
    tail.cubicTo({33, 45}, {36, 40}, {33, 35});
    band(p, tail, fur, 2.4, 0.5);
    QPainterPath body({13, 45});
    body.cubicTo({11, 35}, {13, 24}, {17, 18});
    body.lineTo(24, 18);
    body.cubicTo({30, 26}, {31, 38}, {28, 45});
    body.closeSubpath();
    inkShape(p, body, fur);
    inkShape(p, ellipse({20.5, 12}, 5.4, 5), fur);
    inkShape(p, polygon({{16, 10}, {16.4, 2.5}, {20, 7.5}}), fur);
    inkShape(p, polygon({{21.5, 7.5}, {25.4, 2.8}, {25.5, 10.5}}), fur);
    inkShape(p, polygon({{15.6, 12}, {12.6, 14}, {16, 15.5}}), fur, 0.6);
    fill(p, ellipse({17.8, 10.8}, 1.3, 0.9), QColor(120, 220, 120));
    band(p, curve({15.5, 19.5}, {20.5, 22}, {25, 19.5}), kGoldLeaf, 1.6, 0.5);
    inkShape(p, circle({19.5, 22.5}, 1.5), kTurquoise, 0.5);
    inkShape(p, circle({23.3, 13.6}, 1.3), kGoldLeaf, 0.5);  // the earring
    stroke(p, polyline({{16, 30}, {16, 45}}), QColor(80, 80, 96), 0.7);
}

void ibis(QPainter& p) {
    stroke(p, polyline({{18, 36}, {17, 47}}), kNight, 1.0);
    stroke(p, polyline({{22, 36}, {24, 47}}), kNight, 1.0);
    stroke(p, polyline({{14, 47}, {20, 47}}), kNight, 0.8);
    stroke(p, polyline({{21, 47}, {27, 47}}), kNight, 0.8);
    QPainterPath body({10, 26});
    body.cubicTo({12, 18}, {30, 20}, {36, 32});
    body.cubicTo({30, 38}, {14, 38}, {10, 26});
    inkShape(p, body, kLinen);
    inkShape(p, polygon({{36, 32}, {29, 31}, {30, 37}}), kNight, 0.6);
    stroke(p, curve({27, 28}, {20, 26}, {14, 30}), QColor(200, 196, 186), 0.8);
    band(p, curve({12, 24}, {8, 16}, {12, 9}), kNight, 2.6, 0.4);
    inkShape(p, circle({13, 8.5}, 3), kNight);
    band(p, curve({10.5, 8.5}, {3, 10}, {2.5, 20}), kNight, 1.2, 0.3);
    fill(p, circle({13.6, 7.6}, 0.7), kLinen);
}

void falcon(QPainter& p) {
    stroke(p, polyline({{17, 40}, {16, 46}}), kGoldDeep, 1.4);
    stroke(p, polyline({{21, 40}, {22, 46}}), kGoldDeep, 1.4);
    inkShape(p, polygon({{24, 38}, {33, 46}, {27, 47}, {20, 41}}), kLapis);
    QPainterPath body({12, 16});
    body.cubicTo({8, 24}, {10, 36}, {18, 41});
    body.lineTo(26, 39);
    body.cubicTo({28, 30}, {24, 18}, {18, 14});
    body.closeSubpath();
    inkShape(p, body, kGoldLeaf);
    QPainterPath wing({16, 20});
    wing.cubicTo({26, 20}, {30, 32}, {30, 42});
    wing.cubicTo({22, 38}, {17, 30}, {16, 20});
    stripes(p, wing, kLapis, kTurquoise, 22, 2.2);
    inkShape(p, circle({14.5, 12}, 6), kGoldLeaf);
    inkShape(p, polygon({{8.6, 10.5}, {5.5, 13}, {9.5, 15}}), kNight, 0.6);
    fill(p, circle({13.2, 10.6}, 1.6), kNight);
    fill(p, circle({12.8, 10.2}, 0.5), kLinen);
    stroke(p, curve({13, 12.5}, {12.5, 15}, {14, 17.5}), kNight, 1.2);  // the falcon's tear mark
}

void cobra(QPainter& p) {
    QPainterPath coil({6, 44});
    coil.cubicTo({10, 36}, {30, 48}, {32, 40});
    coil.cubicTo({34, 33}, {18, 36}, {19.5, 27});
    band(p, coil, kGoldDeep, 4.0, 0.7);
    QPainterPath hood({19.5, 4});
    hood.cubicTo({30, 5}, {31, 22}, {22, 30});
    hood.lineTo(17, 30);
    hood.cubicTo({8, 22}, {9, 5}, {19.5, 4});
    inkShape(p, hood, kGoldLeaf);
    for (int i = 0; i < 3; ++i)
        inkShape(p, rect(QRectF(16.5, 12 + i * 5.2, 6, 3.4), 1.2), i == 1 ? kCarnelian : kLapis, 0.5);
    inkShape(p, ellipse({19.5, 7.5}, 3.4, 2.6), kGoldDeep, 0.6);
    fill(p, circle({18.2, 7}, 0.6), kNight);
    fill(p, circle({20.8, 7}, 0.6), kNight);
    stroke(p, polyline({{19.5, 10}, {19.5, 12}}), kCarnelian, 0.6);
}

void pharaoh(QPainter& p) {
    const QPainterPath nemes = polygon({{11, 4}, {28, 4}, {37, 40}, {2, 40}});
    QPainterPath headdress = nemes.united(ellipse({19.5, 9}, 10, 7));
    stripes(p, headdress, kGoldLeaf, kLapis, 5, 1.9);
    inkShape(p, rect(QRectF(2, 38, 35, 11)), kTurquoise);
    for (int i = 0; i < 3; ++i)
        stroke(p, polyline({{2, 41.5 + i * 3.0}, {37, 41.5 + i * 3.0}}),
               i == 1 ? kCarnelian : kLapis, 1.2);
    QPainterPath face({12.5, 14});
    face.lineTo(26.5, 14);
    face.cubicTo({27, 26}, {24, 33}, {19.5, 33});
    face.cubicTo({15, 33}, {12, 26}, {12.5, 14});
    inkShape(p, face, QColor(226, 172, 96));
    band(p, polyline({{12.5, 14}, {26.5, 14}}), kGoldLeaf, 1.6, 0.5);
    for (int side : {-1, 1}) {
        fill(p, ellipse({19.5 + side * 3.8, 19.5}, 1.9, 1.0), kLinen);
        fill(p, circle({19.5 + side * 3.8, 19.5}, 0.8), kNight);
        stroke(p, polyline({{19.5 + side * 1.8, 19.5}, {19.5 + side * 7, 19.8}}), kNight, 0.5);
    }
    stroke(p, polyline({{19.5, 21}, {19.5, 25}}), QColor(170, 110, 50), 0.8);
    stroke(p, polyline({{17.5, 28}, {21.5, 28}}), QColor(150, 70, 40), 0.8);
    inkShape(p, rect(QRectF(17.6, 33, 3.8, 8), 1.2), kLapis, 0.6);
    inkShape(p, ellipse({19.5, 10.5}, 1.6, 2.8), kGoldDeep, 0.5);  // the cobra on the brow
}

void wingedSun(QPainter& p) {
    for (int side : {-1, 1}) {
        QPainterPath wing({19.5, 20});
        wing.cubicTo({19.5 + side * 10, 12}, {19.5 + side * 16, 14}, {19.5 + side * 19, 17});
        wing.lineTo(19.5 + side * 18, 33);
        wing.cubicTo({19.5 + side * 12, 30}, {19.5 + side * 6, 30}, {19.5, 30});
        wing.closeSubpath();
        inkShape(p, wing, kLapis);
        p.save();
        p.setClipPath(wing, Qt::IntersectClip);
        for (int i = 0; i < 7; ++i) {
            const qreal x = 19.5 + side * (6 + i * 2.2);
            stroke(p, polyline({{x, 12}, {x, 34}}), i % 2 ? kGoldLeaf : kTurquoise, 1.0);
        }
        fill(p, rect(QRectF(0, 12, 39, 5.5)).intersected(wing), kCarnelian);
        p.restore();
        stroke(p, wing, kLine, kOutline);
        // The two cobras that hang from the disc.
        band(p, curve({19.5 + side * 5, 26}, {19.5 + side * 7, 33}, {19.5 + side * 5, 38}),
             kGoldLeaf, 1.8, 0.5);
    }
    inkShape(p, circle({19.5, 22}, 6.5), kCarnelian);
    fill(p, circle({17.5, 20}, 1.8), QColor(240, 140, 110));
}

void djed(QPainter& p) {
    inkShape(p, rect(QRectF(13, 8, 13, 38), 1), kGoldLeaf);
    for (int i = 0; i < 4; ++i)
        inkShape(p, rect(QRectF(8, 6 + i * 4.2, 23, 2.8), 0.8), i % 2 ? kTurquoise : kLapis, 0.6);
    inkShape(p, rect(QRectF(10, 24, 19, 3), 0.8), kCarnelian, 0.6);
    inkShape(p, rect(QRectF(9, 44, 21, 4)), kGoldDeep);
    stroke(p, polyline({{16.5, 28}, {16.5, 43}}), QColor(252, 230, 150), 1.0);
}

void crookAndFlail(QPainter& p) {
    // The crook, striped gold and blue, and the flail with its three beaded strands.
    QPainterPath crook({12, 47});
    crook.lineTo(27, 12);
    crook.cubicTo({30, 4}, {36, 6}, {34, 12});
    band(p, crook, kLapis, 3.4, 0.6);
    for (int i = 0; i < 6; ++i) {
        const qreal t = (i + 0.5) / 6.5;
        const QPointF at{12 + 15 * t, 47 - 35 * t};
        stroke(p, polyline({at + QPointF(-1.4, -0.6), at + QPointF(1.4, 0.6)}), kGoldLeaf, 1.3);
    }
    band(p, polyline({{27, 47}, {12, 14}}), kGoldLeaf, 2.8, 0.6);
    for (int s = 0; s < 3; ++s) {
        const QPointF from{12, 14};
        const qreal a = 230 + s * 22;
        for (int b = 1; b <= 4; ++b)
            inkShape(p, ellipse(polar(from, b * 2.8, a), 1.5, 1.1, a), b % 2 ? kCarnelian : kLapis,
                  0.5);
    }
}

void feather(QPainter& p) {
    band(p, polyline({{19.5, 47}, {19.5, 6}}), kGoldDeep, 1.0, 0.5);
    QPainterPath vane({19.5, 42});
    vane.cubicTo({9, 34}, {10, 12}, {15, 4});
    vane.cubicTo({22, 1}, {29, 5}, {29.5, 9});
    vane.cubicTo({24, 10}, {30, 30}, {19.5, 42});
    inkShape(p, vane, QColor(214, 228, 246));
    for (int i = 0; i < 8; ++i) {
        const qreal y = 10 + i * 4;
        stroke(p, curve({19.5, y}, {16, y - 1}, {13 + i * 0.2, y - 3}), QColor(120, 150, 200), 0.6);
        stroke(p, curve({19.5, y}, {23, y - 1}, {25 - i * 0.4, y - 3}), QColor(120, 150, 200), 0.6);
    }
    stroke(p, curve({19.5, 42}, {19.5, 20}, {24, 6}), kLapis, 1.2);
}

void canopicJar(QPainter& p) {
    QPainterPath jar({12, 20});
    jar.cubicTo({6, 28}, {8, 42}, {13, 46});
    jar.lineTo(26, 46);
    jar.cubicTo({31, 42}, {33, 28}, {27, 20});
    jar.closeSubpath();
    inkShape(p, jar, QColor(228, 204, 156));
    for (int i = 0; i < 3; ++i)
        stroke(p, polyline({{16, 28 + i * 4.0}, {16, 31 + i * 4.0}}), kLapis, 0.9);
    for (int i = 0; i < 3; ++i)
        stroke(p, polyline({{23, 28 + i * 4.0}, {23, 31 + i * 4.0}}), kLapis, 0.9);
    inkShape(p, rect(QRectF(11, 18.5, 17, 3), 1), kTurquoise, 0.6);
    // The lid is the jackal's head.
    const QColor black{36, 34, 42};
    inkShape(p,
          polygon({{12.5, 19}, {12, 9}, {14, 2}, {17, 8}, {22, 8}, {25, 2}, {27, 9}, {26.5, 19}}),
          black);
    inkShape(p, polygon({{22, 12}, {32, 15.5}, {31, 18}, {24, 19}}), black);
    fill(p, ellipse({21.5, 12}, 1.2, 0.7), kGoldLeaf);
    stroke(p, polyline({{14.5, 5}, {15.5, 9}}), kGoldDeep, 0.6);
}

void solarBoat(QPainter& p) {
    inkShape(p, circle({19.5, 9}, 5), kCarnelian);
    inkShape(p, rect(QRectF(14, 19, 11, 8)), kTurquoise);
    stroke(p, polyline({{14, 23}, {25, 23}}), kLapis, 1.0);
    QPainterPath hull({2, 18});
    hull.cubicTo({6, 28}, {10, 30}, {19.5, 30});
    hull.cubicTo({29, 30}, {33, 28}, {37, 18});
    hull.cubicTo({33, 26}, {28, 27}, {19.5, 27});
    hull.cubicTo({11, 27}, {6, 26}, {2, 18});
    QPainterPath body({4, 24});
    body.cubicTo({8, 33}, {30, 33}, {35, 24});
    body.closeSubpath();
    inkShape(p, body.united(hull), kGoldLeaf);
    stroke(p, curve({8, 29}, {19.5, 32}, {31, 29}), kGoldDeep, 0.7);
    inkShape(p, petal({2, 19}, -10, 5, 3.4), kReed, 0.6);
    inkShape(p, petal({37, 19}, 10, 5, 3.4), kReed, 0.6);
    for (int row = 0; row < 3; ++row) {
        QPainterPath wave({1.0 + row * 2, 37.0 + row * 4});
        for (int i = 0; i < 8; ++i)
            wave.lineTo(3.0 + row * 2 + i * 4.5, (i % 2 ? 37.0 : 35.0) + row * 4);
        stroke(p, wave, kNile, 1.2);
    }
}

void palm(QPainter& p) {
    QPainterPath mound({0, 49});
    mound.cubicTo({6, 40}, {33, 40}, {39, 49});
    inkShape(p, mound, kSand);
    QPainterPath trunk({17, 43});
    trunk.cubicTo({17, 30}, {22, 22}, {21, 14});
    band(p, trunk, QColor(150, 96, 50), 3.6, 0.7);
    for (int i = 0; i < 7; ++i) {
        const qreal t = (i + 0.5) / 7;
        stroke(
            p,
            polyline({QPointF(15.6 + t * 3.6, 43 - t * 28), QPointF(18.6 + t * 3.6, 42 - t * 28)}),
            QColor(100, 60, 30), 0.6);
    }
    const QPointF crown{21, 14};
    for (qreal a : {-110.0, -70.0, -30.0, 20.0, 65.0, 105.0}) {
        QPainterPath frond(crown);
        frond.quadTo(polar(crown, 10, a + (a < 0 ? -15 : 15)),
                     polar(crown, 16, a + (a < 0 ? -50 : 50)));
        band(p, frond, kReed, 2.6, 0.6);
    }
    for (int i = 0; i < 4; ++i)
        inkShape(p, circle(QPointF(19 + (i % 2) * 2.6, 16 + (i / 2) * 2.4), 1.3), kCarnelian, 0.4);
}

void jackal(QPainter& p) {
    const QColor black{36, 34, 42};
    inkShape(p, rect(QRectF(4, 32, 31, 14)), kGoldLeaf);
    inkShape(p, rect(QRectF(3, 29.5, 33, 3)), kGoldDeep);
    for (int i = 0; i < 4; ++i)
        stroke(p, polyline({{8 + i * 8.0, 35}, {8 + i * 8.0, 43}}), kLapis, 1.4);
    QPainterPath body({9, 29.5});
    body.cubicTo({9, 22}, {16, 20}, {24, 21});
    body.lineTo(33, 22);
    body.cubicTo({36, 24}, {36, 29.5}, {33, 29.5});
    body.closeSubpath();
    inkShape(p, body, black);
    band(p, curve({33, 27}, {37, 28}, {37.5, 25}), black, 1.6, 0.4);
    inkShape(p, polygon({{9, 27}, {9, 12}, {13, 9}, {16, 12}, {13, 22}}), black);
    inkShape(p, polygon({{10, 9}, {10.5, 1.5}, {13.5, 8}}), black, 0.6);
    inkShape(p, polygon({{12.5, 9}, {15.5, 2.5}, {15.8, 10}}), black, 0.6);
    inkShape(p, polygon({{9.5, 11}, {2, 15}, {3, 17}, {10, 15.5}}), black);
    fill(p, ellipse({10.6, 12.2}, 1, 0.6), kGoldLeaf);
    band(p, curve({9.5, 17.5}, {12, 19}, {14, 17}), kCarnelian, 1.2, 0.4);
    inkShape(p, rect(QRectF(2.5, 27.5, 10, 2.2), 1), black, 0.5);
}

void papyrus(QPainter& p) {
    const QPointF tops[3] = {{8, 14}, {19.5, 8}, {31, 14}};
    for (const QPointF& top : tops) {
        band(p, curve({19.5, 48}, {(19.5 + top.x()) / 2, 30}, top), kReed, 1.6, 0.5);
        QPainterPath umbel(top);
        umbel.lineTo(polar(top, 9, -40));
        umbel.quadTo(polar(top, 11, 0), polar(top, 9, 40));
        umbel.closeSubpath();
        inkShape(p, umbel, QColor(96, 180, 80), 0.7);
        for (qreal a : {-24.0, -8.0, 8.0, 24.0})
            stroke(p, polyline({top, polar(top, 8.5, a)}), QColor(40, 110, 50), 0.5);
        inkShape(p, polygon({top, polar(top, 3, 150), polar(top, 3, 210)}), kGoldLeaf, 0.5);
    }
    inkShape(p, polygon({{13, 49}, {19.5, 40}, {26, 49}}), kReed);
}

void hippo(QPainter& p) {
    const QColor faience{60, 150, 200};
    QPainterPath body({6, 24});
    body.cubicTo({6, 14}, {28, 12}, {33, 20});
    body.cubicTo({37, 26}, {35, 36}, {30, 37});
    body.lineTo(10, 37);
    body.cubicTo({5, 36}, {5, 30}, {6, 24});
    inkShape(p, body, faience);
    for (qreal x : {9.0, 15.0, 24.0, 30.0}) inkShape(p, rect(QRectF(x - 2, 34, 4.4, 9), 1.5), faience);
    QPainterPath head({8, 18});
    head.cubicTo({2, 18}, {1, 22}, {1.5, 27});
    head.cubicTo({2, 31}, {7, 32}, {10, 29});
    head.closeSubpath();
    inkShape(p, head, faience);
    inkShape(p, ellipse({8, 16}, 1.6, 1.2), faience, 0.6);
    fill(p, circle({6.5, 20.5}, 0.9), kNight);
    fill(p, circle({2.8, 24}, 0.5), kNight);
    // Marsh plants painted on the glaze: a stem with a fan of three leaves.
    for (int i = 0; i < 3; ++i) {
        const QPointF root{15.0 + i * 6.5, 31};
        const QPointF top = root + QPointF(0, -8);
        stroke(p, polyline({root, top}), kNight, 0.7);
        for (qreal a : {-35.0, 0.0, 35.0})
            stroke(p, polyline({top, polar(top, 3, a)}), kNight, 0.7);
    }
}

void water(QPainter& p) {
    for (int row = 0; row < 3; ++row) {
        QPainterPath wave({4, 14.0 + row * 11});
        for (int i = 1; i <= 8; ++i) wave.lineTo(4 + i * 3.9, (i % 2 ? 10.0 : 14.0) + row * 11);
        band(p, wave, row == 1 ? kNile : kLapis, 2.0, 0.6);
    }
}

void sistrum(QPainter& p) {
    band(p, polyline({{19.5, 47}, {19.5, 32}}), kGoldDeep, 3.0, 0.6);
    inkShape(p, circle({19.5, 30}, 3.6), kTurquoise);
    fill(p, circle({18.4, 29}, 0.9), kLinen);
    // The rattle: a loop crossed by three rods, each carrying two loose discs.
    for (int i = 0; i < 3; ++i) {
        const qreal y = 11.5 + i * 5;
        band(p, polyline({{10.5, y - 1}, {11.5, y}, {27.5, y}, {28.5, y - 1}}), kGoldDeep, 0.9,
             0.4);
        for (qreal x : {16.5, 22.5}) inkShape(p, ellipse({x, y}, 1.2, 2.0), kCarnelian, 0.5);
    }
    QPainterPath loop({13, 27});
    loop.lineTo(13, 12);
    loop.cubicTo({13, 3}, {26, 3}, {26, 12});
    loop.lineTo(26, 27);
    band(p, loop, kGoldLeaf, 2.4, 0.6);
}

void shenRing(QPainter& p) {
    band(p, circle({19.5, 20}, 11), kGoldLeaf, 3.4, 0.7);
    stroke(p, circle({19.5, 20}, 11), kLapis, 0.8);
    inkShape(p, rect(QRectF(6, 34, 27, 5), 1), kGoldLeaf);
    stroke(p, polyline({{8, 36.5}, {31, 36.5}}), kLapis, 0.9);
    for (int side : {-1, 1})
        band(p, polyline({{19.5 + side * 2.4, 30}, {19.5 + side * 2.4, 34}}), kGoldLeaf, 1.4, 0.5);
}

void wasSceptre(QPainter& p) {
    band(p, polyline({{19.5, 42}, {19.5, 11}}), kGoldLeaf, 2.6, 0.6);
    for (int i = 0; i < 5; ++i)
        stroke(p, polyline({{18, 15 + i * 6.0}, {21, 15 + i * 6.0}}), kLapis, 1.6);
    // The head of the sceptre: a beast's muzzle and ears, and the forked foot.
    inkShape(p, polygon({{17.5, 12}, {19, 5}, {29, 3}, {29.5, 6}, {21.5, 8.5}, {21.5, 12}}),
          kGoldLeaf);
    inkShape(p, polygon({{19.5, 6.5}, {18.5, 2}, {21, 5.5}}), kGoldDeep, 0.5);
    band(p, polyline({{15, 48}, {17, 42}, {22, 42}, {24, 48}}), kGoldLeaf, 2.0, 0.6);
}

void camel(QPainter& p) {
    const QColor hide{200, 150, 88};
    for (qreal x : {12.0, 15.5, 25.0, 28.5})
        band(p, polyline({{x, 30}, {x + (x < 20 ? -1 : 1), 46}}), hide, 1.8, 0.5);
    QPainterPath body({8, 26});
    body.cubicTo({10, 16}, {16, 13}, {20, 20});
    body.cubicTo({24, 13}, {30, 14}, {32, 24});
    body.cubicTo({33, 30}, {30, 33}, {26, 33});
    body.lineTo(13, 33);
    body.cubicTo({9, 33}, {7, 30}, {8, 26});
    inkShape(p, body, hide);
    QPainterPath neck({31, 24});
    neck.cubicTo({36, 22}, {35, 14}, {34, 9});
    neck.lineTo(30, 9);
    neck.cubicTo({31, 16}, {29, 20}, {27, 22});
    inkShape(p, neck, hide);
    inkShape(p, ellipse({34, 8.5}, 4, 2.6, 10), hide);
    fill(p, circle({34.4, 7.4}, 0.6), kNight);
    band(p, curve({8, 26}, {5, 30}, {6, 36}), hide, 1.2, 0.4);
    inkShape(p, rect(QRectF(14, 17, 10, 4), 1), kCarnelian, 0.6);
}

void doubleCrown(QPainter& p) {
    QPainterPath white({14, 40});
    white.cubicTo({12, 30}, {14, 14}, {18, 5});
    white.cubicTo({20, 2}, {23, 4}, {23, 8});
    white.cubicTo({25, 18}, {24, 30}, {25, 40});
    white.closeSubpath();
    inkShape(p, white, QColor(252, 252, 255));
    p.save();
    p.setClipPath(white, Qt::IntersectClip);
    fill(p, rect(QRectF(20.5, 0, 10, 45)), QColor(196, 200, 214));
    p.restore();
    stroke(p, white, kLine, kOutline);
    inkShape(p, circle({20.5, 4}, 2.3), QColor(252, 252, 255), 0.7);
    QPainterPath red({6, 46});
    red.lineTo(6, 26);
    red.lineTo(14, 26);
    red.lineTo(14, 34);
    red.lineTo(30, 34);
    red.lineTo(30, 12);
    red.lineTo(34, 12);
    red.lineTo(34, 46);
    red.closeSubpath();
    inkShape(p, red, kCarnelian);
    QPainterPath curl({9, 26});
    curl.cubicTo({9, 16}, {2, 16}, {3, 21});
    curl.cubicTo({3.5, 24}, {6, 23}, {6, 21.5});
    band(p, curl, kGoldLeaf, 1.2, 0.4);
    inkShape(p, rect(QRectF(6, 42, 28, 4)), kGoldLeaf, 0.6);
}

void owl(QPainter& p) {
    const QColor feather{176, 120, 60};
    QPainterPath body({11, 44});
    body.cubicTo({6, 32}, {10, 16}, {19.5, 16});
    body.cubicTo({30, 16}, {33, 32}, {28, 44});
    body.closeSubpath();
    inkShape(p, body, feather);
    QPainterPath wing({24, 22});
    wing.cubicTo({32, 26}, {33, 36}, {28, 46});
    wing.cubicTo({24, 40}, {22, 30}, {24, 22});
    stripes(p, wing, QColor(140, 90, 40), kGoldLeaf, 24, 1.6);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
            inkShape(p, petal(QPointF(13.5 + j * 4.0, 28 + i * 4.5), 180, 3, 2.6), kSand, 0.4);
    inkShape(p, ellipse({19.5, 12}, 10, 8.5), feather);
    for (int side : {-1, 1}) {
        inkShape(p, circle({19.5 + side * 4.4, 12}, 3.8), kLinen, 0.6);
        inkShape(p, circle({19.5 + side * 4.4, 12}, 1.8), kNight, 0);
        inkShape(p, polygon({{19.5 + side * 6, 5}, {19.5 + side * 9.5, 1.5}, {19.5 + side * 9, 6}}),
              feather, 0.6);
    }
    inkShape(p, polygon({{18.2, 14}, {20.8, 14}, {19.5, 18}}), kGoldDeep, 0.5);
    for (qreal x : {15.0, 24.0}) stroke(p, polyline({{x, 44}, {x, 47}}), kGoldDeep, 1.2);
}

void column(QPainter& p) {
    inkShape(p, rect(QRectF(9, 45, 21, 3)), kSandShade);
    inkShape(p, rect(QRectF(14, 17, 11, 28)), kSand);
    for (int i = 0; i < 3; ++i)
        stroke(p, polyline({{16 + i * 3.5, 18}, {16 + i * 3.5, 44}}), kSandShade, 0.7);
    for (int i = 0; i < 3; ++i)
        stroke(p, polyline({{14, 19 + i * 1.6}, {25, 19 + i * 1.6}}), i == 1 ? kCarnelian : kLapis,
               0.8);
    // A papyrus capital opening like a flower.
    QPainterPath capital({14, 17});
    capital.cubicTo({6, 12}, {6, 7}, {7, 5});
    capital.lineTo(32, 5);
    capital.cubicTo({33, 7}, {33, 12}, {25, 17});
    capital.closeSubpath();
    inkShape(p, capital, kTurquoise);
    for (qreal x : {12.0, 16.0, 19.5, 23.0, 27.0})
        stroke(p, polyline({{19.5, 16}, {x, 6}}), kLapis, 0.8);
    inkShape(p, rect(QRectF(8, 2.5, 23, 3)), kGoldLeaf, 0.6);
}

void aten(QPainter& p) {
    const QPointF sun{19.5, 11};
    for (int i = 0; i < 7; ++i) {
        const qreal a = 130 + i * 16.7;
        const QPointF end = polar(sun, 33, a);
        stroke(p, polyline({polar(sun, 8, a), end}), kGoldDeep, 1.2);
        inkShape(p, ellipse(end, 1.8, 1.2, a), kGoldLeaf, 0.5);  // each ray ends in a hand
    }
    inkShape(p, circle(sun, 8.5), QColor(240, 120, 36));
    stroke(p, circle(sun, 6), QColor(250, 180, 70), 1.0);
    inkShape(p, ellipse({19.5, 2.5}, 1.6, 1.8), kGoldLeaf, 0.5);
}

void fish(QPainter& p) {
    for (int row = 0; row < 2; ++row) {
        QPainterPath wave({4, 42.0 + row * 4});
        for (int i = 1; i <= 8; ++i) wave.lineTo(4 + i * 3.9, (i % 2 ? 40.0 : 42.0) + row * 4);
        stroke(p, wave, kNile, 1.1);
    }
    QPainterPath body({4, 21});
    body.cubicTo({10, 10}, {24, 10}, {30, 20});
    body.cubicTo({24, 30}, {10, 30}, {4, 21});
    inkShape(p, polygon({{28, 20}, {37, 13}, {35, 20}, {37, 27}}), kTurquoise);
    inkShape(p, polygon({{10, 14}, {14, 8}, {24, 10}, {24, 14}}), kTurquoise, 0.7);
    inkShape(p, body, QColor(120, 170, 190));
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    for (int i = 0; i < 4; ++i)
        stroke(p, polyline({{13 + i * 4.0, 10}, {13 + i * 4.0, 30}}), QColor(80, 130, 160), 0.8);
    p.restore();
    stroke(p, curve({12, 14}, {9, 21}, {12, 28}), kLine, 0.7);
    fill(p, circle({8, 19.5}, 1.3), kNight);
    fill(p, circle({7.7, 19.2}, 0.4), kLinen);
}

void scales(QPainter& p) {
    band(p, polyline({{19.5, 46}, {19.5, 8}}), kGoldDeep, 1.8, 0.5);
    inkShape(p, rect(QRectF(12, 44, 15, 3.5)), kGoldLeaf);
    band(p, polyline({{5, 12}, {34, 12}}), kGoldLeaf, 1.8, 0.5);
    inkShape(p, circle({19.5, 7}, 2), kGoldLeaf, 0.6);
    for (int side : {-1, 1}) {
        const qreal x = 19.5 + side * 12.5;
        stroke(p, polyline({{x, 12}, {x - 4.5, 26}}), kNight, 0.5);
        stroke(p, polyline({{x, 12}, {x + 4.5, 26}}), kNight, 0.5);
        QPainterPath pan({x - 6, 26});
        pan.quadTo({x, 32}, {x + 6, 26});
        pan.closeSubpath();
        inkShape(p, pan, kGoldLeaf, 0.7);
    }
    // The heart is weighed against the feather of truth.
    inkShape(p, ellipse({7, 22.5}, 3, 3.6), kCarnelian, 0.6);
    inkShape(p, petal({32, 26}, 10, 11, 4), kLinen, 0.6);
}

void mummy(QPainter& p) {
    QPainterPath coffin({19.5, 2});
    coffin.cubicTo({29, 2}, {30, 12}, {27, 16});
    coffin.cubicTo({31, 22}, {30, 36}, {26, 47});
    coffin.lineTo(13, 47);
    coffin.cubicTo({9, 36}, {8, 22}, {12, 16});
    coffin.cubicTo({9, 12}, {10, 2}, {19.5, 2});
    inkShape(p, coffin, kGoldLeaf);
    p.save();
    p.setClipPath(coffin, Qt::IntersectClip);
    for (int i = 0; i < 6; ++i)
        stroke(p, polyline({{0, 24 + i * 3.6}, {39, 24 + i * 3.6}}), i % 2 ? kTurquoise : kLapis,
               1.4);
    p.restore();
    stroke(p, coffin, kLine, kOutline);
    inkShape(p, ellipse({19.5, 10}, 5, 6), QColor(226, 172, 96));
    for (int side : {-1, 1}) fill(p, circle({19.5 + side * 2.2, 9}, 0.8), kNight);
    inkShape(p, polygon({{12, 20}, {27, 20}, {25, 24}, {14, 24}}), kCarnelian, 0.6);
    band(p, polyline({{13, 18}, {26, 25}}), kGoldDeep, 1.4, 0.4);
    band(p, polyline({{26, 18}, {13, 25}}), kLapis, 1.4, 0.4);
}

using Painter = void (*)(QPainter&);

void uprightCartouche(QPainter& p) {
    cartouche(p, true);
}
void lyingCartouche(QPainter& p) {
    cartouche(p, false);
}

const std::array<Painter, 36> kMotifs{
    ankh,           eyeOfHorus, scarab,     pyramids,      sphinx,      uprightCartouche,
    obelisk,        lotus,      cat,        ibis,          falcon,      cobra,
    pharaoh,        wingedSun,  djed,       crookAndFlail, feather,     canopicJar,
    solarBoat,      palm,       jackal,     papyrus,       hippo,       water,
    sistrum,        shenRing,   wasSceptre, camel,         doubleCrown, owl,
    lyingCartouche, column,     aten,       fish,          scales,      mummy,
};

}  // namespace

void paintEgyptianFace(QPainter& p, int face) {
    if (face >= 0 && face < static_cast<int>(kMotifs.size()))
        kMotifs[static_cast<std::size_t>(face)](p);
}

}  // namespace varnel::art
