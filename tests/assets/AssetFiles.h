#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "BmpReader.h"

namespace varnel::assets_test {

// The tile picture: a 44 x 55 cell whose face is lifted 5 pixels up and right of its base.
constexpr int kCellWidth = 44;
constexpr int kCellHeight = 55;
constexpr int kDepth = 5;

// White in the mask: the two corners of the cell that the board shows through.
constexpr bool OutsideTile(int x, int y) {
    return x + y < kDepth || (kCellWidth - 1 - x) + (kCellHeight - 1 - y) < kDepth;
}

std::string AssetPath(const std::string& relative);

struct SheetFile {
    std::string path;  // relative to the assets folder
    std::string name;
};

inline void PrintTo(const SheetFile& file, std::ostream* out) {
    *out << file.path;
}

// The five built-in sheets in the order of the Tiles menu, then the program's own picture.
const std::vector<SheetFile>& SheetFiles();

// Every file the art generator writes, relative to its output folder.
const std::vector<std::string>& GeneratedFiles();

// Loads a committed bitmap, failing the current test when it cannot be read.
Bmp8 LoadBmp(const std::string& relative);

}  // namespace varnel::assets_test
