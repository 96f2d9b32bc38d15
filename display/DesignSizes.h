#pragma once

#include "layouts/LayoutUnits.h"

// The window is laid out for a 640 x 480 screen. These are its sizes there, in pixels; a larger
// window scales them.
namespace varnel::design {

constexpr int kScreenWidth = 640, kScreenHeight = 480;

constexpr int kBoardLeft = 16, kBoardTop = 8;
constexpr int kBoardWidth = units::kBoardWidth, kBoardHeight = units::kBoardHeight;

// One cell of a tile sheet, and so one tile on the board.
constexpr int kTileWidth = units::kTileWidth, kTileHeight = units::kTileHeight;
constexpr int kSheetColumns = 9, kSheetRows = 4;

// The selection frame starts 3 pixels roomier than a tile, with a 7-pixel border.
constexpr int kFrameSlack = 3;
constexpr int kFrameBorder = 7;

struct Box {
    int left, top, width, height;
};
// "Tiles Left:", the count beside it, and the spare label below them.
constexpr Box kMessageLabel{0, 80, 81, 25};
constexpr Box kScoreLabel{16, 104, 41, 17};
constexpr Box kTestLabel{0, 200, 400, 25};
// The time played, under the count: as wide as the count's column, high enough for h:mm:ss.
constexpr Box kTimeLabel{16, 124, 64, 17};
// The solver's note, under the time, wrapped to the width of the labels' column; it grows down
// as far as its words need.
constexpr Box kNoteLabel{0, 146, 100, 0};
// The end-of-game panel lies beside the board, over its lower middle.
constexpr Box kMatchPanel{224, 200, 361, 105};
// The flat layout fills more of the board, so its labels move up into the top margin.
constexpr int kRiversMessageTop = 15, kRiversScoreTop = 15, kRiversScoreLeft = 75;
constexpr int kRiversTestTop = 370;
constexpr int kRiversTimeTop = 35;
// The flat layout has no column beside it: its note runs across the top margin, right of the count.
constexpr Box kRiversNoteLabel{130, 3, 470, 0};

}  // namespace varnel::design
