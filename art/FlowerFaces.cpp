// Flower Power: thirty-six flowers. Each has its own outline (a ring of petals, a cup, a bell,
// a spike, a cluster, a ball) so that no two are told apart by colour alone; the twenty-one
// that every layout uses come first.
#include <array>

#include "art/Ink.h"
#include "art/TileSets.h"

namespace varnel::art {
namespace {

using namespace ink;

const QColor kStem{46, 128, 52};
const QColor kLeafGreen{86, 164, 62};
const QColor kLeafDark{34, 104, 46};
const QColor kPetalWhite{252, 253, 255};
const QColor kYolk{250, 196, 28};

void stem(QPainter& p, const QPainterPath& path, qreal width = 1.8) {
    band(p, path, kStem, width, 0.6);
}

void stemLine(QPainter& p, QPointF from, QPointF to, qreal width = 1.8) {
    stem(p, polyline({from, to}), width);
}

void leaf(QPainter& p, QPointF base, qreal degrees, qreal length, qreal width,
          const QColor& colour = kLeafGreen) {
    inkShape(p, petal(base, degrees, length, width), colour, 0.7);
    stroke(p, polyline({polar(base, length * 0.15, degrees), polar(base, length * 0.8, degrees)}),
           kLeafDark, 0.5);
}

// n petals round a centre, each reaching out from the inner radius.
void ring(QPainter& p, QPointF centre, int n, qreal inner, qreal length, qreal width,
          const QColor& colour, qreal start = 0, bool round = true, qreal outline = 0.7) {
    for (int i = 0; i < n; ++i) {
        const qreal a = start + i * 360.0 / n;
        const QPointF base = polar(centre, inner, a);
        inkShape(p, round ? roundPetal(base, a, length, width) : petal(base, a, length, width), colour,
              outline);
    }
}

QPainterPath curve(QPointF from, QPointF control, QPointF to) {
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

// A petal with a notch in its tip, as cherry and primrose petals have.
QPainterPath notchedPetal(QPointF base, qreal degrees, qreal length, qreal width) {
    return roundPetal(base, degrees, length, width)
        .subtracted(circle(polar(base, length + 0.3, degrees), width * 0.18));
}

void sunflower(QPainter& p) {
    const QPointF c{19.5, 21};
    stemLine(p, {19.5, 34}, {19.5, 49}, 2.4);
    leaf(p, {19.5, 44}, 60, 14, 7);
    ring(p, c, 14, 4, 13, 6.4, QColor(236, 160, 18), 360.0 / 28, false);
    ring(p, c, 14, 4, 13.5, 6.4, QColor(254, 212, 40), 0, false);
    inkShape(p, circle(c, 7.5), QColor(110, 58, 24));
    for (int ring = 1; ring <= 2; ++ring)
        for (int i = 0; i < 6 * ring; ++i)
            fill(p, circle(polar(c, ring * 2.7, i * 60.0 / ring + ring * 15), 0.7),
                 QColor(60, 30, 12));
}

void tulip(QPainter& p) {
    stem(p, curve({19.5, 49}, {20, 38}, {19.5, 27}), 2.2);
    leaf(p, {18.5, 49}, -24, 26, 8);
    leaf(p, {20.5, 49}, 26, 21, 7);
    const QColor front{236, 86, 30};
    const QColor back{186, 50, 22};
    QPainterPath middle({19.5, 29});
    middle.cubicTo({11, 24}, {13, 10}, {19.5, 4});
    middle.cubicTo({26, 10}, {28, 24}, {19.5, 29});
    inkShape(p, middle, back);
    QPainterPath left({19.5, 30});
    left.cubicTo({8, 29}, {6, 16}, {9, 7});
    left.cubicTo({14, 12}, {18, 16}, {20, 22});
    left.closeSubpath();
    inkShape(p, left, front);
    inkShape(p, mirroredX(left, 19.5), front);
    stroke(p, curve({11, 12}, {11, 22}, {15, 26}), QColor(250, 150, 80), 0.9);
}

void daisy(QPainter& p) {
    const QPointF c{19.5, 20};
    stem(p, curve({19.5, 28}, {17, 40}, {21, 49}));
    leaf(p, {19, 42}, -60, 11, 5);
    ring(p, c, 18, 3, 13, 4.2, kPetalWhite, 5, true, 0.6);
    inkShape(p, circle(c, 4.6), kYolk);
    stroke(p, circle(c, 2.6), QColor(220, 150, 20), 0.8);
}

// A hanging bell with a scalloped rim, mouth down.
void bell(QPainter& p, QPointF top, qreal size, qreal degrees, const QColor& colour) {
    QPainterPath bell(QPointF(-size * 0.3, 0));
    bell.cubicTo(QPointF(-size * 0.6, size * 0.4), QPointF(-size * 0.5, size * 0.9),
                 QPointF(-size * 0.75, size * 1.15));
    const int lobes = 3;
    for (int i = 0; i < lobes; ++i) {
        const qreal x0 = -size * 0.75 + i * size * 1.5 / lobes;
        const qreal x1 = x0 + size * 1.5 / lobes;
        bell.quadTo(QPointF((x0 + x1) / 2, size * 0.95), QPointF(x1, size * 1.15));
    }
    bell.cubicTo(QPointF(size * 0.5, size * 0.9), QPointF(size * 0.6, size * 0.4),
                 QPointF(size * 0.3, 0));
    bell.closeSubpath();
    inkShape(p, placedAt(bell, top, degrees), colour);
}

void bluebell(QPainter& p) {
    leaf(p, {14, 49}, -12, 30, 5.5);
    stem(p, curve({24, 49}, {27, 10}, {8, 7}));
    const QColor blue{70, 96, 214};
    bell(p, {10.5, 7.6}, 5.6, 10, blue);
    bell(p, {18.5, 9.4}, 6.4, 0, blue);
    bell(p, {24.2, 17}, 7.0, -10, blue);
    bell(p, {25.7, 29}, 6.0, -15, QColor(110, 130, 230));
}

void rose(QPainter& p) {
    const QPointF c{19.5, 20};
    leaf(p, {19.5, 30}, 220, 15, 9);
    leaf(p, {19.5, 30}, 140, 15, 9);
    stem(p, polyline({{19.5, 31}, {19.5, 49}}), 2.0);
    leaf(p, {19.5, 42}, 50, 10, 6);
    ring(p, c, 5, 0, 14.5, 15, QColor(176, 22, 60), 0);
    ring(p, c, 5, 0, 10, 11, QColor(212, 44, 84), 36);
    QPainterPath swirl(polar(c, 0.8, 0));
    for (int i = 1; i <= 14; ++i) swirl.lineTo(polar(c, 0.8 + i * 0.42, i * 52.0));
    inkShape(p, circle(c, 6.5), QColor(232, 70, 110));
    stroke(p, swirl, QColor(120, 10, 40), 0.9);
}

void lavender(QPainter& p) {
    const QColor bud{146, 106, 206};
    const QColor budDark{100, 66, 170};
    const QPointF base{19.5, 49};
    const QPointF tops[3] = {{9, 6}, {19.5, 3}, {30, 6}};
    for (int s = 0; s < 3; ++s) {
        stem(p, curve(base, {(base.x() + tops[s].x()) / 2, 28}, tops[s]), 1.3);
        for (int i = 0; i < 6; ++i) {
            const qreal t = i / 6.0;
            const QPointF at{tops[s].x() + (base.x() - tops[s].x()) * t * 0.45,
                             tops[s].y() + 3 + i * 3.2};
            for (int side : {-1, 1})
                inkShape(p, ellipse(at + QPointF(side * 1.5, 0), 1.9, 1.4, side * 30),
                      (i + side) % 2 ? bud : budDark, 0.5);
        }
    }
    leaf(p, {18, 49}, -30, 14, 3.5);
    leaf(p, {21, 49}, 32, 14, 3.5);
}

void daffodil(QPainter& p) {
    const QPointF c{19.5, 19};
    stem(p, polyline({{19.5, 30}, {19.5, 49}}), 2.2);
    leaf(p, {18.5, 49}, -14, 22, 5);
    ring(p, c, 6, 1, 14, 10, QColor(252, 236, 120), 30, false);
    inkShape(p, circle(c, 6.5), QColor(248, 150, 26));
    for (int i = 0; i < 12; ++i)
        inkShape(p, circle(polar(c, 6.2, i * 30), 1.4), QColor(248, 150, 26), 0.5);
    fill(p, circle(c, 6.0), QColor(248, 150, 26));
    inkShape(p, circle(c, 3.6), QColor(196, 96, 8));
    fill(p, circle(c, 1.5), kYolk);
}

void poppy(QPainter& p) {
    const QPointF c{19.5, 20};
    stem(p, curve({19.5, 30}, {25, 40}, {22, 49}), 1.8);
    const QColor red{226, 46, 28};
    ring(p, c, 4, 0, 15, 19, QColor(186, 30, 20), 45);
    ring(p, c, 4, 0, 13, 16, red, 0);
    fill(p, circle(c, 5.8), QColor(24, 20, 24));
    for (int i = 0; i < 12; ++i) fill(p, circle(polar(c, 6.4, i * 30), 0.9), QColor(24, 20, 24));
    inkShape(p, circle(c, 2.6), QColor(140, 180, 110), 0.6);
}

// A five-petalled floret with a yellow eye, as forget-me-nots and violets carry in clusters.
void floret(QPainter& p, QPointF c, qreal size, const QColor& colour) {
    ring(p, c, 5, 0, size, size * 1.05, colour, 0, true, 0.6);
    fill(p, circle(c, size * 0.3), kYolk);
    fill(p, circle(c, size * 0.12), kPetalWhite);
}

void forgetMeNot(QPainter& p) {
    stem(p, curve({19.5, 49}, {19, 34}, {19.5, 24}), 1.4);
    stem(p, curve({19.5, 36}, {12, 33}, {10, 27}), 1.2);
    stem(p, curve({19.5, 33}, {27, 31}, {29, 25}), 1.2);
    leaf(p, {19.5, 44}, -55, 12, 5);
    leaf(p, {19.5, 41}, 60, 11, 5);
    const QColor sky{104, 164, 240};
    floret(p, {12, 12}, 5.2, sky);
    floret(p, {26.5, 10}, 5.2, sky);
    floret(p, {19.5, 21}, 5.4, sky);
    floret(p, {9, 26}, 4.6, sky);
    floret(p, {30, 24.5}, 4.6, sky);
    inkShape(p, circle({20, 5}, 1.6), QColor(230, 150, 200), 0.5);
}

void lily(QPainter& p) {
    const QPointF c{19.5, 24};
    const QColor petal{252, 196, 214};
    ring(p, c, 3, 0, 19, 9, QColor(244, 164, 190), 60, false);
    ring(p, c, 3, 0, 19, 9, petal, 0, false);
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * 60;
        stroke(p, polyline({polar(c, 2, a), polar(c, 12, a)}), QColor(214, 60, 110), 0.8);
        for (qreal r : {5.5, 8.0})
            fill(p, circle(polar(polar(c, r, a), 1.6, a + 90), 0.55), QColor(150, 20, 60));
    }
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * 60 + 30;
        stroke(p, polyline({c, polar(c, 8, a)}), QColor(120, 150, 80), 0.6);
        inkShape(p, ellipse(polar(c, 8.5, a), 1.5, 0.8, a), QColor(200, 90, 20), 0.4);
    }
}

void morningGlory(QPainter& p) {
    const QPointF c{19.5, 20};
    stem(p, curve({4, 49}, {14, 44}, {19.5, 33}), 1.2);
    QPainterPath heart({28, 46});
    heart.cubicTo({20, 42}, {22, 34}, {27, 36});
    heart.cubicTo({32, 33}, {36, 40}, {28, 46});
    inkShape(p, heart, kLeafGreen, 0.7);
    stroke(p, curve({19.5, 33}, {24, 32}, {27, 36}), kStem, 1.0);
    inkShape(p, circle(c, 15), QColor(76, 80, 214));
    fill(p, circle(c, 11), QColor(104, 120, 234));
    for (int i = 0; i < 5; ++i) inkShape(p, petal(c, i * 72, 14.5, 3.2), QColor(236, 236, 252), 0.5);
    inkShape(p, circle(c, 4.2), QColor(250, 250, 240), 0.6);
    fill(p, circle(c, 2.0), QColor(250, 220, 90));
}

void lilyOfTheValley(QPainter& p) {
    QPainterPath leaf({12, 49});
    leaf.cubicTo({0, 36}, {4, 14}, {10, 4});
    leaf.cubicTo({18, 16}, {18, 38}, {12, 49});
    inkShape(p, leaf, kLeafGreen);
    stroke(p, curve({12, 47}, {9, 26}, {10, 7}), kLeafDark, 0.6);
    stem(p, curve({17, 49}, {20, 12}, {33, 10}), 1.2);
    const QPointF bells[5] = {{21, 15}, {25.5, 12.5}, {30, 11.6}, {20.4, 22}, {20.2, 29}};
    for (int i = 0; i < 5; ++i) {
        stroke(p, polyline({bells[i] + QPointF(0, -2.2), bells[i]}), kStem, 0.8);
        bell(p, bells[i], i < 3 ? 3.6 : 4.4, 0, kPetalWhite);
    }
}

void pansy(QPainter& p) {
    const QPointF c{19.5, 22};
    const QColor purple{96, 44, 156};
    const QColor yellow{252, 214, 60};
    inkShape(p, roundPetal(c, -35, 17, 15), purple);
    inkShape(p, roundPetal(c, 35, 17, 15), purple);
    inkShape(p, roundPetal(c, -105, 14, 13), QColor(140, 90, 200));
    inkShape(p, roundPetal(c, 105, 14, 13), QColor(140, 90, 200));
    inkShape(p, roundPetal(c, 180, 18, 18), yellow);
    for (qreal a : {150.0, 165.0, 180.0, 195.0, 210.0})
        stroke(p, polyline({polar(c, 2, a), polar(c, 9, a)}), QColor(60, 20, 90), 1.0);
    for (qreal a : {-100.0, -110.0, 100.0, 110.0})
        stroke(p, polyline({polar(c, 2, a), polar(c, 6, a)}), QColor(60, 20, 90), 0.8);
    inkShape(p, circle(c, 2.2), QColor(250, 170, 20), 0.6);
}

void cherryBlossom(QPainter& p) {
    QPainterPath branch({2, 44});
    branch.cubicTo({14, 38}, {24, 30}, {36, 6});
    band(p, branch, QColor(100, 60, 40), 2.6, 0.7);
    band(p, curve({20, 33}, {28, 36}, {36, 36}), QColor(100, 60, 40), 1.6, 0.6);
    const QColor pink{250, 188, 208};
    for (QPointF c : {QPointF(15, 18), QPointF(29, 30)}) {
        const qreal size = c.x() < 20 ? 10 : 7.5;
        for (int i = 0; i < 5; ++i)
            inkShape(p, notchedPetal(c, i * 72 + (c.x() < 20 ? 0 : 20), size, size * 0.95), pink);
        fill(p, circle(c, size * 0.28), QColor(230, 90, 130));
        for (int i = 0; i < 5; ++i)
            fill(p, circle(polar(c, size * 0.42, i * 72 + 36), 0.7), QColor(200, 40, 80));
    }
    inkShape(p, ellipse({8, 42}, 2, 3, -60), QColor(236, 120, 160), 0.6);
    leaf(p, {30, 17}, 40, 8, 4.5);
}

void dandelion(QPainter& p) {
    const QPointF c{19.5, 19};
    stem(p, curve({19.5, 22}, {16, 38}, {20, 49}), 1.3);
    const QColor seed{110, 110, 120};
    for (int i = 0; i < 28; ++i) {
        const qreal a = i * 360.0 / 28 + (i % 2) * 4;
        const qreal r = i % 2 ? 13.5 : 15;
        stroke(p, polyline({polar(c, 2, a), polar(c, r, a)}), seed, 0.5);
        inkShape(p, circle(polar(c, r, a), 1.2), kPetalWhite, 0.45, seed);
    }
    inkShape(p, circle(c, 2.4), QColor(170, 140, 90), 0.5);
    // Two seeds already on their way.
    for (QPointF s : {QPointF(33, 38), QPointF(29, 44)}) {
        stroke(p, polyline({s, s + QPointF(-2.4, 2.4)}), seed, 0.5);
        inkShape(p, circle(s, 1.2), kPetalWhite, 0.45, seed);
    }
}

void iris(QPainter& p) {
    const QPointF c{19.5, 21};
    stem(p, polyline({{19.5, 30}, {19.5, 49}}), 2.0);
    inkShape(p, petal({16, 49}, -20, 24, 5.5), kLeafGreen, 0.7);
    inkShape(p, petal({23, 49}, 16, 20, 5), kLeafGreen, 0.7);
    const QColor fall{76, 60, 190};
    const QColor standard{150, 128, 236};
    inkShape(p, roundPetal(c, -20, 17, 9), standard);
    inkShape(p, roundPetal(c, 20, 17, 9), standard);
    inkShape(p, roundPetal(c, 0, 18, 8), QColor(170, 150, 244));
    for (qreal a : {-125.0, 125.0, 180.0}) {
        inkShape(p, roundPetal(c, a, 15, 11), fall);
        stroke(p, polyline({polar(c, 3, a), polar(c, 9, a)}), kYolk, 1.6);
    }
}

void hibiscus(QPainter& p) {
    const QPointF c{18, 24};
    leaf(p, {19.5, 36}, 160, 14, 9);
    ring(p, c, 5, 0, 16, 16.5, QColor(236, 72, 140), 20);
    for (int i = 0; i < 5; ++i)
        stroke(p, polyline({polar(c, 4, i * 72 + 20), polar(c, 11, i * 72 + 20)}),
               QColor(190, 30, 90), 0.6);
    fill(p, circle(c, 5), QColor(150, 10, 50));
    band(p, curve(c, {26, 18}, {30, 9}), QColor(250, 230, 200), 1.3, 0.5);
    for (int i = 0; i < 5; ++i)
        inkShape(p, circle(QPointF(26.2 + i * 0.9, 16 - i * 1.5), 0.9), kYolk, 0.4);
    for (int i = 0; i < 3; ++i)
        inkShape(p, circle(polar({30.5, 8}, 1.4, i * 120), 0.9), QColor(210, 30, 40), 0.4);
}

void thistle(QPainter& p) {
    const QPointF top{19.5, 21};
    stem(p, polyline({{19.5, 28}, {19.5, 49}}), 2.0);
    for (int side : {-1, 1}) {
        QPainterPath leaf({19.5, 44});
        leaf.lineTo(19.5 + side * 6, 35);
        leaf.lineTo(19.5 + side * 8, 39);
        leaf.lineTo(19.5 + side * 12, 33);
        leaf.lineTo(19.5 + side * 13, 38);
        leaf.lineTo(19.5 + side * 17, 35);
        leaf.quadTo(19.5 + side * 12, 46, 19.5, 46);
        leaf.closeSubpath();
        inkShape(p, leaf, kLeafGreen, 0.7);
    }
    const QColor tuft{176, 66, 196};
    for (int i = 0; i <= 16; ++i) {
        const qreal a = -64 + i * 8;
        stroke(p, polyline({top, polar(top, 15 - std::abs(a) / 14, a)}), QColor(90, 20, 100), 2.2);
        stroke(p, polyline({top, polar(top, 14.5 - std::abs(a) / 14, a)}), tuft, 1.3);
    }
    inkShape(p, ellipse({19.5, 24.5}, 7.5, 6), kLeafGreen);
    for (int i = 0; i < 3; ++i) {
        stroke(p, polyline({{13 + i * 4.0, 20}, {16 + i * 4.0, 29}}), kLeafDark, 0.6);
        stroke(p, polyline({{26 - i * 4.0, 20}, {23 - i * 4.0, 29}}), kLeafDark, 0.6);
    }
    for (int side : {-1, 1})
        stroke(p, polyline({{19.5 + side * 7, 24}, {19.5 + side * 10, 22}}), kLeafDark, 0.6);
}

void carnation(QPainter& p) {
    stem(p, polyline({{19.5, 30}, {19.5, 49}}), 1.8);
    leaf(p, {19.5, 42}, -55, 13, 3.2);
    leaf(p, {19.5, 38}, 55, 13, 3.2);
    const QColor pink{240, 104, 146};
    const QColor deep{204, 56, 104};
    // Three frilled layers, each a fan with a saw-toothed edge.
    auto fan = [&](qreal cy, qreal radius, qreal spread, const QColor& colour) {
        QPainterPath path({19.5, cy});
        const int teeth = 9;
        for (int i = 0; i <= teeth * 2; ++i) {
            const qreal a = -spread + i * spread / teeth;
            path.lineTo(polar({19.5, cy}, i % 2 ? radius - 3 : radius, a));
        }
        path.closeSubpath();
        inkShape(p, path, colour);
    };
    fan(27, 22, 80, deep);
    fan(27, 19, 62, pink);
    fan(27, 14, 42, QColor(250, 150, 180));
    QPainterPath calyx({15.5, 25});
    calyx.lineTo(23.5, 25);
    calyx.lineTo(21.5, 33);
    calyx.lineTo(17.5, 33);
    calyx.closeSubpath();
    inkShape(p, calyx, kLeafGreen);
    for (int i = 0; i < 3; ++i) inkShape(p, petal({16.5 + i * 3.0, 26}, 0, 3.2, 2), kLeafGreen, 0.5);
}

void hydrangea(QPainter& p) {
    const QPointF c{19.5, 21};
    leaf(p, {19.5, 33}, 215, 17, 10);
    leaf(p, {19.5, 33}, 145, 17, 10);
    const QColor shades[3] = {{104, 132, 228}, {134, 156, 240}, {84, 110, 210}};
    int k = 0;
    for (int ring = 2; ring >= 0; --ring) {
        const int count = ring == 0 ? 1 : ring * 6;
        for (int i = 0; i < count; ++i) {
            const QPointF at = polar(c, ring * 5.6, i * 360.0 / count + ring * 12);
            for (int j = 0; j < 4; ++j)
                inkShape(p, roundPetal(at, j * 90 + 45 + k * 17, 3.8, 3.6), shades[(k + j) % 3], 0.45);
            fill(p, circle(at, 0.7), QColor(40, 50, 120));
            ++k;
        }
    }
}

void waterLily(QPainter& p) {
    QPainterPath pad;
    pad.addEllipse(QPointF(19.5, 40), 18, 7);
    pad = pad.subtracted(polygon({{19.5, 40}, {30, 49}, {34, 47}}));
    inkShape(p, pad, QColor(40, 120, 60));
    stroke(p, curve({6, 39}, {19.5, 44}, {33, 38}), QColor(90, 170, 90), 0.6);
    const QPointF base{19.5, 35};
    const QColor pink{246, 150, 190};
    const QColor deep{226, 104, 156};
    for (qreal a : {-78.0, 78.0, -54.0, 54.0}) inkShape(p, petal(base, a, 16, 7), deep);
    for (qreal a : {-30.0, 30.0, -10.0, 10.0}) inkShape(p, petal(base, a, 23, 8), pink);
    inkShape(p, petal(base, 0, 27, 9), QColor(252, 180, 210));
    inkShape(p, ellipse({19.5, 31}, 4, 2.2), kYolk, 0.6);
}

void crocus(QPainter& p) {
    const QColor lilac{172, 122, 226};
    const QColor vein{100, 50, 160};
    fill(p, rect(QRectF(1, 44, 37, 5)), QColor(150, 110, 70));
    stroke(p, polyline({{1, 44}, {38, 44}}), kLine, 0.7);
    for (qreal x : {9.0, 31.0}) inkShape(p, petal({x, 45}, x < 20 ? -8 : 8, 24, 3.4), kLeafGreen, 0.6);
    stemLine(p, {19.5, 44.5}, {19.5, 30}, 2.6);
    inkShape(p, roundPetal({19.5, 32}, -22, 24, 11), QColor(140, 90, 200));
    inkShape(p, roundPetal({19.5, 32}, 22, 24, 11), QColor(140, 90, 200));
    for (qreal a : {-5.0, 5.0})
        stroke(p, polyline({{19.5, 26}, polar({19.5, 26}, 12, a * 2)}), QColor(250, 140, 20), 1.4);
    inkShape(p, roundPetal({19.5, 33}, 0, 26, 12), lilac);
    for (qreal dx : {-2.5, 0.0, 2.5})
        stroke(p, curve({19.5 + dx * 0.4, 31}, {19.5 + dx, 22}, {19.5 + dx * 1.2, 14}), vein, 0.5);
}

void cornflower(QPainter& p) {
    const QPointF c{19.5, 20};
    stem(p, polyline({{19.5, 28}, {19.5, 49}}), 1.6);
    leaf(p, {19.5, 40}, -50, 13, 3);
    leaf(p, {19.5, 36}, 52, 12, 3);
    const QColor blue{56, 104, 222};
    for (int i = 0; i < 9; ++i) {
        const qreal a = i * 40;
        // A funnel floret: narrow at the heart, spread into three teeth at the rim.
        QPainterPath floret({0, 0});
        floret.lineTo(-2.2, -8);
        floret.lineTo(-4.2, -13);
        floret.lineTo(-2.2, -11.8);
        floret.lineTo(-1.4, -14.6);
        floret.lineTo(0, -12.4);
        floret.lineTo(1.4, -14.6);
        floret.lineTo(2.2, -11.8);
        floret.lineTo(4.2, -13);
        floret.lineTo(2.2, -8);
        floret.closeSubpath();
        inkShape(p, placedAt(floret, c, a), i % 2 ? blue : QColor(86, 132, 236), 0.6);
    }
    inkShape(p, circle(c, 4.2), QColor(70, 36, 110));
    for (int i = 0; i < 8; ++i) fill(p, circle(polar(c, 2.6, i * 45), 0.6), QColor(170, 140, 220));
}

void snowdrop(QPainter& p) {
    for (qreal x : {12.0, 26.0})
        inkShape(p, petal({x, 49}, x < 20 ? -6 : 6, 30, 4), QColor(110, 160, 120), 0.6);
    stem(p, curve({19.5, 49}, {18, 10}, {25, 8}), 1.3);
    stem(p, curve({25, 8}, {28, 8.5}, {28.5, 12}), 1.0);
    const QPointF top{28.5, 13};
    inkShape(p, ellipse(top + QPointF(0, 0.2), 2, 1.6), kLeafGreen, 0.5);
    inkShape(p, roundPetal(top, 160, 20, 8), kPetalWhite);
    inkShape(p, roundPetal(top, 200, 20, 8), kPetalWhite);
    inkShape(p, roundPetal(top + QPointF(0, 1), 180, 14, 6.5), QColor(236, 244, 236));
    fill(p, ellipse(top + QPointF(0, 13.5), 2, 1), kLeafGreen);
    inkShape(p, roundPetal(top, 180, 22, 8.5), kPetalWhite);
}

void passionflower(QPainter& p) {
    const QPointF c{19.5, 22};
    ring(p, c, 10, 0, 16.5, 6.5, QColor(236, 244, 226), 18, true, 0.6);
    for (int i = 0; i < 36; ++i) {
        const qreal a = i * 10;
        stroke(p, polyline({polar(c, 4, a), polar(c, 7.5, a)}), QColor(70, 40, 150), 0.9);
        stroke(p, polyline({polar(c, 7.5, a), polar(c, 9.5, a)}), kPetalWhite, 0.9);
        stroke(p, polyline({polar(c, 9.5, a), polar(c, 12, a)}), QColor(110, 110, 230), 0.9);
    }
    inkShape(p, circle(c, 3.6), QColor(170, 210, 120), 0.6);
    for (int i = 0; i < 5; ++i)
        inkShape(p, ellipse(polar(c, 3.3, i * 72), 1.6, 0.8, i * 72 + 90), kYolk, 0.4);
    for (int i = 0; i < 3; ++i)
        stroke(p, polyline({c, polar(c, 2.2, i * 120 + 60)}), QColor(90, 30, 80), 0.9);
}

void foxglove(QPainter& p) {
    leaf(p, {19.5, 49}, -60, 14, 6);
    leaf(p, {19.5, 49}, 62, 14, 6);
    stem(p, polyline({{19.5, 48}, {19.5, 3}}), 1.5);
    const QColor tube{214, 86, 170};
    // Tubes hang from alternate sides, growing larger down the spike.
    for (int i = 0; i < 5; ++i) {
        const int side = i % 2 ? 1 : -1;
        const qreal size = 5.2 + i * 0.7;
        const QPointF at{19.5 + side * 1.0, 6.5 + i * 7.6};
        bell(p, at, size, side * -48, tube);
        const QPointF mouth = polar(at, size * 1.0, 180 + side * 48);
        fill(p, circle(mouth, size * 0.22), QColor(250, 220, 236));
        fill(p, circle(mouth, size * 0.09), QColor(130, 20, 80));
    }
    inkShape(p, ellipse({19.5, 3.5}, 1.4, 2.2), kLeafGreen, 0.5);
}

void buttercup(QPainter& p) {
    const QColor gold{255, 210, 0};
    stem(p, curve({19.5, 49}, {18, 30}, {11, 20}), 1.3);
    stem(p, curve({19, 37}, {26, 30}, {28, 24}), 1.3);
    for (int i = 0; i < 3; ++i) leaf(p, {19.5, 45}, -80 + i * 80, 8, 5);
    for (QPointF c : {QPointF(11, 14), QPointF(28.5, 20)}) {
        const qreal size = c.x() < 20 ? 9 : 7;
        ring(p, c, 5, 0, size, size * 1.15, gold, 15);
        for (int i = 0; i < 5; ++i)
            fill(p, ellipse(polar(c, size * 0.62, i * 72 + 5), size * 0.16, size * 0.1, i * 72),
                 kPetalWhite);
        inkShape(p, circle(c, size * 0.26), QColor(150, 170, 40), 0.5);
    }
}

void orchid(QPainter& p) {
    const QPointF c{19.5, 22};
    stem(p, curve({19.5, 49}, {36, 30}, {30, 8}), 1.2);
    inkShape(p, ellipse({31, 7}, 1.8, 2.4, 20), kLeafGreen, 0.5);
    const QColor petal{246, 222, 244};
    inkShape(p, roundPetal(c, 0, 14, 9), petal);
    inkShape(p, roundPetal(c, 145, 13, 8), petal);
    inkShape(p, roundPetal(c, 215, 13, 8), petal);
    inkShape(p, roundPetal(c, -75, 16, 15), QColor(250, 232, 250));
    inkShape(p, roundPetal(c, 75, 16, 15), QColor(250, 232, 250));
    for (qreal a : {-75.0, 75.0})
        for (qreal d : {-18.0, 0.0, 18.0})
            stroke(p, polyline({polar(c, 3, a + d * 0.4), polar(c, 11, a + d)}),
                   QColor(220, 120, 200), 0.5);
    QPainterPath lip({16, 25});
    lip.cubicTo({12, 31}, {16, 37}, {19.5, 37});
    lip.cubicTo({23, 37}, {27, 31}, {23, 25});
    lip.closeSubpath();
    inkShape(p, lip, QColor(190, 30, 130));
    inkShape(p, circle({19.5, 24}, 2.4), kYolk, 0.5);
}

void cosmos(QPainter& p) {
    const QPointF c{19.5, 20};
    stem(p, curve({19.5, 28}, {22, 40}, {19, 49}), 1.3);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * 45 + 10;
        QPainterPath petal({0, 0});
        petal.cubicTo(3.8, -3, 4.6, -9, 4, -14);
        petal.lineTo(2.4, -12.6);
        petal.lineTo(1.2, -14.4);
        petal.lineTo(0, -12.8);
        petal.lineTo(-1.2, -14.4);
        petal.lineTo(-2.4, -12.6);
        petal.lineTo(-4, -14);
        petal.cubicTo(-4.6, -9, -3.8, -3, 0, 0);
        inkShape(p, placedAt(petal, c, a), QColor(250, 142, 36), 0.6);
        stroke(p, polyline({polar(c, 4, a), polar(c, 9, a)}), QColor(220, 100, 20), 0.5);
    }
    inkShape(p, circle(c, 3.6), kYolk, 0.6);
    for (int i = 0; i < 6; ++i) fill(p, circle(polar(c, 2, i * 60), 0.5), QColor(190, 120, 10));
}

