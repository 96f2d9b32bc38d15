#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BmpReader.h"

namespace varnel::assets_test {

// The tile picture: a 44 x 55 cell whose face is lifted 5 pixels up and right of its base. A
// sheet holds 36 of them, nine to a row.
constexpr int kCellWidth = 44;
constexpr int kCellHeight = 55;
constexpr int kDepth = 5;
constexpr int kFaces = 36;

// White in the mask: the two corners of the cell that the board shows through.
constexpr bool OutsideTile(int x, int y) {
    return x + y < kDepth || (kCellWidth - 1 - x) + (kCellHeight - 1 - y) < kDepth;
}

// Pixel (x, y) of the cell of a face: row face / 9, column face % 9 of the sheet.
inline const Colour& CellPixel(const Bmp8& sheet, int face, int x, int y) {
    return sheet.At(face % 9 * kCellWidth + x, face / 9 * kCellHeight + y);
}

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

std::string AssetPath(const std::string& relative);
std::string IconFile(int size);

// The five built-in sheets in the order of the Tiles menu, then the program's own picture.
const std::vector<std::string>& SheetFiles();

// A test name made of the letters and digits of a file name.
std::string FileTestName(const ::testing::TestParamInfo<std::string>& info);

// Loads a committed bitmap; one that cannot be read fails the current test and comes back empty.
Bmp8 LoadBmp(const std::string& relative);

// Checks the headers of an uncompressed 8-bit picture whose rows need no padding: "BM", 1078
// bytes before the pixels, a 40-byte info header, one plane, and sizes that add up.
void ExpectEightBitLayout(const Bmp8& bmp, int width, int height);

}  // namespace varnel::assets_test
