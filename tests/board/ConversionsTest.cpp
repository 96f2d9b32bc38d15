#include <gtest/gtest.h>

#include <cmath>

#include "Conversions.h"

namespace varnel {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(CInt(54.5), 54);
    EXPECT_EQ(CInt(55.5), 56);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(68.75), 69);
    EXPECT_EQ(CInt(206.25), 206);
    EXPECT_EQ(CLng(70.5), 70);
    EXPECT_EQ(CLng(4210688.5), 4210688);
}

TEST(Rounding, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(CInt(1e9), 32767);
    EXPECT_EQ(CInt(-1e9), -32768);
    EXPECT_EQ(CLng(1e12), 2147483647);
    EXPECT_EQ(CInt(std::nan("")), 0);
}

TEST(TextForms, StrLeavesRoomForTheSign) {
    EXPECT_EQ(Str(144), " 144");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-1), "-1");
    EXPECT_EQ(Str(4210688), " 4210688");
    EXPECT_EQ(CStr(6), "6");
    EXPECT_EQ(CStr(0), "0");
    EXPECT_EQ(CStr(-3), "-3");
}

TEST(TextForms, ValReadsTheLeadingNumber) {
    EXPECT_EQ(Val(" 2"), 2);
    EXPECT_EQ(Val("-1"), -1);
    EXPECT_EQ(Val(" 4210688"), 4210688);
    EXPECT_EQ(Val("12abc"), 12);
    EXPECT_EQ(Val("  3.75 tiles"), 3.75);
    EXPECT_EQ(Val("1e3"), 1000);
    EXPECT_EQ(Val("7e"), 7);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("garbage"), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
    EXPECT_EQ(Val("1e999"), 0);  // beyond any held type: as good as no number
}

}  // namespace
}  // namespace varnel
