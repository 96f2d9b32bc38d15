#include "display/BoardWidget.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "display/BoardAccessible.h"
#include "display/RasterOps.h"

namespace varnel {

namespace {
const BoardPicture kNoBoard;
// The board is composed in bands of about this many device rows, so that painting it needs no
// picture of its whole size.
constexpr int kBandRows = 64;
}  // namespace

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent), board_(&kNoBoard) {
    installBoardAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Board"));
}

void BoardWidget::announceDescription(bool evenIfSame) {
    if (description_ == announced_ && !evenIfSame) return;
    announced_ = description_;
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    emit descriptionAnnounced(description_);
}

void BoardWidget::showPicture(const BoardPicture& board, float pixelRatio) {
    board_ = &board;
    pixelRatio_ = pixelRatio;
    update();
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paint(painter, event->rect());
}

QImage BoardWidget::picture() const {
    QImage picture = makeSurface(board_->size.width(), board_->size.height());
    picture.setDevicePixelRatio(pixelRatio_);
    {
        QPainter painter(&picture);
        paint(painter, rect());
    }
    picture.setDevicePixelRatio(1);
    return picture;
}

void BoardWidget::paint(QPainter& painter, QRect area) const {
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
            band = makeSurface(std::max(band.width(), device.width()),
                               std::max(band.height(), device.height()));
        board_->compose(band, device.topLeft());
        painter.drawImage(QRectF(part), band, source.translated(-device.topLeft()));
    }
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    // Every button counts as a click on the board, the right and the middle one too.
    if (!acceptsClicks_ || event->button() == Qt::NoButton) return;
    const QPointF at = event->position();
    emit clicked(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

}  // namespace varnel
