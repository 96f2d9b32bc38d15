#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "board/Rounding.h"

namespace varnel {
namespace {

// Places are rounded to the nearest pixel, halves to the even neighbour; values beyond the range
// saturate instead of overflowing, and a value that is no number rounds to 0.
TEST(Rounding, HalvesToEvenAndSaturates) {
    for (const auto& [value, rounded] :
         {std::pair{54.5, 54}, {55.5, 56}, {-2.5, -2}, {1e9, 32767}, {std::nan(""), 0}})
        EXPECT_EQ(roundToInt16(value), rounded) << value;
    EXPECT_EQ(roundToInt32(4210688.5), 4210688);
    EXPECT_EQ(roundToInt32(-1e12), -2147483647 - 1);
}

}  // namespace
}  // namespace varnel
