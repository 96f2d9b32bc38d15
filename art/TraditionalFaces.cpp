// The classic set: nine each of dots, bamboo and characters, four winds, three dragons, a
// flower and a season.
#include <QString>
#include <vector>

#include "art/Ink.h"
#include "art/TileSets.h"
#include "art/Typefaces.h"

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
void dot(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
    inkShape(p, circle(centre, radius), colour);
    stroke(p, circle(centre, radius * 0.58), kCream, radius * 0.22);
    fill(p, circle(centre, radius * 0.2), kCream);
}

void paintDots(QPainter& p, int count) {
    const QColor b = kBlue, r = kDotRed, g = kDotGreen;
    switch (count) {
        case 1: {
            inkShape(p, circle(kCentre, 15), kNavy);
            for (int i = 0; i < 12; ++i) fill(p, circle(polar(kCentre, 12.2, i * 30), 1.3), kCream);
            inkShape(p, circle(kCentre, 9.5), kDotRed);
            for (int i = 0; i < 8; ++i)
                fill(p, petal(kCentre, i * 45 + 22.5, 8.5, 3.6), QColor(250, 200, 120));
            inkShape(p, circle(kCentre, 4), kDotGreen);
            fill(p, circle(kCentre, 1.5), kCream);
            break;
        }
        case 2:
            dot(p, {19.5, 13}, 8.5, b);
            dot(p, {19.5, 37}, 8.5, g);
            break;
        case 3:
            dot(p, {9.5, 10}, 6.8, b);
            dot(p, {19.5, 25}, 6.8, r);
            dot(p, {29.5, 40}, 6.8, g);
            break;
        case 4:
            dot(p, {11.5, 14}, 6.8, b);
            dot(p, {27.5, 14}, 6.8, g);
            dot(p, {11.5, 36}, 6.8, g);
            dot(p, {27.5, 36}, 6.8, b);
            break;
        case 5:
            dot(p, {10.5, 10.5}, 6.2, b);
            dot(p, {28.5, 10.5}, 6.2, g);
            dot(p, {19.5, 25}, 6.2, r);
            dot(p, {10.5, 39.5}, 6.2, g);
            dot(p, {28.5, 39.5}, 6.2, b);
            break;
        case 6:
            for (qreal x : {12.0, 27.0}) {
                dot(p, {x, 9.5}, 5.6, g);
                dot(p, {x, 27}, 5.6, r);
                dot(p, {x, 40}, 5.6, r);
            }
            break;
        case 7:
            dot(p, {9, 7.5}, 4.6, g);
            dot(p, {19.5, 13}, 4.6, g);
            dot(p, {30, 18.5}, 4.6, g);
            for (qreal x : {12.0, 27.0}) {
                dot(p, {x, 30}, 5.2, r);
                dot(p, {x, 41.5}, 5.2, r);
            }
            break;
        case 8:
            for (qreal x : {12.0, 27.0})
                for (qreal y : {8.5, 19.5, 30.5, 41.5}) dot(p, {x, y}, 5.2, b);
            break;
        case 9: {
            const QColor rows[3] = {g, r, b};
            for (int row = 0; row < 3; ++row)
                for (int column = 0; column < 3; ++column)
                    dot(p, {8.5 + 11.0 * column, 11.5 + 13.5 * row}, 5.0, rows[row]);
            break;
        }
        default:
            break;
    }
}

// One stem of bamboo with knots at both ends and in the middle.
void stick(QPainter& p, QPointF centre, qreal length, const QColor& colour, qreal degrees = 0) {
    const qreal w = 4.4;
    const qreal h = length / 2;
    QPainterPath body;
    body.addRoundedRect(QRectF(centre.x() - w / 2, centre.y() - h, w, length), 1.6, 1.6);
    QPainterPath knots;
    for (qreal y : {-h + 0.9, 0.0, h - 0.9})
        knots.addRoundedRect(QRectF(centre.x() - w / 2 - 0.6, centre.y() + y - 0.8, w + 1.2, 1.6),
                             0.6, 0.6);
    const QPainterPath shape = rotated(body.united(knots), centre, degrees);
    inkShape(p, shape, colour);
    const QPainterPath gloss = rotated(
        polyline({{centre.x() - 0.7, centre.y() - h + 2.2}, {centre.x() - 0.7, centre.y() - 1.6}}),
        centre, degrees);
    const QPainterPath gloss2 = rotated(
        polyline({{centre.x() - 0.7, centre.y() + 1.6}, {centre.x() - 0.7, centre.y() + h - 2.2}}),
        centre, degrees);
    const QColor light = colour.lighter(150);
    stroke(p, gloss, light, 1.0);
    stroke(p, gloss2, light, 1.0);
    stroke(p,
           rotated(polyline({{centre.x() - w / 2 - 0.3, centre.y()},
                             {centre.x() + w / 2 + 0.3, centre.y()}}),
                   centre, degrees),
           kStickDark, 0.8);
}

