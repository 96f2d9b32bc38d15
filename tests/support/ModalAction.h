#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace varnel::testing {

// Waits for the next modal window of the given kind to open and acts on it, as the player
// would (the window's exec() is still running when the action comes).
template <typename Modal>
void OnNextModal(std::function<void(Modal*)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start(5);
}

}  // namespace varnel::testing
