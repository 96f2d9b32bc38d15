#pragma once

#include <string>
#include <string_view>

// The settings keep numbers as text the way the game has always written them, so that a settings
// file from any version reads the same: a blank stands where a minus sign would (" 2",
// " 4210688", "-1"), and a value reads as the longest number at its start.
namespace varnel {

std::string settingsText(long long value);
// Leading blanks are skipped, the reading stops at the first character that cannot continue a
// number, and a text without a number reads as 0.
double settingsNumber(std::string_view text);

}  // namespace varnel
