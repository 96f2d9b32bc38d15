#include <gtest/gtest.h>

#include <cmath>

#include "Conversions.h"

namespace varnel {
namespace {

// Halves go to the even neighbour; values beyond the range saturate instead of overflowing.
TEST(Rounding, HalvesToEvenAndSaturates) {
    EXPECT_EQ(CInt(54.5), 54);
    EXPECT_EQ(CInt(55.5), 56);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CLng(4210688.5), 4210688);
    EXPECT_EQ(CInt(1e9), 32767);
    EXPECT_EQ(CInt(-1e9), -32768);
    EXPECT_EQ(CLng(1e12), 2147483647);
    EXPECT_EQ(CInt(std::nan("")), 0);
}

TEST(TextForms, StrLeavesRoomForTheSignAndValReadsTheLeadingNumber) {
    EXPECT_EQ(Str(144), " 144");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-1), "-1");
    EXPECT_EQ(CStr(6), "6");
    const std::pair<const char*, double> reads[] = {
        {" 4210688", 4210688}, {"-1", -1}, {"12abc", 12}, {"  3.75 tiles", 3.75}, {"1e3", 1000},
        {"7e", 7}, {"", 0}, {"garbage", 0}, {"-", 0}, {".", 0},
        {"1e999", 0},  // beyond any held type: as good as no number
    };
    for (const auto& [text, value] : reads) EXPECT_EQ(Val(text), value) << '"' << text << '"';
}

}  // namespace
}  // namespace varnel
