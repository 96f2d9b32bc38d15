#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <string>
#include <vector>

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

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

inline std::string IconFile(int size) {
    return "icons/varnel-" + std::to_string(size) + ".png";
}

// The five built-in sheets in the order of the Tiles menu.
inline const std::vector<std::string> kSheetFiles{"sheets/traditional.bmp", "sheets/alphabet.bmp",
                                                  "sheets/flower-power.bmp", "sheets/egyptian.bmp",
                                                  "sheets/creepy-crawlers.bmp"};

inline QString AssetPath(const std::string& relative) {
    return QStringLiteral(VARNEL_ASSETS_DIR "/") + QString::fromStdString(relative);
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A committed 8-bit bitmap with its colour table, as the game reads it.
inline QImage LoadIndexed(const std::string& relative) {
    QImage image(AssetPath(relative), "BMP");
    EXPECT_EQ(image.format(), QImage::Format_Indexed8) << relative;
    return image;
}

// Pixel (x, y) of the cell of a face: row face / 9, column face % 9 of the sheet.
inline QRgb CellPixel(const QImage& sheet, int face, int x, int y) {
    return sheet.pixel(face % 9 * kCellWidth + x, face / 9 * kCellHeight + y);
}

// A test name made of the letters and digits of a file name.
inline std::string FileTestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name;
    for (char c : info.param)
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    return name;
}

}  // namespace varnel::assets_test
