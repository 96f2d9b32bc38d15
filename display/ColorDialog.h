#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

namespace varnel {

// Colours are kept the way the settings store them: 0x00BBGGRR, red in the low byte.
QColor colourFromSetting(int32_t colour);
int32_t settingFromColour(const QColor& colour);

// Asks the player for a colour, starting from the given one (0x00BBGGRR, red in the low byte).
// Returns the chosen colour in the same form, or -1 when the player cancelled.
int32_t chooseColour(QWidget* owner, int32_t initialColour);

}  // namespace varnel
