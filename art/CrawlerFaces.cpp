// Creepy Crawlers: thirty-six small creatures. They are told apart by their build first (round,
// long, winged, coiled, many-legged, seen from above or from the side) and by colour second.
#include <array>
#include <cmath>

#include "Ink.h"
#include "TileSets.h"

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

QPainterPath Curve(QPointF from, QPointF control, QPointF to) {
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

void Leg(QPainter& p, std::initializer_list<QPointF> joints, qreal width = 1.0,
         const QColor& colour = kShell) {
    Stroke(p, Polyline(joints), colour, width);
}

// A pair of legs mirrored about the creature's long axis at x = 19.5.
void Legs(QPainter& p, std::initializer_list<QPointF> joints, qreal width = 1.0,
          const QColor& colour = kShell) {
    QPainterPath path = Polyline(joints);
    Stroke(p, path, colour, width);
    Stroke(p, MirroredX(path, 19.5), colour, width);
}

void Antennae(QPainter& p, QPointF from, QPointF control, QPointF to, qreal width = 0.8) {
    Stroke(p, Curve(from, control, to), kShell, width);
    Stroke(p, MirroredX(Curve(from, control, to), 19.5), kShell, width);
}

void GlassWing(QPainter& p, const QPainterPath& wing) {
    Shape(p, wing, kWingGlass, 0.7);
}

void Ladybird(QPainter& p) {
    Legs(p, {{14, 20}, {8, 17}, {6, 13}});
    Legs(p, {{13, 27}, {6, 28}, {4, 31}});
    Legs(p, {{14, 34}, {8, 39}, {7, 44}});
    Antennae(p, {17.5, 9}, {15, 4}, {12, 4});
    Shape(p, Ellipse({19.5, 11}, 6.5, 4.4), kShell);
    Fill(p, Ellipse({15.5, 10.5}, 1.6, 1.3), kEye);
    Fill(p, Ellipse({23.5, 10.5}, 1.6, 1.3), kEye);
    QPainterPath shell = Ellipse({19.5, 28}, 13, 15);
    Shape(p, shell, kBugRed);
    Stroke(p, Polyline({{19.5, 13}, {19.5, 43}}), kLine, 1.0);
    for (QPointF spot : {QPointF(13, 20), QPointF(11.5, 30), QPointF(15, 38), QPointF(17, 27)}) {
        Fill(p, Circle(spot, spot.x() < 16 ? 2.6 : 1.8), kShell);
        Fill(p, Circle({39 - spot.x(), spot.y()}, spot.x() < 16 ? 2.6 : 1.8), kShell);
    }
    Fill(p, Ellipse({14, 17}, 2.4, 1.2, -30), QColor(250, 150, 130));
}

void Spider(QPainter& p) {
    Stroke(p, Polyline({{19.5, 0}, {19.5, 18}}), QColor(150, 150, 160), 0.6);
    for (int i = 0; i < 4; ++i) {
        const qreal y = 22 + i * 2.6;
        const qreal spread = 11 + (i == 1 || i == 2 ? 4 : 0);
        Legs(p, {{17, y}, {17 - spread * 0.6, y - 7 + i * 3.0}, {17 - spread, y + 2 + i * 4.0}},
             1.3);
    }
    Shape(p, Circle({19.5, 21}, 4.8), kShell);
    Shape(p, Ellipse({19.5, 33}, 7.5, 8.5), kShell);
    Shape(p, Polygon({{19.5, 28}, {22, 33}, {19.5, 38}, {17, 33}}), kBugRed,
          0.4);  // the hourglass mark
    for (int side : {-1, 1}) Fill(p, Circle({19.5 + side * 1.6, 18.6}, 0.8), QColor(230, 230, 230));
}

void Snail(QPainter& p) {
    QPainterPath body({4, 42});
    body.cubicTo({4, 36}, {9, 35}, {14, 36});
    body.lineTo(30, 37);
    body.cubicTo({34, 37}, {37, 40}, {37, 43});
    body.lineTo(4, 43);
    body.closeSubpath();
    const QColor skin{170, 160, 120};
    Stroke(p, Polyline({{8, 36}, {5, 26}}), skin.darker(140), 1.2);
    Stroke(p, Polyline({{10, 36}, {10, 27}}), skin.darker(140), 1.2);
    Fill(p, Circle({5, 26}, 1.3), kShell);
    Fill(p, Circle({10, 27}, 1.3), kShell);
    Shape(p, body, skin);
    const QPointF c{23, 24};
    Shape(p, Circle(c, 12.5), QColor(220, 130, 50));
    QPainterPath spiral(Polar(c, 0.6, 0));
    for (int i = 1; i <= 40; ++i) spiral.lineTo(Polar(c, 0.6 + i * 0.28, i * 24.0));
    Stroke(p, spiral, QColor(120, 60, 20), 1.4);
    Stroke(p, Curve({14, 16}, {17, 12}, {22, 12}), QColor(250, 200, 140), 1.0);
}

void Ant(QPainter& p) {
    const QColor ant{60, 34, 26};
    Legs(p, {{17, 24}, {9, 18}, {5, 20}}, 1.0, ant);
    Legs(p, {{17, 26}, {8, 27}, {4, 32}}, 1.0, ant);
    Legs(p, {{17, 28}, {10, 36}, {8, 43}}, 1.0, ant);
    Antennae(p, {18, 9}, {13, 4}, {10, 8}, 0.9);
    Shape(p, Ellipse({19.5, 11.5}, 5, 4.6), ant);
    Shape(p, Ellipse({19.5, 24}, 3.4, 6.5), ant);
    Shape(p, Ellipse({19.5, 39}, 7, 8.5), ant);
    for (int side : {-1, 1}) Fill(p, Circle({19.5 + side * 2.8, 10}, 1), QColor(200, 160, 120));
    Fill(p, Ellipse({17, 36}, 2, 3.5, 20), QColor(140, 90, 70));
    Stroke(p, Polyline({{17.5, 7.5}, {21.5, 7.5}}), QColor(200, 160, 120), 0.5);
}

void Butterfly(QPainter& p) {
    const QColor blue{40, 110, 220};
    const QColor orange{246, 140, 30};
    for (int side : {-1, 1}) {
        QPainterPath upper({19.5, 20});
        upper.cubicTo({19.5 + side * 6, 4}, {19.5 + side * 20, 2}, {19.5 + side * 18, 12});
        upper.cubicTo({19.5 + side * 17, 20}, {19.5 + side * 10, 24}, {19.5, 22});
        Shape(p, upper, blue);
        Shape(p, Circle({19.5 + side * 12, 11}, 2.6), kEye, 0.6);
        Fill(p, Circle({19.5 + side * 12, 11}, 1.2), kShell);
        QPainterPath lower({19.5, 24});
        lower.cubicTo({19.5 + side * 16, 22}, {19.5 + side * 18, 34}, {19.5 + side * 12, 39});
        lower.cubicTo({19.5 + side * 6, 43}, {19.5 + side * 3, 36}, {19.5, 28});
        Shape(p, lower, orange);
        Fill(p, Circle({19.5 + side * 10, 31}, 1.6), kShell);
        Stroke(p, Curve({19.5 + side * 3, 8}, {19.5 + side * 12, 4}, {19.5 + side * 17, 10}),
               kShell, 1.2);
    }
    Antennae(p, {19, 14}, {16, 6}, {14, 3});
    Fill(p, Circle({14, 3}, 0.9), kShell);
    Fill(p, Circle({25, 3}, 0.9), kShell);
    Shape(p, Ellipse({19.5, 24}, 1.8, 11), kShell);
}

void Earthworm(QPainter& p) {
    QPainterPath worm({6, 44});
    worm.cubicTo({2, 30}, {22, 34}, {20, 22});
    worm.cubicTo({18, 10}, {32, 6}, {33, 14});
    Band(p, worm, QColor(230, 130, 140), 5.2, 0.9);
    for (int i = 1; i < 14; ++i) {
        const QPointF at = worm.pointAtPercent(i / 14.0);
        const qreal a = worm.angleAtPercent(i / 14.0);
        const QPointF n = Polar(at, 2.4, -a);
        Stroke(p, Polyline({n, Polar(at, -2.4, -a)}), QColor(190, 80, 100), 0.5);
    }
    const QPointF clitellum = worm.pointAtPercent(0.62);
    Fill(p, Circle(clitellum, 3), QColor(210, 90, 100));
    Fill(p, Circle({32.4, 12.6}, 0.7), kShell);
    QPainterPath soil({0, 48});
    soil.cubicTo({12, 44}, {26, 50}, {39, 46});
    soil.lineTo(39, 50);
    soil.lineTo(0, 50);
    Shape(p, soil, QColor(130, 90, 60), 0.7);
}

void Bee(QPainter& p) {
    for (int side : {-1, 1}) {
        GlassWing(p, Ellipse({19.5 + side * 9, 17}, 8.5, 5, side * -30));
        GlassWing(p, Ellipse({19.5 + side * 8, 25}, 6, 3.6, side * -10));
    }
    Legs(p, {{16, 30}, {11, 34}, {10, 38}}, 1.0);
    Legs(p, {{16, 34}, {12, 39}, {12, 44}}, 1.0);
    Antennae(p, {18, 9}, {15, 4}, {13, 2});
    const QPainterPath body = Ellipse({19.5, 33}, 8, 11);
    Shape(p, body, QColor(250, 196, 30));
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    for (int i = 0; i < 3; ++i) Fill(p, Rect(QRectF(10, 28 + i * 5.6, 20, 2.8)), kShell);
    p.restore();
    Stroke(p, body, kLine, kOutline);
    Shape(p, Polygon({{18.4, 43.5}, {20.6, 43.5}, {19.5, 47}}), kShell, 0.5);
    Shape(p, Ellipse({19.5, 19.5}, 6, 4.6), QColor(140, 100, 40));
    Shape(p, Circle({19.5, 11}, 4.2), kShell);
    for (int side : {-1, 1})
        Fill(p, Ellipse({19.5 + side * 2.4, 10.6}, 1.2, 1.8), QColor(120, 110, 100));
}

void Dragonfly(QPainter& p) {
    for (int side : {-1, 1}) {
        GlassWing(p, Ellipse({19.5 + side * 10, 12}, 10, 2.8, side * 8));
        GlassWing(p, Ellipse({19.5 + side * 10, 18}, 9.5, 2.6, side * -8));
        Stroke(p, Polyline({{19.5 + side * 2, 12}, {19.5 + side * 18, 13.5}}), kVein, 0.5);
        Stroke(p, Polyline({{19.5 + side * 2, 18}, {19.5 + side * 17, 16.5}}), kVein, 0.5);
        Fill(p, Ellipse({19.5 + side * 17, 13.2}, 1.2, 0.8), QColor(60, 80, 120));
    }
    Shape(p, Ellipse({19.5, 15}, 2.8, 5), QColor(30, 110, 170));
    QPainterPath tail({19.5, 19});
    tail.lineTo(19.5, 47);
    Band(p, tail, QColor(40, 150, 210), 2.4, 0.6);
    for (int i = 0; i < 8; ++i)
        Stroke(p, Polyline({{18.3, 22.0 + i * 3.1}, {20.7, 22.0 + i * 3.1}}), QColor(20, 70, 120),
               0.6);
    Shape(p, Ellipse({19.5, 8}, 4.2, 3), QColor(30, 110, 170));
    for (int side : {-1, 1})
        Shape(p, Circle({19.5 + side * 2.6, 7.2}, 2), QColor(90, 200, 230), 0.6);
}

void Caterpillar(QPainter& p) {
    const QColor green{110, 190, 60};
    Stroke(p, Polyline({{0, 44}, {39, 44}}), QColor(110, 80, 50), 2.0);
    // The body humps up in the middle, a chain of round segments.
    const QPointF segments[8] = {{5, 38},      {8.5, 34},  {12.5, 30.5}, {17, 29},
                                 {21.5, 30.5}, {25.5, 34}, {29, 38},     {32, 33}};
    for (int i = 0; i < 7; ++i) {
        if (i != 2 && i != 3)
            Leg(p, {segments[i] + QPointF(0, 3), segments[i] + QPointF(0, 6)}, 1.4,
                kBugGreen.darker(150));
        Shape(p, Circle(segments[i], 4.4), green);
        Fill(p, Circle(segments[i] + QPointF(0, -1.2), 1.3), QColor(250, 210, 50));
        Fill(p, Circle(segments[i] + QPointF(0, -1.2), 0.6), kShell);
    }
    Shape(p, Circle(segments[7] + QPointF(0.5, -3), 5.2), QColor(90, 170, 50));
    Fill(p, Circle({34.5, 28}, 1.2), kShell);
    Stroke(p, Polyline({{31.5, 25.5}, {30, 21}}), kShell, 0.8);
    Stroke(p, Polyline({{34, 25.5}, {35.5, 21}}), kShell, 0.8);
    Stroke(p, Curve({34.5, 32}, {33.5, 33.5}, {32, 33.4}), kShell, 0.6);
}

void Scorpion(QPainter& p) {
    const QColor scorpion{150, 90, 40};
    QPainterPath tail({19.5, 30});
    tail.cubicTo({19.5, 44}, {33, 46}, {32, 32});
    tail.cubicTo({31.5, 27}, {27, 26}, {26, 30});
    Band(p, tail, scorpion, 3.4, 0.7);
    for (int i = 1; i < 6; ++i) {
        const QPointF at = tail.pointAtPercent(i / 6.0);
        Fill(p, Circle(at, 0.6), QColor(90, 50, 20));
    }
    Shape(p, Petal({26, 30}, 220, 4.5, 2.6), kShell, 0.5);
    for (int i = 0; i < 4; ++i)
        Legs(p, {{17, 20 + i * 3.0}, {10, 18 + i * 4.0}, {7, 22 + i * 5.0}}, 0.9,
             scorpion.darker(140));
    for (int side : {-1, 1}) {
        Band(p, Polyline({{19.5 + side * 3, 14}, {19.5 + side * 9, 11}, {19.5 + side * 11, 6}}),
             scorpion, 1.8, 0.5);
        Shape(p, Ellipse({19.5 + side * 11.5, 4.5}, 2.8, 3.4, side * 20), scorpion, 0.6);
        Fill(
            p,
            Polygon({{19.5 + side * 11.5, 2.5}, {19.5 + side * 11.5, 5}, {19.5 + side * 8.5, 1.5}}),
            kLine);
    }
    Shape(p, Ellipse({19.5, 23}, 5, 9), scorpion);
    for (int i = 0; i < 4; ++i)
        Stroke(p, Polyline({{15.5, 20 + i * 3.0}, {23.5, 20 + i * 3.0}}), QColor(100, 60, 30), 0.6);
    Shape(p, Ellipse({19.5, 15}, 4.4, 3.6), scorpion);
}

void Centipede(QPainter& p) {
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
            const QPointF knee = Polar(at, 5.5, out);
            Stroke(p, Polyline({at, knee, Polar(knee, 2.4, out - side * 60)}), legs, 1.0);
        }
    }
    Band(p, spine, body, 4.6, 0.7);
    for (int i = 1; i < 15; ++i) {
        const qreal t = i / 15.0;
        const QPointF at = spine.pointAtPercent(t);
        const qreal a = spine.angleAtPercent(t);
        Stroke(p, Polyline({Polar(at, 2.3, -a), Polar(at, 2.3, 180 - a)}), QColor(110, 40, 10),
               0.7);
    }
    Shape(p, Circle({30, 8.5}, 3.4), QColor(130, 50, 20));
    Stroke(p, Curve({28.5, 6}, {25, 0}, {19, 2}), kShell, 0.9);
    Stroke(p, Curve({32, 6}, {35, 1}, {38, 4}), kShell, 0.9);
    Stroke(p, Polyline({{28, 11}, {26.5, 13}}), kShell, 0.9);
    Stroke(p, Polyline({{32, 11}, {33.5, 13}}), kShell, 0.9);
}

