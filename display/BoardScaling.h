#pragma once

#include <optional>

#include "BoardSurfaces.h"
#include "GameState.h"

namespace varnel {

struct RectF {
    float left, top, width, height;
};

// Where the board and the things on it sit in the window, in pixels. Starts at the design
// geometry for a 640 x 480 screen and is scaled at most once.
struct WindowGeometry {
    RectF board{16, 8, 609, 417};
    float holdWidth = 44, holdHeight = 55;
    float frameWidth = 47, frameHeight = 58;  // the selection frame is 3 pixels roomier at first
    int frameBorder = 7;
    float messageLeft = 0, messageTop = 80;
    float scoreLeft = 16, scoreTop = 104;
    float sheetWidth = 396, sheetHeight = 220;
};

struct ScreenScale {
    float x, y;
};

// The scale factors for a screen of the given size in pixels; none for a screen of 648 pixels
// wide or less, which shows the board at its design size.
std::optional<ScreenScale> ScaleForScreen(int screenWidth, int screenHeight);

// Scales the tile size, board, mask, sheets, labels and frame once for a larger screen and
// asks for a rebuild around the current deal (KeepDeal). The caller hides the frame, applies
// the geometry to its widgets and then starts NewGame.
void FormResize(const ScreenScale& scale, GameState& state, WindowGeometry& geometry,
                BoardSurfaces& surfaces, int currentTileSet);

// Fits a sheet picture to the current tile size by the same stretch the built-in sheets had,
// when the board is scaled; at the design scale a picture is used as it is.
QImage FitSheetToBoard(const QImage& picture, const GameState& state,
                       const WindowGeometry& geometry, const QImage& mask);

}  // namespace varnel
