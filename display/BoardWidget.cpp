#include "BoardWidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace varnel {

namespace {
const QImage kNoPicture;
}

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent), front_(&kNoPicture) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardWidget::ShowPicture(const QImage& front, float pixelRatio) {
    front_ = &front;
    pixelRatio_ = pixelRatio;
    update();
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal r = pixelRatio_;
    painter.drawImage(QRectF(area), *front_,
                      QRectF(area.x() * r, area.y() * r, area.width() * r, area.height() * r));
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!acceptsClicks_) return;
    int button = 0;
    switch (event->button()) {
        case Qt::LeftButton:
            button = 1;
            break;
        case Qt::RightButton:
            button = 2;
            break;
        case Qt::MiddleButton:
            button = 4;
            break;
        default:
            // Extra buttons still count as a click on the board.
            button = event->button() == Qt::NoButton ? 0 : 1;
            break;
    }
    const QPointF at = event->position();
    emit MouseUp(button, static_cast<float>(at.x()), static_cast<float>(at.y()));
}

SelectionFrame::SelectionFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    PlaceOverOutline();
    hide();
}

void SelectionFrame::MoveOutline(QPoint topLeft) {
    outline_.moveTopLeft(topLeft);
    PlaceOverOutline();
}

void SelectionFrame::ResizeOutline(QSize size) {
    outline_.setSize(size);
    PlaceOverOutline();
}

void SelectionFrame::SetBorderWidth(int width) {
    borderWidth_ = width;
    PlaceOverOutline();
    update();
}

void SelectionFrame::PlaceOverOutline() {
    // The border straddles the outline: half its width (rounded down) lies outside the edge
    // pixels of the outline, the rest on and inside them.
    const int outside = borderWidth_ / 2;
    setGeometry(outline_.adjusted(-outside, -outside, outside, outside));
}

void SelectionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int b = borderWidth_;
    const QColor magenta(255, 0, 255);
    painter.fillRect(0, 0, width(), b, magenta);
    painter.fillRect(0, height() - b, width(), b, magenta);
    painter.fillRect(0, b, b, height() - 2 * b, magenta);
    painter.fillRect(width() - b, b, b, height() - 2 * b, magenta);
}

}  // namespace varnel