void StagBeetle(QPainter& p) {
    const QColor chestnut{110, 50, 24};
    Legs(p, {{15, 22}, {8, 19}, {5, 15}}, 1.1);
    Legs(p, {{15, 30}, {7, 31}, {4, 35}}, 1.1);
    Legs(p, {{15, 36}, {9, 41}, {8, 46}}, 1.1);
    for (int side : {-1, 1}) {
        QPainterPath jaw({19.5 + side * 3, 15});
        jaw.cubicTo({19.5 + side * 9, 12}, {19.5 + side * 10, 5}, {19.5 + side * 4, 1.5});
        Band(p, jaw, chestnut, 2.2, 0.6);
        Stroke(p, Polyline({{19.5 + side * 8.6, 8}, {19.5 + side * 6, 8.6}}), chestnut, 1.4);
    }
    Shape(p, Rect(QRectF(14, 13, 11, 6), 2), kShell);
    Shape(p, Rect(QRectF(12.5, 18.5, 14, 7), 2.5), kShell);
    QPainterPath wings = Ellipse({19.5, 35}, 8, 11);
    Shape(p, wings, chestnut);
    Stroke(p, Polyline({{19.5, 25}, {19.5, 46}}), kLine, 0.9);
    Stroke(p, Curve({15, 28}, {14, 34}, {15.5, 40}), QColor(180, 110, 70), 1.0);
}

