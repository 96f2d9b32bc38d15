#pragma once

#include <QWidget>
#include <vector>

#include "record/Figures.h"

// The times of the last games of a layout, oldest on the left: a dot for a win, a cross for a
// loss, joined in the order played. Everything is measured from the font, so the chart reads
// the same at any size and any scale of the screen.
namespace varnel {

class TimesChart : public QWidget {
    Q_OBJECT

  public:
    explicit TimesChart(QWidget* parent = nullptr);

    void setTimes(std::vector<TimePoint> times);
    const std::vector<TimePoint>& times() const { return times_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The colours of the two marks; told apart by their shapes as well.
    static QColor wonColour();
    static QColor lostColour();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<TimePoint> times_;
};

}  // namespace varnel
