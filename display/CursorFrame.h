#pragma once

#include <QWidget>

namespace varnel {

// The keyboard cursor: a tile-sized outline of black and white dashes, which shows on any tile
// face and any background and cannot be mistaken for the solid magenta of the selection.
class CursorFrame : public QWidget {
    Q_OBJECT
  public:
    explicit CursorFrame(QWidget* parent = nullptr);
    void setLineWidth(int width);
    int lineWidth() const { return lineWidth_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int lineWidth_ = 3;
};

}  // namespace varnel