void HouseFly(QPainter& p) {
    for (int side : {-1, 1}) {
        QPainterPath wing({19.5 + side * 2, 22});
        wing.cubicTo({19.5 + side * 14, 20}, {19.5 + side * 18, 36}, {19.5 + side * 10, 38});
        wing.cubicTo({19.5 + side * 5, 38}, {19.5 + side * 3, 30}, {19.5 + side * 2, 22});
        GlassWing(p, wing);
        Stroke(p, Curve({19.5 + side * 4, 24}, {19.5 + side * 11, 27}, {19.5 + side * 12, 35}),
               kVein, 0.5);
    }
    Legs(p, {{17, 18}, {10, 15}, {8, 9}});
    Legs(p, {{17, 21}, {8, 23}, {5, 27}});
    Legs(p, {{17, 24}, {11, 33}, {10, 40}});
    Shape(p, Ellipse({19.5, 32}, 4.6, 8), QColor(110, 110, 100));
    for (int i = 0; i < 3; ++i)
        Stroke(p, Polyline({{15.5, 29 + i * 3.0}, {23.5, 29 + i * 3.0}}), kShell, 0.6);
    Shape(p, Ellipse({19.5, 20}, 5, 4.2), QColor(80, 80, 76));
    Stroke(p, Polyline({{17.5, 18}, {17.5, 22}}), kShell, 0.6);
    Stroke(p, Polyline({{21.5, 18}, {21.5, 22}}), kShell, 0.6);
    Shape(p, Ellipse({19.5, 12.5}, 5, 3.8), QColor(80, 80, 76));
    for (int side : {-1, 1})
        Shape(p, Ellipse({19.5 + side * 3.4, 12}, 3, 3.6), QColor(180, 30, 30), 0.6);
}

