// The pieces artgen builds its files from, checked against the test's own bitmap reader.
#include <gtest/gtest.h>

#include <QPainter>
#include <set>

#include "BmpReader.h"
#include "BmpWriter.h"
#include "PictureCanvas.h"
#include "Quantiser.h"

namespace varnel::assets_test {
namespace {

using artgen::IndexedImage;
using artgen::Rgb;
using artgen::RgbImage;

TEST(BmpWriter, PadsRowsToFourBytesAndStoresThemBottomUp) {
    IndexedImage image;
    image.width = 5;  // three bytes of padding on every row
    image.height = 3;
    for (int i = 0; i < 15; ++i) image.pixels.push_back(static_cast<std::uint8_t>(i * 7));
    image.palette[7] = {10, 20, 30};

    const std::vector<std::uint8_t> bytes = artgen::EncodeBmp8(image);
    ASSERT_EQ(bytes.size(), 1078u + 8u * 3u);
    Bmp8 read;
    std::string why;
    ASSERT_TRUE(ParseBmp8(bytes, read, why)) << why;
    EXPECT_EQ(read.fileSizeField, bytes.size());
    EXPECT_EQ(read.imageSize, 24u);
    EXPECT_EQ(read.width, 5);
    EXPECT_EQ(read.height, 3);
    EXPECT_EQ(read.indexes, image.pixels);
    EXPECT_EQ(read.palette[7], (Colour{10, 20, 30}));
    // The first row stored is the bottom one.
    EXPECT_EQ(bytes[1078], image.pixels[10]);
    EXPECT_EQ(bytes[1078 + 5], 0);
}

RgbImage Gradient() {
    RgbImage image(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            image.At(x, y) = {static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 4),
                              static_cast<std::uint8_t>((x + y) * 2)};
    image.At(0, 0) = {0, 0, 0};
    return image;
}

TEST(Quantiser, KeepsAFewColoursExactlyAndBlackAtIndexZero) {
    RgbImage image(4, 3);
    const Rgb colours[4] = {{0, 0, 0}, {250, 240, 220}, {40, 100, 200}, {1, 0, 0}};
    for (int i = 0; i < 12; ++i) image.pixels[static_cast<std::size_t>(i)] = colours[i % 4];
    const IndexedImage result = artgen::Quantise(image);
    for (int i = 0; i < 12; ++i) {
        const auto& entry = result.palette[result.pixels[static_cast<std::size_t>(i)]];
        EXPECT_EQ((Rgb{entry.red, entry.green, entry.blue}), colours[i % 4]);
    }
    EXPECT_EQ(result.pixels[0], 0);
    EXPECT_NE(result.pixels[3], 0) << "a nearly black colour of its own keeps its own entry";
}

TEST(Quantiser, ManyColoursStayCloseAndComeOutTheSameEveryTime) {
    const RgbImage image = Gradient();
    const IndexedImage first = artgen::Quantise(image);
    const IndexedImage second = artgen::Quantise(image);
    EXPECT_EQ(first.pixels, second.pixels);
    EXPECT_TRUE(first.palette == second.palette);

    double totalError = 0;
    int worst = 0;
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const auto& entry = first.palette[first.pixels[i]];
        const Rgb& want = image.pixels[i];
        const int error = std::abs(entry.red - want.red) + std::abs(entry.green - want.green) +
                          std::abs(entry.blue - want.blue);
        totalError += error / 3.0;
        worst = std::max(worst, error);
    }
    EXPECT_LT(totalError / static_cast<double>(image.pixels.size()), 4.0);
    EXPECT_LT(worst, 60);
    EXPECT_EQ(first.pixels[0], 0);
    EXPECT_TRUE((first.palette[0] == artgen::PaletteEntry{0, 0, 0}));
    std::set<std::uint8_t> used(first.pixels.begin(), first.pixels.end());
    EXPECT_GT(used.size(), 200u) << "the palette is put to use";
}

TEST(PictureCanvas, AveragesTheSamplesOfEachPixel) {
    RgbImage target(3, 1);
    for (Rgb& p : target.pixels) p = {0, 0, 200};
    artgen::PictureCanvas canvas(3, 1);
    // Covers the first pixel whole, half of the second and none of the third.
    canvas.Painter().fillRect(QRectF(0, 0, 1.5, 1), QColor(255, 255, 255));
    canvas.CompositeOnto(target, 0, 0);
    EXPECT_EQ(target.At(0, 0), (Rgb{255, 255, 255}));
    EXPECT_NEAR(target.At(1, 0).red, 128, 1);
    EXPECT_NEAR(target.At(1, 0).blue, 228, 1);
    EXPECT_EQ(target.At(2, 0), (Rgb{0, 0, 200}));
}

TEST(PictureCanvas, KeepsTransparencyForIconFiles) {
    artgen::PictureCanvas canvas(2, 1);
    canvas.Painter().fillRect(QRectF(0, 0, 0.25, 1), QColor(255, 0, 0));
    const QImage image = canvas.ToImage();
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 64);
    EXPECT_EQ(qRed(image.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(image.pixel(1, 0)), 0);
}

}  // namespace
}  // namespace varnel::assets_test
