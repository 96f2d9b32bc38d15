#include "BoardScaling.h"

#include <algorithm>

#include "Conversions.h"
#include "RasterOps.h"

namespace varnel {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

QImage Stretched(const QImage& picture, int width, int height) {
    QImage target = MakeSurface(width, height);
    StretchBlt(target, 0, 0, width, height, picture, 0, 0, picture.width(), picture.height());
    return target;
}

// A smooth stretch greys the mask's edge; the mask stays a two-colour picture, as AND with a
// grey would tint the board rather than show or hide it.
void KeepTwoColours(QImage& mask) {
    for (int y = 0; y < mask.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < mask.width(); ++x) row[x] = qGray(row[x]) >= 128 ? kWhite : kBlack;
    }
}

// Likewise the stretched sheet picks up a faint fringe round each tile; the corners of every
// cell go back to black so that OR leaves the board beneath untouched there.
void BlackenCorners(QImage& sheet, const GameState& state, const QImage& mask) {
    for (int face = 0; face < 36; ++face) {
        const int left = CInt((face % 9) * state.TileWidth);
        const int top = CInt((face / 9) * state.TileHeight);
        for (int y = 0; y < mask.height() && top + y < sheet.height(); ++y) {
            const auto* outline = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
            auto* row = reinterpret_cast<QRgb*>(sheet.scanLine(top + y));
            for (int x = 0; x < mask.width() && left + x < sheet.width(); ++x)
                if (outline[x] == kWhite) row[left + x] = kBlack;
        }
    }
}

}  // namespace

std::optional<ScreenScale> ScaleForScreen(int screenWidth, int screenHeight) {
    const long widthTwips = static_cast<long>(screenWidth) * kTwipsPerPixel;
    if (widthTwips <= CInt(kTwipsPerPixel * 648.0)) return std::nullopt;
    ScreenScale scale{widthTwips / 9600.0f, screenHeight * kTwipsPerPixel / 7200.0f};
    // The board keeps its proportions and follows the height; on a screen narrower than 4:3
    // (1280 x 1024, say) that would push its right-hand tiles off the screen, so the width
    // limits it there.
    scale.y = std::min(scale.y, scale.x);
    return scale;
}

void FormResize(const ScreenScale& scale, GameState& state, WindowGeometry& geometry,
                BoardSurfaces& surfaces, int currentTileSet) {
    const float sx = scale.x, sy = scale.y;
    state.BoardScale = sy;
    state.TileSelected = false;

    const QImage& sheetInUse = surfaces.picTile[currentTileSet];
    geometry.sheetWidth = sheetInUse.width() * sy;
    geometry.sheetHeight = sheetInUse.height() * sy;
    state.TileHeight = state.TileHeight * sy;
    state.TileWidth = state.TileWidth * sy;

    RectF& board = geometry.board;
    board.top *= sy;
    board.left *= sx;
    board.width *= sy;
    board.height *= sy;
    geometry.holdWidth *= sy;
    geometry.holdHeight *= sy;
    geometry.messageTop *= sy;
    geometry.messageLeft *= sx;
    geometry.scoreTop *= sy;
    geometry.scoreLeft *= sx;
    geometry.frameWidth = state.TileWidth;
    geometry.frameHeight = state.TileHeight;
    geometry.frameBorder = CInt(sy * geometry.frameBorder);

    const int boardWidth = CLng(board.width), boardHeight = CLng(board.height);
    surfaces.picBoard = MakeSurface(boardWidth, boardHeight, surfaces.background);
    surfaces.picBoardOld = surfaces.picBoard;
    state.BoardScaleWidth = boardWidth;
    state.BoardScaleHeight = boardHeight;

    const int holdWidth = CLng(geometry.holdWidth), holdHeight = CLng(geometry.holdHeight);
    surfaces.picHold = MakeSurface(holdWidth, holdHeight);
    surfaces.picMask = Stretched(surfaces.picMask, holdWidth, holdHeight);
    KeepTwoColours(surfaces.picMask);

    const int sheetWidth = CLng(geometry.sheetWidth), sheetHeight = CLng(geometry.sheetHeight);
    surfaces.picWork = MakeSurface(sheetWidth, sheetHeight);
    for (QImage& sheet : surfaces.picTile) {
        sheet = Stretched(sheet, sheetWidth, sheetHeight);
        BlackenCorners(sheet, state, surfaces.picMask);
    }

    for (LabelPlaces* labels : {&state.Labels.Stacked, &state.Labels.Rivers}) {
        for (int16_t* top : {&labels->MessageTop, &labels->ScoreTop, &labels->TestTop})
            *top = CInt(sy * *top);
        labels->ScoreLeft = CInt(sx * labels->ScoreLeft);
    }
}

QImage FitSheetToBoard(const QImage& picture, const GameState& state,
                       const WindowGeometry& geometry, const QImage& mask) {
    QImage sheet = picture.convertToFormat(QImage::Format_RGB32);
    if (state.BoardScale <= 1.0f) return sheet;
    sheet = Stretched(sheet, CLng(geometry.sheetWidth), CLng(geometry.sheetHeight));
    BlackenCorners(sheet, state, mask);
    return sheet;
}

}  // namespace varnel