void Grasshopper(QPainter& p) {
    const QColor green{96, 170, 56};
    Stroke(p, Polyline({{0, 45}, {39, 45}}), QColor(100, 140, 60), 1.6);
    Leg(p, {{12, 30}, {11, 38}, {9, 45}}, 1.0);
    Leg(p, {{16, 30}, {17, 38}, {15, 45}}, 1.0);
    QPainterPath body({6, 25});
    body.cubicTo({8, 20}, {26, 20}, {36, 28});
    body.cubicTo({28, 32}, {10, 32}, {6, 25});
    Shape(p, body, green);
    Shape(p, Petal({13, 24}, 96, 21, 5), QColor(70, 140, 40), 0.7);
    // The big jumping leg, folded high.
    QPainterPath thigh({21, 27});
    thigh.cubicTo({24, 17}, {30, 15}, {32, 16});
    thigh.cubicTo({31, 21}, {26, 28}, {24, 30});
    thigh.closeSubpath();
    Shape(p, thigh, QColor(120, 190, 70));
    Leg(p, {{32, 16}, {35, 44}, {38, 45}}, 1.1, QColor(60, 110, 30));
    Shape(p, Ellipse({7, 23}, 4.2, 5, 20), green);
    Fill(p, Ellipse({6, 21.5}, 1.4, 1.8), kShell);
    Stroke(p, Curve({5, 19}, {6, 8}, {18, 3}), kShell, 0.7);
}

void Moth(QPainter& p) {
    const QColor dust{176, 150, 116};
    const QColor dark{110, 84, 60};
    for (int side : {-1, 1}) {
        QPainterPath wing({19.5, 14});
        wing.lineTo(19.5 + side * 18.5, 30);
        wing.cubicTo({19.5 + side * 17, 38}, {19.5 + side * 8, 40}, {19.5, 34});
        wing.closeSubpath();
        Shape(p, wing, dust);
        Stroke(p, Curve({19.5 + side * 4, 22}, {19.5 + side * 10, 26}, {19.5 + side * 16, 30}),
               dark, 0.8);
        Shape(p, Circle({19.5 + side * 10, 32}, 2.8), QColor(240, 220, 180), 0.6);
        Fill(p, Circle({19.5 + side * 10, 32}, 1.4), kShell);
    }
    for (int side : {-1, 1}) {
        QPainterPath feeler({19.5 + side * 1.5, 12});
        feeler.quadTo(19.5 + side * 6, 4, 19.5 + side * 11, 5);
        Stroke(p, feeler, dark, 0.8);
        for (int i = 1; i < 5; ++i) {
            const QPointF at = feeler.pointAtPercent(i / 5.0);
            Stroke(p, Polyline({at, at + QPointF(side * 0.8, -1.8)}), dark, 0.5);
            Stroke(p, Polyline({at, at + QPointF(side * 1.4, 1.2)}), dark, 0.5);
        }
    }
    Shape(p, Ellipse({19.5, 26}, 3, 13), QColor(140, 110, 80));
    for (int i = 0; i < 4; ++i)
        Stroke(p, Polyline({{17, 28 + i * 3.0}, {22, 28 + i * 3.0}}), dark, 0.6);
}

void Mosquito(QPainter& p) {
    for (int i = 0; i < 3; ++i) {
        const qreal x = 14 + i * 5;
        Leg(p, {{x + 2, 24}, {x - 4 + i * 3.0, 34}, {x - 8 + i * 6.0, 47}}, 0.6);
    }
    GlassWing(p, Petal({18, 20}, 60, 19, 5));
    Stroke(p, Polyline({{19, 19.5}, {34, 12}}), kVein, 0.5);
    QPainterPath body({17, 22});
    body.cubicTo({24, 20}, {32, 24}, {37, 29});
    body.cubicTo({31, 28}, {24, 26}, {17, 24});
    Shape(p, body, QColor(100, 90, 80));
    for (int i = 0; i < 4; ++i)
        Stroke(p,
               Polyline(
                   {QPointF(22 + i * 3.4, 21.8 + i * 1.4), QPointF(22 + i * 3.4, 24.8 + i * 1.2)}),
               QColor(230, 230, 220), 0.6);
    Shape(p, Ellipse({15, 21}, 3.4, 2.8), QColor(80, 70, 64));
    Shape(p, Circle({10.5, 19}, 2.4), QColor(80, 70, 64));
    Fill(p, Circle({10, 18.4}, 1.2), QColor(180, 40, 40));
    Stroke(p, Polyline({{8.5, 20}, {2, 26}}), kShell, 0.7);  // the sharp mouth
    Stroke(p, Curve({9, 17.5}, {6, 12}, {2, 11}), kShell, 0.6);
}

void Slug(QPainter& p) {
    const QColor slug{236, 140, 36};
    Stroke(p, Polyline({{0, 42}, {39, 42}}), QColor(110, 150, 70), 1.4);
    QPainterPath body({3, 41});
    body.cubicTo({5, 31}, {12, 27}, {19, 28});
    body.cubicTo({27, 29}, {33, 33}, {37, 41});
    body.closeSubpath();
    Stroke(p, Polyline({{7, 31}, {4, 21}}), slug.darker(130), 1.4);
    Stroke(p, Polyline({{10, 30}, {10, 21}}), slug.darker(130), 1.4);
    Fill(p, Circle({4, 21}, 1.4), kShell);
    Fill(p, Circle({10, 21}, 1.4), kShell);
    Shape(p, body, slug);
    Shape(p, Ellipse({20, 31.5}, 7, 3.4), QColor(246, 170, 60), 0.6);  // the mantle
    for (QPointF d : {QPointF(16, 36), QPointF(24, 37), QPointF(29, 38.5), QPointF(10, 37)})
        Fill(p, Circle(d, 0.9), QColor(150, 70, 10));
    Stroke(p, Curve({37, 41}, {39, 36}, {39, 30}), QColor(200, 220, 230), 0.6);
}