void chrysanthemum(QPainter& p) {
    const QPointF c{19.5, 22};
    leaf(p, {19.5, 36}, 200, 13, 7);
    leaf(p, {19.5, 36}, 160, 13, 7);
    ring(p, c, 22, 2, 15.5, 2.8, QColor(214, 156, 32), 0, false, 0.5);
    ring(p, c, 18, 1, 12, 2.8, QColor(236, 186, 44), 10, false, 0.5);
    ring(p, c, 14, 0, 8.5, 2.8, QColor(250, 214, 80), 5, false, 0.5);
    ring(p, c, 8, 0, 4.5, 2.4, QColor(252, 232, 140), 20, false, 0.5);
}

void birdOfParadise(QPainter& p) {
    stem(p, curve({22, 49}, {20, 36}, {22, 27}), 2.2);
    leaf(p, {22, 49}, -40, 18, 6);
    QPainterPath bract({36, 26});
    bract.cubicTo({26, 31}, {12, 30}, {2, 23});
    bract.cubicTo({12, 22}, {26, 20}, {36, 26});
    inkShape(p, bract, QColor(40, 120, 110));
    stroke(p, curve({4, 23.5}, {20, 24}, {34, 25.5}), QColor(210, 60, 60), 0.7);
    const QColor orange{250, 140, 20};
    for (qreal a : {-35.0, -15.0, 5.0}) inkShape(p, petal({22, 23}, a, 20, 5), orange, 0.7);
    inkShape(p, petal({21, 23}, -25, 16, 4), QColor(50, 70, 200), 0.7);
    inkShape(p, petal({23, 23}, -50, 13, 3.5), QColor(250, 170, 50), 0.7);
}

