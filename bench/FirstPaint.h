#pragma once

#include <unistd.h>

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <utility>

// Calls then() once the widget has been painted and that turn of the event loop (which puts
// the picture on screen) is over. The probes end there at once, without tearing down, so that
// the time measured is the time to the first picture and nothing after it.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QObject* widget, std::function<void()> then) : then_(std::move(then)) {
        widget->installEventFilter(this);
    }

    static void endNow() {
        std::fflush(stdout);
        _exit(0);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && then_) {
            QTimer::singleShot(0, this, std::exchange(then_, nullptr));
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> then_;
};