void Woodlouse(QPainter& p) {
    const QColor armour{120, 124, 134};
    for (int i = 0; i < 7; ++i) Legs(p, {{14, 16 + i * 3.6}, {8, 17 + i * 3.6}}, 0.9);
    Antennae(p, {17, 8}, {11, 4}, {8, 6}, 0.9);
    Shape(p, Ellipse({19.5, 27}, 10, 18), armour);
    for (int i = 0; i < 8; ++i) {
        const qreal y = 12.5 + i * 3.8;
        const qreal half = std::sqrt(std::max(0.0, 1 - std::pow((y - 27) / 18, 2))) * 10;
        Stroke(p, Curve({19.5 - half, y}, {19.5, y + 1.6}, {19.5 + half, y}), QColor(70, 72, 80),
               0.8);
    }
    Stroke(p, Polyline({{19.5, 12}, {19.5, 43}}), QColor(160, 164, 174), 0.8);
    Shape(p, Polygon({{15, 44}, {19.5, 47}, {24, 44}}), armour, 0.6);
}

void Mantis(QPainter& p) {
    const QColor green{100, 180, 70};
    Stroke(p, Polyline({{0, 47}, {39, 47}}), QColor(110, 80, 50), 1.4);
    Leg(p, {{22, 33}, {16, 40}, {14, 47}}, 1.0, QColor(60, 120, 40));
    Leg(p, {{26, 34}, {30, 41}, {32, 47}}, 1.0, QColor(60, 120, 40));
    Shape(p, Petal({21, 28}, 155, 18, 7), green);  // the long abdomen
    Band(p, Curve({21, 29}, {18, 20}, {16, 12}), green, 2.8, 0.6);
    // The folded praying arms.
    Band(p, Polyline({{17, 17}, {11, 22}, {13, 14}}), QColor(120, 200, 80), 1.8, 0.5);
    Leg(p, {{13, 14}, {10, 10}}, 0.8, QColor(60, 120, 40));
    Shape(p, Polygon({{11, 6}, {21, 6}, {16, 13}}), green);
    for (int side : {-1, 1})
        Shape(p, Circle({16 + side * 4.6, 6.6}, 1.8), QColor(210, 220, 100), 0.5);
    Stroke(p, Curve({14, 5}, {10, 1}, {5, 2}), kShell, 0.5);
    Stroke(p, Curve({18, 5}, {22, 1}, {27, 1}), kShell, 0.5);
}

void Gecko(QPainter& p) {
    const QColor skin{60, 170, 120};
    QPainterPath tail({19.5, 33});
    tail.cubicTo({19.5, 42}, {30, 44}, {32, 38});
    tail.cubicTo({33, 34}, {28, 34}, {29, 38});
    Band(p, tail, skin, 3.2, 0.7);
    for (int side : {-1, 1})
        for (int i = 0; i < 2; ++i) {
            const qreal y = 16 + i * 15;
            QPainterPath leg({19.5, y});
            leg.lineTo(19.5 + side * 8, y + (i ? 4 : -4));
            leg.lineTo(19.5 + side * 11, y + (i ? 9 : -7));
            Band(p, leg, skin, 2.2, 0.6);
            const QPointF toe{19.5 + side * 11, y + (i ? 9.0 : -7.0)};
            for (int t = -1; t <= 1; ++t)
                Shape(p, Circle(Polar(toe, 2, side * 90 + t * 45 + (i ? 30 : -30) * side), 1), skin,
                      0.4);
        }
    Shape(p, Ellipse({19.5, 24}, 4.6, 11), skin);
    Shape(p, Ellipse({19.5, 9}, 4.4, 5.4), skin);
    for (int side : {-1, 1})
        Shape(p, Circle({19.5 + side * 3.4, 7.4}, 1.6), QColor(250, 210, 60), 0.5);
    for (int i = 0; i < 4; ++i)
        Fill(p, Circle({19.5 + (i % 2 ? 1.6 : -1.6), 18.0 + i * 4}, 1), QColor(250, 140, 40));
}

void Firefly(QPainter& p) {
    // The glow of its tail lights up the night round it.
    Fill(p, Circle({26, 33}, 12), QColor(250, 244, 170));
    Fill(p, Circle({26, 33}, 8), QColor(252, 236, 110));
    Legs(p, {{17, 24}, {11, 27}, {10, 31}}, 0.9);
    for (int side : {-1, 1}) GlassWing(p, Ellipse({19.5 + side * 4, 22}, 3, 9, side * 22));
    QPainterPath body = Ellipse({19.5, 24}, 4.8, 12, -35);
    Shape(p, body, QColor(60, 50, 50));
    Shape(p, Ellipse({25.5, 32.5}, 4.2, 4.8, -35), QColor(250, 226, 40));
    Shape(p, Ellipse({14, 14.5}, 4, 3, -35), QColor(230, 90, 50));
    Fill(p, Circle({12, 12.8}, 1.2), kShell);
    Antennae(p, {12, 12}, {8, 4}, {4, 4}, 0.7);
}

void Wasp(QPainter& p) {
    const QColor yellow{252, 210, 20};
    GlassWing(p, Petal({19, 18}, 70, 18, 6));
    GlassWing(p, Petal({19, 19}, 95, 15, 5));
    Leg(p, {{14, 22}, {12, 30}, {9, 36}}, 0.8);
    Leg(p, {{18, 22}, {19, 31}, {18, 37}}, 0.8);
    const QPainterPath abdomen = Ellipse({28, 30}, 8.5, 5.2, 30);
    Shape(p, abdomen, yellow);
    p.save();
    p.setClipPath(abdomen, Qt::IntersectClip);
    for (int i = 0; i < 3; ++i)
        Stroke(p, Polyline({QPointF(22 + i * 4.4, 22), QPointF(18 + i * 4.4, 34)}), kShell, 1.6);
    p.restore();
    Stroke(p, abdomen, kLine, kOutline);
    Shape(p, Polygon({{34.5, 34.5}, {38, 38.5}, {33, 36.5}}), kShell, 0.4);
    Stroke(p, Polyline({{20, 23}, {22, 26}}), kShell, 1.0);  // the narrow waist
    Shape(p, Ellipse({16, 20.5}, 5, 3.6, 20), kShell);
    Fill(p, Ellipse({15.4, 19.2}, 2.4, 0.8, 20), yellow);
    Shape(p, Circle({9.5, 17.5}, 3.4), yellow);
    Fill(p, Ellipse({8.6, 16.6}, 1.2, 1.8), kShell);
    Stroke(p, Curve({8, 15}, {6, 8}, {10, 5}), kShell, 0.7);
}

