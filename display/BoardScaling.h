#pragma once

#include <optional>

#include "BoardSurfaces.h"
#include "DesignSizes.h"
#include "GameState.h"

namespace varnel {

struct RectF {
    float left, top, width, height;
};

// Where the board and the things on it sit in the window, in pixels. Starts at the design
// geometry for a 640 x 480 screen and is scaled at most once.
struct WindowGeometry {
    RectF board{design::kBoardLeft, design::kBoardTop, design::kBoardWidth, design::kBoardHeight};
    float holdWidth = design::kTileWidth, holdHeight = design::kTileHeight;
    float frameWidth = design::kTileWidth + design::kFrameSlack;
    float frameHeight = design::kTileHeight + design::kFrameSlack;
    int frameBorder = design::kFrameBorder;
    float messageLeft = design::kMessageLabel.left, messageTop = design::kMessageLabel.top;
    float scoreLeft = design::kScoreLabel.left, scoreTop = design::kScoreLabel.top;
    float sheetWidth = design::kTileWidth * design::kSheetColumns;
    float sheetHeight = design::kTileHeight * design::kSheetRows;
};

struct ScreenScale {
    float x, y;
    // How far the scaled design moves right so that it sits in the middle of a screen wider
    // than 4:3; 0 on a 4:3 screen.
    float centring = 0;
};

// The scale factors for a screen of the given size in pixels; none for a screen of 648 pixels
// wide or less, which shows the board at its design size.
std::optional<ScreenScale> ScaleForScreen(int screenWidth, int screenHeight);

// Scales the tile size, board, mask, sheets, labels and frame once for a larger screen. The
// whole design is enlarged by the height's factor and centred across the screen; the labels and
// the frame lie on the board, so they move with it. The caller hides the frame, applies the
// geometry to its widgets and then has the engine rebuild the positions around the current deal.
void FormResize(const ScreenScale& scale, GameState& state, WindowGeometry& geometry,
                BoardSurfaces& surfaces, int currentTileSet);

// Fits a sheet picture to the current tile size by stretching it, when the board is scaled (or
// drawn at a pixel ratio above 1); at the design scale a picture is used as it is.
QImage FitSheetToBoard(const QImage& picture, const GameState& state,
                       const WindowGeometry& geometry, const BoardSurfaces& surfaces);

}  // namespace varnel