void marigold(QPainter& p) {
    const QPointF c{19.5, 21};
    stem(p, polyline({{19.5, 32}, {19.5, 49}}), 1.8);
    for (int side : {-1, 1})
        for (int i = 0; i < 4; ++i)
            leaf(p, {19.5, 46.0 - i * 3}, side * (60 - i * 6), 6 - i * 0.6, 2.6);
    const QColor rings[4] = {{220, 96, 10}, {242, 130, 20}, {250, 160, 30}, {252, 190, 50}};
    const qreal radii[4] = {14, 10.5, 7, 3.8};
    for (int r = 0; r < 4; ++r) {
        const int lobes = 14 - r * 3;
        QPainterPath ruffle;
        for (int i = 0; i < lobes; ++i)
            ruffle =
                ruffle.united(circle(polar(c, radii[r] - 2.4, i * 360.0 / lobes + r * 9), 3.0));
        ruffle = ruffle.united(circle(c, radii[r] - 2.4));
        inkShape(p, ruffle, rings[r], 0.6);
    }
}

void cactusFlower(QPainter& p) {
    const QColor pot{196, 96, 52};
    inkShape(p, polygon({{9, 38}, {30, 38}, {28, 49}, {11, 49}}), pot);
    inkShape(p, rect(QRectF(7.5, 35.5, 24, 4), 0.8), QColor(214, 116, 66));
    QPainterPath cactus({12, 36});
    cactus.cubicTo({11, 24}, {12, 15}, {19.5, 15});
    cactus.cubicTo({27, 15}, {28, 24}, {27, 36});
    cactus.closeSubpath();
    inkShape(p, cactus, QColor(62, 150, 82));
    QPainterPath arm({12, 28});
    arm.cubicTo({6, 29}, {5, 24}, {5.5, 20});
    arm.cubicTo({6, 17}, {9.5, 17}, {9.5, 20});
    arm.cubicTo({9.5, 23}, {10, 24}, {12.5, 24});
    inkShape(p, arm, QColor(62, 150, 82), 0.7);
    for (qreal x : {16.0, 19.5, 23.0})
        stroke(p, curve({x, 34}, {x + (x - 19.5) * 0.3, 24}, {x, 17}), kLeafDark, 0.5);
    for (int i = 0; i < 8; ++i)
        stroke(p,
               polyline({QPointF(14 + (i % 4) * 4.0, 20 + (i / 4) * 8.0),
                         QPointF(15 + (i % 4) * 4.0, 19 + (i / 4) * 8.0)}),
               QColor(250, 250, 220), 0.5);
    const QPointF f{19.5, 10};
    ring(p, f, 8, 0, 8.5, 5, QColor(240, 80, 150), 0, false, 0.6);
    ring(p, f, 8, 0, 5.5, 3.5, QColor(250, 150, 190), 22.5, false, 0.5);
    fill(p, circle(f, 1.6), kYolk);
}