void Millipede(QPainter& p) {
    const QPointF c{19.5, 25};
    QPainterPath coil(Polar(c, 3, 0));
    for (int i = 1; i <= 60; ++i) coil.lineTo(Polar(c, 3 + i * 0.2, i * 10.5));
    for (int i = 2; i <= 60; i += 2) {
        const QPointF at = coil.pointAtPercent(i / 60.0);
        const qreal a = i * 10.5;
        Stroke(p, Polyline({Polar(at, -2.5, a), Polar(at, 2.8, a)}), QColor(200, 170, 150), 0.6);
    }
    Band(p, coil, QColor(70, 40, 40), 3.8, 0.7);
    for (int i = 3; i <= 60; i += 3) {
        const QPointF at = coil.pointAtPercent(i / 60.0);
        Fill(p, Circle(at, 0.9), QColor(240, 130, 60));
    }
    const QPointF head = coil.pointAtPercent(1.0);
    Shape(p, Circle(head, 2.8), QColor(70, 40, 40));
    Stroke(p, Curve(head, head + QPointF(5, -3), head + QPointF(6, -7)), kShell, 0.7);
}

void Cockroach(QPainter& p) {
    const QColor brown{150, 80, 36};
    Legs(p, {{15, 20}, {7, 16}, {3, 18}}, 0.9);
    Legs(p, {{15, 26}, {6, 28}, {3, 34}}, 0.9);
    Legs(p, {{16, 32}, {9, 40}, {8, 48}}, 0.9);
    Stroke(p, Curve({17, 11}, {8, 4}, {2, 10}), kShell, 0.7);
    Stroke(p, Curve({22, 11}, {31, 4}, {37, 10}), kShell, 0.7);
    Shape(p, Ellipse({19.5, 31}, 8.5, 14), brown);
    Stroke(p, Polyline({{19.5, 20}, {19.5, 45}}), QColor(90, 40, 16), 0.9);
    Fill(p, Ellipse({16, 28}, 2, 7, 5), QColor(190, 120, 70));
    Shape(p, Ellipse({19.5, 15}, 7, 4.6), QColor(200, 150, 90));
    Fill(p, Ellipse({19.5, 15}, 3.6, 2.4), QColor(110, 60, 30));
    Shape(p, Ellipse({19.5, 11}, 3, 2), kShell, 0.5);
}

void WaterStrider(QPainter& p) {
    for (int r = 0; r < 3; ++r)
        for (QPointF dimple : {QPointF(5, 22), QPointF(34, 22), QPointF(4, 41), QPointF(35, 41),
                               QPointF(11, 6), QPointF(28, 6)})
            Stroke(p, Ellipse(dimple, 1.6 + r * 1.6, 0.6 + r * 0.6), QColor(110, 160, 220), 0.6);
    Legs(p, {{18, 20}, {12, 14}, {11, 6}}, 0.7);
    Legs(p, {{18, 24}, {10, 20}, {5, 22}}, 0.7);
    Legs(p, {{18.5, 27}, {10, 34}, {4, 41}}, 0.7);
    Shape(p, Ellipse({19.5, 26}, 2.6, 11), QColor(60, 56, 60));
    Shape(p, Ellipse({19.5, 14}, 2, 2.6), QColor(60, 56, 60));
    Stroke(p, Polyline({{18.5, 12}, {16, 7}}), kShell, 0.5);
    Stroke(p, Polyline({{20.5, 12}, {23, 7}}), kShell, 0.5);
}

void Cicada(QPainter& p) {
    for (int side : {-1, 1}) {
        QPainterPath wing({19.5 + side * 3, 17});
        wing.cubicTo({19.5 + side * 14, 18}, {19.5 + side * 14, 36}, {19.5 + side * 4, 46});
        wing.cubicTo({19.5 + side * 2, 40}, {19.5 + side * 2, 26}, {19.5 + side * 3, 17});
        GlassWing(p, wing);
        for (int i = 0; i < 3; ++i)
            Stroke(p,
                   Curve({19.5 + side * 3, 19.0 + i * 2}, {19.5 + side * 11, 26.0 + i * 4},
                         {19.5 + side * 6, 42.0 - i * 2}),
                   kVein, 0.5);
    }
    Shape(p, Ellipse({19.5, 27}, 5, 11), QColor(60, 100, 70));
    Shape(p, Rect(QRectF(11, 10, 17, 8), 3.5), QColor(80, 140, 90));
    for (int side : {-1, 1})
        Shape(p, Circle({19.5 + side * 8.5, 13}, 2.4), QColor(200, 70, 40), 0.6);
    Fill(p, Polygon({{16, 14}, {23, 14}, {19.5, 18}}), QColor(40, 60, 40));
}

void Weevil(QPainter& p) {
    const QColor weevil{70, 60, 120};
    Stroke(p, Polyline({{0, 44}, {39, 44}}), QColor(110, 80, 50), 1.6);
    Leg(p, {{18, 34}, {16, 40}, {14, 44}}, 1.0);
    Leg(p, {{24, 35}, {25, 40}, {24, 44}}, 1.0);
    Leg(p, {{30, 34}, {32, 40}, {34, 44}}, 1.0);
    Shape(p, Ellipse({26, 29}, 10, 7.5), weevil);
    Stroke(p, Curve({18, 26}, {26, 22}, {35, 27}), QColor(150, 140, 210), 1.0);
    Shape(p, Circle({14.5, 27}, 4.6), weevil);
    // The long snout, with its elbowed feelers.
    Band(p, Curve({11, 27}, {5, 28}, {3, 36}), weevil, 2.0, 0.6);
    Stroke(p, Polyline({{6, 29}, {6, 23}, {2, 20}}), kShell, 0.7);
    Fill(p, Circle({13.5, 25.5}, 1.1), kShell);
}

