#include "BoardScaling.h"

#include <algorithm>

#include "Conversions.h"
#include "DrawnArt.h"
#include "RasterOps.h"

namespace varnel {
namespace {

constexpr int kTwipsPerPixel = 15;

QImage Stretched(const QImage& picture, int width, int height) {
    QImage target = MakeSurface(width, height);
    StretchBlt(target, 0, 0, width, height, picture, 0, 0, picture.width(), picture.height());
    return target;
}

// A picture file is a bitmap: it is stretched to the board's sheet size, and the fringe the
// smooth stretch leaves round each tile goes back to black.
QImage StretchedSheet(const QImage& picture, QSizeF size, const art::SheetGrid& grid,
                      float pixelRatio) {
    QImage sheet =
        Stretched(picture, CLng(size.width() * pixelRatio), CLng(size.height() * pixelRatio));
    BlackenCorners(sheet, grid);
    return sheet;
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
    scale.centring = (screenWidth - design::kScreenWidth * scale.y) / 2;
    return scale;
}

void FormResize(const ScreenScale& scale, GameState& state, WindowGeometry& geometry,
                BoardSurfaces& surfaces, int currentTileSet) {
    const float sy = scale.y;
    state.BoardScale = sy;
    state.TileSelected = false;

    // A built-in set has the design size whatever size it was made at; a picture file is its
    // own size.
    const float r = surfaces.pixelRatio;
    const QImage& sheetInUse = surfaces.picTile[currentTileSet];
    const bool builtInInUse = surfaces.builtIn[currentTileSet] || sheetInUse.isNull();
    geometry.sheetWidth =
        (builtInInUse ? design::kTileWidth * design::kSheetColumns : sheetInUse.width() / r) * sy;
    geometry.sheetHeight =
        (builtInInUse ? design::kTileHeight * design::kSheetRows : sheetInUse.height() / r) * sy;
    state.TileHeight = state.TileHeight * sy;
    state.TileWidth = state.TileWidth * sy;

    RectF& board = geometry.board;
    board.top *= sy;
    board.left = board.left * sy + scale.centring;
    board.width *= sy;
    board.height *= sy;
    geometry.holdWidth *= sy;
    geometry.holdHeight *= sy;
    geometry.messageTop *= sy;
    geometry.messageLeft *= sy;
    geometry.scoreTop *= sy;
    geometry.scoreLeft *= sy;
    geometry.frameWidth = state.TileWidth;
    geometry.frameHeight = state.TileHeight;
    geometry.frameBorder = CInt(sy * geometry.frameBorder);

    const QSize device = BoardDeviceSize(CLng(board.width), CLng(board.height), r);
    surfaces.board = BoardPicture::Blank(
        device, surfaces.background,
        MakeSurface(CLng(geometry.holdWidth * r), CLng(geometry.holdHeight * r)));
    state.BoardScaleWidth = CLng(board.width);
    state.BoardScaleHeight = CLng(board.height);

    // The built-in sets and the mask are drawn afresh at the new size: the set in use now, the
    // others when they are first chosen. Picture files are stretched.
    const QSizeF sheetSize(geometry.sheetWidth, geometry.sheetHeight);
    surfaces.sheetGrid = BoardSheetGrid(state, sheetSize, r);
    surfaces.picMask = MakeTileMask(surfaces.sheetGrid.shape);
    for (std::size_t slot = 0; slot < surfaces.picTile.size(); ++slot) {
        QImage& sheet = surfaces.picTile[slot];
        if (surfaces.builtIn[slot])
            sheet = QImage();
        else
            sheet = StretchedSheet(sheet, sheetSize, surfaces.sheetGrid, r);
    }
    surfaces.Sheet(currentTileSet);

    for (LabelPlaces* labels : {&state.Labels.Stacked, &state.Labels.Rivers}) {
        for (int16_t* top : {&labels->MessageTop, &labels->ScoreTop, &labels->TestTop})
            *top = CInt(sy * *top);
        labels->ScoreLeft = CInt(sy * labels->ScoreLeft);
    }
}

QImage FitSheetToBoard(const QImage& picture, const GameState& state,
                       const WindowGeometry& geometry, const BoardSurfaces& surfaces) {
    QImage sheet = picture.convertToFormat(QImage::Format_RGB32);
    const float r = surfaces.pixelRatio;
    if (state.BoardScale > 1.0f)
        return StretchedSheet(sheet, QSizeF(geometry.sheetWidth, geometry.sheetHeight),
                              surfaces.sheetGrid, r);
    // On the design-size board a picture is used at its own size, in the window's pixels.
    if (r != 1) return StretchedSheet(sheet, QSizeF(sheet.size()), surfaces.sheetGrid, r);
    return sheet;
}

}  // namespace varnel
