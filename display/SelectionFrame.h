#pragma once

#include <QWidget>

namespace varnel {

// The selection frame: a magenta outline with a transparent inside. Its border is drawn centred
// on the outline, half outside and half inside, as a shape's solid border is: a 7-pixel border
// round the 47 x 58 outline at X + 1, Y - 4 then rings the 39 x 50 face of a 44 x 55 tile.
class SelectionFrame : public QWidget {
    Q_OBJECT
public:
    explicit SelectionFrame(QWidget* parent = nullptr);
    void moveOutline(QPoint topLeft);
    void resizeOutline(QSize size);
    void setBorderWidth(int width);
    QRect outline() const { return outline_; }
    int borderWidth() const { return borderWidth_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeOverOutline();

    QRect outline_{0, 0, 47, 58};
    int borderWidth_ = 7;
};

}  // namespace varnel
