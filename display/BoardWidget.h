#pragma once

#include <QImage>
#include <QWidget>

#include "BoardPicture.h"

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
    void ShowPicture(const BoardPicture& board, float pixelRatio = 1);
    // The board as it is painted on screen, in one picture in device pixels.
    QImage Picture() const;

    // While the board is rebuilt, or a hint or the winning blink waits, clicks are ignored.
    // (The widget itself stays enabled so that its labels are not drawn greyed.)
    void SetAcceptsClicks(bool accepts) { acceptsClicks_ = accepts; }
    bool AcceptsClicks() const { return acceptsClicks_; }

signals:
    // button: 1 left, 2 right, 4 middle; the position in board pixels.
    void MouseUp(int button, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Paints the area of the widget, in its own pixels, a band of rows at a time.
    void Paint(QPainter& painter, QRect area) const;

    const BoardPicture* board_;
    float pixelRatio_ = 1;
    bool acceptsClicks_ = true;
};

// The selection frame: a magenta outline with a transparent inside. Its border is drawn centred
// on the outline, half outside and half inside, as a shape's solid border is: a 7-pixel border
// round the 47 x 58 outline at X + 1, Y - 4 then rings the 39 x 50 face of a 44 x 55 tile.
class SelectionFrame : public QWidget {
    Q_OBJECT
public:
    explicit SelectionFrame(QWidget* parent = nullptr);
    void MoveOutline(QPoint topLeft);
    void ResizeOutline(QSize size);
    void SetBorderWidth(int width);
    QRect Outline() const { return outline_; }
    int BorderWidth() const { return borderWidth_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PlaceOverOutline();

    QRect outline_{0, 0, 47, 58};
    int borderWidth_ = 7;
};

}  // namespace varnel
