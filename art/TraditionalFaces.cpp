// The classic set: nine each of dots, bamboo and characters, four winds, three dragons, a
// flower and a season.
#include <QString>
#include <vector>

#include "Ink.h"
#include "TileSets.h"
#include "Typefaces.h"

namespace varnel::art {
namespace {

using namespace ink;

constexpr QPointF kCentre{19.5, 25.0};
const QColor kDotRed{226, 72, 28};
const QColor kDotGreen{18, 118, 64};
const QColor kStickGreen{40, 150, 70};
const QColor kStickDark{15, 85, 40};
const QColor kStickRed{210, 60, 30};
const QColor kInkBlack{24, 22, 40};
const QColor kSealRed{196, 34, 30};

// A coin-like dot: a coloured disc with a pale ring and a bright centre.
void Dot(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
    Shape(p, Circle(centre, radius), colour);
    Stroke(p, Circle(centre, radius * 0.58), kCream, radius * 0.22);
    Fill(p, Circle(centre, radius * 0.2), kCream);
}

void PaintDots(QPainter& p, int count) {
    const QColor b = kBlue, r = kDotRed, g = kDotGreen;
    switch (count) {
        case 1: {
            Shape(p, Circle(kCentre, 15), kNavy);
            for (int i = 0; i < 12; ++i) Fill(p, Circle(Polar(kCentre, 12.2, i * 30), 1.3), kCream);
            Shape(p, Circle(kCentre, 9.5), kDotRed);
            for (int i = 0; i < 8; ++i)
                Fill(p, Petal(kCentre, i * 45 + 22.5, 8.5, 3.6), QColor(250, 200, 120));
            Shape(p, Circle(kCentre, 4), kDotGreen);
            Fill(p, Circle(kCentre, 1.5), kCream);
            break;
        }
        case 2:
            Dot(p, {19.5, 13}, 8.5, b);
            Dot(p, {19.5, 37}, 8.5, g);
            break;
        case 3:
            Dot(p, {9.5, 10}, 6.8, b);
            Dot(p, {19.5, 25}, 6.8, r);
            Dot(p, {29.5, 40}, 6.8, g);
            break;
        case 4:
            Dot(p, {11.5, 14}, 6.8, b);
            Dot(p, {27.5, 14}, 6.8, g);
            Dot(p, {11.5, 36}, 6.8, g);
            Dot(p, {27.5, 36}, 6.8, b);
            break;
        case 5:
            Dot(p, {10.5, 10.5}, 6.2, b);
            Dot(p, {28.5, 10.5}, 6.2, g);
            Dot(p, {19.5, 25}, 6.2, r);
            Dot(p, {10.5, 39.5}, 6.2, g);
            Dot(p, {28.5, 39.5}, 6.2, b);
            break;
        case 6:
            for (qreal x : {12.0, 27.0}) {
                Dot(p, {x, 9.5}, 5.6, g);
                Dot(p, {x, 27}, 5.6, r);
                Dot(p, {x, 40}, 5.6, r);
            }
            break;
        case 7:
            Dot(p, {9, 7.5}, 4.6, g);
            Dot(p, {19.5, 13}, 4.6, g);
            Dot(p, {30, 18.5}, 4.6, g);
            for (qreal x : {12.0, 27.0}) {
                Dot(p, {x, 30}, 5.2, r);
                Dot(p, {x, 41.5}, 5.2, r);
            }
            break;
        case 8:
            for (qreal x : {12.0, 27.0})
                for (qreal y : {8.5, 19.5, 30.5, 41.5}) Dot(p, {x, y}, 5.2, b);
            break;
        case 9: {
            const QColor rows[3] = {g, r, b};
            for (int row = 0; row < 3; ++row)
                for (int column = 0; column < 3; ++column)
                    Dot(p, {8.5 + 11.0 * column, 11.5 + 13.5 * row}, 5.0, rows[row]);
            break;
        }
        default:
            break;
    }
}

// One stem of bamboo with knots at both ends and in the middle.
void Stick(QPainter& p, QPointF centre, qreal length, const QColor& colour, qreal degrees = 0) {
    const qreal w = 4.4;
    const qreal h = length / 2;
    QPainterPath body;
    body.addRoundedRect(QRectF(centre.x() - w / 2, centre.y() - h, w, length), 1.6, 1.6);
    QPainterPath knots;
    for (qreal y : {-h + 0.9, 0.0, h - 0.9})
        knots.addRoundedRect(QRectF(centre.x() - w / 2 - 0.6, centre.y() + y - 0.8, w + 1.2, 1.6),
                             0.6, 0.6);
    const QPainterPath shape = Rotated(body.united(knots), centre, degrees);
    Shape(p, shape, colour);
    const QPainterPath gloss = Rotated(
        Polyline({{centre.x() - 0.7, centre.y() - h + 2.2}, {centre.x() - 0.7, centre.y() - 1.6}}),
        centre, degrees);
    const QPainterPath gloss2 = Rotated(
        Polyline({{centre.x() - 0.7, centre.y() + 1.6}, {centre.x() - 0.7, centre.y() + h - 2.2}}),
        centre, degrees);
    const QColor light = colour.lighter(150);
    Stroke(p, gloss, light, 1.0);
    Stroke(p, gloss2, light, 1.0);
    Stroke(p,
           Rotated(Polyline({{centre.x() - w / 2 - 0.3, centre.y()},
                             {centre.x() + w / 2 + 0.3, centre.y()}}),
                   centre, degrees),
           kStickDark, 0.8);
}

// The one of bamboo: a little bird on a stem.
void PaintBird(QPainter& p) {
    // Tail feathers fanned behind.
    for (int i = 0; i < 3; ++i)
        Shape(p, Petal({22, 30}, 150 + i * 22, 16, 6), i == 1 ? kBlue : kStickGreen);
    Shape(p, Ellipse({19, 24}, 9.5, 7.5, -20), kOrange);
    Shape(p, Petal({24, 22}, 200, 11, 7), kStickGreen);  // wing
    Shape(p, Circle({11, 14}, 5.6), kOrange);
    Shape(p, Polygon({{5.8, 12.6}, {1.8, 15}, {6.2, 15.8}}), kAmber);  // beak
    Fill(p, Circle({10.2, 13}, 1.5), kLine);
    Fill(p, Circle({10.6, 12.6}, 0.5), kWhite);
    Shape(p, Petal({13, 9.5}, 20, 5, 2.6), kDotRed);  // crest
    // Legs holding a stem.
    Stroke(p, Polyline({{17, 31}, {16, 36}}), kLine, 1.0);
    Stroke(p, Polyline({{22, 31}, {22, 36}}), kLine, 1.0);
    Band(p, Polyline({{5, 37.5}, {34, 36}}), kStickGreen, 2.6);
    Stroke(p, Polyline({{26, 36.3}, {30, 43}}), kStickDark, 1.0);
    Shape(p, Petal({30, 43}, 150, 6, 3), kStickGreen);
}

void PaintBamboo(QPainter& p, int count) {
    const QColor g = kStickGreen, r = kStickRed, b = kBlue;
    switch (count) {
        case 1:
            PaintBird(p);
            break;
        case 2:
            Stick(p, {19.5, 14.5}, 18, g);
            Stick(p, {19.5, 35.5}, 18, b);
            break;
        case 3:
            Stick(p, {19.5, 14.5}, 17, b);
            Stick(p, {12.5, 35.5}, 17, g);
            Stick(p, {26.5, 35.5}, 17, g);
            break;
        case 4:
            for (qreal x : {12.5, 26.5}) {
                Stick(p, {x, 14.5}, 17, x < 20 ? b : g);
                Stick(p, {x, 35.5}, 17, x < 20 ? g : b);
            }
            break;
        case 5:
            for (qreal x : {9.5, 29.5}) {
                Stick(p, {x, 14.5}, 17, g);
                Stick(p, {x, 35.5}, 17, b);
            }
            Stick(p, {19.5, 25}, 17, r);
            break;
        case 6:
            for (qreal x : {9.5, 19.5, 29.5}) {
                Stick(p, {x, 14.5}, 17, g);
                Stick(p, {x, 35.5}, 17, b);
            }
            break;
        case 7:
            Stick(p, {19.5, 9}, 13, r);
            for (qreal x : {9.5, 19.5, 29.5}) {
                Stick(p, {x, 25}, 13, g);
                Stick(p, {x, 40}, 13, g);
            }
            break;
        case 8:
            // Four on top leaning together, four below leaning apart.
            Stick(p, {6.5, 14}, 17, g);
            Stick(p, {15, 14}, 17, g, 22);
            Stick(p, {24, 14}, 17, g, -22);
            Stick(p, {32.5, 14}, 17, g);
            Stick(p, {6.5, 36}, 17, b);
            Stick(p, {15, 36}, 17, b, -22);
            Stick(p, {24, 36}, 17, b, 22);
            Stick(p, {32.5, 36}, 17, b);
            break;
        case 9:
            for (int column = 0; column < 3; ++column)
                for (qreal y : {9.5, 25.0, 40.5})
                    Stick(p, {9.5 + 10.0 * column, y}, 13, column == 1 ? r : g);
            break;
        default:
            break;
    }
}

void Brush(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour, qreal width) {
    Stroke(p, Polyline(points), colour, width);
}

void BrushCurve(QPainter& p, QPointF from, QPointF control, QPointF to, const QColor& colour,
                qreal width) {
    QPainterPath path(from);
    path.quadTo(control, to);
    Stroke(p, path, colour, width);
}

// The Chinese numeral 1..9, written with a brush in the upper half of the face.
void PaintNumeral(QPainter& p, int n) {
    const QColor c = kInkBlack;
    const qreal w = 2.5;
    switch (n) {
        case 1:
            BrushCurve(p, {10, 16}, {21, 13.5}, {32, 14.5}, c, w);
            break;
        case 2:
            Brush(p, {{13.5, 9.5}, {28, 9}}, c, w);
            BrushCurve(p, {9.5, 20}, {21, 18.5}, {32.5, 19.5}, c, w);
            break;
        case 3:
            Brush(p, {{12, 7.5}, {28.5, 7}}, c, w);
            Brush(p, {{14.5, 13.5}, {26.5, 13.2}}, c, w);
            BrushCurve(p, {9.5, 20.5}, {21, 19}, {32.5, 20}, c, w);
            break;
        case 4:
            Brush(p, {{10.5, 7.5}, {10.5, 21.5}}, c, w);
            Brush(p, {{10.5, 7.5}, {30.5, 7.5}, {30.5, 21.5}}, c, w);
            Brush(p, {{10.5, 21}, {30.5, 21}}, c, w);
            BrushCurve(p, {17, 8}, {17.5, 13}, {14.5, 16}, c, w * 0.8);
            Brush(p, {{23.5, 8}, {23.5, 15}, {27.5, 15.5}}, c, w * 0.8);
            break;
        case 5:
            Brush(p, {{12, 7.5}, {30, 7.5}}, c, w);
            Brush(p, {{20, 7.5}, {17, 21}}, c, w);
            Brush(p, {{13.5, 14}, {27.5, 14}, {26.5, 21}}, c, w);
            Brush(p, {{9.5, 21.5}, {32.5, 21.5}}, c, w);
            break;
        case 6:
            Brush(p, {{20.5, 5.5}, {22, 8.5}}, c, w);
            Brush(p, {{9.5, 11.5}, {32.5, 11.5}}, c, w);
            BrushCurve(p, {17, 15}, {16, 19}, {11, 22}, c, w);
            BrushCurve(p, {24.5, 15}, {28, 18}, {31, 21.5}, c, w);
            break;
        case 7:
            Brush(p, {{9.5, 14}, {31.5, 11}}, c, w);
            BrushCurve(p, {18, 6}, {17, 21}, {31.5, 20.5}, c, w);
            Brush(p, {{31.5, 20.5}, {32, 17}}, c, w * 0.8);
            break;
        case 8:
            BrushCurve(p, {17, 7}, {16.5, 16}, {8.5, 21.5}, c, w);
            BrushCurve(p, {22.5, 8}, {25, 17}, {32.5, 21.5}, c, w);
            break;
        case 9:
            BrushCurve(p, {16.5, 6}, {17, 16}, {9.5, 22}, c, w);
            Brush(p, {{11.5, 11.5}, {24.5, 11.5}}, c, w);
            BrushCurve(p, {24.5, 11.5}, {24, 21}, {31.5, 21}, c, w);
            Brush(p, {{31.5, 21}, {32.3, 17}}, c, w * 0.8);
            break;
        default:
            break;
    }
}

// The character "ten thousand" of the character suit, in seal red in the lower half.
void PaintWan(QPainter& p) {
    const QColor c = kSealRed;
    const qreal w = 2.8;
    Brush(p, {{8.5, 28.5}, {31, 28}}, c, w);
    BrushCurve(p, {17, 29}, {17, 40}, {8.5, 46}, c, w);
    Brush(p, {{17.5, 35}, {29, 35}}, c, w);
    BrushCurve(p, {29, 35}, {29, 44}, {24.5, 46}, c, w);
    Brush(p, {{24.5, 46}, {22, 43.5}}, c, w * 0.8);
}

void PaintCharacter(QPainter& p, int n) {
    PaintNumeral(p, n);
    PaintWan(p);
    // The number as western players read it, small in the corner.
    Shape(p, CentredText(Typeface::SansBold, QString::number(n), {4.8, 6.2}, 6.5), kBlue, 0.5);
}

void PaintWind(QPainter& p, int which) {
    static const char* const kLetters[4] = {"E", "S", "W", "N"};
    static const qreal kBearing[4] = {90, 180, 270, 0};
    Shape(p,
          CentredText(Typeface::SansBold, QString::fromLatin1(kLetters[which]), {19.5, 20.5}, 20),
          kNavy, 0.8);
    // An arrow below the letter points the way the wind is named after.
    const QPointF middle{19.5, 40.5};
    const qreal a = kBearing[which];
    const qreal half = which % 2 == 0 ? 6.5 : 5.5;
    const QPointF tip = Polar(middle, half, a);
    const QPointF neck = Polar(middle, half - 5, a);
    const QPointF tail = Polar(middle, -half, a);
    QPainterPath arrow =
        Polyline({Polar(tail, 1.2, a + 90), Polar(neck, 1.2, a + 90), Polar(neck, 4, a + 90), tip,
                  Polar(neck, 4, a - 90), Polar(neck, 1.2, a - 90), Polar(tail, 1.2, a - 90)});
    arrow.closeSubpath();
    Shape(p, arrow, kOrange);
}

void PaintRedDragon(QPainter& p) {
    const qreal w = 3.4;
    QPainterPath box;
    box.addRect(QRectF(9, 15, 21, 15));
    Stroke(p, box, kSealRed, w);
    Brush(p, {{19.5, 5}, {19.5, 45}}, kSealRed, w);
}

void PaintGreenDragon(QPainter& p) {
    const QColor c = kDotGreen;
    const qreal w = 2.8;
    Brush(p, {{13.5, 6.5}, {11, 12}}, c, w);
    Brush(p, {{26.5, 6}, {29.5, 10}}, c, w);
    Brush(p, {{8.5, 15}, {31, 14.5}}, c, w);
    BrushCurve(p, {20.5, 5}, {20, 30}, {8, 44}, c, w);
    Brush(p, {{17, 24}, {29.5, 24}}, c, w);
    BrushCurve(p, {29.5, 24}, {25, 37}, {13, 45}, c, w);
    BrushCurve(p, {18.5, 31}, {24, 40}, {32.5, 45}, c, w);
}

void PaintWhiteDragon(QPainter& p) {
    QPainterPath outer;
    outer.addRect(QRectF(7, 6, 25, 38));
    Band(p, outer, kBlue, 2.4, 0.6);
    QPainterPath inner;
    inner.addRect(QRectF(12, 11, 15, 28));
    Stroke(p, inner, kNavy, 1.2);
    for (QPointF corner : {QPointF(7, 6), QPointF(32, 6), QPointF(7, 44), QPointF(32, 44)})
        Shape(p, Rotated(Rect(QRectF(corner.x() - 2.6, corner.y() - 2.6, 5.2, 5.2)), corner, 45),
              kNavy, 0.6);
}

void PaintPlumBlossom(QPainter& p) {
    QPainterPath branch({4, 46});
    branch.cubicTo({12, 36}, {20, 34}, {34, 12});
    Band(p, branch, kBrown, 2.4, 0.7);
    Band(p, Polyline({{17, 35}, {29, 38}}), kBrown, 1.6, 0.6);
    const QPointF centre{18, 21};
    for (int i = 0; i < 5; ++i) Shape(p, RoundPetal(centre, i * 72, 10.5, 9.5), kPink);
    Shape(p, Circle(centre, 3), kAmber, 0.6);
    for (int i = 0; i < 5; ++i) Fill(p, Circle(Polar(centre, 4.6, i * 72 + 36), 0.8), kCrimson);
    const QPointF small{30, 37.5};
    for (int i = 0; i < 5; ++i) Shape(p, RoundPetal(small, i * 72 + 20, 5.5, 5.2), kPink, 0.7);
    Shape(p, Circle(small, 1.6), kAmber, 0.5);
    Shape(p, Ellipse({34, 10}, 2.4, 3.2, 30), kMagenta, 0.6);
}

void PaintSnowflake(QPainter& p) {
    const QColor c = kBlue;
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * 60;
        Band(p, Polyline({kCentre, Polar(kCentre, 16, a)}), kSky, 2.2, 0.7);
        for (qreal r : {7.5, 12.0}) {
            const QPointF at = Polar(kCentre, r, a);
            const qreal len = r < 10 ? 4.2 : 3.4;
            Band(p, Polyline({Polar(at, len, a - 50), at, Polar(at, len, a + 50)}), kSky, 1.4, 0.6);
        }
    }
    Shape(p, Rotated(Rect(QRectF(16.5, 22, 6, 6)), kCentre, 45), c, 0.7);
}

}  // namespace

void PaintTraditionalFace(QPainter& p, int face) {
    if (face < 9) return PaintDots(p, face + 1);
    if (face < 18) return PaintBamboo(p, face - 8);
    if (face < 27) return PaintCharacter(p, face - 17);
    if (face < 31) return PaintWind(p, face - 27);
    switch (face) {
        case 31:
            return PaintRedDragon(p);
        case 32:
            return PaintGreenDragon(p);
        case 33:
            return PaintWhiteDragon(p);
        case 34:
            return PaintPlumBlossom(p);
        case 35:
            return PaintSnowflake(p);
        default:
            return;
    }
}

}  // namespace varnel::art
