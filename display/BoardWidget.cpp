#include "BoardWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "RasterOps.h"

namespace varnel {

namespace {
const BoardPicture kNoBoard;
// The board is composed in bands of about this many device rows, so that painting it needs no
// picture of its whole size.
constexpr int kBandRows = 64;
}  // namespace

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent), board_(&kNoBoard) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardWidget::ShowPicture(const BoardPicture& board, float pixelRatio) {
    board_ = &board;
    pixelRatio_ = pixelRatio;
    update();
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    Paint(painter, event->rect());
}

QImage BoardWidget::Picture() const {
    QImage picture = MakeSurface(board_->size.width(), board_->size.height());
    picture.setDevicePixelRatio(pixelRatio_);
    {
        QPainter painter(&picture);
        Paint(painter, rect());
    }
    picture.setDevicePixelRatio(1);
    return picture;
}

void BoardWidget::Paint(QPainter& painter, QRect area) const {
    // Each band of rows is drawn as that part of a whole board picture would be: the window's
    // pixels of the band from the device pixels under them. At a fractional ratio a band's edge
    // falls inside a device pixel, so a band is composed with every device row it touches.
    const qreal r = pixelRatio_;
    const int bandRows = std::max(1, static_cast<int>(kBandRows / r));
    QImage band;
    for (int top = area.top(); top <= area.bottom(); top += bandRows) {
        const QRect part(area.left(), top, area.width(), std::min(bandRows, area.bottom() + 1 - top));
        const QRectF source(part.x() * r, part.y() * r, part.width() * r, part.height() * r);
        const QRect device = source.toAlignedRect() & QRect(QPoint(0, 0), board_->size);
        if (device.isEmpty()) continue;
        if (band.width() < device.width() || band.height() < device.height())
            band = MakeSurface(std::max(band.width(), device.width()),
                               std::max(band.height(), device.height()));
        board_->Compose(band, device.topLeft());
        painter.drawImage(QRectF(part), band, source.translated(-device.topLeft()));
    }
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
