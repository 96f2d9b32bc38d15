#pragma once

#include <cstdint>

#include "TileRec.h"

namespace varnel {

enum LayoutId : int16_t { kDragon = 0, kRivers = 1, kPyramid = 2 };

// Where NewGame puts the three labels of the board; the window rescales them once with the board.
struct LabelPositions {
    int16_t MessageTop = 80;
    int16_t ScoreTop = 104;
    int16_t ScoreLeft = 16;
    int16_t TestTop = 200;
    int16_t RiversMessageTop = 15;
    int16_t RiversScoreTop = 15;
    int16_t RiversScoreLeft = 75;
    int16_t RiversTestTop = 370;
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
    bool KeepDeal = false;     // rebuild around the faces and flags already on the table
    int16_t SoundOn = kTrue;   // any value but -1 means off
    int16_t RetVal = 0;

    float TileWidth = 44.0f;
    float TileHeight = 55.0f;
    float BoardScale = 1.0f;
    int BoardScaleWidth = 609;  // inner width of the board surface, whole pixels

    LabelPositions Labels;
};

// The number of tiles each layout deals.
int16_t TileCountOf(int16_t layout);

}  // namespace varnel