void Crab(QPainter& p) {
    const QColor crab{234, 100, 40};
    for (int i = 0; i < 3; ++i)
        Legs(p, {{12, 28 + i * 3.0}, {6, 30 + i * 4.0}, {3, 36 + i * 4.0}}, 1.4, crab.darker(130));
    for (int side : {-1, 1}) {
        Band(p, Polyline({{19.5 + side * 8, 24}, {19.5 + side * 13, 18}, {19.5 + side * 13, 13}}),
             crab, 2.0, 0.6);
        QPainterPath claw = Ellipse({19.5 + side * 13, 9}, 4, 5);
        claw = claw.subtracted(
            Polygon({{19.5 + side * 13, 9}, {19.5 + side * 11, 2}, {19.5 + side * 15, 2}}));
        Shape(p, claw, crab);
        Stroke(p, Polyline({{19.5 + side * 3, 22}, {19.5 + side * 3, 18}}), kShell, 0.8);
        Shape(p, Circle({19.5 + side * 3, 17.5}, 1.5), kShell, 0);
    }
    Shape(p, Ellipse({19.5, 28}, 11, 8), crab);
    Fill(p, Ellipse({16, 26}, 3, 1.6, -10), QColor(250, 160, 110));
    Stroke(p, Curve({15, 32}, {19.5, 34}, {24, 32}), QColor(170, 60, 20), 0.8);
}

void StickInsect(QPainter& p) {
    const QColor twig{120, 150, 60};
    const QPointF head{29, 6};
    const QPointF tail{10, 46};
    for (qreal t : {0.22, 0.4, 0.58}) {
        const QPointF at = head + (tail - head) * t;
        Stroke(p, Polyline({at, at + QPointF(-9, -4), at + QPointF(-13, 3)}), twig.darker(150),
               1.1);
        Stroke(p, Polyline({at, at + QPointF(8, 4), at + QPointF(10, 12)}), twig.darker(150), 1.1);
    }
    Band(p, Polyline({head, tail}), twig, 3.0, 0.7);
    for (qreal t : {0.3, 0.5, 0.7, 0.85}) {
        const QPointF at = head + (tail - head) * t;
        Stroke(p, Polyline({at + QPointF(-1.4, -0.6), at + QPointF(1.4, 0.6)}), twig.darker(150),
               0.7);
    }
    Stroke(p, Curve(head, {27, -1}, {22, 1}), kShell, 0.7);
    Stroke(p, Curve(head, {33, 0}, {37, 2}), kShell, 0.7);
    Fill(p, Circle({28.4, 6.6}, 0.9), kShell);
}

void Earwig(QPainter& p) {
    const QColor earwig{120, 60, 30};
    Legs(p, {{17, 17}, {10, 14}, {8, 10}}, 0.9);
    Legs(p, {{17, 21}, {10, 22}, {7, 26}}, 0.9);
    Legs(p, {{17, 25}, {11, 30}, {10, 35}}, 0.9);
    Antennae(p, {18, 7}, {14, 2}, {9, 2}, 0.7);
    for (int side : {-1, 1}) {
        QPainterPath pincer({19.5 + side * 1.5, 38});
        pincer.cubicTo({19.5 + side * 6, 42}, {19.5 + side * 5, 47}, {19.5 + side * 0.8, 48});
        Band(p, pincer, QColor(180, 100, 40), 1.6, 0.6);
    }
    Shape(p, Rect(QRectF(16, 14, 7, 26), 3.4), earwig);
    for (int i = 0; i < 5; ++i)
        Stroke(p, Polyline({{16.2, 26 + i * 2.6}, {22.8, 26 + i * 2.6}}), QColor(70, 30, 10), 0.6);
    Shape(p, Rect(QRectF(15.5, 14, 8, 10), 2), QColor(170, 110, 60));
    Shape(p, Ellipse({19.5, 10}, 3.6, 3.4), kShell);
}

void Cricket(QPainter& p) {
    const QColor cricket{46, 40, 36};
    Stroke(p, Polyline({{0, 44}, {39, 44}}), QColor(110, 80, 50), 1.4);
    Leg(p, {{14, 33}, {12, 39}, {10, 44}}, 1.0);
    Leg(p, {{19, 33}, {20, 39}, {18, 44}}, 1.0);
    Shape(p, Ellipse({22, 30}, 12, 5), cricket);
    Shape(p, Ellipse({23, 28}, 9, 3.4), QColor(110, 80, 50), 0.6);
    QPainterPath thigh({25, 31});
    thigh.cubicTo({30, 22}, {34, 22}, {36, 25});
    thigh.cubicTo({34, 30}, {30, 33}, {27, 34});
    Shape(p, thigh, QColor(80, 60, 50));
    Leg(p, {{36, 25}, {37, 43}}, 1.1);
    Stroke(p, Polyline({{34, 31}, {39, 36}}), kShell, 0.7);
    Shape(p, Circle({9, 29}, 4.6), cricket);
    Fill(p, Circle({8, 27.5}, 1), QColor(220, 200, 160));
    // Feelers longer than the body.
    Stroke(p, Curve({7, 26}, {10, 6}, {34, 4}), kShell, 0.6);
    Stroke(p, Curve({8, 26}, {18, 10}, {37, 12}), kShell, 0.6);
}

