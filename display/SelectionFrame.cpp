#include "display/SelectionFrame.h"

#include <QPainter>

namespace varnel {

SelectionFrame::SelectionFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    placeOverOutline();
    hide();
}

void SelectionFrame::moveOutline(QPoint topLeft) {
    outline_.moveTopLeft(topLeft);
    placeOverOutline();
}

void SelectionFrame::resizeOutline(QSize size) {
    outline_.setSize(size);
    placeOverOutline();
}

void SelectionFrame::setBorderWidth(int width) {
    borderWidth_ = width;
    placeOverOutline();
    update();
}

void SelectionFrame::placeOverOutline() {
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
