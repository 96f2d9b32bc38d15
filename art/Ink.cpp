#include "art/Ink.h"

#include <QTransform>
#include <cmath>
#include <numbers>

namespace varnel::art::ink {

QPointF polar(QPointF centre, qreal radius, qreal degrees) {
    const qreal a = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

QPainterPath circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath rect(const QRectF& rect, qreal cornerRadius) {
    QPainterPath path;
    if (cornerRadius > 0)
        path.addRoundedRect(rect, cornerRadius, cornerRadius);
    else
        path.addRect(rect);
    return path;
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry, qreal degrees) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return degrees == 0 ? path : rotated(path, centre, degrees);
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path = polyline(points);
    path.closeSubpath();
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    return path;
}

QPainterPath petal(QPointF base, qreal degrees, qreal length, qreal width) {
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(width * 0.75, -length * 0.25, width * 0.6, -length * 0.7, 0, -length);
    path.cubicTo(-width * 0.6, -length * 0.7, -width * 0.75, -length * 0.25, 0, 0);
    return placedAt(path, base, degrees);
}

QPainterPath roundPetal(QPointF base, qreal degrees, qreal length, qreal width) {
    QPainterPath path;
    const qreal w = width / 2;
    path.moveTo(0, 0);
    path.cubicTo(w * 0.9, -length * 0.2, w * 1.15, -length * 0.75, 0, -length);
    path.cubicTo(-w * 1.15, -length * 0.75, -w * 0.9, -length * 0.2, 0, 0);
    return placedAt(path, base, degrees);
}

QPainterPath placedAt(const QPainterPath& path, QPointF at, qreal degrees) {
    QTransform t;
    t.translate(at.x(), at.y());
    t.rotate(degrees);
    return t.map(path);
}

QPainterPath rotated(const QPainterPath& path, QPointF centre, qreal degrees) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    t.translate(-centre.x(), -centre.y());
    return t.map(path);
}

QPainterPath mirroredX(const QPainterPath& path, qreal axisX) {
    QTransform t(-1, 0, 0, 1, 2 * axisX, 0);
    return t.map(path);
}

QPainterPath scaled(const QPainterPath& path, QPointF centre, qreal sx, qreal sy) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(sx, sy);
    t.translate(-centre.x(), -centre.y());
    return t.map(path);
}

void inkShape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal outline,
           const QColor& line) {
    p.fillPath(path, fill);
    if (outline > 0) {
        QPen pen(line, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.strokePath(path, pen);
    }
}

void fill(QPainter& p, const QPainterPath& path, const QColor& fill) {
    p.fillPath(path, fill);
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width) {
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(path, pen);
}

void band(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width, qreal outline) {
    stroke(p, path, kLine, width + 2 * outline);
    stroke(p, path, colour, width);
}

}  // namespace varnel::art::ink
