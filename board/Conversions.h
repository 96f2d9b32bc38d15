#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The number conversions the game relies on: rounding half to even, and the two text forms
// used by the labels, the messages and the settings.
namespace varnel {

// Nearest 16-bit integer, halves to even; values beyond the range saturate.
int16_t CInt(double value);
// Nearest 32-bit integer, halves to even; values beyond the range saturate.
int32_t CLng(double value);

// " 144", " 0", "-1": a blank stands where a minus sign would.
std::string Str(long long value);
// "144", "0", "-1": the digits alone.
std::string CStr(long long value);

// Reads the number at the start of a text the way the settings are read: leading blanks are
// skipped, the parse stops at the first character that cannot continue a number, and a text
// without a number reads as 0.
double Val(std::string_view text);

}  // namespace varnel