void Silverfish(QPainter& p) {
    const QColor silver{170, 180, 196};
    QPainterPath body({19.5, 8});
    body.cubicTo({27, 10}, {25, 30}, {19.5, 40});
    body.cubicTo({14, 30}, {12, 10}, {19.5, 8});
    Legs(p, {{17, 16}, {11, 15}}, 0.8);
    Legs(p, {{17, 20}, {11, 22}}, 0.8);
    Legs(p, {{17.5, 24}, {12, 28}}, 0.8);
    for (qreal a : {-20.0, 0.0, 20.0})
        Stroke(p, Polyline({{19.5, 39}, Polar({19.5, 39}, 9, 180 + a)}), QColor(100, 110, 120),
               0.6);
    Antennae(p, {18.5, 9}, {14, 2}, {8, 3}, 0.6);
    Shape(p, body, silver);
    for (int i = 0; i < 8; ++i)
        Stroke(p, Polyline({{16 + i * 0.4, 12.0 + i * 3.3}, {23 - i * 0.4, 12.0 + i * 3.3}}),
               QColor(120, 130, 146), 0.5);
    Fill(p, Ellipse({18, 16}, 1, 4), QColor(230, 236, 244));
}

void Inchworm(QPainter& p) {
    Band(p, Polyline({{0, 42}, {39, 40}}), QColor(120, 84, 50), 3.0, 0.6);
    Shape(p, Petal({30, 41}, 30, 9, 5), kBugGreen, 0.6);
    QPainterPath loop({7, 39});
    loop.cubicTo({7, 14}, {30, 14}, {30, 39});
    Band(p, loop, QColor(150, 210, 80), 4.0, 0.8);
    for (int i = 1; i < 10; ++i) {
        const QPointF at = loop.pointAtPercent(i / 10.0);
        const qreal a = loop.angleAtPercent(i / 10.0);
        Stroke(p, Polyline({Polar(at, 2, -a), Polar(at, -2, -a)}), QColor(90, 150, 40), 0.5);
    }
    Shape(p, Circle({30.5, 37}, 2.6), QColor(150, 210, 80), 0.6);
    Fill(p, Circle({31.5, 36}, 0.7), kShell);
}

void JewelBeetle(QPainter& p) {
    const QColor jewel{30, 150, 120};
    Legs(p, {{15, 20}, {9, 17}, {7, 13}});
    Legs(p, {{15, 26}, {8, 28}, {6, 32}});
    Legs(p, {{15, 31}, {10, 37}, {9, 42}});
    Antennae(p, {17.5, 8}, {15, 3}, {12, 3});
    QPainterPath wings({13, 18});
    wings.lineTo(26, 18);
    wings.cubicTo({27, 30}, {24, 42}, {19.5, 47});
    wings.cubicTo({15, 42}, {12, 30}, {13, 18});
    Shape(p, wings, jewel);
    Stroke(p, Polyline({{19.5, 18}, {19.5, 46}}), kLine, 0.8);
    for (int side : {-1, 1})
        Stroke(p, Curve({19.5 + side * 3.4, 20}, {19.5 + side * 4.6, 32}, {19.5 + side * 1.8, 43}),
               QColor(120, 230, 200), 0.9);
    Shape(p, Rect(QRectF(13.5, 11, 12, 7.5), 2.6), QColor(40, 90, 170));
    Fill(p, Rect(QRectF(15, 12.5, 3, 2)), QColor(140, 190, 250));
    Shape(p, Ellipse({19.5, 9}, 4, 2.6), QColor(40, 90, 170));
}

void JumpingSpider(QPainter& p) {
    const QColor fur{60, 50, 46};
    for (int side : {-1, 1})
        for (int i = 0; i < 3; ++i) {
            const qreal y = 30 + i * 4;
            Band(p,
                 Polyline({{19.5 + side * 8, y},
                           {19.5 + side * 14, y - 4 + i * 3.0},
                           {19.5 + side * 17, y + 6 + i * 2.0}}),
                 fur, 2.0, 0.5);
        }
    Shape(p, Ellipse({19.5, 27}, 12, 11), fur);
    for (int side : {-1, 1}) {
        Shape(p, Circle({19.5 + side * 4.2, 24}, 3.8), kShell, 0.6);
        Fill(p, Circle({19.5 + side * 3.4, 23}, 1.2), kEye);
        Shape(p, Circle({19.5 + side * 10, 20.5}, 1.8), kShell, 0.5);
        Fill(p, Circle({19.5 + side * 9.6, 20}, 0.5), kEye);
        Band(p, Polyline({{19.5 + side * 2.4, 31}, {19.5 + side * 3.2, 37}}), QColor(230, 200, 90),
             2.0, 0.5);
    }
    Stroke(p, Curve({10, 17}, {19.5, 13}, {29, 17}), QColor(240, 150, 40), 1.6);
}

void Grub(QPainter& p) {
    QPainterPath grub({30, 13});
    grub.cubicTo({6, 6}, {2, 40}, {26, 38});
    Band(p, grub, QColor(246, 236, 210), 9.0, 0.8);
    for (int i = 1; i < 9; ++i) {
        const QPointF at = grub.pointAtPercent(i / 9.0);
        const qreal a = grub.angleAtPercent(i / 9.0);
        Stroke(p, Polyline({Polar(at, 4.2, -a), Polar(at, -4.2, -a)}), QColor(200, 180, 140), 0.6);
    }
    for (int i = 0; i < 3; ++i) {
        const QPointF at = grub.pointAtPercent(0.12 + i * 0.06);
        Stroke(p, Polyline({at + QPointF(0, 4), at + QPointF(2, 8)}), QColor(190, 120, 60), 1.0);
    }
    Shape(p, Circle({31, 12.5}, 4), QColor(210, 120, 50));
    Fill(p, Rect(QRectF(33.5, 12, 2.4, 2)), kShell);
}

using Painter = void (*)(QPainter&);
const std::array<Painter, 36> kCreatures{
    Ladybird,     Spider,      Snail,       Ant,         Butterfly,     Earthworm,
    Bee,          Dragonfly,   Caterpillar, Scorpion,    Centipede,     StagBeetle,
    HouseFly,     Grasshopper, Moth,        Mosquito,    Slug,          Woodlouse,
    Mantis,       Gecko,       Firefly,     Wasp,        Millipede,     Cockroach,
    WaterStrider, Cicada,      Weevil,      Crab,        StickInsect,   Earwig,
    Cricket,      Silverfish,  Inchworm,    JewelBeetle, JumpingSpider, Grub,
};

}  // namespace

void PaintCrawlerFace(QPainter& p, int face) {
    if (face >= 0 && face < static_cast<int>(kCreatures.size()))
        kCreatures[static_cast<std::size_t>(face)](p);
}

}  // namespace varnel::art