void fuchsia(QPainter& p) {
    stem(p, curve({2, 6}, {14, 2}, {22, 9}), 1.3);
    leaf(p, {9, 5}, 160, 10, 5);
    const QColor red{206, 36, 72};
    const QColor purple{110, 40, 160};
    band(p, polyline({{22, 9}, {22, 17}}), red, 2.2, 0.6);
    // The skirt hangs below four sepals flung out and up.
    QPainterPath skirt({15.5, 18});
    skirt.cubicTo({13, 24}, {14, 29}, {15.5, 31});
    skirt.quadTo({18.5, 29}, {22, 32});
    skirt.quadTo({25.5, 29}, {28.5, 31});
    skirt.cubicTo({30, 29}, {31, 24}, {28.5, 18});
    skirt.closeSubpath();
    for (int i = 0; i < 4; ++i) {
        const qreal x = 17.5 + i * 3;
        stroke(p, polyline({{x, 30}, {22 + (x - 22) * 1.6, 42.0 + (i % 2) * 2}}),
               QColor(220, 60, 110), 0.5);
        inkShape(p, circle({22 + (x - 22) * 1.6, 42 + (i % 2) * 2.0}, 0.9), QColor(240, 190, 210),
              0.4);
    }
    stroke(p, polyline({{22, 30}, {22, 47}}), QColor(220, 60, 110), 0.6);
    inkShape(p, circle({22, 47}, 1.1), QColor(240, 230, 240), 0.4);
    inkShape(p, skirt, purple);
    for (qreal x : {18.5, 22.0, 25.5})
        stroke(p, polyline({{x, 20}, {x, 29}}), QColor(80, 20, 120), 0.5);
    for (qreal a : {-118.0, -150.0, 118.0, 150.0}) inkShape(p, petal({22, 18}, a, 12, 4.2), red, 0.7);
    inkShape(p, ellipse({22, 17.5}, 4, 2), red, 0.6);
}

