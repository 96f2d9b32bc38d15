#include "app/SettingsText.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace varnel {
namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::string settingsText(long long value) {
    std::string text = std::to_string(value);
    if (value >= 0) text.insert(text.begin(), ' ');
    return text;
}

double settingsNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;

    // Collect the longest prefix that still reads as a decimal number.
    std::string number;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) number += text[pos++];
    bool digits = false;
    while (pos < text.size() && isDigit(text[pos])) {
        number += text[pos++];
        digits = true;
    }
    if (pos < text.size() && text[pos] == '.') {
        number += text[pos++];
        while (pos < text.size() && isDigit(text[pos])) {
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
        if (exponentPos < text.size() && isDigit(text[exponentPos])) {
            while (exponentPos < text.size() && isDigit(text[exponentPos]))
                exponent += text[exponentPos++];
            number += exponent;
        }
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace varnel