// The one of bamboo: a little bird on a stem.
void paintBird(QPainter& p) {
    // Tail feathers fanned behind.
    for (int i = 0; i < 3; ++i)
        inkShape(p, petal({22, 30}, 150 + i * 22, 16, 6), i == 1 ? kBlue : kStickGreen);
    inkShape(p, ellipse({19, 24}, 9.5, 7.5, -20), kOrange);
    inkShape(p, petal({24, 22}, 200, 11, 7), kStickGreen);  // wing
    inkShape(p, circle({11, 14}, 5.6), kOrange);
    inkShape(p, polygon({{5.8, 12.6}, {1.8, 15}, {6.2, 15.8}}), kAmber);  // beak
    fill(p, circle({10.2, 13}, 1.5), kLine);
    fill(p, circle({10.6, 12.6}, 0.5), kWhite);
    inkShape(p, petal({13, 9.5}, 20, 5, 2.6), kDotRed);  // crest
    // Legs holding a stem.
    stroke(p, polyline({{17, 31}, {16, 36}}), kLine, 1.0);
    stroke(p, polyline({{22, 31}, {22, 36}}), kLine, 1.0);
    band(p, polyline({{5, 37.5}, {34, 36}}), kStickGreen, 2.6);
    stroke(p, polyline({{26, 36.3}, {30, 43}}), kStickDark, 1.0);
    inkShape(p, petal({30, 43}, 150, 6, 3), kStickGreen);
}

void paintBamboo(QPainter& p, int count) {
    const QColor g = kStickGreen, r = kStickRed, b = kBlue;
    switch (count) {
        case 1:
            paintBird(p);
            break;
        case 2:
            stick(p, {19.5, 14.5}, 18, g);
            stick(p, {19.5, 35.5}, 18, b);
            break;
        case 3:
            stick(p, {19.5, 14.5}, 17, b);
            stick(p, {12.5, 35.5}, 17, g);
            stick(p, {26.5, 35.5}, 17, g);
            break;
        case 4:
            for (qreal x : {12.5, 26.5}) {
                stick(p, {x, 14.5}, 17, x < 20 ? b : g);
                stick(p, {x, 35.5}, 17, x < 20 ? g : b);
            }
            break;
        case 5:
            for (qreal x : {9.5, 29.5}) {
                stick(p, {x, 14.5}, 17, g);
                stick(p, {x, 35.5}, 17, b);
            }
            stick(p, {19.5, 25}, 17, r);
            break;
        case 6:
            for (qreal x : {9.5, 19.5, 29.5}) {
                stick(p, {x, 14.5}, 17, g);
                stick(p, {x, 35.5}, 17, b);
            }
            break;
        case 7:
            stick(p, {19.5, 9}, 13, r);
            for (qreal x : {9.5, 19.5, 29.5}) {
                stick(p, {x, 25}, 13, g);
                stick(p, {x, 40}, 13, g);
            }
            break;
        case 8:
            // Four on top leaning together, four below leaning apart.
            stick(p, {6.5, 14}, 17, g);
            stick(p, {15, 14}, 17, g, 22);
            stick(p, {24, 14}, 17, g, -22);
            stick(p, {32.5, 14}, 17, g);
            stick(p, {6.5, 36}, 17, b);
            stick(p, {15, 36}, 17, b, -22);
            stick(p, {24, 36}, 17, b, 22);
            stick(p, {32.5, 36}, 17, b);
            break;
        case 9:
            for (int column = 0; column < 3; ++column)
                for (qreal y : {9.5, 25.0, 40.5})
                    stick(p, {9.5 + 10.0 * column, y}, 13, column == 1 ? r : g);
            break;
        default:
            break;
    }
}

void brush(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour, qreal width) {
    stroke(p, polyline(points), colour, width);
}

void brushCurve(QPainter& p, QPointF from, QPointF control, QPointF to, const QColor& colour,
                qreal width) {
    QPainterPath path(from);
    path.quadTo(control, to);
    stroke(p, path, colour, width);
}

