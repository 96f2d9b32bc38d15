#pragma once

#include <cstdint>

#include "DesignSizes.h"
#include "TileRec.h"

namespace varnel {

enum LayoutId : int16_t { kDragon = 0, kRivers = 1, kPyramid = 2 };

// Where a new game puts the three labels of the board.
struct LabelPlaces {
    int16_t MessageTop, ScoreTop, ScoreLeft, TestTop;
};

// The two sets of label places: one for the stacked layouts, one for the flat one. They start
// at the design places; the window rescales them once with the board.
struct LabelPositions {
    LabelPlaces Stacked{design::kMessageLabel.top, design::kScoreLabel.top,
                        design::kScoreLabel.left, design::kTestLabel.top};
    LabelPlaces Rivers{design::kRiversMessageTop, design::kRiversScoreTop, design::kRiversScoreLeft,
                       design::kRiversTestTop};
};

// Everything one game is made of. The window and the engine share it; nothing else is global.
struct GameState {
    TileTable Tiles{};
    TileTable UndoTiles{};  // the table as it was just before the last pair was removed

    int16_t TileCount = 144;
    int16_t TilesLeft = 144;
    int16_t CurrentLayout = kDragon;
    bool TileSelected = false;
    int16_t SelectedTile = 0;
    int16_t SoundOn = kTrue;  // any value but -1 means off
    int16_t RetVal = 0;

    float TileWidth = design::kTileWidth;
    float TileHeight = design::kTileHeight;
    float BoardScale = 1.0f;
    // Inner size of the board surface, whole pixels.
    int BoardScaleWidth = design::kBoardWidth;
    int BoardScaleHeight = design::kBoardHeight;

    LabelPositions Labels;
};

}  // namespace varnel
