#pragma once

#include <cstdint>
#include <optional>

#include "board/Board.h"
#include "display/DesignSizes.h"
#include "layouts/TileRuns.h"
#include "play/LayoutTable.h"

namespace varnel {

struct RectF {
    float left, top, width, height;
};
struct Point {
    int x, y;
};

// How the window's design (laid out for a 640 x 480 screen) sits in the window: enlarged or
// shrunk by one factor, its top-left corner moved so that it lies in the middle.
struct DesignPlacement {
    float scale = 1;
    float left = 0, top = 0;
    // The design exactly as laid out for 640 x 480: the selection frame then keeps its roomier
    // outline of the classic window.
    bool asDesigned = true;
    friend bool operator==(const DesignPlacement&, const DesignPlacement&) = default;
};

// The smallest scale: below it the faces would no longer be told apart at a glance.
constexpr float kSmallestScale = 0.6f;

// A maximized window: the design by the screen's height (or its width, on a screen narrower
// than 4:3), centred across the screen; a screen of 648 pixels wide or less shows the design as
// it is.
DesignPlacement placementOnScreen(int screenWidth, int screenHeight);
// Any other window: the design as large as the area below the menu bar holds it (down to the
// smallest scale), in the middle of that area.
DesignPlacement placementInArea(int width, int height);

// Where the labels of a layout lie on the board.
struct LabelPlaces {
    int messageLeft, messageTop;  // "Tiles Left:"
    int scoreLeft, scoreTop;      // the count
    int testTop;                  // the spare label
    int timeLeft, timeTop;        // the time played, under the count
    int noteLeft, noteTop, noteWidth;  // the solver's note
};

// Where a face's picture lies on a tile sheet.
struct SheetCell {
    int x, y;
};

// Where the board and everything on it lie in the window, in the window's pixels: the board,
// the tile size and scale, each tile's place and its face's cell on the sheet, the labels and the
// frames. It starts at the design geometry of a 640 x 480 screen; placing the design anew is one
// call, and the places of the layout in use follow.
class BoardGeometry {
  public:
    BoardGeometry();

    void place(const DesignPlacement& placement);
    const DesignPlacement& placement() const { return placement_; }
    // Places the tiles of this layout.
    void useLayout(const LayoutRow& layout);

    float scale() const { return scale_; }
    float tileWidth() const { return tileWidth_; }
    float tileHeight() const { return tileHeight_; }
    const RectF& board() const { return board_; }
    // The board's whole width and height, in which the layouts place their tiles.
    int boardWidth() const;
    int boardHeight() const;

    TilePlace place(int16_t tile) const { return places_[static_cast<std::size_t>(tile)]; }
    SheetCell sheetCell(int face) const;
    // The topmost present, free tile whose rectangle strictly contains the point, or -1. Taken
    // and blocked tiles let the click through to what lies beneath.
    int16_t tileAt(const Board& board, float x, float y) const;

    LabelPlaces labels(LabelSet set) const;
    // The end-of-game panel, which keeps its size, moves with the board.
    Point matchPanelAt(int width, int height) const;

    // The selection frame's outline: its top-left corner over a tile, its size and border.
    Point selectionFrameAt(int16_t tile) const;
    // A hint's frame lies one pixel left of and above the selection's.
    Point hintFrameAt(int16_t tile) const;
    float frameWidth() const { return frameWidth_; }
    float frameHeight() const { return frameHeight_; }
    int frameBorder() const { return frameBorder_; }
    // The keyboard cursor's line, thicker on a larger board.
    int cursorLineWidth() const;

  private:
    Point frameAt(int16_t tile, int dx, int dy) const;
    void placeTiles();

    DesignPlacement placement_;
    float scale_ = 1;
    float tileWidth_ = design::kTileWidth, tileHeight_ = design::kTileHeight;
    RectF board_{design::kBoardLeft, design::kBoardTop, design::kBoardWidth, design::kBoardHeight};
    float frameWidth_ = design::kTileWidth + design::kFrameSlack;
    float frameHeight_ = design::kTileHeight + design::kFrameSlack;
    int frameBorder_ = design::kFrameBorder;
    LabelPlaces stacked_, flat_;
    const Layout* layout_ = nullptr;
    TilePlaces places_{};
};

}  // namespace varnel
