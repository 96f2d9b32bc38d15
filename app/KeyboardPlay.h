#pragma once

#include <QKeyEvent>

#include "play/Game.h"

namespace varnel {

// Play without the mouse: the arrow keys move the cursor over the tiles, Space or Enter clicks
// the tile under it, Escape lets a selected tile go. The game decides what each key may do.
// Returns false for a key that is not one of these, which the window handles as usual.
bool playByKey(Game& game, const QKeyEvent& event);

}  // namespace varnel
