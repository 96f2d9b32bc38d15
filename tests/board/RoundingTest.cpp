#include <gtest/gtest.h>

#include <cmath>

#include "board/Rounding.h"

namespace varnel {
namespace {

// Places are rounded to the nearest pixel, halves to the even neighbour; values beyond the range
// saturate instead of overflowing, and a value that is no number rounds to 0.
TEST(Rounding, HalvesToEvenAndSaturates) {
    EXPECT_EQ(roundToInt16(54.5), 54);
    EXPECT_EQ(roundToInt16(55.5), 56);
    EXPECT_EQ(roundToInt16(-2.5), -2);
    EXPECT_EQ(roundToInt32(4210688.5), 4210688);
    EXPECT_EQ(roundToInt16(1e9), 32767);
    EXPECT_EQ(roundToInt32(-1e12), -2147483647 - 1);
    EXPECT_EQ(roundToInt16(std::nan("")), 0);
}

}  // namespace
}  // namespace varnel
