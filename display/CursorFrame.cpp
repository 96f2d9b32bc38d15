#include "display/CursorFrame.h"

#include <QPainter>

namespace varnel {

CursorFrame::CursorFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void CursorFrame::setLineWidth(int width) {
    lineWidth_ = width;
    update();
}

void CursorFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = lineWidth_;
    // The line lies inside the tile's rectangle; white under black dashes gives the two colours.
    const QRectF outline = QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0);
    QPen pen(Qt::white, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(outline);
    pen.setColor(Qt::black);
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawRect(outline);
}

}  // namespace varnel
