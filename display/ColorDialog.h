#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

namespace varnel {

// Colours are kept the way the settings store them: 0x00BBGGRR, red in the low byte.
QColor ColourFromLong(int32_t colour);
int32_t LongFromColour(const QColor& colour);

// Asks the player for a colour, starting from the given one (0x00BBGGRR, red in the low byte).
// Returns the chosen colour in the same form, or -1 when the player cancelled. The dialog has
// no separate short and full forms, so fullOpen changes nothing.
int32_t ShowColor(QWidget* owner, int32_t initialColour, bool fullOpen);

}  // namespace varnel
