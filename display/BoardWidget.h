#pragma once

#include <QImage>
#include <QWidget>

#include "display/BoardPicture.h"

class QPainter;

namespace varnel {

// The board on screen: shows the last finished picture of the board and reports every mouse
// button released over it. The labels and the selection frame lie on it as child widgets that
// let the clicks through.
class BoardWidget : public QWidget {
    Q_OBJECT
public:
    explicit BoardWidget(QWidget* parent = nullptr);

    // The board is in device pixels, pixelRatio to a pixel of the widget, and is shown at that
    // resolution rather than enlarged. The widget composes what it paints from the caller's
    // board, which lives as long as the widget.
    void showPicture(const BoardPicture& board, float pixelRatio = 1);
    // The board as it is painted on screen, in one picture in device pixels.
    QImage picture() const;

    // While the board is rebuilt, or a hint or the winning blink waits, clicks are ignored.
    // (The widget itself stays enabled so that its labels are not drawn greyed.)
    void setAcceptsClicks(bool accepts) { acceptsClicks_ = accepts; }
    bool acceptsClicks() const { return acceptsClicks_; }

signals:
    // Any mouse button released over the board, at this place in the board's pixels.
    void clicked(float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Paints the area of the widget, in its own pixels, a band of rows at a time.
    void paint(QPainter& painter, QRect area) const;

    const BoardPicture* board_;
    float pixelRatio_ = 1;
    bool acceptsClicks_ = true;
};

}  // namespace varnel
