#include "tools/artgen/ContactSheet.h"

#include <QString>

#include "art/PictureCanvas.h"
#include "art/TileGeometry.h"
#include "art/TileSets.h"
#include "art/Typefaces.h"

namespace varnel::artgen {

using namespace varnel::art;
namespace {

constexpr Rgb kBoard{0, 64, 64};  // the game's default background
constexpr Rgb kLabel{235, 228, 205};
constexpr int kZoom = 2;
constexpr int kMargin = 24;
constexpr int kLabelHeight = 40;
constexpr int kPanelWidth = kSheetWidth * kZoom;
constexpr int kPanelHeight = kSheetHeight * kZoom;

Rgb Colour(const IndexedImage& image, int x, int y) {
    const PaletteEntry& e = image.palette[image.at(x, y)];
    return {e.red, e.green, e.blue};
}

// The game's way of drawing a tile: AND the mask onto the board, then OR the sheet cell in.
void drawTile(RgbImage& board, int left, int top, const IndexedImage& sheet, int face,
              const IndexedImage& mask) {
    const int cellX = (face % kSheetColumns) * kTileWidth;
    const int cellY = (face / kSheetColumns) * kTileHeight;
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            if (left + x < 0 || top + y < 0 || left + x >= board.width || top + y >= board.height)
                continue;
            Rgb& p = board.at(left + x, top + y);
            const Rgb m = Colour(mask, x, y);
            const Rgb c = Colour(sheet, cellX + x, cellY + y);
            p = {static_cast<std::uint8_t>((p.red & m.red) | c.red),
                 static_cast<std::uint8_t>((p.green & m.green) | c.green),
                 static_cast<std::uint8_t>((p.blue & m.blue) | c.blue)};
        }
    }
}

void blow(const RgbImage& source, RgbImage& target, int left, int top, int zoom) {
    for (int y = 0; y < source.height * zoom; ++y)
        for (int x = 0; x < source.width * zoom; ++x)
            target.at(left + x, top + y) = source.at(x / zoom, y / zoom);
}

void label(RgbImage& target, int left, int baseline, const QString& text, qreal capHeight,
           Typeface face = Typeface::SansBold) {
    const QPainterPath path = textOutline(face, text, capHeight);
    const QRectF box = path.boundingRect();
    const int width = static_cast<int>(box.right()) + 4;
    const int height = static_cast<int>(capHeight * 2) + 4;
    PictureCanvas canvas(width, height);
    canvas.Painter().fillPath(path.translated(1, capHeight * 1.5),
                              QColor(kLabel.red, kLabel.green, kLabel.blue));
    canvas.compositeOnto(target, left, baseline - static_cast<int>(capHeight * 1.5));
}

// A small mound in the way the layouts stack tiles: rows overlap by the 5-pixel side, each
// layer sits 5 pixels up and right, and tiles are drawn right to left, top to bottom.
RgbImage mound(const IndexedImage& sheet, const IndexedImage& mask, int firstFace) {
    constexpr int kColumns = 3;
    constexpr int kRows = 3;
    const int stepX = kTileWidth - kDepth;
    const int stepY = kTileHeight - kDepth;
    RgbImage board(kColumns * stepX + kDepth + 24, kRows * stepY + kDepth + 28);
    for (Rgb& p : board.pixels) p = kBoard;
    const int right = board.width - kTileWidth - 12;
    int face = firstFace;
    auto place = [&](int layer, int row, int column) {
        drawTile(board, right - column * stepX + kDepth * layer,
                 12 + kDepth * 2 + row * stepY - kDepth * layer, sheet, face % kFaceCount, mask);
        face += 5;
    };
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) place(0, row, column);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column) place(1, row, column);
    place(2, 0, 0);
    return board;
}

}  // namespace

RgbImage makeContactSheet(const std::array<IndexedImage, 5>& sheets, const IndexedImage& mask) {
    const int width = kMargin * 3 + kPanelWidth * 2;
    const int rowHeight = kLabelHeight + kPanelHeight + kMargin;
    const int top = 64;
    const RgbImage sample = mound(sheets[0], mask, 0);
    const int moundRowHeight = kLabelHeight + sample.height * kZoom + kMargin;
    RgbImage out(width, top + rowHeight * 3 + moundRowHeight);
    for (Rgb& p : out.pixels) p = kBoard;
    label(out, kMargin, 40, QStringLiteral("Varnel Solitaire: the built-in tile sets, twice size"),
          18);

    const auto& sets = builtInTileSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const int left = kMargin + static_cast<int>(i % 2) * (kPanelWidth + kMargin);
        const int panelTop = top + static_cast<int>(i / 2) * rowHeight;
        label(out, left, panelTop + 28,
              QString::fromUtf8(sets[i].name) + QStringLiteral("   (sheets/") +
                  QString::fromUtf8(sets[i].fileName) + QStringLiteral(")"),
              14);
        RgbImage board(kSheetWidth, kSheetHeight);
        for (Rgb& p : board.pixels) p = kBoard;
        for (int face = 0; face < kFaceCount; ++face)
            drawTile(board, (face % kSheetColumns) * kTileWidth,
                     (face / kSheetColumns) * kTileHeight, sheets[i], face, mask);
        blow(board, out, left, panelTop + kLabelHeight, kZoom);
    }

    const int maskLeft = kMargin * 2 + kPanelWidth;
    const int maskTop = top + 2 * rowHeight;
    label(out, maskLeft, maskTop + 28, QStringLiteral("mask.bmp, four times size"), 14);
    RgbImage maskPicture(kTileWidth, kTileHeight);
    for (int y = 0; y < kTileHeight; ++y)
        for (int x = 0; x < kTileWidth; ++x) maskPicture.at(x, y) = Colour(mask, x, y);
    blow(maskPicture, out, maskLeft, maskTop + kLabelHeight, 4);

    const int moundTop = top + 3 * rowHeight;
    label(out, kMargin, moundTop + 28, QStringLiteral("Stacked as in play, twice size"), 14);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const RgbImage stacked = mound(sheets[i], mask, static_cast<int>(i) * 3);
        blow(stacked, out, kMargin + static_cast<int>(i) * (stacked.width * kZoom + 8),
             moundTop + kLabelHeight, kZoom);
    }
    return out;
}

}  // namespace varnel::artgen
