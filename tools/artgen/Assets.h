#pragma once

#include <string>

namespace varnel::artgen {

// Draws every asset and writes it under the folder: mask.bmp, sheets/*.bmp, varnel.bmp,
// icons/varnel-<size>.png and contact-sheet.png. On failure returns false and says why.
bool writeAssets(const std::string& folder, std::string& error);

}  // namespace varnel::artgen
