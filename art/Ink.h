#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <initializer_list>

namespace varnel::art::ink {

// The common colours of all sets. Reds and greens are kept apart in lightness as well as hue,
// so that a player who confuses the two hues still sees two values.
inline const QColor kLine{40, 30, 26};  // the outline of every shape
inline const QColor kBlack{30, 28, 30};
inline const QColor kNavy{24, 48, 120};
inline const QColor kBlue{40, 100, 200};
inline const QColor kSky{120, 180, 235};
inline const QColor kTeal{20, 140, 150};
inline const QColor kOrange{240, 130, 20};
inline const QColor kAmber{250, 180, 40};
inline const QColor kGold{230, 190, 60};
inline const QColor kYellow{252, 222, 70};
inline const QColor kRed{205, 40, 30};
inline const QColor kCrimson{160, 20, 40};
inline const QColor kPink{240, 130, 170};
inline const QColor kMagenta{190, 50, 150};
inline const QColor kPurple{110, 60, 170};
inline const QColor kLilac{175, 140, 220};
inline const QColor kGreen{40, 150, 60};
inline const QColor kDarkGreen{20, 90, 45};
inline const QColor kLeaf{90, 170, 70};
inline const QColor kBrown{120, 70, 35};
inline const QColor kTan{200, 150, 90};
inline const QColor kGrey{130, 130, 135};
inline const QColor kWhite{255, 255, 252};
inline const QColor kCream{250, 240, 210};

// Default outline width, in face pixels.
constexpr qreal kOutline = 0.9;

// Direction by compass degrees on the screen: 0 is up, 90 is right.
QPointF polar(QPointF centre, qreal radius, qreal degrees);

QPainterPath circle(QPointF centre, qreal radius);
QPainterPath rect(const QRectF& rect, qreal cornerRadius = 0);
QPainterPath ellipse(QPointF centre, qreal rx, qreal ry, qreal degrees = 0);
QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath polyline(std::initializer_list<QPointF> points);
// A pointed leaf or petal from its base, reaching length in the compass direction.
QPainterPath petal(QPointF base, qreal degrees, qreal length, qreal width);
// A petal with a round tip.
QPainterPath roundPetal(QPointF base, qreal degrees, qreal length, qreal width);
QPainterPath rotated(const QPainterPath& path, QPointF centre, qreal degrees);
// A shape drawn round the origin, turned by degrees and moved to at.
QPainterPath placedAt(const QPainterPath& path, QPointF at, qreal degrees);
QPainterPath mirroredX(const QPainterPath& path, qreal axisX);
QPainterPath scaled(const QPainterPath& path, QPointF centre, qreal sx, qreal sy);

// Fills a shape and draws its outline.
void inkShape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal outline = kOutline,
           const QColor& line = kLine);
// Fills a shape without an outline.
void fill(QPainter& p, const QPainterPath& path, const QColor& fill);
// Strokes a path with round ends.
void stroke(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width);
// A stroke with an outline round it: a thick coloured line edged in ink.
void band(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width,
          qreal outline = kOutline);

}  // namespace varnel::art::ink