// The Chinese numeral 1..9, written with a brush in the upper half of the face.
void paintNumeral(QPainter& p, int n) {
    const QColor c = kInkBlack;
    const qreal w = 2.5;
    switch (n) {
        case 1:
            brushCurve(p, {10, 16}, {21, 13.5}, {32, 14.5}, c, w);
            break;
        case 2:
            brush(p, {{13.5, 9.5}, {28, 9}}, c, w);
            brushCurve(p, {9.5, 20}, {21, 18.5}, {32.5, 19.5}, c, w);
            break;
        case 3:
            brush(p, {{12, 7.5}, {28.5, 7}}, c, w);
            brush(p, {{14.5, 13.5}, {26.5, 13.2}}, c, w);
            brushCurve(p, {9.5, 20.5}, {21, 19}, {32.5, 20}, c, w);
            break;
        case 4:
            brush(p, {{10.5, 7.5}, {10.5, 21.5}}, c, w);
            brush(p, {{10.5, 7.5}, {30.5, 7.5}, {30.5, 21.5}}, c, w);
            brush(p, {{10.5, 21}, {30.5, 21}}, c, w);
            brushCurve(p, {17, 8}, {17.5, 13}, {14.5, 16}, c, w * 0.8);
            brush(p, {{23.5, 8}, {23.5, 15}, {27.5, 15.5}}, c, w * 0.8);
            break;
        case 5:
            brush(p, {{12, 7.5}, {30, 7.5}}, c, w);
            brush(p, {{20, 7.5}, {17, 21}}, c, w);
            brush(p, {{13.5, 14}, {27.5, 14}, {26.5, 21}}, c, w);
            brush(p, {{9.5, 21.5}, {32.5, 21.5}}, c, w);
            break;
        case 6:
            brush(p, {{20.5, 5.5}, {22, 8.5}}, c, w);
            brush(p, {{9.5, 11.5}, {32.5, 11.5}}, c, w);
            brushCurve(p, {17, 15}, {16, 19}, {11, 22}, c, w);
            brushCurve(p, {24.5, 15}, {28, 18}, {31, 21.5}, c, w);
            break;
        case 7:
            brush(p, {{9.5, 14}, {31.5, 11}}, c, w);
            brushCurve(p, {18, 6}, {17, 21}, {31.5, 20.5}, c, w);
            brush(p, {{31.5, 20.5}, {32, 17}}, c, w * 0.8);
            break;
        case 8:
            brushCurve(p, {17, 7}, {16.5, 16}, {8.5, 21.5}, c, w);
            brushCurve(p, {22.5, 8}, {25, 17}, {32.5, 21.5}, c, w);
            break;
        case 9:
            brushCurve(p, {16.5, 6}, {17, 16}, {9.5, 22}, c, w);
            brush(p, {{11.5, 11.5}, {24.5, 11.5}}, c, w);
            brushCurve(p, {24.5, 11.5}, {24, 21}, {31.5, 21}, c, w);
            brush(p, {{31.5, 21}, {32.3, 17}}, c, w * 0.8);
            break;
        default:
            break;
    }
}

// The character "ten thousand" of the character suit, in seal red in the lower half.
void paintWan(QPainter& p) {
    const QColor c = kSealRed;
    const qreal w = 2.8;
    brush(p, {{8.5, 28.5}, {31, 28}}, c, w);
    brushCurve(p, {17, 29}, {17, 40}, {8.5, 46}, c, w);
    brush(p, {{17.5, 35}, {29, 35}}, c, w);
    brushCurve(p, {29, 35}, {29, 44}, {24.5, 46}, c, w);
    brush(p, {{24.5, 46}, {22, 43.5}}, c, w * 0.8);
}

void paintCharacter(QPainter& p, int n) {
    paintNumeral(p, n);
    paintWan(p);
    // The number as western players read it, small in the corner.
    inkShape(p, centredText(Typeface::SansBold, QString::number(n), {4.8, 6.2}, 6.5), kBlue, 0.5);
}

void paintWind(QPainter& p, int which) {
    static const char* const kLetters[4] = {"E", "S", "W", "N"};
    static const qreal kBearing[4] = {90, 180, 270, 0};
    inkShape(p,
          centredText(Typeface::SansBold, QString::fromLatin1(kLetters[which]), {19.5, 20.5}, 20),
          kNavy, 0.8);
    // An arrow below the letter points the way the wind is named after.
    const QPointF middle{19.5, 40.5};
    const qreal a = kBearing[which];
    const qreal half = which % 2 == 0 ? 6.5 : 5.5;
    const QPointF tip = polar(middle, half, a);
    const QPointF neck = polar(middle, half - 5, a);
    const QPointF tail = polar(middle, -half, a);
    QPainterPath arrow =
        polyline({polar(tail, 1.2, a + 90), polar(neck, 1.2, a + 90), polar(neck, 4, a + 90), tip,
                  polar(neck, 4, a - 90), polar(neck, 1.2, a - 90), polar(tail, 1.2, a - 90)});
    arrow.closeSubpath();
    inkShape(p, arrow, kOrange);
}

