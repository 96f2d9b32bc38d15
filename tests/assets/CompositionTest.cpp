// The files as the game uses them together: the board ANDed with the mask, the sheet cell ORed
// in. Outside the tile the board must come through untouched, inside it the cell exactly; the
// contact sheet must show the sheets that way; every face must carry a picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "AssetFiles.h"
#include "FaceDistance.h"

namespace varnel::assets_test {
namespace {

const Colour kTeal{0, 64, 64};

Colour DrawnPixel(const Colour& board, const Colour& mask, const Colour& cell) {
    return {static_cast<std::uint8_t>((board[0] & mask[0]) | cell[0]),
            static_cast<std::uint8_t>((board[1] & mask[1]) | cell[1]),
            static_cast<std::uint8_t>((board[2] & mask[2]) | cell[2])};
}

TEST(Composition, BoardShowsThroughTheCornersAndTheTileCoversTheRest) {
    const Bmp8 mask = LoadBmp("mask.bmp");
    ASSERT_EQ(mask.width, kCellWidth);
    // Two boards that share no bit: whatever leaks from one would show.
    for (const Colour& board : {kTeal, Colour{255, 191, 191}}) {
        for (const SheetFile& file : SheetFiles()) {
            const Bmp8 sheet = LoadBmp(file.path);
            ASSERT_EQ(sheet.width, 396);
            int wrong = 0;
            for (int face = 0; face < 36; ++face)
                for (int y = 0; y < kCellHeight; ++y)
                    for (int x = 0; x < kCellWidth; ++x) {
                        const Colour& cell =
                            sheet.At((face % 9) * kCellWidth + x, (face / 9) * kCellHeight + y);
                        const Colour drawn = DrawnPixel(board, mask.At(x, y), cell);
                        wrong += drawn != (OutsideTile(x, y) ? board : cell);
                    }
            EXPECT_EQ(wrong, 0) << file.name;
        }
    }
}

// Every face carries a picture of its own: a good part of the inside of the face, clear of the
// rim and bevel that every tile has, stands off the ivory ground.
TEST(Composition, EveryFaceCarriesAPicture) {
    for (const SheetFile& file : SheetFiles()) {
        const Bmp8 sheet = LoadBmp(file.path);
        ASSERT_EQ(sheet.width, 396);
        for (int face = 0; face < 36; ++face) {
            const FacePixels pixels = ExtractFace(sheet, face);
            auto at = [&](int x, int y) {
                return pixels[static_cast<std::size_t>(y * kFaceWidth + x)];
            };
            const auto ground = at(2, 2);
            int inside = 0;
            int inked = 0;
            for (int y = 2; y < kFaceHeight - 2; ++y)
                for (int x = 2; x < kFaceWidth - 2; ++x) {
                    const auto p = at(x, y);
                    ++inside;
                    inked += std::abs(p[0] - ground[0]) + std::abs(p[1] - ground[1]) +
                                 std::abs(p[2] - ground[2]) >
                             90;
                }
            EXPECT_GT(inked, inside / 12) << file.name << " face " << face;
        }
    }
}

TEST(ContactSheet, ShowsEachSheetTwiceSizeAsTheGameDrawsIt) {
    QImage contact;
    ASSERT_TRUE(contact.load(QString::fromStdString(AssetPath("contact-sheet.png"))));
    const Bmp8 mask = LoadBmp("mask.bmp");
    // The panels: two to a row, 24 pixels apart, below a title and a name line each.
    const int panelWidth = 396 * 2;
    const int rowHeight = 40 + 220 * 2 + 24;
    for (std::size_t i = 0; i < 5; ++i) {
        const Bmp8 sheet = LoadBmp(SheetFiles()[i].path);
        const int left = 24 + static_cast<int>(i % 2) * (panelWidth + 24);
        const int top = 64 + static_cast<int>(i / 2) * rowHeight + 40;
        int wrong = 0;
        for (int y = 0; y < 220; y += 3)
            for (int x = 0; x < 396; x += 3) {
                const Colour drawn =
                    DrawnPixel(kTeal, mask.At(x % kCellWidth, y % kCellHeight), sheet.At(x, y));
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx) {
                        const QRgb shown = contact.pixel(left + 2 * x + dx, top + 2 * y + dy);
                        wrong += Colour{static_cast<std::uint8_t>(qRed(shown)),
                                        static_cast<std::uint8_t>(qGreen(shown)),
                                        static_cast<std::uint8_t>(qBlue(shown))} != drawn;
                    }
            }
        EXPECT_EQ(wrong, 0) << SheetFiles()[i].name;
    }
}

// The icon stands on its own: clear round the tile, opaque on it, and the blue ring on the face
// survives down to 16 pixels.
TEST(Icons, AreClearRoundTheTileAndShowTheRingAtEverySize) {
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage icon;
        const std::string name = "icons/varnel-" + std::to_string(size) + ".png";
        ASSERT_TRUE(icon.load(QString::fromStdString(AssetPath(name)))) << name;
        ASSERT_EQ(icon.width(), size);
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << name;
        int blue = 0;
        int opaque = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb p = icon.pixel(x, y);
                opaque += qAlpha(p) == 255;
                blue += qAlpha(p) == 255 && qBlue(p) > 150 && qRed(p) < 100;
            }
        EXPECT_GT(opaque, size * size / 2) << name;
        EXPECT_GT(blue, size * size / 25) << name;
    }
}

}  // namespace
}  // namespace varnel::assets_test
