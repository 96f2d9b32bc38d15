#include "board/Rounding.h"

#include <cmath>
#include <limits>

namespace varnel {
namespace {

template <typename Int>
Int roundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    // nearbyint follows the current rounding mode, which the game never changes from
    // round-to-nearest-even.
    const double rounded = std::nearbyint(value);
    if (rounded <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(rounded);
}

}  // namespace

int16_t roundToInt16(double value) { return roundHalfEven<int16_t>(value); }

int32_t roundToInt32(double value) { return roundHalfEven<int32_t>(value); }

}  // namespace varnel
