#pragma once

#include <QWidget>
#include <cstdint>

namespace varnel {

// Asks the player for a colour, starting from the given one (0x00BBGGRR, red in the low byte).
// Returns the chosen colour in the same form, or -1 when the player cancelled. The dialog has
// no separate short and full forms, so fullOpen changes nothing.
int32_t ShowColor(QWidget* owner, int32_t initialColour, bool fullOpen);

}  // namespace varnel
