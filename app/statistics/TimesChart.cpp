#include "app/statistics/TimesChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/statistics/TimeText.h"

namespace varnel {
namespace {

// Steps of the time axis that read as round numbers on a clock.
constexpr std::array<int, 16> kTimeSteps = {5,   10,   15,   30,   60,   120,   300,   600,
                                            900, 1200, 1800, 3600, 7200, 10800, 21600, 43200};
// Steps between numbered games along the bottom.
constexpr std::array<int, 6> kGameSteps = {1, 2, 5, 10, 25, 50};

void drawWon(QPainter& painter, QPointF at, qreal radius) {
    painter.setPen(QPen(TimesChart::wonColour().darker(140), radius / 3));
    painter.setBrush(TimesChart::wonColour());
    painter.drawEllipse(at, radius, radius);
}

void drawLost(QPainter& painter, QPointF at, qreal radius) {
    painter.setPen(QPen(TimesChart::lostColour(), radius * 0.7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at + QPointF(-radius, -radius), at + QPointF(radius, radius));
    painter.drawLine(at + QPointF(-radius, radius), at + QPointF(radius, -radius));
}

}  // namespace

TimesChart::TimesChart(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Times of the last games"));
}

QColor TimesChart::wonColour() {
    return QColor(0x2E, 0x8B, 0x57);
}

QColor TimesChart::lostColour() {
    return QColor(0xD0, 0x3A, 0x30);
}

void TimesChart::setTimes(std::vector<TimePoint> times) {
    times_ = std::move(times);
    update();
}

QSize TimesChart::sizeHint() const {
    const int line = fontMetrics().height();
    return {line * 16, line * 10};
}

QSize TimesChart::minimumSizeHint() const {
    const int line = fontMetrics().height();
    return {line * 12, line * 7};
}

void TimesChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();
    const QColor text = palette().color(QPalette::WindowText);
    painter.fillRect(rect(), palette().color(QPalette::Base));

    if (times_.empty()) {
        painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter, tr("No games yet"));
        return;
    }

    // The time axis runs from 0 to a round time above the longest game, in as many steps as
    // there is room for labels.
    const int longest = std::max_element(times_.begin(), times_.end(), [](auto a, auto b) {
                            return a.seconds < b.seconds;
                        })->seconds;
    const qreal top = line * 1.8;
    const qreal bottom = height() - line * 2.6;
    const int roomForSteps = std::max(1, static_cast<int>((bottom - top) / (line * 1.6)));
    int step = kTimeSteps.back();
    for (int candidate : kTimeSteps) {
        if (std::max(longest, 1) <= candidate * roomForSteps) {
            step = candidate;
            break;
        }
    }
    const int steps = std::max(1, (std::max(longest, 1) + step - 1) / step);
    const int topTime = steps * step;

    qreal labelWidth = 0;
    for (int i = 0; i <= steps; ++i)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(playTimeText(i * step)));
    const qreal left = labelWidth + line * 0.8;
    const qreal right = width() - line * 0.8;
    const QRectF plot(QPointF(left, top), QPointF(right, bottom));
    auto yOf = [&](int seconds) { return bottom - plot.height() * seconds / topTime; };

    // The time axis, its labels and light lines across.
    QColor grid = text;
    grid.setAlphaF(0.15);
    for (int i = 0; i <= steps; ++i) {
        const qreal y = yOf(i * step);
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(left, y), QPointF(right, y));
        painter.setPen(text);
        painter.drawText(QRectF(0, y - line / 2, labelWidth + line * 0.3, line),
                         Qt::AlignRight | Qt::AlignVCenter, playTimeText(i * step));
    }
    painter.setPen(QPen(text, 1));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawText(QRectF(0, 0, width(), line * 1.2), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Time"));

    // The games along the bottom, numbered from the oldest shown, as often as the numbers fit.
    const int count = static_cast<int>(times_.size());
    const qreal slot = plot.width() / count;
    auto xOf = [&](int index) { return left + slot * (index + 0.5); };
    const qreal numberWidth = metrics.horizontalAdvance(QStringLiteral("000"));
    int every = kGameSteps.back();
    for (int candidate : kGameSteps) {
        if (candidate * slot >= numberWidth) {
            every = candidate;
            break;
        }
    }
    for (int number = 1; number <= count; ++number) {
        if (number != 1 && number % every != 0) continue;
        const qreal x = xOf(number - 1);
        painter.drawLine(QPointF(x, bottom), QPointF(x, bottom + line * 0.25));
        painter.drawText(QRectF(x - numberWidth, bottom + line * 0.25, numberWidth * 2, line),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(number));
    }
    painter.drawText(QRectF(left, bottom + line * 1.3, plot.width(), line * 1.2),
                     Qt::AlignHCenter | Qt::AlignVCenter, tr("Games, oldest to latest"));

    // The legend, top right.
    const qreal radius = std::max(2.0, line * 0.2);
    const QString wonText = tr("Won"), lostText = tr("Lost");
    qreal x = right - metrics.horizontalAdvance(lostText);
    const qreal legendY = line * 0.6;
    painter.setPen(text);
    painter.drawText(QPointF(x, legendY + metrics.ascent() / 2 - metrics.descent() / 2), lostText);
    x -= radius * 2;
    drawLost(painter, QPointF(x, legendY), radius);
    x -= radius + line * 0.8 + metrics.horizontalAdvance(wonText);
    painter.setPen(text);
    painter.drawText(QPointF(x, legendY + metrics.ascent() / 2 - metrics.descent() / 2), wonText);
    x -= radius * 2;
    drawWon(painter, QPointF(x, legendY), radius);

    // The games themselves, joined in the order played.
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        const QPointF at(xOf(i), yOf(times_[static_cast<std::size_t>(i)].seconds));
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    QColor joining = text;
    joining.setAlphaF(0.35);
    painter.setPen(QPen(joining, std::max(1.0, line / 14)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    for (int i = 0; i < count; ++i) {
        const TimePoint& point = times_[static_cast<std::size_t>(i)];
        const QPointF at(xOf(i), yOf(point.seconds));
        if (point.won)
            drawWon(painter, at, radius);
        else
            drawLost(painter, at, radius);
    }
}

}  // namespace varnel