void paintRedDragon(QPainter& p) {
    const qreal w = 3.4;
    QPainterPath box;
    box.addRect(QRectF(9, 15, 21, 15));
    stroke(p, box, kSealRed, w);
    brush(p, {{19.5, 5}, {19.5, 45}}, kSealRed, w);
}

void paintGreenDragon(QPainter& p) {
    const QColor c = kDotGreen;
    const qreal w = 2.8;
    brush(p, {{13.5, 6.5}, {11, 12}}, c, w);
    brush(p, {{26.5, 6}, {29.5, 10}}, c, w);
    brush(p, {{8.5, 15}, {31, 14.5}}, c, w);
    brushCurve(p, {20.5, 5}, {20, 30}, {8, 44}, c, w);
    brush(p, {{17, 24}, {29.5, 24}}, c, w);
    brushCurve(p, {29.5, 24}, {25, 37}, {13, 45}, c, w);
    brushCurve(p, {18.5, 31}, {24, 40}, {32.5, 45}, c, w);
}

void paintWhiteDragon(QPainter& p) {
    QPainterPath outer;
    outer.addRect(QRectF(7, 6, 25, 38));
    band(p, outer, kBlue, 2.4, 0.6);
    QPainterPath inner;
    inner.addRect(QRectF(12, 11, 15, 28));
    stroke(p, inner, kNavy, 1.2);
    for (QPointF corner : {QPointF(7, 6), QPointF(32, 6), QPointF(7, 44), QPointF(32, 44)})
        inkShape(p, rotated(rect(QRectF(corner.x() - 2.6, corner.y() - 2.6, 5.2, 5.2)), corner, 45),
              kNavy, 0.6);
}

void paintPlumBlossom(QPainter& p) {
    QPainterPath branch({4, 46});
    branch.cubicTo({12, 36}, {20, 34}, {34, 12});
    band(p, branch, kBrown, 2.4, 0.7);
    band(p, polyline({{17, 35}, {29, 38}}), kBrown, 1.6, 0.6);
    const QPointF centre{18, 21};
    for (int i = 0; i < 5; ++i) inkShape(p, roundPetal(centre, i * 72, 10.5, 9.5), kPink);
    inkShape(p, circle(centre, 3), kAmber, 0.6);
    for (int i = 0; i < 5; ++i) fill(p, circle(polar(centre, 4.6, i * 72 + 36), 0.8), kCrimson);
    const QPointF small{30, 37.5};
    for (int i = 0; i < 5; ++i) inkShape(p, roundPetal(small, i * 72 + 20, 5.5, 5.2), kPink, 0.7);
    inkShape(p, circle(small, 1.6), kAmber, 0.5);
    inkShape(p, ellipse({34, 10}, 2.4, 3.2, 30), kMagenta, 0.6);
}

void paintSnowflake(QPainter& p) {
    const QColor c = kBlue;
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * 60;
        band(p, polyline({kCentre, polar(kCentre, 16, a)}), kSky, 2.2, 0.7);
        for (qreal r : {7.5, 12.0}) {
            const QPointF at = polar(kCentre, r, a);
            const qreal len = r < 10 ? 4.2 : 3.4;
            band(p, polyline({polar(at, len, a - 50), at, polar(at, len, a + 50)}), kSky, 1.4, 0.6);
        }
    }
    inkShape(p, rotated(rect(QRectF(16.5, 22, 6, 6)), kCentre, 45), c, 0.7);
}

}  // namespace

void paintTraditionalFace(QPainter& p, int face) {
    if (face < 9) return paintDots(p, face + 1);
    if (face < 18) return paintBamboo(p, face - 8);
    if (face < 27) return paintCharacter(p, face - 17);
    if (face < 31) return paintWind(p, face - 27);
    switch (face) {
        case 31:
            return paintRedDragon(p);
        case 32:
            return paintGreenDragon(p);
        case 33:
            return paintWhiteDragon(p);
        case 34:
            return paintPlumBlossom(p);
        case 35:
            return paintSnowflake(p);
        default:
            return;
    }
}

}  // namespace varnel::art
