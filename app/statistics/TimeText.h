#pragma once

#include <QString>

#include "play/GameClock.h"

namespace varnel {

// A time played in whole seconds as the game shows it: "4:05", or "1:02:09" from an hour on.
inline QString playTimeText(int seconds) {
    return QString::fromStdString(playedTimeText(int64_t{seconds} * 1000));
}

}  // namespace varnel
