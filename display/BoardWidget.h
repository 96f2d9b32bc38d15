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

    // What screen readers say of the board besides its name: the state of play in words. Setting
    // it tells nobody; announceDescription() then tells screen readers once, if it has changed
    // since the last announcement (or even if not, for news that happens to read the same), so
    // that the several steps of one move make one announcement.
    void setDescription(const QString& description) { description_ = description; }
    const QString& description() const { return description_; }
    void announceDescription(bool evenIfSame = false);

signals:
    // Any mouse button released over the board, at this place in the board's pixels.
    void clicked(float x, float y);
    // Screen readers were told of the description.
    void descriptionAnnounced(const QString& description);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Paints the area of the widget, in its own pixels, a band of rows at a time.
    void paint(QPainter& painter, QRect area) const;

    const BoardPicture* board_;
    float pixelRatio_ = 1;
    bool acceptsClicks_ = true;
    QString description_;
    QString announced_;
};

}  // namespace varnel
