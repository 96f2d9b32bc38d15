#pragma once

#include <cstdint>

namespace varnel {

// Places and sizes are worked out in single precision and rounded to whole pixels the one way
// the game's geometry was made with: to the nearest, halves to even. Values beyond the range
// saturate.
int16_t roundToInt16(double value);
int32_t roundToInt32(double value);

}  // namespace varnel