void bleedingHeart(QPainter& p) {
    stem(p, curve({4, 46}, {16, 4}, {36, 12}), 1.3);
    leaf(p, {6, 44}, 60, 12, 6);
    const QColor heart{234, 60, 120};
    const QPointF hearts[4] = {{12, 17}, {19.5, 13.5}, {27, 13}, {33, 16}};
    const qreal sizes[4] = {6.4, 5.8, 5, 3.8};
    for (int i = 0; i < 4; ++i) {
        const QPointF top = hearts[i];
        const qreal s = sizes[i];
        stroke(p, polyline({top + QPointF(0, -3.2), top}), kStem, 0.7);
        QPainterPath h(top);
        h.cubicTo(top + QPointF(-s * 1.1, -s * 0.3), top + QPointF(-s * 1.2, s * 1.1),
                  top + QPointF(0, s * 1.6));
        h.cubicTo(top + QPointF(s * 1.2, s * 1.1), top + QPointF(s * 1.1, -s * 0.3), top);
        inkShape(p, h, heart, 0.6);
        inkShape(p, petal(top + QPointF(0, s * 2.3), 0, s * 1.2, s * 0.5), kPetalWhite, 0.5);
    }
}

void allium(QPainter& p) {
    const QPointF c{19.5, 16};
    stem(p, curve({19.5, 49}, {21, 36}, {19.5, 27}), 1.6);
    inkShape(p, petal({17, 49}, -35, 16, 3.5), kLeafGreen, 0.6);
    inkShape(p, petal({22, 49}, 38, 14, 3.5), kLeafGreen, 0.6);
    inkShape(p, circle(c, 12.5), QColor(130, 70, 190));
    for (int ring = 0; ring < 3; ++ring) {
        const int count = ring == 0 ? 1 : ring * 7;
        for (int i = 0; i < count; ++i) {
            const QPointF at = polar(c, ring * 4.6, i * 360.0 / count + ring * 10);
            for (int j = 0; j < 6; ++j)
                stroke(p, polyline({at, polar(at, 2.2, j * 60)}), QColor(200, 160, 240), 0.7);
            fill(p, circle(at, 0.6), QColor(80, 30, 120));
        }
    }
}

using Painter = void (*)(QPainter&);
const std::array<Painter, 36> kFlowers{
    sunflower,     tulip,         daisy,          bluebell, rose,          lavender,
    daffodil,      poppy,         forgetMeNot,    lily,     morningGlory,  lilyOfTheValley,
    pansy,         cherryBlossom, birdOfParadise, iris,     hibiscus,      thistle,
    carnation,     hydrangea,     waterLily,      crocus,   cornflower,    snowdrop,
    passionflower, foxglove,      buttercup,      orchid,   cosmos,        chrysanthemum,
    dandelion,     marigold,      cactusFlower,   fuchsia,  bleedingHeart, allium,
};

}  // namespace

void paintFlowerFace(QPainter& p, int face) {
    if (face >= 0 && face < static_cast<int>(kFlowers.size()))
        kFlowers[static_cast<std::size_t>(face)](p);
}

}  // namespace varnel::art
