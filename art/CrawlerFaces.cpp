// Creepy Crawlers: thirty-six small creatures. They are told apart by their build first (round,
// long, winged, coiled, many-legged, seen from above or from the side) and by colour second.
#include <array>
#include <cmath>

#include "art/Ink.h"
#include "art/TileSets.h"

namespace varnel::art {
namespace {

using namespace ink;

const QColor kShell{34, 32, 38};  // the black of beetles and spiders
const QColor kWingGlass{214, 232, 246};
const QColor kVein{120, 150, 180};
const QColor kBugRed{214, 40, 30};
const QColor kBugGreen{70, 160, 60};
const QColor kBugBrown{128, 78, 40};
const QColor kEye{250, 250, 245};

QPainterPath curve(QPointF from, QPointF control, QPointF to) {
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

void leg(QPainter& p, std::initializer_list<QPointF> joints, qreal width = 1.0,
         const QColor& colour = kShell) {
    stroke(p, polyline(joints), colour, width);
}

// A pair of legs mirrored about the creature's long axis at x = 19.5.
void legs(QPainter& p, std::initializer_list<QPointF> joints, qreal width = 1.0,
          const QColor& colour = kShell) {
    QPainterPath path = polyline(joints);
    stroke(p, path, colour, width);
    stroke(p, mirroredX(path, 19.5), colour, width);
}

void antennae(QPainter& p, QPointF from, QPointF control, QPointF to, qreal width = 0.8) {
    stroke(p, curve(from, control, to), kShell, width);
    stroke(p, mirroredX(curve(from, control, to), 19.5), kShell, width);
}

void glassWing(QPainter& p, const QPainterPath& wing) {
    inkShape(p, wing, kWingGlass, 0.7);
}

void ladybird(QPainter& p) {
    legs(p, {{14, 20}, {8, 17}, {6, 13}});
    legs(p, {{13, 27}, {6, 28}, {4, 31}});
    legs(p, {{14, 34}, {8, 39}, {7, 44}});
    antennae(p, {17.5, 9}, {15, 4}, {12, 4});
    inkShape(p, ellipse({19.5, 11}, 6.5, 4.4), kShell);
    fill(p, ellipse({15.5, 10.5}, 1.6, 1.3), kEye);
    fill(p, ellipse({23.5, 10.5}, 1.6, 1.3), kEye);
    QPainterPath shell = ellipse({19.5, 28}, 13, 15);
    inkShape(p, shell, kBugRed);
    stroke(p, polyline({{19.5, 13}, {19.5, 43}}), kLine, 1.0);
    for (QPointF spot : {QPointF(13, 20), QPointF(11.5, 30), QPointF(15, 38), QPointF(17, 27)}) {
        fill(p, circle(spot, spot.x() < 16 ? 2.6 : 1.8), kShell);
        fill(p, circle({39 - spot.x(), spot.y()}, spot.x() < 16 ? 2.6 : 1.8), kShell);
    }
    fill(p, ellipse({14, 17}, 2.4, 1.2, -30), QColor(250, 150, 130));
}

void spider(QPainter& p) {
    stroke(p, polyline({{19.5, 0}, {19.5, 18}}), QColor(150, 150, 160), 0.6);
    for (int i = 0; i < 4; ++i) {
        const qreal y = 22 + i * 2.6;
        const qreal spread = 11 + (i == 1 || i == 2 ? 4 : 0);
        legs(p, {{17, y}, {17 - spread * 0.6, y - 7 + i * 3.0}, {17 - spread, y + 2 + i * 4.0}},
             1.3);
    }
    inkShape(p, circle({19.5, 21}, 4.8), kShell);
    inkShape(p, ellipse({19.5, 33}, 7.5, 8.5), kShell);
    inkShape(p, polygon({{19.5, 28}, {22, 33}, {19.5, 38}, {17, 33}}), kBugRed,
          0.4);  // the hourglass mark
    for (int side : {-1, 1}) fill(p, circle({19.5 + side * 1.6, 18.6}, 0.8), QColor(230, 230, 230));
}

void snail(QPainter& p) {
    QPainterPath body({4, 42});
    body.cubicTo({4, 36}, {9, 35}, {14, 36});
    body.lineTo(30, 37);
    body.cubicTo({34, 37}, {37, 40}, {37, 43});
    body.lineTo(4, 43);
    body.closeSubpath();
    const QColor skin{170, 160, 120};
    stroke(p, polyline({{8, 36}, {5, 26}}), skin.darker(140), 1.2);
    stroke(p, polyline({{10, 36}, {10, 27}}), skin.darker(140), 1.2);
    fill(p, circle({5, 26}, 1.3), kShell);
    fill(p, circle({10, 27}, 1.3), kShell);
    inkShape(p, body, skin);
    const QPointF c{23, 24};
    inkShape(p, circle(c, 12.5), QColor(220, 130, 50));
    QPainterPath spiral(polar(c, 0.6, 0));
    for (int i = 1; i <= 40; ++i) spiral.lineTo(polar(c, 0.6 + i * 0.28, i * 24.0));
    stroke(p, spiral, QColor(120, 60, 20), 1.4);
    stroke(p, curve({14, 16}, {17, 12}, {22, 12}), QColor(250, 200, 140), 1.0);
}

void ant(QPainter& p) {
    const QColor ant{60, 34, 26};
    legs(p, {{17, 24}, {9, 18}, {5, 20}}, 1.0, ant);
    legs(p, {{17, 26}, {8, 27}, {4, 32}}, 1.0, ant);
    legs(p, {{17, 28}, {10, 36}, {8, 43}}, 1.0, ant);
    antennae(p, {18, 9}, {13, 4}, {10, 8}, 0.9);
    inkShape(p, ellipse({19.5, 11.5}, 5, 4.6), ant);
    inkShape(p, ellipse({19.5, 24}, 3.4, 6.5), ant);
    inkShape(p, ellipse({19.5, 39}, 7, 8.5), ant);
    for (int side : {-1, 1}) fill(p, circle({19.5 + side * 2.8, 10}, 1), QColor(200, 160, 120));
    fill(p, ellipse({17, 36}, 2, 3.5, 20), QColor(140, 90, 70));
    stroke(p, polyline({{17.5, 7.5}, {21.5, 7.5}}), QColor(200, 160, 120), 0.5);
}

void butterfly(QPainter& p) {
    const QColor blue{40, 110, 220};
    const QColor orange{246, 140, 30};
    for (int side : {-1, 1}) {
        QPainterPath upper({19.5, 20});
        upper.cubicTo({19.5 + side * 6, 4}, {19.5 + side * 20, 2}, {19.5 + side * 18, 12});
        upper.cubicTo({19.5 + side * 17, 20}, {19.5 + side * 10, 24}, {19.5, 22});
        inkShape(p, upper, blue);
        inkShape(p, circle({19.5 + side * 12, 11}, 2.6), kEye, 0.6);
        fill(p, circle({19.5 + side * 12, 11}, 1.2), kShell);
        QPainterPath lower({19.5, 24});
        lower.cubicTo({19.5 + side * 16, 22}, {19.5 + side * 18, 34}, {19.5 + side * 12, 39});
        lower.cubicTo({19.5 + side * 6, 43}, {19.5 + side * 3, 36}, {19.5, 28});
        inkShape(p, lower, orange);
        fill(p, circle({19.5 + side * 10, 31}, 1.6), kShell);
        stroke(p, curve({19.5 + side * 3, 8}, {19.5 + side * 12, 4}, {19.5 + side * 17, 10}),
               kShell, 1.2);
    }
    antennae(p, {19, 14}, {16, 6}, {14, 3});
    fill(p, circle({14, 3}, 0.9), kShell);
    fill(p, circle({25, 3}, 0.9), kShell);
    inkShape(p, ellipse({19.5, 24}, 1.8, 11), kShell);
}

void earthworm(QPainter& p) {
    QPainterPath worm({6, 44});
    worm.cubicTo({2, 30}, {22, 34}, {20, 22});
    worm.cubicTo({18, 10}, {32, 6}, {33, 14});
    band(p, worm, QColor(230, 130, 140), 5.2, 0.9);
    for (int i = 1; i < 14; ++i) {
        const QPointF at = worm.pointAtPercent(i / 14.0);
        const qreal a = worm.angleAtPercent(i / 14.0);
        const QPointF n = polar(at, 2.4, -a);
        stroke(p, polyline({n, polar(at, -2.4, -a)}), QColor(190, 80, 100), 0.5);
    }
    const QPointF clitellum = worm.pointAtPercent(0.62);
    fill(p, circle(clitellum, 3), QColor(210, 90, 100));
    fill(p, circle({32.4, 12.6}, 0.7), kShell);
    QPainterPath soil({0, 48});
    soil.cubicTo({12, 44}, {26, 50}, {39, 46});
    soil.lineTo(39, 50);
    soil.lineTo(0, 50);
    inkShape(p, soil, QColor(130, 90, 60), 0.7);
}

void bee(QPainter& p) {
    for (int side : {-1, 1}) {
        glassWing(p, ellipse({19.5 + side * 9, 17}, 8.5, 5, side * -30));
        glassWing(p, ellipse({19.5 + side * 8, 25}, 6, 3.6, side * -10));
    }
    legs(p, {{16, 30}, {11, 34}, {10, 38}}, 1.0);
    legs(p, {{16, 34}, {12, 39}, {12, 44}}, 1.0);
    antennae(p, {18, 9}, {15, 4}, {13, 2});
    const QPainterPath body = ellipse({19.5, 33}, 8, 11);
    inkShape(p, body, QColor(250, 196, 30));
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    for (int i = 0; i < 3; ++i) fill(p, rect(QRectF(10, 28 + i * 5.6, 20, 2.8)), kShell);
    p.restore();
    stroke(p, body, kLine, kOutline);
    inkShape(p, polygon({{18.4, 43.5}, {20.6, 43.5}, {19.5, 47}}), kShell, 0.5);
    inkShape(p, ellipse({19.5, 19.5}, 6, 4.6), QColor(140, 100, 40));
    inkShape(p, circle({19.5, 11}, 4.2), kShell);
    for (int side : {-1, 1})
        fill(p, ellipse({19.5 + side * 2.4, 10.6}, 1.2, 1.8), QColor(120, 110, 100));
}

void dragonfly(QPainter& p) {
    for (int side : {-1, 1}) {
        glassWing(p, ellipse({19.5 + side * 10, 12}, 10, 2.8, side * 8));
        glassWing(p, ellipse({19.5 + side * 10, 18}, 9.5, 2.6, side * -8));
        stroke(p, polyline({{19.5 + side * 2, 12}, {19.5 + side * 18, 13.5}}), kVein, 0.5);
        stroke(p, polyline({{19.5 + side * 2, 18}, {19.5 + side * 17, 16.5}}), kVein, 0.5);
        fill(p, ellipse({19.5 + side * 17, 13.2}, 1.2, 0.8), QColor(60, 80, 120));
    }
    inkShape(p, ellipse({19.5, 15}, 2.8, 5), QColor(30, 110, 170));
    QPainterPath tail({19.5, 19});
    tail.lineTo(19.5, 47);
    band(p, tail, QColor(40, 150, 210), 2.4, 0.6);
    for (int i = 0; i < 8; ++i)
        stroke(p, polyline({{18.3, 22.0 + i * 3.1}, {20.7, 22.0 + i * 3.1}}), QColor(20, 70, 120),
               0.6);
    inkShape(p, ellipse({19.5, 8}, 4.2, 3), QColor(30, 110, 170));
    for (int side : {-1, 1})
        inkShape(p, circle({19.5 + side * 2.6, 7.2}, 2), QColor(90, 200, 230), 0.6);
}

void caterpillar(QPainter& p) {
    const QColor green{110, 190, 60};
    stroke(p, polyline({{0, 44}, {39, 44}}), QColor(110, 80, 50), 2.0);
    // The body humps up in the middle, a chain of round segments.
    const QPointF segments[8] = {{5, 38},      {8.5, 34},  {12.5, 30.5}, {17, 29},
                                 {21.5, 30.5}, {25.5, 34}, {29, 38},     {32, 33}};
    for (int i = 0; i < 7; ++i) {
        if (i != 2 && i != 3)
            leg(p, {segments[i] + QPointF(0, 3), segments[i] + QPointF(0, 6)}, 1.4,
                kBugGreen.darker(150));
        inkShape(p, circle(segments[i], 4.4), green);
        fill(p, circle(segments[i] + QPointF(0, -1.2), 1.3), QColor(250, 210, 50));
        fill(p, circle(segments[i] + QPointF(0, -1.2), 0.6), kShell);
    }
    inkShape(p, circle(segments[7] + QPointF(0.5, -3), 5.2), QColor(90, 170, 50));
    fill(p, circle({34.5, 28}, 1.2), kShell);
    stroke(p, polyline({{31.5, 25.5}, {30, 21}}), kShell, 0.8);
    stroke(p, polyline({{34, 25.5}, {35.5, 21}}), kShell, 0.8);
    stroke(p, curve({34.5, 32}, {33.5, 33.5}, {32, 33.4}), kShell, 0.6);
}

void scorpion(QPainter& p) {
    const QColor scorpion{150, 90, 40};
    QPainterPath tail({19.5, 30});
    tail.cubicTo({19.5, 44}, {33, 46}, {32, 32});
    tail.cubicTo({31.5, 27}, {27, 26}, {26, 30});
    band(p, tail, scorpion, 3.4, 0.7);
    for (int i = 1; i < 6; ++i) {
        const QPointF at = tail.pointAtPercent(i / 6.0);
        fill(p, circle(at, 0.6), QColor(90, 50, 20));
    }
    inkShape(p, petal({26, 30}, 220, 4.5, 2.6), kShell, 0.5);
    for (int i = 0; i < 4; ++i)
        legs(p, {{17, 20 + i * 3.0}, {10, 18 + i * 4.0}, {7, 22 + i * 5.0}}, 0.9,
             scorpion.darker(140));
    for (int side : {-1, 1}) {
        band(p, polyline({{19.5 + side * 3, 14}, {19.5 + side * 9, 11}, {19.5 + side * 11, 6}}),
             scorpion, 1.8, 0.5);
        inkShape(p, ellipse({19.5 + side * 11.5, 4.5}, 2.8, 3.4, side * 20), scorpion, 0.6);
        fill(
            p,
            polygon({{19.5 + side * 11.5, 2.5}, {19.5 + side * 11.5, 5}, {19.5 + side * 8.5, 1.5}}),
            kLine);
    }
    inkShape(p, ellipse({19.5, 23}, 5, 9), scorpion);
    for (int i = 0; i < 4; ++i)
        stroke(p, polyline({{15.5, 20 + i * 3.0}, {23.5, 20 + i * 3.0}}), QColor(100, 60, 30), 0.6);
    inkShape(p, ellipse({19.5, 15}, 4.4, 3.6), scorpion);
}

void centipede(QPainter& p) {
    const QColor body{200, 90, 30};
    const QColor legs{110, 46, 14};
    QPainterPath spine({6, 46});
    spine.cubicTo({2, 30}, {34, 30}, {30, 10});
    // A pair of long legs on every segment: what sets it apart from a worm.
    for (int i = 0; i <= 14; ++i) {
        const qreal t = 0.03 + i * 0.9 / 14;
        const QPointF at = spine.pointAtPercent(t);
        const qreal a = spine.angleAtPercent(t);
        for (int side : {-1, 1}) {
            const qreal out = side > 0 ? -a : 180 - a;  // square to the body
            const QPointF knee = polar(at, 5.5, out);
            stroke(p, polyline({at, knee, polar(knee, 2.4, out - side * 60)}), legs, 1.0);
        }
    }
    band(p, spine, body, 4.6, 0.7);
    for (int i = 1; i < 15; ++i) {
        const qreal t = i / 15.0;
        const QPointF at = spine.pointAtPercent(t);
        const qreal a = spine.angleAtPercent(t);
        stroke(p, polyline({polar(at, 2.3, -a), polar(at, 2.3, 180 - a)}), QColor(110, 40, 10),
               0.7);
    }
    inkShape(p, circle({30, 8.5}, 3.4), QColor(130, 50, 20));
    stroke(p, curve({28.5, 6}, {25, 0}, {19, 2}), kShell, 0.9);
    stroke(p, curve({32, 6}, {35, 1}, {38, 4}), kShell, 0.9);
    stroke(p, polyline({{28, 11}, {26.5, 13}}), kShell, 0.9);
    stroke(p, polyline({{32, 11}, {33.5, 13}}), kShell, 0.9);
}

void stagBeetle(QPainter& p) {
    const QColor chestnut{110, 50, 24};
    legs(p, {{15, 22}, {8, 19}, {5, 15}}, 1.1);
    legs(p, {{15, 30}, {7, 31}, {4, 35}}, 1.1);
    legs(p, {{15, 36}, {9, 41}, {8, 46}}, 1.1);
    for (int side : {-1, 1}) {
        QPainterPath jaw({19.5 + side * 3, 15});
        jaw.cubicTo({19.5 + side * 9, 12}, {19.5 + side * 10, 5}, {19.5 + side * 4, 1.5});
        band(p, jaw, chestnut, 2.2, 0.6);
        stroke(p, polyline({{19.5 + side * 8.6, 8}, {19.5 + side * 6, 8.6}}), chestnut, 1.4);
    }
    inkShape(p, rect(QRectF(14, 13, 11, 6), 2), kShell);
    inkShape(p, rect(QRectF(12.5, 18.5, 14, 7), 2.5), kShell);
    QPainterPath wings = ellipse({19.5, 35}, 8, 11);
    inkShape(p, wings, chestnut);
    stroke(p, polyline({{19.5, 25}, {19.5, 46}}), kLine, 0.9);
    stroke(p, curve({15, 28}, {14, 34}, {15.5, 40}), QColor(180, 110, 70), 1.0);
}

void houseFly(QPainter& p) {
    for (int side : {-1, 1}) {
        QPainterPath wing({19.5 + side * 2, 22});
        wing.cubicTo({19.5 + side * 14, 20}, {19.5 + side * 18, 36}, {19.5 + side * 10, 38});
        wing.cubicTo({19.5 + side * 5, 38}, {19.5 + side * 3, 30}, {19.5 + side * 2, 22});
        glassWing(p, wing);
        stroke(p, curve({19.5 + side * 4, 24}, {19.5 + side * 11, 27}, {19.5 + side * 12, 35}),
               kVein, 0.5);
    }
    legs(p, {{17, 18}, {10, 15}, {8, 9}});
    legs(p, {{17, 21}, {8, 23}, {5, 27}});
    legs(p, {{17, 24}, {11, 33}, {10, 40}});
    inkShape(p, ellipse({19.5, 32}, 4.6, 8), QColor(110, 110, 100));
    for (int i = 0; i < 3; ++i)
        stroke(p, polyline({{15.5, 29 + i * 3.0}, {23.5, 29 + i * 3.0}}), kShell, 0.6);
    inkShape(p, ellipse({19.5, 20}, 5, 4.2), QColor(80, 80, 76));
    stroke(p, polyline({{17.5, 18}, {17.5, 22}}), kShell, 0.6);
    stroke(p, polyline({{21.5, 18}, {21.5, 22}}), kShell, 0.6);
    inkShape(p, ellipse({19.5, 12.5}, 5, 3.8), QColor(80, 80, 76));
    for (int side : {-1, 1})
        inkShape(p, ellipse({19.5 + side * 3.4, 12}, 3, 3.6), QColor(180, 30, 30), 0.6);
}

void grasshopper(QPainter& p) {
    const QColor green{96, 170, 56};
    stroke(p, polyline({{0, 45}, {39, 45}}), QColor(100, 140, 60), 1.6);
    leg(p, {{12, 30}, {11, 38}, {9, 45}}, 1.0);
    leg(p, {{16, 30}, {17, 38}, {15, 45}}, 1.0);
    QPainterPath body({6, 25});
    body.cubicTo({8, 20}, {26, 20}, {36, 28});
    body.cubicTo({28, 32}, {10, 32}, {6, 25});
    inkShape(p, body, green);
    inkShape(p, petal({13, 24}, 96, 21, 5), QColor(70, 140, 40), 0.7);
    // The big jumping leg, folded high.
    QPainterPath thigh({21, 27});
    thigh.cubicTo({24, 17}, {30, 15}, {32, 16});
    thigh.cubicTo({31, 21}, {26, 28}, {24, 30});
    thigh.closeSubpath();
    inkShape(p, thigh, QColor(120, 190, 70));
    leg(p, {{32, 16}, {35, 44}, {38, 45}}, 1.1, QColor(60, 110, 30));
    inkShape(p, ellipse({7, 23}, 4.2, 5, 20), green);
    fill(p, ellipse({6, 21.5}, 1.4, 1.8), kShell);
    stroke(p, curve({5, 19}, {6, 8}, {18, 3}), kShell, 0.7);
}

void moth(QPainter& p) {
    const QColor dust{176, 150, 116};
    const QColor dark{110, 84, 60};
    for (int side : {-1, 1}) {
        QPainterPath wing({19.5, 14});
        wing.lineTo(19.5 + side * 18.5, 30);
        wing.cubicTo({19.5 + side * 17, 38}, {19.5 + side * 8, 40}, {19.5, 34});
        wing.closeSubpath();
        inkShape(p, wing, dust);
        stroke(p, curve({19.5 + side * 4, 22}, {19.5 + side * 10, 26}, {19.5 + side * 16, 30}),
               dark, 0.8);
        inkShape(p, circle({19.5 + side * 10, 32}, 2.8), QColor(240, 220, 180), 0.6);
        fill(p, circle({19.5 + side * 10, 32}, 1.4), kShell);
    }
    for (int side : {-1, 1}) {
        QPainterPath feeler({19.5 + side * 1.5, 12});
        feeler.quadTo(19.5 + side * 6, 4, 19.5 + side * 11, 5);
        stroke(p, feeler, dark, 0.8);
        for (int i = 1; i < 5; ++i) {
            const QPointF at = feeler.pointAtPercent(i / 5.0);
            stroke(p, polyline({at, at + QPointF(side * 0.8, -1.8)}), dark, 0.5);
            stroke(p, polyline({at, at + QPointF(side * 1.4, 1.2)}), dark, 0.5);
        }
    }
    inkShape(p, ellipse({19.5, 26}, 3, 13), QColor(140, 110, 80));
    for (int i = 0; i < 4; ++i)
        stroke(p, polyline({{17, 28 + i * 3.0}, {22, 28 + i * 3.0}}), dark, 0.6);
}

void mosquito(QPainter& p) {
    for (int i = 0; i < 3; ++i) {
        const qreal x = 14 + i * 5;
        leg(p, {{x + 2, 24}, {x - 4 + i * 3.0, 34}, {x - 8 + i * 6.0, 47}}, 0.6);
    }
    glassWing(p, petal({18, 20}, 60, 19, 5));
    stroke(p, polyline({{19, 19.5}, {34, 12}}), kVein, 0.5);
    QPainterPath body({17, 22});
    body.cubicTo({24, 20}, {32, 24}, {37, 29});
    body.cubicTo({31, 28}, {24, 26}, {17, 24});
    inkShape(p, body, QColor(100, 90, 80));
    for (int i = 0; i < 4; ++i)
        stroke(p,
               polyline(
                   {QPointF(22 + i * 3.4, 21.8 + i * 1.4), QPointF(22 + i * 3.4, 24.8 + i * 1.2)}),
               QColor(230, 230, 220), 0.6);
    inkShape(p, ellipse({15, 21}, 3.4, 2.8), QColor(80, 70, 64));
    inkShape(p, circle({10.5, 19}, 2.4), QColor(80, 70, 64));
    fill(p, circle({10, 18.4}, 1.2), QColor(180, 40, 40));
    stroke(p, polyline({{8.5, 20}, {2, 26}}), kShell, 0.7);  // the sharp mouth
    stroke(p, curve({9, 17.5}, {6, 12}, {2, 11}), kShell, 0.6);
}

void slug(QPainter& p) {
    const QColor slug{236, 140, 36};
    stroke(p, polyline({{0, 42}, {39, 42}}), QColor(110, 150, 70), 1.4);
    QPainterPath body({3, 41});
    body.cubicTo({5, 31}, {12, 27}, {19, 28});
    body.cubicTo({27, 29}, {33, 33}, {37, 41});
    body.closeSubpath();
    stroke(p, polyline({{7, 31}, {4, 21}}), slug.darker(130), 1.4);
    stroke(p, polyline({{10, 30}, {10, 21}}), slug.darker(130), 1.4);
    fill(p, circle({4, 21}, 1.4), kShell);
    fill(p, circle({10, 21}, 1.4), kShell);
    inkShape(p, body, slug);
    inkShape(p, ellipse({20, 31.5}, 7, 3.4), QColor(246, 170, 60), 0.6);  // the mantle
    for (QPointF d : {QPointF(16, 36), QPointF(24, 37), QPointF(29, 38.5), QPointF(10, 37)})
        fill(p, circle(d, 0.9), QColor(150, 70, 10));
    stroke(p, curve({37, 41}, {39, 36}, {39, 30}), QColor(200, 220, 230), 0.6);
}

void woodlouse(QPainter& p) {
    const QColor armour{120, 124, 134};
    for (int i = 0; i < 7; ++i) legs(p, {{14, 16 + i * 3.6}, {8, 17 + i * 3.6}}, 0.9);
    antennae(p, {17, 8}, {11, 4}, {8, 6}, 0.9);
    inkShape(p, ellipse({19.5, 27}, 10, 18), armour);
    for (int i = 0; i < 8; ++i) {
        const qreal y = 12.5 + i * 3.8;
        const qreal half = std::sqrt(std::max(0.0, 1 - std::pow((y - 27) / 18, 2))) * 10;
        stroke(p, curve({19.5 - half, y}, {19.5, y + 1.6}, {19.5 + half, y}), QColor(70, 72, 80),
               0.8);
    }
    stroke(p, polyline({{19.5, 12}, {19.5, 43}}), QColor(160, 164, 174), 0.8);
    inkShape(p, polygon({{15, 44}, {19.5, 47}, {24, 44}}), armour, 0.6);
}

void mantis(QPainter& p) {
    const QColor green{100, 180, 70};
    stroke(p, polyline({{0, 47}, {39, 47}}), QColor(110, 80, 50), 1.4);
    leg(p, {{22, 33}, {16, 40}, {14, 47}}, 1.0, QColor(60, 120, 40));
    leg(p, {{26, 34}, {30, 41}, {32, 47}}, 1.0, QColor(60, 120, 40));
    inkShape(p, petal({21, 28}, 155, 18, 7), green);  // the long abdomen
    band(p, curve({21, 29}, {18, 20}, {16, 12}), green, 2.8, 0.6);
    // The folded praying arms.
    band(p, polyline({{17, 17}, {11, 22}, {13, 14}}), QColor(120, 200, 80), 1.8, 0.5);
    leg(p, {{13, 14}, {10, 10}}, 0.8, QColor(60, 120, 40));
    inkShape(p, polygon({{11, 6}, {21, 6}, {16, 13}}), green);
    for (int side : {-1, 1})
        inkShape(p, circle({16 + side * 4.6, 6.6}, 1.8), QColor(210, 220, 100), 0.5);
    stroke(p, curve({14, 5}, {10, 1}, {5, 2}), kShell, 0.5);
    stroke(p, curve({18, 5}, {22, 1}, {27, 1}), kShell, 0.5);
}

void gecko(QPainter& p) {
    const QColor skin{60, 170, 120};
    QPainterPath tail({19.5, 33});
    tail.cubicTo({19.5, 42}, {30, 44}, {32, 38});
    tail.cubicTo({33, 34}, {28, 34}, {29, 38});
    band(p, tail, skin, 3.2, 0.7);
    for (int side : {-1, 1})
        for (int i = 0; i < 2; ++i) {
            const qreal y = 16 + i * 15;
            QPainterPath leg({19.5, y});
            leg.lineTo(19.5 + side * 8, y + (i ? 4 : -4));
            leg.lineTo(19.5 + side * 11, y + (i ? 9 : -7));
            band(p, leg, skin, 2.2, 0.6);
            const QPointF toe{19.5 + side * 11, y + (i ? 9.0 : -7.0)};
            for (int t = -1; t <= 1; ++t)
                inkShape(p, circle(polar(toe, 2, side * 90 + t * 45 + (i ? 30 : -30) * side), 1), skin,
                      0.4);
        }
    inkShape(p, ellipse({19.5, 24}, 4.6, 11), skin);
    inkShape(p, ellipse({19.5, 9}, 4.4, 5.4), skin);
    for (int side : {-1, 1})
        inkShape(p, circle({19.5 + side * 3.4, 7.4}, 1.6), QColor(250, 210, 60), 0.5);
    for (int i = 0; i < 4; ++i)
        fill(p, circle({19.5 + (i % 2 ? 1.6 : -1.6), 18.0 + i * 4}, 1), QColor(250, 140, 40));
}

void firefly(QPainter& p) {
    // The glow of its tail lights up the night round it.
    fill(p, circle({26, 33}, 12), QColor(250, 244, 170));
    fill(p, circle({26, 33}, 8), QColor(252, 236, 110));
    legs(p, {{17, 24}, {11, 27}, {10, 31}}, 0.9);
    for (int side : {-1, 1}) glassWing(p, ellipse({19.5 + side * 4, 22}, 3, 9, side * 22));
    QPainterPath body = ellipse({19.5, 24}, 4.8, 12, -35);
    inkShape(p, body, QColor(60, 50, 50));
    inkShape(p, ellipse({25.5, 32.5}, 4.2, 4.8, -35), QColor(250, 226, 40));
    inkShape(p, ellipse({14, 14.5}, 4, 3, -35), QColor(230, 90, 50));
    fill(p, circle({12, 12.8}, 1.2), kShell);
    antennae(p, {12, 12}, {8, 4}, {4, 4}, 0.7);
}

void wasp(QPainter& p) {
    const QColor yellow{252, 210, 20};
    glassWing(p, petal({19, 18}, 70, 18, 6));
    glassWing(p, petal({19, 19}, 95, 15, 5));
    leg(p, {{14, 22}, {12, 30}, {9, 36}}, 0.8);
    leg(p, {{18, 22}, {19, 31}, {18, 37}}, 0.8);
    const QPainterPath abdomen = ellipse({28, 30}, 8.5, 5.2, 30);
    inkShape(p, abdomen, yellow);
    p.save();
    p.setClipPath(abdomen, Qt::IntersectClip);
    for (int i = 0; i < 3; ++i)
        stroke(p, polyline({QPointF(22 + i * 4.4, 22), QPointF(18 + i * 4.4, 34)}), kShell, 1.6);
    p.restore();
    stroke(p, abdomen, kLine, kOutline);
    inkShape(p, polygon({{34.5, 34.5}, {38, 38.5}, {33, 36.5}}), kShell, 0.4);
    stroke(p, polyline({{20, 23}, {22, 26}}), kShell, 1.0);  // the narrow waist
    inkShape(p, ellipse({16, 20.5}, 5, 3.6, 20), kShell);
    fill(p, ellipse({15.4, 19.2}, 2.4, 0.8, 20), yellow);
    inkShape(p, circle({9.5, 17.5}, 3.4), yellow);
    fill(p, ellipse({8.6, 16.6}, 1.2, 1.8), kShell);
    stroke(p, curve({8, 15}, {6, 8}, {10, 5}), kShell, 0.7);
}

void millipede(QPainter& p) {
    const QPointF c{19.5, 25};
    QPainterPath coil(polar(c, 3, 0));
    for (int i = 1; i <= 60; ++i) coil.lineTo(polar(c, 3 + i * 0.2, i * 10.5));
    for (int i = 2; i <= 60; i += 2) {
        const QPointF at = coil.pointAtPercent(i / 60.0);
        const qreal a = i * 10.5;
        stroke(p, polyline({polar(at, -2.5, a), polar(at, 2.8, a)}), QColor(200, 170, 150), 0.6);
    }
    band(p, coil, QColor(70, 40, 40), 3.8, 0.7);
    for (int i = 3; i <= 60; i += 3) {
        const QPointF at = coil.pointAtPercent(i / 60.0);
        fill(p, circle(at, 0.9), QColor(240, 130, 60));
    }
    const QPointF head = coil.pointAtPercent(1.0);
    inkShape(p, circle(head, 2.8), QColor(70, 40, 40));
    stroke(p, curve(head, head + QPointF(5, -3), head + QPointF(6, -7)), kShell, 0.7);
}

void cockroach(QPainter& p) {
    const QColor brown{150, 80, 36};
    legs(p, {{15, 20}, {7, 16}, {3, 18}}, 0.9);
    legs(p, {{15, 26}, {6, 28}, {3, 34}}, 0.9);
    legs(p, {{16, 32}, {9, 40}, {8, 48}}, 0.9);
    stroke(p, curve({17, 11}, {8, 4}, {2, 10}), kShell, 0.7);
    stroke(p, curve({22, 11}, {31, 4}, {37, 10}), kShell, 0.7);
    inkShape(p, ellipse({19.5, 31}, 8.5, 14), brown);
    stroke(p, polyline({{19.5, 20}, {19.5, 45}}), QColor(90, 40, 16), 0.9);
    fill(p, ellipse({16, 28}, 2, 7, 5), QColor(190, 120, 70));
    inkShape(p, ellipse({19.5, 15}, 7, 4.6), QColor(200, 150, 90));
    fill(p, ellipse({19.5, 15}, 3.6, 2.4), QColor(110, 60, 30));
    inkShape(p, ellipse({19.5, 11}, 3, 2), kShell, 0.5);
}

void waterStrider(QPainter& p) {
    for (int r = 0; r < 3; ++r)
        for (QPointF dimple : {QPointF(5, 22), QPointF(34, 22), QPointF(4, 41), QPointF(35, 41),
                               QPointF(11, 6), QPointF(28, 6)})
            stroke(p, ellipse(dimple, 1.6 + r * 1.6, 0.6 + r * 0.6), QColor(110, 160, 220), 0.6);
    legs(p, {{18, 20}, {12, 14}, {11, 6}}, 0.7);
    legs(p, {{18, 24}, {10, 20}, {5, 22}}, 0.7);
    legs(p, {{18.5, 27}, {10, 34}, {4, 41}}, 0.7);
    inkShape(p, ellipse({19.5, 26}, 2.6, 11), QColor(60, 56, 60));
    inkShape(p, ellipse({19.5, 14}, 2, 2.6), QColor(60, 56, 60));
    stroke(p, polyline({{18.5, 12}, {16, 7}}), kShell, 0.5);
    stroke(p, polyline({{20.5, 12}, {23, 7}}), kShell, 0.5);
}

void cicada(QPainter& p) {
    for (int side : {-1, 1}) {
        QPainterPath wing({19.5 + side * 3, 17});
        wing.cubicTo({19.5 + side * 14, 18}, {19.5 + side * 14, 36}, {19.5 + side * 4, 46});
        wing.cubicTo({19.5 + side * 2, 40}, {19.5 + side * 2, 26}, {19.5 + side * 3, 17});
        glassWing(p, wing);
        for (int i = 0; i < 3; ++i)
            stroke(p,
                   curve({19.5 + side * 3, 19.0 + i * 2}, {19.5 + side * 11, 26.0 + i * 4},
                         {19.5 + side * 6, 42.0 - i * 2}),
                   kVein, 0.5);
    }
    inkShape(p, ellipse({19.5, 27}, 5, 11), QColor(60, 100, 70));
    inkShape(p, rect(QRectF(11, 10, 17, 8), 3.5), QColor(80, 140, 90));
    for (int side : {-1, 1})
        inkShape(p, circle({19.5 + side * 8.5, 13}, 2.4), QColor(200, 70, 40), 0.6);
    fill(p, polygon({{16, 14}, {23, 14}, {19.5, 18}}), QColor(40, 60, 40));
}

void weevil(QPainter& p) {
    const QColor weevil{70, 60, 120};
    stroke(p, polyline({{0, 44}, {39, 44}}), QColor(110, 80, 50), 1.6);
    leg(p, {{18, 34}, {16, 40}, {14, 44}}, 1.0);
    leg(p, {{24, 35}, {25, 40}, {24, 44}}, 1.0);
    leg(p, {{30, 34}, {32, 40}, {34, 44}}, 1.0);
    inkShape(p, ellipse({26, 29}, 10, 7.5), weevil);
    stroke(p, curve({18, 26}, {26, 22}, {35, 27}), QColor(150, 140, 210), 1.0);
    inkShape(p, circle({14.5, 27}, 4.6), weevil);
    // The long snout, with its elbowed feelers.
    band(p, curve({11, 27}, {5, 28}, {3, 36}), weevil, 2.0, 0.6);
    stroke(p, polyline({{6, 29}, {6, 23}, {2, 20}}), kShell, 0.7);
    fill(p, circle({13.5, 25.5}, 1.1), kShell);
}

void crab(QPainter& p) {
    const QColor crab{234, 100, 40};
    for (int i = 0; i < 3; ++i)
        legs(p, {{12, 28 + i * 3.0}, {6, 30 + i * 4.0}, {3, 36 + i * 4.0}}, 1.4, crab.darker(130));
    for (int side : {-1, 1}) {
        band(p, polyline({{19.5 + side * 8, 24}, {19.5 + side * 13, 18}, {19.5 + side * 13, 13}}),
             crab, 2.0, 0.6);
        QPainterPath claw = ellipse({19.5 + side * 13, 9}, 4, 5);
        claw = claw.subtracted(
            polygon({{19.5 + side * 13, 9}, {19.5 + side * 11, 2}, {19.5 + side * 15, 2}}));
        inkShape(p, claw, crab);
        stroke(p, polyline({{19.5 + side * 3, 22}, {19.5 + side * 3, 18}}), kShell, 0.8);
        inkShape(p, circle({19.5 + side * 3, 17.5}, 1.5), kShell, 0);
    }
    inkShape(p, ellipse({19.5, 28}, 11, 8), crab);
    fill(p, ellipse({16, 26}, 3, 1.6, -10), QColor(250, 160, 110));
    stroke(p, curve({15, 32}, {19.5, 34}, {24, 32}), QColor(170, 60, 20), 0.8);
}

void stickInsect(QPainter& p) {
    const QColor twig{120, 150, 60};
    const QPointF head{29, 6};
    const QPointF tail{10, 46};
    for (qreal t : {0.22, 0.4, 0.58}) {
        const QPointF at = head + (tail - head) * t;
        stroke(p, polyline({at, at + QPointF(-9, -4), at + QPointF(-13, 3)}), twig.darker(150),
               1.1);
        stroke(p, polyline({at, at + QPointF(8, 4), at + QPointF(10, 12)}), twig.darker(150), 1.1);
    }
    band(p, polyline({head, tail}), twig, 3.0, 0.7);
    for (qreal t : {0.3, 0.5, 0.7, 0.85}) {
        const QPointF at = head + (tail - head) * t;
        stroke(p, polyline({at + QPointF(-1.4, -0.6), at + QPointF(1.4, 0.6)}), twig.darker(150),
               0.7);
    }
    stroke(p, curve(head, {27, -1}, {22, 1}), kShell, 0.7);
    stroke(p, curve(head, {33, 0}, {37, 2}), kShell, 0.7);
    fill(p, circle({28.4, 6.6}, 0.9), kShell);
}

void earwig(QPainter& p) {
    const QColor earwig{120, 60, 30};
    legs(p, {{17, 17}, {10, 14}, {8, 10}}, 0.9);
    legs(p, {{17, 21}, {10, 22}, {7, 26}}, 0.9);
    legs(p, {{17, 25}, {11, 30}, {10, 35}}, 0.9);
    antennae(p, {18, 7}, {14, 2}, {9, 2}, 0.7);
    for (int side : {-1, 1}) {
        QPainterPath pincer({19.5 + side * 1.5, 38});
        pincer.cubicTo({19.5 + side * 6, 42}, {19.5 + side * 5, 47}, {19.5 + side * 0.8, 48});
        band(p, pincer, QColor(180, 100, 40), 1.6, 0.6);
    }
    inkShape(p, rect(QRectF(16, 14, 7, 26), 3.4), earwig);
    for (int i = 0; i < 5; ++i)
        stroke(p, polyline({{16.2, 26 + i * 2.6}, {22.8, 26 + i * 2.6}}), QColor(70, 30, 10), 0.6);
    inkShape(p, rect(QRectF(15.5, 14, 8, 10), 2), QColor(170, 110, 60));
    inkShape(p, ellipse({19.5, 10}, 3.6, 3.4), kShell);
}

void cricket(QPainter& p) {
    const QColor cricket{46, 40, 36};
    stroke(p, polyline({{0, 44}, {39, 44}}), QColor(110, 80, 50), 1.4);
    leg(p, {{14, 33}, {12, 39}, {10, 44}}, 1.0);
    leg(p, {{19, 33}, {20, 39}, {18, 44}}, 1.0);
    inkShape(p, ellipse({22, 30}, 12, 5), cricket);
    inkShape(p, ellipse({23, 28}, 9, 3.4), QColor(110, 80, 50), 0.6);
    QPainterPath thigh({25, 31});
    thigh.cubicTo({30, 22}, {34, 22}, {36, 25});
    thigh.cubicTo({34, 30}, {30, 33}, {27, 34});
    inkShape(p, thigh, QColor(80, 60, 50));
    leg(p, {{36, 25}, {37, 43}}, 1.1);
    stroke(p, polyline({{34, 31}, {39, 36}}), kShell, 0.7);
    inkShape(p, circle({9, 29}, 4.6), cricket);
    fill(p, circle({8, 27.5}, 1), QColor(220, 200, 160));
    // Feelers longer than the body.
    stroke(p, curve({7, 26}, {10, 6}, {34, 4}), kShell, 0.6);
    stroke(p, curve({8, 26}, {18, 10}, {37, 12}), kShell, 0.6);
}

void silverfish(QPainter& p) {
    const QColor silver{170, 180, 196};
    QPainterPath body({19.5, 8});
    body.cubicTo({27, 10}, {25, 30}, {19.5, 40});
    body.cubicTo({14, 30}, {12, 10}, {19.5, 8});
    legs(p, {{17, 16}, {11, 15}}, 0.8);
    legs(p, {{17, 20}, {11, 22}}, 0.8);
    legs(p, {{17.5, 24}, {12, 28}}, 0.8);
    for (qreal a : {-20.0, 0.0, 20.0})
        stroke(p, polyline({{19.5, 39}, polar({19.5, 39}, 9, 180 + a)}), QColor(100, 110, 120),
               0.6);
    antennae(p, {18.5, 9}, {14, 2}, {8, 3}, 0.6);
    inkShape(p, body, silver);
    for (int i = 0; i < 8; ++i)
        stroke(p, polyline({{16 + i * 0.4, 12.0 + i * 3.3}, {23 - i * 0.4, 12.0 + i * 3.3}}),
               QColor(120, 130, 146), 0.5);
    fill(p, ellipse({18, 16}, 1, 4), QColor(230, 236, 244));
}

void inchworm(QPainter& p) {
    band(p, polyline({{0, 42}, {39, 40}}), QColor(120, 84, 50), 3.0, 0.6);
    inkShape(p, petal({30, 41}, 30, 9, 5), kBugGreen, 0.6);
    QPainterPath loop({7, 39});
    loop.cubicTo({7, 14}, {30, 14}, {30, 39});
    band(p, loop, QColor(150, 210, 80), 4.0, 0.8);
    for (int i = 1; i < 10; ++i) {
        const QPointF at = loop.pointAtPercent(i / 10.0);
        const qreal a = loop.angleAtPercent(i / 10.0);
        stroke(p, polyline({polar(at, 2, -a), polar(at, -2, -a)}), QColor(90, 150, 40), 0.5);
    }
    inkShape(p, circle({30.5, 37}, 2.6), QColor(150, 210, 80), 0.6);
    fill(p, circle({31.5, 36}, 0.7), kShell);
}

void jewelBeetle(QPainter& p) {
    const QColor jewel{30, 150, 120};
    legs(p, {{15, 20}, {9, 17}, {7, 13}});
    legs(p, {{15, 26}, {8, 28}, {6, 32}});
    legs(p, {{15, 31}, {10, 37}, {9, 42}});
    antennae(p, {17.5, 8}, {15, 3}, {12, 3});
    QPainterPath wings({13, 18});
    wings.lineTo(26, 18);
    wings.cubicTo({27, 30}, {24, 42}, {19.5, 47});
    wings.cubicTo({15, 42}, {12, 30}, {13, 18});
    inkShape(p, wings, jewel);
    stroke(p, polyline({{19.5, 18}, {19.5, 46}}), kLine, 0.8);
    for (int side : {-1, 1})
        stroke(p, curve({19.5 + side * 3.4, 20}, {19.5 + side * 4.6, 32}, {19.5 + side * 1.8, 43}),
               QColor(120, 230, 200), 0.9);
    inkShape(p, rect(QRectF(13.5, 11, 12, 7.5), 2.6), QColor(40, 90, 170));
    fill(p, rect(QRectF(15, 12.5, 3, 2)), QColor(140, 190, 250));
    inkShape(p, ellipse({19.5, 9}, 4, 2.6), QColor(40, 90, 170));
}

void jumpingSpider(QPainter& p) {
    const QColor fur{60, 50, 46};
    for (int side : {-1, 1})
        for (int i = 0; i < 3; ++i) {
            const qreal y = 30 + i * 4;
            band(p,
                 polyline({{19.5 + side * 8, y},
                           {19.5 + side * 14, y - 4 + i * 3.0},
                           {19.5 + side * 17, y + 6 + i * 2.0}}),
                 fur, 2.0, 0.5);
        }
    inkShape(p, ellipse({19.5, 27}, 12, 11), fur);
    for (int side : {-1, 1}) {
        inkShape(p, circle({19.5 + side * 4.2, 24}, 3.8), kShell, 0.6);
        fill(p, circle({19.5 + side * 3.4, 23}, 1.2), kEye);
        inkShape(p, circle({19.5 + side * 10, 20.5}, 1.8), kShell, 0.5);
        fill(p, circle({19.5 + side * 9.6, 20}, 0.5), kEye);
        band(p, polyline({{19.5 + side * 2.4, 31}, {19.5 + side * 3.2, 37}}), QColor(230, 200, 90),
             2.0, 0.5);
    }
    stroke(p, curve({10, 17}, {19.5, 13}, {29, 17}), QColor(240, 150, 40), 1.6);
}

void grub(QPainter& p) {
    QPainterPath grub({30, 13});
    grub.cubicTo({6, 6}, {2, 40}, {26, 38});
    band(p, grub, QColor(246, 236, 210), 9.0, 0.8);
    for (int i = 1; i < 9; ++i) {
        const QPointF at = grub.pointAtPercent(i / 9.0);
        const qreal a = grub.angleAtPercent(i / 9.0);
        stroke(p, polyline({polar(at, 4.2, -a), polar(at, -4.2, -a)}), QColor(200, 180, 140), 0.6);
    }
    for (int i = 0; i < 3; ++i) {
        const QPointF at = grub.pointAtPercent(0.12 + i * 0.06);
        stroke(p, polyline({at + QPointF(0, 4), at + QPointF(2, 8)}), QColor(190, 120, 60), 1.0);
    }
    inkShape(p, circle({31, 12.5}, 4), QColor(210, 120, 50));
    fill(p, rect(QRectF(33.5, 12, 2.4, 2)), kShell);
}

using Painter = void (*)(QPainter&);
const std::array<Painter, 36> kCreatures{
    ladybird,     spider,      snail,       ant,         butterfly,     earthworm,
    bee,          dragonfly,   caterpillar, scorpion,    centipede,     stagBeetle,
    houseFly,     grasshopper, moth,        mosquito,    slug,          woodlouse,
    mantis,       gecko,       firefly,     wasp,        millipede,     cockroach,
    waterStrider, cicada,      weevil,      crab,        stickInsect,   earwig,
    cricket,      silverfish,  inchworm,    jewelBeetle, jumpingSpider, grub,
};

}  // namespace

void paintCrawlerFace(QPainter& p, int face) {
    if (face >= 0 && face < static_cast<int>(kCreatures.size()))
        kCreatures[static_cast<std::size_t>(face)](p);
}

}  // namespace varnel::art
