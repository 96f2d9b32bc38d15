#include "Conversions.h"

#include <cctype>
#include <cstdlib>
#include <cmath>
#include <limits>

namespace varnel {
namespace {

template <typename Int>
Int RoundHalfEven(double value) {
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

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

int16_t CInt(double value) { return RoundHalfEven<int16_t>(value); }

int32_t CLng(double value) { return RoundHalfEven<int32_t>(value); }

std::string Str(long long value) {
    std::string text = std::to_string(value);
    if (value >= 0) text.insert(text.begin(), ' ');
    return text;
}

std::string CStr(long long value) { return std::to_string(value); }

double Val(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;

    // Collect the longest prefix that still reads as a decimal number.
    std::string number;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) number += text[pos++];
    bool digits = false;
    while (pos < text.size() && IsDigit(text[pos])) {
        number += text[pos++];
        digits = true;
    }
    if (pos < text.size() && text[pos] == '.') {
        number += text[pos++];
        while (pos < text.size() && IsDigit(text[pos])) {
            number += text[pos++];
            digits = true;
        }
    }
    if (!digits) return 0.0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponentPos = pos + 1;
        std::string exponent = "e";
        if (exponentPos < text.size() && (text[exponentPos] == '-' || text[exponentPos] == '+'))
            exponent += text[exponentPos++];
        if (exponentPos < text.size() && IsDigit(text[exponentPos])) {
            while (exponentPos < text.size() && IsDigit(text[exponentPos]))
                exponent += text[exponentPos++];
            number += exponent;
        }
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace varnel
