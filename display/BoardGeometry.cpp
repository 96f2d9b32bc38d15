#include "display/BoardGeometry.h"

#include <algorithm>

#include "board/Rounding.h"

namespace varnel {
namespace {

constexpr int kTwipsPerPixel = 15;

}  // namespace

DesignPlacement placementOnScreen(int screenWidth, int screenHeight) {
    const long widthTwips = static_cast<long>(screenWidth) * kTwipsPerPixel;
    if (widthTwips <= roundToInt16(kTwipsPerPixel * 648.0)) return {};
    const float scaleX = widthTwips / 9600.0f;
    // The board keeps its proportions and follows the height; on a screen narrower than 4:3
    // (1280 x 1024, say) that would push its right-hand tiles off the screen, so the width
    // limits it there.
    const float scale = std::min(screenHeight * kTwipsPerPixel / 7200.0f, scaleX);
    return {scale, (screenWidth - design::kScreenWidth * scale) / 2, 0, false};
}

DesignPlacement placementInArea(int width, int height) {
    const float scale =
        std::max(kSmallestScale, std::min(static_cast<float>(width) / design::kScreenWidth,
                                          static_cast<float>(height) / design::kScreenHeight));
    return {scale, (width - design::kScreenWidth * scale) / 2,
            (height - design::kScreenHeight * scale) / 2, false};
}

BoardGeometry::BoardGeometry() { place(DesignPlacement{}); }

void BoardGeometry::place(const DesignPlacement& placement) {
    // Everything is worked out afresh from the design, in single precision as the design's
    // formulas always were, so that the same placement always gives the same pixels.
    placement_ = placement;
    const float s = placement.scale;
    scale_ = s;
    tileWidth_ = design::kTileWidth * s;
    tileHeight_ = design::kTileHeight * s;
    board_ = {design::kBoardLeft * s + placement.left, design::kBoardTop * s + placement.top,
              design::kBoardWidth * s, design::kBoardHeight * s};
    if (placement.asDesigned) {
        frameWidth_ = design::kTileWidth + design::kFrameSlack;
        frameHeight_ = design::kTileHeight + design::kFrameSlack;
        frameBorder_ = design::kFrameBorder;
    } else {
        // Scaled, the frame is exactly the tile's size.
        frameWidth_ = tileWidth_;
        frameHeight_ = tileHeight_;
        frameBorder_ = roundToInt16(s * design::kFrameBorder);
    }
    // The labels lie on the board, so they move with it: their places follow the same factor.
    auto scaled = [s](int at) { return static_cast<int>(roundToInt16(s * at)); };
    stacked_ = {design::kMessageLabel.left, scaled(design::kMessageLabel.top),
                scaled(design::kScoreLabel.left), scaled(design::kScoreLabel.top),
                scaled(design::kTestLabel.top),   scaled(design::kTimeLabel.left),
                scaled(design::kTimeLabel.top),   scaled(design::kNoteLabel.left),
                scaled(design::kNoteLabel.top),   scaled(design::kNoteLabel.width)};
    flat_ = {design::kMessageLabel.left,    scaled(design::kRiversMessageTop),
             scaled(design::kRiversScoreLeft), scaled(design::kRiversScoreTop),
             scaled(design::kRiversTestTop),   scaled(design::kRiversScoreLeft),
             scaled(design::kRiversTimeTop),   scaled(design::kRiversNoteLabel.left),
             scaled(design::kRiversNoteLabel.top), scaled(design::kRiversNoteLabel.width)};
    placeTiles();
}

void BoardGeometry::useLayout(const LayoutRow& layout) {
    layout_ = &layout.rules;
    placeTiles();
}

void BoardGeometry::placeTiles() {
    if (layout_) places_ = layout_->places({tileWidth_, tileHeight_, scale_, boardWidth()});
}

int BoardGeometry::boardWidth() const { return roundToInt32(board_.width); }

int BoardGeometry::boardHeight() const { return roundToInt32(board_.height); }

SheetCell BoardGeometry::sheetCell(int face) const {
    const int row = face / design::kSheetColumns;
    const int column = face % design::kSheetColumns;
    // Each row is its own product of the tile height, rounded once: 54.5 gives rows at 0, 54,
    // 109 and 164 (halves go to even), not multiples of one rounded height.
    return {roundToInt16(static_cast<float>(column) * tileWidth_),
            row == 0 ? 0 : roundToInt16(static_cast<float>(row) * tileHeight_)};
}

int16_t BoardGeometry::tileAt(const Board& board, float x, float y) const {
    // Highest number first: it lies on top.
    for (int16_t i = static_cast<int16_t>(board.tileCount() - 1); i >= 0; --i) {
        if (!board[i].present() || !board[i].free) continue;
        const TilePlace at = place(i);
        if (at.x < x && x < at.x + tileWidth_ && at.y < y && y < at.y + tileHeight_) return i;
    }
    return -1;
}

LabelPlaces BoardGeometry::labels(LabelSet set) const {
    return set == LabelSet::Flat ? flat_ : stacked_;
}

Point BoardGeometry::matchPanelAt(int width, int height) const {
    // Its middle stays at the same place of the design, wherever the design lies.
    const float middleX = design::kMatchPanel.left + design::kMatchPanel.width / 2.0f;
    const float middleY = design::kMatchPanel.top + design::kMatchPanel.height / 2.0f;
    return {roundToInt32(middleX * scale_ + placement_.left - width / 2.0f),
            roundToInt32(middleY * scale_ + placement_.top - height / 2.0f)};
}

Point BoardGeometry::frameAt(int16_t tile, int dx, int dy) const {
    // At exactly 1.25 both frames sit three pixels in and up.
    if (scale_ == 1.25f) {
        dx = 3;
        dy = -3;
    }
    const TilePlace at = place(tile);
    return {at.x + dx, at.y + dy};
}

Point BoardGeometry::selectionFrameAt(int16_t tile) const { return frameAt(tile, 1, -4); }

Point BoardGeometry::hintFrameAt(int16_t tile) const { return frameAt(tile, 0, -5); }

int BoardGeometry::cursorLineWidth() const { return std::max<int>(2, roundToInt16(3 * scale_)); }

}  // namespace varnel
